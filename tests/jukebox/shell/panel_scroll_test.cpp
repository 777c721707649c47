// The track panel's scroll as its two timers drive it: rest, run left, rest, run
// back, and never a move for text that fits or while scrolling is off.
#include <gtest/gtest.h>

#include "jukebox/shell/panel_scroll.h"

namespace {

using Tick = PanelScroll::Tick;

// Steps until the scroll asks for a rest; the offsets it passed through.
std::vector<int> runToRest(PanelScroll& scroll) {
    std::vector<int> offsets;
    for (Tick tick = scroll.tick(true); tick != Tick::Rest; tick = scroll.tick(true)) {
        EXPECT_EQ(tick, Tick::Moved);
        offsets.push_back(scroll.offset());
        if (offsets.size() > 1000) {
            ADD_FAILURE() << "never came to rest";
            break;
        }
    }
    return offsets;
}

TEST(PanelScrollTest, RestsRunsLeftRestsRunsBackAndSoOn) {
    PanelScroll scroll;
    scroll.setup(3, 100);
    scroll.setTextWidth(130);
    // Shown: at rest at the left end until the one-second rest is over.
    EXPECT_EQ(scroll.tick(true), Tick::Idle);

    for (int cycle = 0; cycle < 2; ++cycle) {
        SCOPED_TRACE(cycle);
        scroll.hold();
        // Left, three pixels a tick, until the right end meets the right edge.
        EXPECT_EQ(runToRest(scroll),
                  (std::vector<int>{-3, -6, -9, -12, -15, -18, -21, -24, -27, -30}));
        EXPECT_EQ(scroll.tick(true), Tick::Idle) << "rests until the hold ends";
        EXPECT_EQ(scroll.offset(), -30);
        scroll.hold();
        EXPECT_EQ(runToRest(scroll),
                  (std::vector<int>{-27, -24, -21, -18, -15, -12, -9, -6, -3, 0}));
        EXPECT_EQ(scroll.tick(true), Tick::Idle);
    }
}

TEST(PanelScrollTest, TextThatFitsScrollingOffOrAZeroStepNeverMoves) {
    PanelScroll fits;
    fits.setup(3, 100);
    fits.setTextWidth(100);
    fits.hold();
    EXPECT_FALSE(fits.moving());

    PanelScroll off;
    off.setup(3, 100);
    off.setTextWidth(500);
    off.hold();

    PanelScroll still;
    still.setup(0, 100);
    still.setTextWidth(500);
    still.hold();
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(fits.tick(true), Tick::Idle);
        EXPECT_EQ(off.tick(false), Tick::Idle);
        EXPECT_EQ(still.tick(true), Tick::Idle);  // and asks for no redraws
    }
    EXPECT_EQ(fits.offset() + off.offset() + still.offset(), 0);

    // A skin's period of 0 or less must not make the timer spin.
    EXPECT_EQ(PanelScroll::timerInterval(0), 10);
    EXPECT_EQ(PanelScroll::timerInterval(-50), 10);
    EXPECT_EQ(PanelScroll::timerInterval(60), 60);
}

}  // namespace
