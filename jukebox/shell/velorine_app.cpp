#include "jukebox/shell/velorine_app.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QSessionManager>
#include <cstdio>
#include <ctime>
#include <utility>

#include "jukebox/cover_window/cover_wnd.h"
#include "jukebox/dictionary_window/dictionary_wnd.h"
#include "jukebox/filters_dialog/filter_dialog.h"
#include "jukebox/options_sheet/skin_page.h"
#include "jukebox/shell/command_ids.h"
#include "jukebox/shell/fallback_skin.h"
#include "jukebox/shell/option_sheet_host.h"
#include "jukebox/shell/panel_observer.h"
#include "jukebox/shell/track_panel.h"
#include "jukebox/shell/velorine_icon.h"
#include "jukebox/shell/velorine_wnd.h"
#include "jukebox/shell/window_places.h"
#include "jukebox/tracklist_window/tracklist_wnd.h"
#include "jukebox/ui/screen_fit.h"
#include "jukebox/ui/ui_service.h"
#include "jukebox/ui/wait_cursor.h"
#include "jukebox/ui/window_system.h"
#include "jukebox/video_window/video_wnd.h"

namespace {

// What a window without a stored size must show at least to be found again.
constexpr QSize kSmallestWindow(160, 120);

// Set in the environment, it has the jukebox say on the terminal when the list
// of the start is complete: benchmarks that start the program wait for it.
constexpr const char* kTimingVariable = "VELORINE_TIMING";

}  // namespace

CVelorineApp::CVelorineApp(UiService& ui, CommandLine commandLine, QObject* parent)
    : QObject(parent),
      ui_(ui),
      commandLine_(std::move(commandLine)),
      workFolder_(CurrentFolder()),
      lists_(ui, workFolder_),
      dictionary_(ui, lists_, workFolder_),
      tracklist_(ui, lists_, record_, settings_.tagPage, &dictionary_),
      engine_(graph_, host_, ui,
              [this](const QString& extension) { return lists_.ClassifyExtension(extension); }),
      packages_(ui),
      skins_(packages_),
      loader_(ui, packages_) {
    sinceStart_.start();
    tracklist_.setTagCache(&tagCache_);
    // A list of 100,000 paths takes a while to write out.
    session_.setEventPump([this] { ui_.dispatchEventsIfDue(); });
    host_.setEngine(&engine_);
    stepTimer_.setSingleShot(true);
    stepTimer_.setInterval(kPaintWaitMs);
    connect(&stepTimer_, &QTimer::timeout, this, &CVelorineApp::startStep);
    handOver_.setSingleShot(true);
    handOver_.setInterval(kHandOverBurstMs);
    connect(&handOver_, &QTimer::timeout, this, &CVelorineApp::openHandedFiles);
    // A session that ends (log out, shut down) gets the settings saved whether
    // or not it then goes ahead.
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(gui, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& session) {
            SaveSettings();
            // The session may ask about unsaved work, and then go on or not.
            if (session.allowsInteraction()) {
                const bool goOn = ConfirmClose();
                session.release();
                if (!goOn) {
                    session.cancel();
                }
            }
        });
    }
}

CVelorineApp::~CVelorineApp() {
    places_.reset();
    tracklist_.setObserver(nullptr);
    tracklistWnd_.reset();
    dictionaryWnd_.reset();
    if (window_) {
        window_->setCoverWindow(nullptr);
    }
    coverWnd_.reset();
    host_.setFiltersListener(nullptr);
    filterDialog_.reset();
    host_.setVideoWindow(nullptr);
    videoWnd_.reset();
    window_.reset();
    engine_.ReleaseGraph();
}

void CVelorineApp::InitInstance() {
    window_ = std::make_unique<CVelorineWnd>(engine_, tracklist_, settings_);
    CVelorineWnd& wnd = *window_;
    // The step follows the first frame, so that the window shows, and answers,
    // while the list loads; queued, so that the frame is out first.
    connect(&wnd, &CVelorineWnd::firstPainted, this, &CVelorineApp::startStep,
            Qt::QueuedConnection);
    wnd.transport().setUiService(&ui_);
    observer_ = std::make_unique<PanelObserver>(wnd.controls().panel());
    CreateTracklistWindow();
    CreateFilterDialog();
    options_ = std::make_unique<OptionSheetHost>(wnd, settings_, lists_, record_, ui_);
    auto* skinPage = new CSkinPage(skins_, workFolder_);
    connect(skinPage, &CSkinPage::skinChosen, this, &CVelorineApp::SwitchSkin);
    options_->sheet()->setPage(COptionSheet::SkinPage, skinPage);
    rereadTags_.setSingleShot(true);
    connect(&rereadTags_, &QTimer::timeout, this, &CVelorineApp::RereadTags);
    connect(options_.get(), &OptionSheetHost::tagReadingChanged, &rereadTags_,
            qOverload<>(&QTimer::start));
    host_.setDurationListener([this](int ms) { window_->transport().DurationChanged(ms); });
    host_.setOpenFinishedListener(
        [this](bool opened) { window_->transport().OpenFinished(opened); });
    connect(&wnd, &CVelorineWnd::closeRequested, this, &CVelorineApp::RequestClose);
    tracklist_.seedRandom(static_cast<uint32_t>(std::time(nullptr)));

    skins_.ScanSkins(workFolder_);
    LoadSettings();
    // Where the compositor places the windows, the stored places, keeping them
    // on the screens and docking beside the face are left to it.
    const bool placing = !CompositorPlacesWindows();
    if (placing) {
        KeepSideWindowsOnScreens();
    }
    CreateVideoWindow();
    CreateCoverWindow();
    CreateDictionaryWindow();
    LoadStartSkin();
    if (placing) {
        settings_.mainPos = KeepOnDesktop(settings_.mainPos, wnd.skin().main.face);
        wnd.move(settings_.mainPos);
    }
    tracklistWnd_->setStoredRect(settings_.tlistPos, settings_.tlistSize);
    wnd.ApplyView(1);
    if (placing) {
        PlaceSideWindows();
    }
    wnd.show();
    wnd.ShowEngineState();
    wnd.StartPoll();
    stepTimer_.start();  // for a window that is never painted
}

// Places stored while another monitor was attached come back on a screen that
// exists (the main window's, once its skin gives its size).
void CVelorineApp::KeepSideWindowsOnScreens() {
    settings_.tlistPos = KeepOnDesktop(settings_.tlistPos, settings_.tlistSize);
    settings_.dictPos = KeepOnDesktop(settings_.dictPos, settings_.dictSize);
    settings_.coverPos = KeepOnDesktop(settings_.coverPos, settings_.coverSize);
    settings_.playPos = KeepOnDesktop(settings_.playPos, kSmallestWindow);
    settings_.optionPos = KeepOnDesktop(settings_.optionPos, kSmallestWindow);
}

// Windows without a stored place go beside the face, wherever it is when they
// first show.
void CVelorineApp::PlaceSideWindows() {
    places_ = std::make_unique<WindowPlaces>(*window_, settings_);
    const AppSettings::StoredPlaces& stored = settings_.stored;
    places_->setWindow(WindowPlaces::Tracklist, tracklistWnd_.get(), true, stored.tlist);
    places_->setWindow(WindowPlaces::Cover, coverWnd_.get(), false, stored.cover);
    places_->setWindow(WindowPlaces::Video, videoWnd_.get(), false, stored.play);
    places_->setWindow(WindowPlaces::Dictionary, dictionaryWnd_.get(), true, stored.dict);
    places_->setWindow(WindowPlaces::Options, options_->sheet(), true, stored.option);
    places_->PlaceUnplaced();
}

// Hidden until asked for; it shows the store and passes the track panel's
// news on to the main window's panel.
void CVelorineApp::CreateTracklistWindow() {
    CVelorineWnd& wnd = *window_;
    tracklistWnd_ = std::make_unique<CTracklistWnd>(tracklist_, ui_, &wnd);
    tracklistWnd_->setPanelObserver(observer_.get());
    tracklistWnd_->setKeyTarget(&wnd);
    tracklistWnd_->setOpenCurrentTrack([this] { window_->transport().OpenCurrentTrack(); });
    tracklist_.setObserver(tracklistWnd_.get());
    // A window's first place is worked out before the window exists: only then
    // does the window manager take it for the frame's.
    connect(&wnd, &CVelorineWnd::tracklistToggleRequested, this, [this] {
        if (places_) {
            places_->PlaceUnplaced();
        }
        window_->setButtonOn(ControlId::Tlist, tracklistWnd_->Toggle());
    });
    connect(tracklistWnd_.get(), &CTracklistWnd::closed, this,
            [this] { window_->setButtonOn(ControlId::Tlist, false); });
    // New display formats from the options sheet: the lines are formatted anew.
    connect(&wnd, &CVelorineWnd::formatsChanged, this, [this] { tracklist_.FillList(); });
}

// Hidden until Ctrl+F; lists the filters of each graph the engine opens.
void CVelorineApp::CreateFilterDialog() {
    CVelorineWnd& wnd = *window_;
    filterDialog_ = std::make_unique<CFilterDialog>(engine_, &wnd);
    filterDialog_->setKeyTarget(&wnd);
    host_.setFiltersListener([this] { filterDialog_->RefreshFilters(); });
    connect(&wnd, &CVelorineWnd::filtersToggleRequested, this, [this] { filterDialog_->Toggle(); });
}

// Hidden until the first video; it stands at its remembered corner, and keys
// and commands that are not its own go to the main window.
void CVelorineApp::CreateVideoWindow() {
    CVelorineWnd& wnd = *window_;
    videoWnd_ = std::make_unique<CVideoWnd>(engine_, settings_.playPos, &wnd,
                                            [this](int id) { window_->OnCommand(id); });
    videoWnd_->setWindowIcon(VelorineIcon());
    videoWnd_->move(settings_.playPos);
    videoWnd_->setAlwaysOnTop(settings_.general.alwaysOnTop);
    videoWnd_->setFirstRoom(
        [this](QSize picture) { return places_ ? places_->VideoRoom(picture) : QSize(); });
    videoWnd_->setFirstSizedListener([this] {
        if (places_) {
            places_->VideoSized();
        }
    });
    host_.setVideoWindow(videoWnd_.get());
    wnd.setVideoWindow(videoWnd_.get());
}

// Hidden at its remembered rectangle until the Cover command; keys and its
// double click go to the main window.
void CVelorineApp::CreateCoverWindow() {
    CVelorineWnd& wnd = *window_;
    coverWnd_ = std::make_unique<CCoverWnd>();
    coverWnd_->setWindowIcon(VelorineIcon());
    coverWnd_->setKeyTarget(&wnd);
    coverWnd_->setCommandTarget([this](int id) { window_->OnCommand(id); });
    coverWnd_->setPopupDelayMs(settings_.general.popupDelay * 100);
    coverWnd_->setAlwaysOnTop(settings_.general.alwaysOnTop);
    coverWnd_->Park(settings_.coverPos, settings_.coverSize);
    wnd.setCoverWindow(coverWnd_.get());
}

// Hidden until asked for. Whatever changes its rows (a load, an edit, a
// drop) reaches the tracklist's entries that take their texts from it.
void CVelorineApp::CreateDictionaryWindow() {
    CVelorineWnd& wnd = *window_;
    dictionaryWnd_ = std::make_unique<CDictionaryWnd>(dictionary_, ui_, &wnd);
    dictionaryWnd_->setKeyTarget(&wnd);
    dictionaryWnd_->setStoredRect(settings_.dictPos, settings_.dictSize);
    connect(&wnd, &CVelorineWnd::dictionaryToggleRequested, this, [this] {
        if (places_) {
            places_->PlaceUnplaced();
        }
        window_->setButtonOn(ControlId::Dict, dictionaryWnd_->Toggle());
    });
    connect(dictionaryWnd_.get(), &CDictionaryWnd::closed, this,
            [this] { window_->setButtonOn(ControlId::Dict, false); });
    dictionaryChanged_.setSingleShot(true);
    dictionaryChanged_.setInterval(0);
    connect(&dictionaryChanged_, &QTimer::timeout, this, [this] { tracklist_.ApplyDictionary(); });
    connect(dictionaryWnd_.get(), &CDictionaryWnd::rowsChanged, &dictionaryChanged_,
            qOverload<>(&QTimer::start));
}

void CVelorineApp::LoadSettings() {
    LoadAppSettings(settings_);
    loadedPlaces_ = {settings_.mainPos, settings_.playPos,  settings_.coverPos,
                     settings_.dictPos, settings_.tlistPos, settings_.optionPos};
    CVelorineWnd& wnd = *window_;
    wnd.transport().setRandom(settings_.random);
    tracklist_.setTracklistPath(settings_.trackfile);
    engine_.SetVolume(settings_.volume);
    engine_.SetBalance(settings_.balance);
    skins_.SelectSkin(settings_.skinName);
    settings_.applyTagOptions(record_);
    CTrackPanel& panel = wnd.controls().panel();
    panel.setPopupDelayMs(settings_.general.popupDelay * 100);
    if (settings_.general.scrollText) {
        panel.SetBits(true, PanelBit::Scroll);
    }
}

// A window's place read back under a compositor that places windows is not
// where the window is: the places stored (in an X11 session) stay as they were.
void CVelorineApp::keepLoadedPlaces() {
    settings_.mainPos = loadedPlaces_[0];
    settings_.playPos = loadedPlaces_[1];
    settings_.coverPos = loadedPlaces_[2];
    settings_.dictPos = loadedPlaces_[3];
    settings_.tlistPos = loadedPlaces_[4];
    settings_.optionPos = loadedPlaces_[5];
}

// A skin that cannot be loaded leaves the plain face, not an invisible window.
void CVelorineApp::LoadStartSkin() {
    SkinDescription& skin = window_->skin();
    if (!loader_.LoadSkin(skins_.CurrentSkinPath(), skin) || skin.main.face.isEmpty()) {
        skin = FallbackSkin();
    }
}

// The list's texts follow a new way of reading tags at once, without a Rescan;
// a load or scan under way is let finish first.
void CVelorineApp::RereadTags() {
    if (closed_) {
        return;
    }
    if (tracklist_.busy() || !stepDone_) {
        rereadTags_.start(kRereadRetryMs);
        return;
    }
    if (ui_.modalOpen()) {
        ui_.whenNoModal([this] { RereadTags(); });
        return;
    }
    tracklist_.RereadTags();
    window_->controls().panel().RefreshText();
}

bool CVelorineApp::SwitchSkin(int index) {
    if (!window_ || index < 0 || index >= skins_.entries().size()) {
        return false;
    }
    WaitCursor wait;
    // Into a description of its own: nothing of the old skin may stay behind
    // in the new one, and a failed load must not spoil the face in use.
    SkinDescription skin;
    if (!loader_.LoadSkin(skins_.entries()[index].path, skin) || skin.main.face.isEmpty()) {
        return false;
    }
    skins_.SelectIndex(index);
    settings_.skinName = skins_.CurrentSkinName();
    window_->ReplaceSkin(std::move(skin));
    return true;
}

void CVelorineApp::startStep() {
    if (stepDone_ || startGuard_ == 0 || closed_) {
        return;
    }
    // The step may show boxes of its own; never inside another one's loop.
    if (ui_.modalOpen()) {
        ui_.whenNoModal([this] { startStep(); });
        return;
    }
    RunStartupStep();
}

void CVelorineApp::RunStartupStep() {
    stepTimer_.stop();
    disconnect(window_.get(), &CVelorineWnd::firstPainted, this, &CVelorineApp::startStep);
    if (stepDone_ || startGuard_ == 0 || closed_) {
        return;
    }
    startGuard_ = 0;
    if (commandLine_.minimized) {
        window_->OnCommand(ControlId::Mini);
    }
    QElapsedTimer loadClock;
    loadClock.start();
    session_.LoadAtStart();
    if (qEnvironmentVariableIsSet(kTimingVariable)) {
        std::fprintf(stderr, "velorine: list loaded %d entries in %lld ms, %lld ms after start\n",
                     tracklist_.EntryCount(), static_cast<long long>(loadClock.elapsed()),
                     static_cast<long long>(sinceStart_.elapsed()));
    }
    if (!closePending_) {
        dictionary_.LoadDictionary();
    }
    if (!closePending_) {
        runCommandLineFile();
    }
    startGuard_ = 1;
    stepDone_ = true;
    // What the load read goes to the cache once the list shows.
    QTimer::singleShot(0, this, [this] { tagCache_.Flush(); });
    if (!closePending_) {
        ReopenSideWindows();
        openHandedFiles();
    }
    if (closePending_) {
        CloseSequence();
    }
}

// After the list has loaded, so that it shows whole at once. A jukebox started
// minimized opens them when it is restored.
void CVelorineApp::ReopenSideWindows() {
    if (closed_ || sidesReopened_) {
        return;
    }
    if (window_->minimized()) {
        connect(window_.get(), &CVelorineWnd::restored, this, &CVelorineApp::ReopenSideWindows,
                Qt::SingleShotConnection);
        return;
    }
    sidesReopened_ = true;
    // Shown without the keyboard, which stays with the face.
    if (settings_.tlistShown && !tracklistWnd_->shownOrShowing()) {
        if (places_) {
            places_->PlaceUnplaced();
        }
        tracklistWnd_->FadeIn(false);
        window_->setButtonOn(ControlId::Tlist, true);
    }
    if (settings_.dictShown && !dictionaryWnd_->shownOrShowing()) {
        if (places_) {
            places_->PlaceUnplaced();
        }
        dictionaryWnd_->FadeIn(false);
        window_->setButtonOn(ControlId::Dict, true);
    }
    if (settings_.coverShown && !coverWnd_->IsCoverVisible()) {
        window_->OnCommand(ControlId::Cover);
    }
}

// The first file is the one the jukebox opens; further ones (a file manager
// opening several) join the list behind it.
void CVelorineApp::runCommandLineFile() {
    if (commandLine_.file.isEmpty()) {
        // Without a file of its own, the jukebox goes on where it was left.
        if (session_.ResumeCurrent() && window_->transport().OpenCurrentTrack() &&
            session_.resumePositionMs() > 0) {
            window_->transport().SeekTo(session_.resumePositionMs(), false);
        }
        return;
    }
    const bool accepted = tracklist_.AddCommandLinePath(commandLine_.file);
    for (const QString& more : commandLine_.files.mid(1)) {
        tracklist_.AddPath(more);
    }
    if (!accepted) {
        return;
    }
    if (window_->transport().OpenCurrentTrack() && settings_.general.autoplay) {
        window_->OnCommand(ControlId::Play);
    }
}

void CVelorineApp::OpenFiles(const QStringList& names) {
    handedFiles_ += names;
    // Opening may take a while; the caller, another process perhaps, is
    // answered first. Files that come one call after another (a second start
    // naming several) open as one drop: the first of them becomes current.
    if (stepDone_) {
        handOver_.start();
    }
}

void CVelorineApp::openHandedFiles() {
    if (ui_.modalOpen()) {
        ui_.whenNoModal([this] { openHandedFiles(); });
        return;
    }
    // A list that is loading, sorting or scanning takes no files: they wait
    // for it rather than be lost.
    if (tracklist_.busy() && !handedFiles_.isEmpty() && !closed_) {
        handOver_.start();
        return;
    }
    const QStringList names = std::exchange(handedFiles_, {});
    if (names.isEmpty() || closed_ || !window_->OpenDropped(names)) {
        return;
    }
    if (window_->transport().mode() != Transport::Mode::Playing) {
        window_->OnCommand(ControlId::Play);
    }
}

void CVelorineApp::RaiseWindow() {
    if (!window_ || closed_) {
        return;
    }
    if (window_->minimized()) {
        window_->OnCommand(ControlId::Mini);
        return;
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void CVelorineApp::RequestClose() {
    if (closed_ || !ConfirmClose()) {
        return;
    }
    RequestCloseBySignal();
}

bool CVelorineApp::ConfirmClose() {
    return !dictionaryWnd_ || dictionaryWnd_->ConfirmClose();
}

void CVelorineApp::CloseBySignal() {
    if (closed_) {
        return;
    }
    SaveSettings();
    ui_.abandonModals();
    ui_.whenNoModal([this] { RequestCloseBySignal(); });
}

void CVelorineApp::RequestCloseBySignal() {
    if (closed_) {
        return;
    }
    if (startGuard_ == 0) {
        // Carried out when the step ends; a list still loading stops early, as
        // nothing of it would be kept. The settings are saved now as well: the
        // step may wait on a message box, and the process may not be given
        // the time.
        closePending_ = true;
        tracklist_.RequestAbort();
        SaveSettings();
        return;
    }
    CloseSequence();
}

void CVelorineApp::CloseSequence() {
    if (closed_) {
        return;
    }
    closed_ = true;
    stepTimer_.stop();
    if (!SaveSettings() && !ui_.abandoning()) {
        // Said while the window still shows; after a signal only on the terminal.
        ui_.showMessage(
            QCoreApplication::translate("CVelorineApp", "Cannot save the settings to %1")
                .arg(AppSettingsFile()));
    }
    engine_.ReleaseGraph();
    if (filterDialog_) {
        filterDialog_->hide();
    }
    if (tracklistWnd_) {
        tracklistWnd_->hide();
    }
    if (dictionaryWnd_) {
        dictionaryWnd_->FinishFade();
        dictionaryWnd_->hide();
    }
    if (coverWnd_) {
        coverWnd_->allowClose();
        coverWnd_->FinishFade();
        coverWnd_->hide();
    }
    if (videoWnd_) {
        videoWnd_->hide();
    }
    if (window_) {
        window_->Shutdown();
        window_->hide();
    }
    Q_EMIT finished();
}

bool CVelorineApp::SaveSettings() {
    session_.Flush();  // while the track is still open, for its position
    tagCache_.Flush();
    // Before they were read, the values here are the defaults: writing them
    // would replace what the user has.
    if (!settings_.loaded) {
        return true;
    }
    if (window_) {
        settings_.random = window_->transport().random();
    }
    settings_.trackfile = tracklist_.tracklistPath();
    // A window that has not shown yet goes beside the face where it is now.
    if (places_) {
        places_->PlaceUnplaced();
    }
    if (sidesReopened_) {
        settings_.tlistShown = tracklistWnd_ && tracklistWnd_->shownOrShowing();
        settings_.dictShown = dictionaryWnd_ && dictionaryWnd_->shownOrShowing();
        settings_.coverShown = coverWnd_ && coverWnd_->IsCoverVisible();
    }
    if (tracklistWnd_) {
        const QRect rect = tracklistWnd_->storedRect();
        settings_.tlistPos = rect.topLeft();
        settings_.tlistSize = rect.size();
    }
    if (dictionaryWnd_) {
        const QRect rect = dictionaryWnd_->storedRect();
        settings_.dictPos = rect.topLeft();
        settings_.dictSize = rect.size();
    }
    if (coverWnd_) {
        const QRect rect = coverWnd_->SaveRect();
        settings_.coverPos = rect.topLeft();
        settings_.coverSize = rect.size();
    }
    if (CompositorPlacesWindows()) {
        keepLoadedPlaces();
    }
    settings_.volume = engine_.GetVolume();
    settings_.balance = engine_.GetBalance();
    // The skin in use; with no skin at all the chosen one is kept for later.
    if (!skins_.CurrentSkinName().isEmpty()) {
        settings_.skinName = skins_.CurrentSkinName();
    }
    if (SaveAppSettings(settings_)) {
        return true;
    }
    std::fprintf(stderr, "velorine: the settings could not be saved to %s\n",
                 AppSettingsFile().toLocal8Bit().constData());
    return false;
}
