// The press logic of the buttons on a fake clock: the two timers fire exactly
// when due, so the timing of the commands is checked to the millisecond.
#include <gtest/gtest.h>

#include <vector>

#include "jukebox/shell/auto_repeat.h"

namespace {

// Runs an AutoRepeat with its first and repeat timers as the button runs them
// (started when the state asks for them, stopped when it no longer does) and
// records the millisecond of every command.
class FakeClock {
public:
    explicit FakeClock(bool autoRepeat) : repeat_(autoRepeat) {}

    void press() {
        repeat_.press();
        sync();
    }
    void release() {
        if (repeat_.release()) {
            commands.push_back(now_);
        }
        sync();
    }
    void leave() {
        repeat_.cancel();
        sync();
    }
    void runUntil(int ms) {
        while (now_ < ms) {
            ++now_;
            if (now_ == firstDue_) {
                repeat_.firstTimeout();
                sync();
            }
            if (now_ == repeatDue_) {
                repeatDue_ += AutoRepeat::RepeatMs;
                if (repeat_.repeatTimeout()) {
                    commands.push_back(now_);
                }
            }
        }
    }
    const AutoRepeat& state() const { return repeat_; }

    std::vector<int> commands;

private:
    void sync() {
        firstDue_ = due(repeat_.firstTimerRunning(), firstDue_, AutoRepeat::FirstDelayMs);
        repeatDue_ = due(repeat_.repeatTimerRunning(), repeatDue_, AutoRepeat::RepeatMs);
    }
    int due(bool running, int current, int interval) const {
        if (!running) {
            return -1;
        }
        return current >= 0 ? current : now_ + interval;
    }

    AutoRepeat repeat_;
    int now_ = 0;
    int firstDue_ = -1;
    int repeatDue_ = -1;
};

TEST(AutoRepeat, HeldButtonRepeatsFrom600MsEvery100MsAndNotAtRelease) {
    FakeClock clock(true);
    clock.press();
    clock.runUntil(599);
    EXPECT_TRUE(clock.commands.empty());
    EXPECT_TRUE(clock.state().held());
    clock.runUntil(1050);
    clock.release();
    clock.runUntil(2000);
    EXPECT_EQ(clock.commands, (std::vector<int>{600, 700, 800, 900, 1000}));
    EXPECT_FALSE(clock.state().held());
}

TEST(AutoRepeat, PressShorterThanTheFirstDelayGivesOneCommandAtRelease) {
    for (int held : {0, 120, 499}) {
        FakeClock clock(true);
        clock.press();
        clock.runUntil(held);
        clock.release();
        clock.runUntil(3000);
        EXPECT_EQ(clock.commands, std::vector<int>{held}) << "held " << held << " ms";
    }
    // Exactly at 500 ms the first timer has fired: the release is swallowed.
    FakeClock clock(true);
    clock.press();
    clock.runUntil(500);
    clock.release();
    clock.runUntil(3000);
    EXPECT_TRUE(clock.commands.empty());
}

TEST(AutoRepeat, PlainButtonClicksOnceHoweverLongItIsHeld) {
    FakeClock clock(false);
    clock.press();
    clock.runUntil(2000);
    EXPECT_TRUE(clock.commands.empty());
    clock.release();
    EXPECT_EQ(clock.commands, std::vector<int>{2000});
}

TEST(AutoRepeat, LeavingTheButtonEndsThePressAndTheRepeats) {
    FakeClock early(true);
    early.press();
    early.runUntil(300);
    early.leave();
    early.runUntil(1000);
    early.release();
    EXPECT_TRUE(early.commands.empty());

    FakeClock late(true);
    late.press();
    late.runUntil(750);
    late.leave();
    late.runUntil(2000);
    late.release();
    EXPECT_EQ(late.commands, (std::vector<int>{600, 700}));
}

}  // namespace
