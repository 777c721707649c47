// What a press on the face grabs, and where a drag puts the thumb or the window.
#include <gtest/gtest.h>

#include "jukebox/shell/face_drag.h"

namespace {

using Kind = FaceDrag::Kind;

FaceDrag::Thumbs thumbsAt(QRect position, QRect volume, QRect balance) {
    FaceDrag::Thumbs thumbs;
    thumbs[0] = {position, 10, false, true};
    thumbs[1] = {volume, 20, true, true};  // a vertical volume slider
    thumbs[2] = {balance, -5, false, true};
    return thumbs;
}

TEST(FaceDragTest, APressGrabsTheThumbUnderItAndTheDragFollowsTheSliderAxis) {
    const FaceDrag::Thumbs thumbs =
        thumbsAt(QRect(100, 10, 8, 8), QRect(50, 40, 8, 8), QRect(200, 10, 8, 8));
    FaceDrag drag;
    const QPoint origin(300, 400);

    // Horizontal: to the right raises the pixel; the vertical offset counts for nothing.
    EXPECT_EQ(drag.press(QPoint(404, 414), origin, QPoint(104, 14), thumbs), Kind::Position);
    EXPECT_TRUE(drag.thumbGrabbed());
    EXPECT_EQ(drag.thumbPixel(QPoint(417, 430)), 10 + 13);
    EXPECT_EQ(drag.thumbPixel(QPoint(390, 414)), 10 - 14);
    EXPECT_EQ(drag.release(), Kind::Position);
    EXPECT_FALSE(drag.dragging());

    // Vertical: upwards raises the pixel, sideways counts for nothing.
    EXPECT_EQ(drag.press(QPoint(353, 443), origin, QPoint(53, 43), thumbs), Kind::Volume);
    EXPECT_EQ(drag.thumbPixel(QPoint(380, 433)), 20 + 10);
    EXPECT_EQ(drag.thumbPixel(QPoint(353, 450)), 20 - 7);
    drag.release();

    EXPECT_EQ(drag.press(QPoint(500, 410), origin, QPoint(200, 10), thumbs), Kind::Balance);
    EXPECT_EQ(drag.thumbPixel(QPoint(490, 0)), -5 - 10);
    drag.release();
}

TEST(FaceDragTest, ElsewhereOrOnAHiddenThumbTheWindowMovesWithTheGrabPointUnderTheCursor) {
    FaceDrag::Thumbs thumbs =
        thumbsAt(QRect(100, 10, 8, 8), QRect(100, 10, 8, 8), QRect(0, 0, 0, 0));
    FaceDrag drag;
    // Overlapping thumbs: the position thumb is looked at first.
    EXPECT_EQ(drag.press(QPoint(105, 15), QPoint(0, 0), QPoint(105, 15), thumbs), Kind::Position);
    drag.release();

    thumbs[0].visible = false;
    thumbs[1].visible = false;
    EXPECT_EQ(drag.press(QPoint(1105, 715), QPoint(1000, 700), QPoint(105, 15), thumbs),
              Kind::Window);
    EXPECT_FALSE(drag.thumbGrabbed());
    EXPECT_EQ(drag.windowOrigin(QPoint(1105, 715)), QPoint(1000, 700));
    EXPECT_EQ(drag.windowOrigin(QPoint(900, 815)), QPoint(795, 800));
    EXPECT_EQ(drag.windowOrigin(QPoint(-20, -5)), QPoint(-125, -20));
}

}  // namespace
