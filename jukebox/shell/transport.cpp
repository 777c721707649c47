#include "jukebox/shell/transport.h"

#include <QCoreApplication>
#include <algorithm>
#include <utility>

#include "jukebox/playback/media_engine.h"
#include "jukebox/shell/command_ids.h"
#include "jukebox/shell/key_map.h"
#include "jukebox/shell/transport_view.h"
#include "jukebox/tracklist/tracklist_store.h"
#include "jukebox/ui/ui_service.h"

namespace {

// The time display's modes.
constexpr int kShowTime = 1;
constexpr int kShowNumber = 2;

// Home goes to the previous track only this early in a track.
constexpr int kHomeRewindAfterMs = 1499;

}  // namespace

Transport::Transport(MediaEngine& engine, TracklistStore& tracklist, TransportView& view,
                     QObject* parent)
    : QObject(parent), engine_(engine), tracklist_(tracklist), view_(view) {
    seekTimer_.setSingleShot(true);
    seekTimer_.setTimerType(Qt::PreciseTimer);
    connect(&seekTimer_, &QTimer::timeout, this, &Transport::CommitSeek);
    timeModeTimer_.setSingleShot(true);
    timeModeTimer_.setInterval(kTimeModeBackMs);
    connect(&timeModeTimer_, &QTimer::timeout, this, &Transport::TimeModeBack);
    passOver_.setSingleShot(true);
    passOver_.setInterval(0);
    connect(&passOver_, &QTimer::timeout, this, &Transport::passOverFailed);
}

bool Transport::OnCommand(int id) {
    switch (id) {
        case ControlId::Play:
        case CommandId::Play:
            Play();
            return true;
        case ControlId::Pause:
        case CommandId::PauseResume:
            PauseResume();
            return true;
        case ControlId::Stop:
        case CommandId::Stop:
            Stop();
            return true;
        case ControlId::Home:
        case CommandId::Home:
            Home();
            return true;
        case ControlId::End:
        case CommandId::End:
            Skip();
            return true;
        case ControlId::Loop:
            ToggleLoop();
            return true;
        case ControlId::Random:
            ToggleRandom();
            return true;
        case ControlId::BalRight:
        case CommandId::BalanceRight:
            BalanceStep(1);
            return true;
        case ControlId::BalLeft:
        case CommandId::BalanceLeft:
            BalanceStep(-1);
            return true;
        case ControlId::VolUp:
        case CommandId::VolumeUp:
            VolumeStep(1);
            return true;
        case ControlId::VolDown:
        case CommandId::VolumeDown:
            VolumeStep(-1);
            return true;
        case ControlId::PosForward:
            SeekStep(3, kSeekButtonDelayMs);
            return true;
        case ControlId::PosRewind:
            SeekStep(-3, kSeekButtonDelayMs);
            return true;
        default:
            return false;
    }
}

bool Transport::OnKeyAction(const KeyAction& action) {
    switch (action.kind) {
        case KeyAction::Kind::Command:
            return OnCommand(action.command);
        case KeyAction::Kind::Seek:
            SeekStep(action.seekSeconds, kSeekKeyDelayMs);
            return true;
        case KeyAction::Kind::Speed:
            ChangeSpeed(action.speedDelta);
            return true;
        case KeyAction::Kind::Boss:
            BossKey();
            return true;
        default:
            return false;
    }
}

void Transport::showMode(Mode mode) {
    view_.setButtonOn(ControlId::Play, mode != Mode::Stopped);
    view_.setButtonOn(ControlId::Pause, mode == Mode::Paused);
    view_.setButtonOn(ControlId::Stop, mode == Mode::Stopped);
    view_.setAnimationRunning(mode == Mode::Playing);
    view_.setLampState(ControlId::PmLamp, mode == Mode::Playing ? 1 : mode == Mode::Paused ? 2 : 0);
}

void Transport::ShowState() {
    showMode(mode_);
    view_.setButtonOn(ControlId::Loop, loop_);
    view_.setButtonOn(ControlId::Random, random_);
    view_.setTrayPlayChecked(mode_ != Mode::Stopped);
}

void Transport::setMode(Mode mode) {
    const bool changed = mode != mode_;
    mode_ = mode;
    showMode(mode_);
    if (changed) {
        Q_EMIT modeChanged();
    }
}

void Transport::Play() {
    setMode(Mode::Playing);
    engine_.Run();
    view_.clearHover(ControlId::Play);
    view_.setTrayPlayChecked(true);
    view_.popupText(tr("Mode: Play"));
}

void Transport::PauseResume() {
    if (mode_ == Mode::Stopped) {
        return;
    }
    if (mode_ == Mode::Playing) {
        setMode(Mode::Paused);
        engine_.Pause();
        view_.popupText(tr("Mode: Pause"));
    } else {
        setMode(Mode::Playing);
        engine_.Run();
        view_.popupText(tr("Mode: Resume"));
    }
}

void Transport::Stop() {
    setMode(Mode::Stopped);
    engine_.Stop();
    if (std::exchange(pendingOpen_, false)) {
        view_.setPanelBits(false, PanelBit::Opening);  // the address is given up
    }
    view_.clearHover(ControlId::Stop);
    view_.setTrayPlayChecked(false);
    view_.popupText(tr("Mode: Stop"));
}

void Transport::Home() {
    if (engine_.GetPositionMs() > kHomeRewindAfterMs || random_ || loop_) {
        rewind();
    } else if (tracklist_.PreviousTrack(loop_, random_)) {
        OpenCurrentTrack();
    }
    view_.clearHover(ControlId::Home);
    view_.popupText(tr("Mode: Home"));
}

void Transport::rewind() {
    engine_.Rewind();
    Q_EMIT seeked(0);
}

void Transport::Skip() {
    if (loop_) {
        Home();
    } else if (tracklist_.NextTrack(loop_, random_)) {
        OpenCurrentTrack();
    }
    view_.clearHover(ControlId::End);
}

void Transport::ToggleLoop() {
    loop_ = !loop_;
    view_.setButtonOn(ControlId::Loop, loop_);
    view_.panelPopup(PanelPopup::Loop, -1.0);
    view_.clearHover(ControlId::Loop);
    view_.popupText(loop_ ? tr("Loop: On") : tr("Loop: Off"));
    Q_EMIT loopChanged();
}

void Transport::ToggleRandom() {
    random_ = !random_;
    view_.setButtonOn(ControlId::Random, random_);
    view_.panelPopup(PanelPopup::Random, -1.0);
    view_.clearHover(ControlId::Random);
    view_.popupText(random_ ? tr("Random: On") : tr("Random: Off"));
    Q_EMIT randomChanged();
}

void Transport::setRandom(bool on) {
    const bool changed = on != random_;
    random_ = on;
    view_.setButtonOn(ControlId::Random, random_);
    if (changed) {
        Q_EMIT randomChanged();
    }
}

void Transport::VolumeStep(int step) {
    SetVolume(engine_.GetVolume() + step);
}

void Transport::SetVolume(int volume) {
    volume = std::clamp(volume, 0, 100);
    view_.setSliderValue(ControlId::Volume, volume);
    SetVolumeByDrag(volume);
    view_.popupText(tr("Volume: %1").arg(volume));
}

void Transport::SetVolumeByDrag(int volume) {
    const bool changed = volume != engine_.GetVolume();
    engine_.SetVolume(volume);
    showNumberForAWhile(volume);
    if (changed) {
        Q_EMIT volumeChanged();
    }
}

void Transport::BalanceStep(int step) {
    const int balance = std::clamp(engine_.GetBalance() + step, -100, 100);
    view_.setSliderValue(ControlId::Balance, balance);
    engine_.SetBalance(balance);
    showNumberForAWhile(balance);
}

void Transport::showNumberForAWhile(int value) {
    view_.setTimeMode(kShowNumber);
    view_.showTimeNumber(value);
    timeModeTimer_.start();
}

void Transport::TimeModeBack() {
    timeModeTimer_.stop();
    view_.setTimeMode(kShowTime);
}

void Transport::SeekStep(int seconds, int commitDelayMs) {
    if (!seekPending_) {
        seekTarget_ = engine_.GetPositionMs() / 1000;
        seekPending_ = true;
    }
    seekTarget_ = std::min(std::max(seekTarget_ + seconds, 0), engine_.GetDurationMs() / 1000);
    seekTimer_.start(commitDelayMs);
    view_.showTimeSeconds(seekTarget_);
    view_.setSliderValue(ControlId::Position, seekTarget_ * 1000);
    view_.popupText(tr("Mode: Seek"));
}

void Transport::CommitSeek() {
    seekTimer_.stop();
    seekPending_ = false;
    engine_.SeekTo(seekTarget_ * 1000);
    Q_EMIT seeked(seekTarget_ * 1000);
}

void Transport::SeekTo(int ms, bool announce) {
    seekTimer_.stop();
    seekPending_ = false;
    ms = std::clamp(ms, 0, std::max(engine_.GetDurationMs(), 0));
    view_.setSliderValue(ControlId::Position, ms);
    view_.showTimeSeconds(ms / 1000);
    engine_.SeekTo(ms);
    if (announce) {
        view_.popupText(tr("Mode: Seek"));
    }
    Q_EMIT seeked(ms);
}

void Transport::ChangeSpeed(double delta) {
    SetSpeed(speed_ + delta);
}

void Transport::SetSpeed(double speed) {
    const double previous = speed_;
    speed_ = std::clamp(speed, kMinSpeed, kMaxSpeed);
    engine_.SetRate(speed_);
    view_.panelPopup(PanelPopup::Speed, speed_);
    view_.popupText(tr("Speed: %1X").arg(QString::number(speed_, 'f', 2)));
    if (speed_ != previous) {
        Q_EMIT speedChanged();
    }
}

void Transport::BossKey() {
    if (!bossHidden_) {
        bossSavedMode_ = mode_;
        bossSavedVideo_ = view_.videoWindowVisible();
        if (mode_ == Mode::Playing) {
            PauseResume();
        }
        view_.setVideoWindowVisible(false);
        bossHidden_ = true;
    } else {
        if (bossSavedVideo_) {
            view_.setVideoWindowVisible(true);
        }
        if (bossSavedMode_ == Mode::Playing) {
            Play();
        }
        bossHidden_ = false;
    }
}

void Transport::PollPosition() {
    if (drag_ == Drag::Position || seekPending_) {
        return;
    }
    const int position = engine_.GetPositionMs();
    if (drag_ == Drag::None) {
        view_.setSliderValue(ControlId::Position, position);
        if (position / 1000 != view_.timeSeconds()) {
            view_.showTimeSeconds(position / 1000);
        }
    }
    // Only a track that plays can end: paused at its last frame it stays there.
    // A stream that has ended is the end even where its position stopped a few
    // ms short of the length read at the open. An address still opening has
    // not begun. The next track waits while a box is open: it must not open
    // inside the box's loop.
    const bool ended = position == engine_.GetDurationMs() || engine_.AtEnd();
    if (ended && mode_ == Mode::Playing && !pendingOpen_ && !(ui_ != nullptr && ui_->modalOpen())) {
        Skip();
    }
}

void Transport::DurationChanged(int ms) {
    view_.setSliderRange(ControlId::Position, ms);
    view_.setTimeTotalSeconds(ms / 1000);
    Q_EMIT durationChanged();
}

void Transport::applyModeToEngine() {
    switch (mode_) {
        case Mode::Playing:
            engine_.Run();
            break;
        case Mode::Paused:
            engine_.Pause();
            break;
        case Mode::Stopped:
            engine_.Stop();
            break;
    }
}

bool Transport::OpenCurrentTrack() {
    engine_.Stop();  // also drops an address still opening
    pendingOpen_ = false;
    if (tracklist_.EntryCount() == 0) {
        return false;
    }
    view_.setPanelBits(true, PanelBit::Opening);
    view_.setTimeTotalSeconds(0);
    view_.showTimeSeconds(0);
    view_.setSliderValue(ControlId::Position, 0);
    const TrackEntry entry = tracklist_.EntryAt(-1);
    view_.setLampState(ControlId::TagLamp, entry.mappingKind);
    view_.setLampState(ControlId::AvLamp, entry.mediaKind);
    switch (engine_.BeginOpen(entry.path)) {
        case OpenResult::Failed:
            trackNotOpened();
            return false;
        case OpenResult::Pending:
            // An address: the window keeps answering while it opens, and
            // OpenFinished takes it from there.
            pendingOpen_ = true;
            pendingEntry_ = entry;
            return true;
        case OpenResult::Opened:
            break;
    }
    trackIsOpen(entry);
    return true;
}

void Transport::OpenFinished(bool opened) {
    if (!pendingOpen_) {
        return;  // given up meanwhile
    }
    pendingOpen_ = false;
    if (opened) {
        trackIsOpen(pendingEntry_);
    } else {
        trackNotOpened();
    }
}

void Transport::trackNotOpened() {
    view_.setPanelBits(false, PanelBit::Text | PanelBit::Opening);
    Q_EMIT trackChanged(false);
    openFailed();
}

void Transport::trackIsOpen(const TrackEntry& entry) {
    failedInARow_ = 0;
    passOver_.stop();
    DurationChanged(engine_.GetDurationMs());
    applyModeToEngine();
    view_.setPanelBits(true, PanelBit::Text);
    view_.setPanelBits(false, PanelBit::Opening);
    view_.panelShowPrimary();
    view_.trackOpened(entry);
    const bool speedWas1 = speed_ == 1.0;
    speed_ = 1.0;
    engine_.SetRate(speed_);
    view_.popupText(entry.name);
    Q_EMIT trackChanged(true);
    if (!speedWas1) {
        Q_EMIT speedChanged();
    }
}

void Transport::openFailed() {
    ++failedInARow_;
    if (mode_ != Mode::Playing) {
        return;  // a file the user chose waits for the user
    }
    // Looping repeats this very file, and a list with nothing playable would
    // go round for ever: both stop once.
    if (loop_ || failedInARow_ >= std::max(tracklist_.EntryCount(), 1)) {
        passOver_.stop();
        failedInARow_ = 0;
        Stop();
        return;
    }
    passOver_.start();
}

void Transport::passOverFailed() {
    if (mode_ != Mode::Playing || failedInARow_ == 0) {
        return;  // stopped, paused, or something opened meanwhile
    }
    if (ui_ != nullptr && ui_->modalOpen()) {
        ui_->whenNoModal([this] { passOverFailed(); });
        return;
    }
    if (tracklist_.NextTrack(false, random_)) {
        OpenCurrentTrack();
    } else {
        failedInARow_ = 0;
        Stop();
    }
}
