#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <filesystem>
#include <map>
#include <memory>
#include <ostream>
#include <string>

#include "jukebox/options/extension_lists.h"
#include "jukebox/tracklist/tag_page_settings.h"
#include "jukebox/tracklist/tracklist_observer.h"
#include "jukebox/tracklist/tracklist_store.h"
#include "taglib/tag_record.h"
#include "tests/support/recording_ui_service.h"
#include "tests/support/temp_dir.h"

// Readable failure output for texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// Writes down everything the store tells its windows, one short line per event.
class RecordingObserver : public TracklistObserver {
public:
    void lineAdded(int index, const QString& text) override;
    void lineReplaced(int index, const QString& text) override;
    void linesRemoved(const std::vector<int>& ascending) override;
    void linesRefilled(const QStringList& lines) override;
    void selectOnly(int index) override;
    void showDetails() override;
    void titleChanged(const QString& title) override;
    void busyChanged(bool busy) override;
    void panelSetBits(bool set, int bits) override;
    void panelPopup(int kind) override;

    // The events whose line starts with prefix.
    QStringList matching(const QString& prefix) const;

    QStringList events;
    QStringList lines;  // the list box as the events have built it
    QString title;
};

// A dictionary of rows by exact file name; remembers every file name asked for.
class FakeDictionary : public DictionaryLookup {
public:
    bool FindInDictionary(TrackEntry& entry) const override;

    std::map<QString, TrackEntry> rows;  // file name -> the texts to give
    mutable QStringList asked;
};

// A store on mp3/wav (audio) and avi (video), with a temporary folder for files.
class TracklistTest : public testing::Test {
protected:
    TracklistTest();

    // The full path of name inside the temporary folder.
    QString path(const std::string& name) const;
    // Writes a file of bytes (folders on the way are made).
    QString writeFile(const std::string& name, const std::string& bytes = "x");
    // An MP3 file: a frame header and body, then the given ID3v1 block (if any).
    QString writeMp3(const std::string& name, const std::string& block = {});
    // A tracklist file: the mark, then each line ended by CR LF.
    QString writeTracklist(const std::string& name, const QStringList& lines);
    // Entries appended directly, without files.
    void appendEntries(const QStringList& paths, int playable = 1);
    QStringList storePaths() const;

    TempDir dir;
    RecordingUiService ui;
    ExtensionLists lists{
        ui, {QStringLiteral("mp3"), QStringLiteral("WAV")}, {QStringLiteral("avi")}};
    TagRecord record;
    TagPageSettings tagPage;
    FakeDictionary dictionary;
    RecordingObserver observer;
    TracklistStore store{ui, lists, record, tagPage, &dictionary};
};

// The UTF-16LE bytes of text.
std::string utf16Bytes(const QString& text);
