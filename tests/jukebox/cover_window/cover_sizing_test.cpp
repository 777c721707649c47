// The arithmetic of the cover window that users see at the pixel: where a
// picture goes and how the window's edges move while it is resized.
#include <gtest/gtest.h>

#include "jukebox/cover_window/cover_fit.h"
#include "jukebox/cover_window/cover_sizing.h"

namespace {

using CoverSizing::SizeCoverRect;

// Ratios compared in floating point (a square client by the sides), the short
// side truncated, the margin halved toward zero.
TEST(CoverFitTest, WiderTallerAndSameShapeInSquareAndOtherClients) {
    EXPECT_EQ(FitCoverRect(QSize(300, 100), QSize(150, 100)), QRect(0, 25, 150, 50));
    EXPECT_EQ(FitCoverRect(QSize(100, 300), QSize(150, 100)), QRect(58, 0, 33, 100));
    EXPECT_EQ(FitCoverRect(QSize(300, 200), QSize(150, 100)), QRect(0, 0, 150, 100));
    EXPECT_EQ(FitCoverRect(QSize(3, 1), QSize(100, 100)), QRect(0, 33, 100, 33));
    EXPECT_EQ(FitCoverRect(QSize(50, 50), QSize(80, 80)), QRect(0, 0, 80, 80));
    EXPECT_TRUE(FitCoverRect(QSize(0, 10), QSize(80, 80)).isEmpty());
}

// Right edge at 208 with the cursor on it snaps to 210 and the window is made
// square by its bottom; a cursor 11 pixels off leaves the edge where it is; too
// narrow a window is pushed out to 75 on the dragged side.
TEST(CoverSizingTest, SideSnapsNearTheCursorAndIsPushedToTheMinimum) {
    EXPECT_EQ(SizeCoverRect(QRect(100, 100, 108, 90), Qt::RightEdge, QPoint(208, 150)),
              QRect(100, 100, 110, 110));
    EXPECT_EQ(SizeCoverRect(QRect(100, 100, 108, 90), Qt::RightEdge, QPoint(219, 150)),
              QRect(100, 100, 108, 108));
    EXPECT_EQ(SizeCoverRect(QRect(100, 100, 60, 90), Qt::RightEdge, QPoint(160, 150)),
              QRect(100, 100, 75, 75));
    EXPECT_EQ(SizeCoverRect(QRect(100, 100, 60, 60), Qt::LeftEdge, QPoint(100, 150)),
              QRect(85, 100, 75, 75));
    EXPECT_EQ(SizeCoverRect(QRect(0, 0, 100, 118), Qt::BottomEdge, QPoint(50, 118)),
              QRect(0, 0, 120, 120));
    // The grid's division truncates toward zero: -8 goes to 0, not to -15.
    EXPECT_EQ(SizeCoverRect(QRect(-8, 0, 100, 100), Qt::LeftEdge, QPoint(-8, 50)),
              QRect(0, 0, 92, 92));
}

// Corners: the top or bottom edge first, then the side; the shorter side grows
// by the dragged edge.
TEST(CoverSizingTest, CornersSnapBothEdgesAndGrowTheShorterSide) {
    EXPECT_EQ(SizeCoverRect(QRect(0, 0, 120, 90), Qt::RightEdge | Qt::BottomEdge, QPoint(120, 90)),
              QRect(0, 0, 120, 120));
    EXPECT_EQ(SizeCoverRect(QRect(100, 100, 100, 80), Qt::LeftEdge | Qt::TopEdge, QPoint(100, 100)),
              QRect(105, 85, 95, 95));
    EXPECT_EQ(SizeCoverRect(QRect(100, 100, 80, 100), Qt::RightEdge | Qt::TopEdge, QPoint(300, 0)),
              QRect(100, 100, 100, 100));
    EXPECT_EQ(
        SizeCoverRect(QRect(100, 100, 80, 100), Qt::LeftEdge | Qt::BottomEdge, QPoint(0, 300)),
        QRect(80, 100, 100, 100));
}

}  // namespace
