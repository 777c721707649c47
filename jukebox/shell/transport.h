#pragma once

#include <QObject>
#include <QTimer>

#include "jukebox/tracklist/track_entry.h"

class MediaEngine;
class TracklistStore;
class TransportView;
class UiService;
struct KeyAction;

// The jukebox's transport: the modes (stopped, playing, paused), loop and random,
// opening the current track, the position poll and the end of a track, seek
// accumulation, volume, balance and speed steps, and the boss key. It drives the
// media engine and the tracklist's play order and shows its state through a
// TransportView; it owns no widget. The main window hands it every transport
// command and key.
class Transport : public QObject {
    Q_OBJECT
public:
    enum class Mode { Stopped, Playing, Paused };
    // What the user is dragging on the face: the poll leaves the controls alone.
    enum class Drag { None, Position, Volume, Balance };

    static constexpr int kSeekButtonDelayMs = 200;
    static constexpr int kSeekKeyDelayMs = 100;
    static constexpr int kTimeModeBackMs = 1000;
    static constexpr double kMinSpeed = 0.25;
    static constexpr double kMaxSpeed = 2.0;
    static constexpr double kSpeedStep = 0.25;

    Transport(MediaEngine& engine, TracklistStore& tracklist, TransportView& view,
              QObject* parent = nullptr);

    // Carries out a transport command (play, pause, stop, home, skip, loop, random,
    // the volume, balance and seek steps, by button or menu id). False for an id
    // that is not the transport's, which the window then handles itself.
    bool OnCommand(int id);
    // Carries out what a key maps to when it is the transport's (its commands, the
    // seek and speed steps, the boss key); false for the rest, which the window
    // handles itself.
    bool OnKeyAction(const KeyAction& action);

    // Opens EntryAt(-1) and applies the mode to it; false when the list is empty or
    // the engine refuses the file. While playing, a file that cannot be played is
    // passed over: the next playable entry opens from the event loop, and when
    // every entry has failed in a row the transport stops, once.
    bool OpenCurrentTrack();
    // An address that OpenCurrentTrack began to open has opened or failed.
    void OpenFinished(bool opened);
    // An address is still opening.
    bool openPending() const { return pendingOpen_; }
    // Failed opens since the last one that worked.
    int failedInARow() const { return failedInARow_; }
    // The UI service whose modal boxes hold back the end of a track: nothing the
    // poll starts may run inside a box's loop. Null: no box ever holds it.
    void setUiService(UiService* ui) { ui_ = ui; }
    // The 500 ms poll: position to the slider and time display; the end of a track
    // while playing skips.
    void PollPosition();
    // The engine learnt the open file's duration better while it played.
    void DurationChanged(int ms);

    // s seconds from the seek buttons (delay kSeekButtonDelayMs) or the arrow keys
    // (kSeekKeyDelayMs); steps accumulate and are committed once, delay after the
    // last one.
    void SeekStep(int seconds, int commitDelayMs);
    bool seekPending() const { return seekPending_; }
    int seekTarget() const { return seekTarget_; }
    // Timer 3236: the pending seek goes to the engine now.
    void CommitSeek();
    // X and Z: speed -/+ kSpeedStep within kMinSpeed..kMaxSpeed.
    void ChangeSpeed(double delta);
    // The speed itself, within kMinSpeed..kMaxSpeed, shown as X and Z show it.
    void SetSpeed(double speed);
    double speed() const { return speed_; }
    // B: hide (pausing what plays) or come back.
    void BossKey();
    bool bossHidden() const { return bossHidden_; }

    // An absolute seek that is not a step: the position slider let go, or a
    // remote control (announce: the "Mode: Seek" pop-up the steps show). A
    // pending step is dropped; the slider and the time display show the place.
    void SeekTo(int ms, bool announce);
    // The volume 0..100 as the volume buttons set it, pop-up and all.
    void SetVolume(int volume);
    // The volume slider dragged: the engine follows, the number shows a while.
    void SetVolumeByDrag(int volume);

    // Drags on the face.
    void setDrag(Drag drag) { drag_ = drag; }
    // A volume or balance drag set the engine: the time display shows the number
    // for a second.
    void showNumberForAWhile(int value);
    // Timer 3208: the time display shows time again.
    void TimeModeBack();
    bool showingNumber() const { return timeModeTimer_.isActive(); }

    Mode mode() const { return mode_; }
    bool loop() const { return loop_; }
    bool random() const { return random_; }
    // From the settings at start ("OptionRandom").
    void setRandom(bool on);
    // Shows the mode, loop and random on freshly built controls.
    void ShowState();

Q_SIGNALS:
    // For those who mirror the transport elsewhere (the desktop's sound menu).
    void modeChanged();
    void loopChanged();
    void randomChanged();
    void speedChanged();
    void volumeChanged();
    // OpenCurrentTrack took the current entry; opened: the engine accepted it.
    void trackChanged(bool opened);
    void durationChanged();
    // The engine jumped to ms (a committed seek, a rewind).
    void seeked(int ms);

private:
    void Play();
    void PauseResume();
    void Stop();
    void Home();
    void Skip();
    void ToggleLoop();
    void ToggleRandom();
    void VolumeStep(int step);
    void BalanceStep(int step);
    // The mode, shown on the play, pause and stop buttons, the lamp and the
    // animation.
    void setMode(Mode mode);
    void showMode(Mode mode);
    void rewind();
    // The engine follows the mode after a new file was opened.
    void applyModeToEngine();
    void openFailed();
    void passOverFailed();
    void trackIsOpen(const TrackEntry& entry);
    void trackNotOpened();

    MediaEngine& engine_;
    TracklistStore& tracklist_;
    TransportView& view_;
    Mode mode_ = Mode::Stopped;
    bool loop_ = false;
    bool random_ = false;
    bool seekPending_ = false;
    int seekTarget_ = 0;
    double speed_ = 1.0;
    bool bossHidden_ = false;
    Mode bossSavedMode_ = Mode::Stopped;
    bool bossSavedVideo_ = false;
    Drag drag_ = Drag::None;
    int failedInARow_ = 0;
    bool pendingOpen_ = false;
    TrackEntry pendingEntry_;
    UiService* ui_ = nullptr;
    QTimer seekTimer_;      // 3236
    QTimer timeModeTimer_;  // 3208
    QTimer passOver_;       // the next entry after one that cannot be played
};
