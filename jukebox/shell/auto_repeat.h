#pragma once

// The press logic of a skinned button, kept apart from the widget and its
// timers so it can be driven step by step. A press arms a click; an auto-repeat
// button also starts the first timer (500 ms). When that fires the click is
// dropped and the repeat timer (100 ms) takes over, each tick giving a command
// while the button is still held. So a held button gives its first command
// 600 ms after the press, one every 100 ms after that and none at the release,
// while a shorter press gives exactly one, at the release.
class AutoRepeat {
public:
    static constexpr int FirstTimerId = 101;
    static constexpr int FirstDelayMs = 500;
    static constexpr int RepeatTimerId = 102;
    static constexpr int RepeatMs = 100;

    explicit AutoRepeat(bool enabled) : enabled_(enabled) {}

    void press();
    // True when the release completes a click (one command).
    bool release();
    // The cursor left the button while it was held: no click and no repeats.
    void cancel();
    void firstTimeout();
    // True when this tick gives a command.
    bool repeatTimeout() const { return held_; }

    bool enabled() const { return enabled_; }
    // Held by the left button (the pressed look).
    bool held() const { return held_; }
    bool firstTimerRunning() const { return firstRunning_; }
    bool repeatTimerRunning() const { return repeatRunning_; }

private:
    bool enabled_;
    bool held_ = false;
    bool clickPending_ = false;
    bool firstRunning_ = false;
    bool repeatRunning_ = false;
};
