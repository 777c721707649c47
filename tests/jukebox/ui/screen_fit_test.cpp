#include "jukebox/ui/screen_fit.h"

#include <gtest/gtest.h>

namespace {

// Two monitors side by side; the right one is unplugged in some cases.
const QRect kLeft(0, 0, 1600, 1000);
const QRect kRight(1600, 0, 1280, 800);

TEST(ScreenFitTest, APlaceOnAScreenStaysAndOneWhereNoScreenIsComesBackWhole) {
    // Reachable: kept exactly, even partly off the edge.
    EXPECT_EQ(KeepOnScreens({100, 100, 300, 200}, {kLeft}, kLeft), QRect(100, 100, 300, 200));
    EXPECT_EQ(KeepOnScreens({1500, 900, 300, 200}, {kLeft}, kLeft), QRect(1500, 900, 300, 200));
    EXPECT_EQ(KeepOnScreens({2000, 100, 300, 200}, {kLeft, kRight}, kLeft),
              QRect(2000, 100, 300, 200));

    // The right monitor is gone: the window comes back inside the left one,
    // moved as little as it takes.
    EXPECT_EQ(KeepOnScreens({2000, 100, 300, 200}, {kLeft}, kLeft), QRect(1300, 100, 300, 200));
    // Only its bottom shows, its title bar is above the screen: not reachable.
    EXPECT_EQ(KeepOnScreens({100, -190, 300, 200}, {kLeft}, kLeft), QRect(100, 0, 300, 200));
    // Far away (a value edited by hand) and larger than the screen.
    EXPECT_EQ(KeepOnScreens({-90000, 90000, 4000, 300}, {kLeft}, kLeft), QRect(0, 700, 1600, 300));
    // A sliver of a few pixels is not enough to grab.
    EXPECT_EQ(KeepOnScreens({1595, 10, 300, 200}, {kLeft}, kLeft), QRect(1300, 10, 300, 200));
    // No screens known: nothing can be judged.
    EXPECT_EQ(KeepOnScreens({5000, 5000, 10, 10}, {}, QRect()), QRect(5000, 5000, 10, 10));
}

}  // namespace
