#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QTimer>
#include <array>
#include <memory>

#include "jukebox/dictionary/dictionary_store.h"
#include "jukebox/options/extension_lists.h"
#include "jukebox/playback/gst_media_graph.h"
#include "jukebox/playback/media_engine.h"
#include "jukebox/session/tracklist_session.h"
#include "jukebox/shell/app_settings.h"
#include "jukebox/shell/command_line.h"
#include "jukebox/shell/engine_host.h"
#include "jukebox/skin/skin_list.h"
#include "jukebox/skin/skin_loader.h"
#include "jukebox/skin/skin_packages.h"
#include "jukebox/tracklist/tag_cache.h"
#include "jukebox/tracklist/tracklist_store.h"
#include "taglib/tag_record.h"

class CCoverWnd;
class CDictionaryWnd;
class CFilterDialog;
class CTracklistWnd;
class CVideoWnd;
class CVelorineWnd;
class OptionSheetHost;
class PanelObserver;
class UiService;
class WindowPlaces;

// The jukebox as one object: it owns the stores, the media engine and the main
// window, brings them to life in the start-up order, runs the one-shot
// start-up step (the tracklist, the dictionary and the file of the command
// line, after the window has been painted), saves the settings, and runs the
// close sequence. Data files are found in the current folder.
class CVelorineApp : public QObject {
    Q_OBJECT
public:
    // The start-up step runs once the window has been painted first; timer
    // 3204 runs it after this long when the window is never painted.
    static constexpr int kPaintWaitMs = 2000;
    // Files handed over within this time of each other open together.
    static constexpr int kHandOverBurstMs = 150;
    // How often a re-read of the tags waiting for a busy list looks again.
    static constexpr int kRereadRetryMs = 200;

    CVelorineApp(UiService& ui, CommandLine commandLine, QObject* parent = nullptr);
    ~CVelorineApp() override;

    // Start-up up to showing the window; the start-up step follows its first
    // frame.
    void InitInstance();
    // The close request of the window, a menu, the session or a signal: the
    // close sequence, at once or, while the start-up step runs, when it ends.
    void RequestClose();
    // A termination signal: the close sequence without questions, since no
    // one may be there to answer them.
    void RequestCloseBySignal();
    // A termination signal as it arrives, whatever shows: the settings are
    // saved at once, every open box is closed unanswered, and the close
    // sequence follows once control is back in the main loop.
    void CloseBySignal();
    // Every setting from its owner to the settings store; false (said on the
    // terminal) when they could not be written.
    bool SaveSettings();
    // The start-up step itself (the first frame runs it; benchmarks call it).
    void RunStartupStep();
    // Loads the skin at index of the skin list into the running window, which
    // keeps its view where the new skin has it, and makes it the current skin.
    // A skin that cannot be loaded (its messages shown) leaves the window with
    // the skin it had: false.
    bool SwitchSkin(int index);
    // Files handed over by another start of the program or a remote control:
    // they join the list as files dropped on the face do, and play, once
    // control is back in the event loop. Before the start-up step has loaded
    // the list they wait for it.
    void OpenFiles(const QStringList& names);
    // Brings the window to the front, out of the tray if it is there.
    void RaiseWindow();

    bool startupStepRunning() const { return startGuard_ == 0; }
    bool startupStepDone() const { return stepDone_; }
    bool closePending() const { return closePending_; }
    bool closed() const { return closed_; }

    CVelorineWnd& window() { return *window_; }
    CTracklistWnd& tracklistWindow() { return *tracklistWnd_; }
    CFilterDialog& filterDialog() { return *filterDialog_; }
    CVideoWnd& videoWindow() { return *videoWnd_; }
    CCoverWnd& coverWindow() { return *coverWnd_; }
    CDictionaryWnd& dictionaryWindow() { return *dictionaryWnd_; }
    TracklistStore& tracklist() { return tracklist_; }
    DictionaryStore& dictionary() { return dictionary_; }
    MediaEngine& engine() { return engine_; }
    SkinList& skins() { return skins_; }
    const TagRecord& record() const { return record_; }
    AppSettings& settings() { return settings_; }
    UiService& ui() { return ui_; }
    const QString& workFolder() const { return workFolder_; }
    const ExtensionLists& extensionLists() const { return lists_; }

Q_SIGNALS:
    // The close sequence ran: the event loop may end.
    void finished();

private:
    void LoadSettings();
    void KeepSideWindowsOnScreens();
    void PlaceSideWindows();
    // The windows open at the last close open again, once the face shows.
    void ReopenSideWindows();
    void RereadTags();
    void LoadStartSkin();
    // At the first frame (or timer 3204): the start-up step, once no box is open.
    void startStep();
    void runCommandLineFile();
    void openHandedFiles();
    void CloseSequence();
    void CreateTracklistWindow();
    void CreateFilterDialog();
    void CreateVideoWindow();
    void CreateCoverWindow();
    void CreateDictionaryWindow();
    // Unsaved work is offered for saving; false when the user keeps the program.
    bool ConfirmClose();
    void keepLoadedPlaces();

    UiService& ui_;
    CommandLine commandLine_;
    QString workFolder_;
    AppSettings settings_;
    ExtensionLists lists_;
    TagRecord record_;
    DictionaryStore dictionary_;
    // The texts of the files' own tags from run to run.
    TagCache tagCache_{TagCache::DefaultFile()};
    TracklistStore tracklist_;
    // The working list between runs (engine_ is asked only once running).
    TracklistSession session_{tracklist_, workFolder_, [this] { return engine_.GetPositionMs(); }};
    GstMediaGraph graph_;
    EngineHost host_;
    MediaEngine engine_;
    SkinPackages packages_;
    SkinList skins_;
    SkinLoader loader_;
    std::unique_ptr<CVelorineWnd> window_;
    std::unique_ptr<PanelObserver> observer_;
    std::unique_ptr<CTracklistWnd> tracklistWnd_;  // a child of the main window
    std::unique_ptr<CFilterDialog> filterDialog_;  // a child of the main window
    std::unique_ptr<CVideoWnd> videoWnd_;
    std::unique_ptr<CCoverWnd> coverWnd_;
    std::unique_ptr<CDictionaryWnd> dictionaryWnd_;  // a child of the main window
    QTimer dictionaryChanged_;                       // many row changes, one look at the tracklist
    std::unique_ptr<OptionSheetHost> options_;
    std::unique_ptr<WindowPlaces> places_;  // none where the compositor places windows
    // main, video, cover, dictionary, tracklist, options sheet, as read
    std::array<QPoint, 6> loadedPlaces_{};
    QTimer stepTimer_;         // 3204
    QStringList handedFiles_;  // handed over, still to be opened
    QTimer handOver_;          // a burst of handed files, one drop
    QTimer rereadTags_;        // the list's texts read again after new tag options
    QElapsedTimer sinceStart_;
    int startGuard_ = 1;
    bool stepDone_ = false;
    // Until then the settings keep which windows were open at the last close.
    bool sidesReopened_ = false;
    bool closePending_ = false;
    bool closed_ = false;
};
