// The press logic of the buttons on a fake clock: the two timers fire exactly
// when due, so the commands are timed to the millisecond.
#include <gtest/gtest.h>

#include <vector>

#include "jukebox/shell/auto_repeat.h"

namespace {

// Runs an AutoRepeat with its first and repeat timers as the button runs them
// (started when the state asks for them, stopped when it no longer does), from
// a press at 0 ms to a release, optionally leaving the button on the way, and
// gives the millisecond of every command.
std::vector<int> commandsOf(bool autoRepeat, int releaseAt, int leaveAt = -1) {
    AutoRepeat repeat(autoRepeat);
    std::vector<int> commands;
    int firstDue = -1;
    int repeatDue = -1;
    int now = 0;
    auto sync = [&] {
        firstDue = !repeat.firstTimerRunning() ? -1
                   : firstDue >= 0             ? firstDue
                                               : now + AutoRepeat::FirstDelayMs;
        repeatDue = !repeat.repeatTimerRunning() ? -1
                    : repeatDue >= 0             ? repeatDue
                                                 : now + AutoRepeat::RepeatMs;
    };
    repeat.press();
    sync();
    for (; now <= releaseAt + 1000; ++now) {
        if (now == firstDue) {
            repeat.firstTimeout();
            sync();
        }
        if (now == repeatDue) {
            repeatDue += AutoRepeat::RepeatMs;
            if (repeat.repeatTimeout()) {
                commands.push_back(now);
            }
        }
        if (now == leaveAt) {
            repeat.cancel();
            sync();
        }
        if (now == releaseAt) {
            if (repeat.release()) {
                commands.push_back(now);
            }
            sync();
            EXPECT_FALSE(repeat.held());
        }
    }
    return commands;
}

using Times = std::vector<int>;

TEST(AutoRepeat, CommandsOfPressesAndHolds) {
    // Held: the first command at 600 ms, then every 100 ms, none at the release.
    EXPECT_EQ(commandsOf(true, 1050), (Times{600, 700, 800, 900, 1000}));
    // Shorter than the first delay: one command, at the release.
    EXPECT_EQ(commandsOf(true, 0), (Times{0}));
    EXPECT_EQ(commandsOf(true, 499), (Times{499}));
    // At 500 ms the first timer has fired: the release is swallowed.
    EXPECT_EQ(commandsOf(true, 500), Times{});
    // A plain button clicks once, at the release, however long it is held.
    EXPECT_EQ(commandsOf(false, 2000), (Times{2000}));
    // Leaving the button ends the press and the repeats.
    EXPECT_EQ(commandsOf(true, 1000, 300), Times{});
    EXPECT_EQ(commandsOf(true, 2000, 750), (Times{600, 700}));
    EXPECT_EQ(commandsOf(false, 1000, 300), Times{});
}

}  // namespace
