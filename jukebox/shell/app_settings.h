#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

#include "jukebox/shell/general_settings.h"
#include "jukebox/tracklist/tag_page_settings.h"
#include "jukebox/tracklist/tracklist_store.h"

class TagRecord;

// Everything the jukebox keeps between runs, with the defaults of a first run.
// Stored through QSettings("Quillamo", "velorine") in the group "Settings" under
// the value names given beside each member; numbers are read back with toInt(),
// because a new process reads them back as text.
struct AppSettings {
    bool random = false;                                    // "OptionRandom"
    QString trackfile = TracklistStore::kDefaultTracklist;  // "Trackfile"
    int volume = 90;                                        // "Volume", 0..100
    int balance = 0;                                        // "Balance", -100..100

    QPoint mainPos{10, 10};     // "MainX", "MainY"
    QPoint playPos{10, 10};     // "PlayX", "PlayY": the video window
    QPoint coverPos{10, 10};    // "CoverX", "CoverY"
    QSize coverSize{100, 100};  // "CoversizeX", "CoversizeY"
    QPoint dictPos{10, 10};     // "DictX", "DictY"
    QSize dictSize{400, 200};   // "DictsizeX", "DictsizeY"
    QPoint tlistPos{10, 10};    // "TlistX", "TlistY"
    QSize tlistSize{275, 375};  // "TlistsizeX", "TlistsizeY"
    QPoint optionPos{10, 10};   // "OptionX", "OptionY": the options sheet

    // Which of the places above were read from the settings (both values of
    // the pair there). A window without one is placed beside the main window
    // instead of at the default; all of them are written.
    struct StoredPlaces {
        bool play = false;
        bool cover = false;
        bool dict = false;
        bool tlist = false;
        bool option = false;
        friend bool operator==(const StoredPlaces&, const StoredPlaces&) = default;
    };
    StoredPlaces stored;

    // The windows open at the last close, opened again at the next start.
    bool tlistShown = false;  // "TlistShown"
    bool coverShown = false;  // "CoverShown"
    bool dictShown = false;   // "DictShown"

    QString skinName = QStringLiteral("XP Aqua");  // "Skinname"

    TagPageSettings tagPage;
    GeneralSettings general;

    // Set once the stored values have been read.
    bool loaded = false;

    // Copies the tag-reading choices into the tag record every entry is read with:
    // the Tag page's switches and the General page's code page, and lets a read
    // choose its code page by the marker.
    void applyTagOptions(TagRecord& record) const;

    friend bool operator==(const AppSettings&, const AppSettings&) = default;
};

// Reads every stored value into settings; a value that is absent keeps the
// member's default. Always-on-top is left off and "DispMode" is not read.
void LoadAppSettings(AppSettings& settings);
// Writes every value, "DispMode" included; always-on-top is never written. False
// when they could not be written (a full disk, a settings file that is not a file).
bool SaveAppSettings(const AppSettings& settings);
// Where they are kept.
QString AppSettingsFile();
