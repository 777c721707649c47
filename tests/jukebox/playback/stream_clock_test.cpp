#include "jukebox/playback/stream_clock.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

TEST(StreamClockTest, RunsAtTheRateWhileStartedAndHoldsOtherwise) {
    std::chrono::steady_clock::time_point now{};
    StreamClock clock([&] { return now; });
    constexpr GraphTime kMs = kGraphUnitsPerMs;
    EXPECT_EQ(clock.position(), 0);
    now += 100ms;
    EXPECT_EQ(clock.position(), 0);  // not started

    clock.start(1.0);
    now += 250ms;
    EXPECT_EQ(clock.position(), 250 * kMs);
    clock.start(2.0);  // a new rate from where it is
    now += 100ms;
    EXPECT_EQ(clock.position(), 450 * kMs);
    clock.stop();
    now += 1s;
    EXPECT_EQ(clock.position(), 450 * kMs);
    clock.start(0.5);
    now += 100ms;
    EXPECT_EQ(clock.position(), 500 * kMs);

    // A seek while running runs on from the target; a stop stands at the start.
    clock.reset(1200 * kMs);
    clock.start(1.0);
    now += 10ms;
    EXPECT_EQ(clock.position(), 1210 * kMs);
    EXPECT_TRUE(clock.running());
    clock.reset();
    now += 10ms;
    EXPECT_EQ(clock.position(), 0);
    EXPECT_FALSE(clock.running());
}

}  // namespace
