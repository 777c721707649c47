// The slider's arithmetic: where the thumb lands for a value, what a drag gives,
// and the track colour along the slider.
#include <gtest/gtest.h>

#include <utility>

#include "jukebox/shell/slider_model.h"

namespace {

SliderModel slider(int length, int max, bool centred = false, bool vertical = false) {
    SliderModel model;
    model.setGeometry(length, centred, vertical);
    model.setRange(max);
    return model;
}

struct ValueCase {
    int length, max;
    bool centred, vertical;
    int value;
    int expectValue, expectPixel, expectOffset;
};

TEST(SliderModel, ValuesClampRoundHalfAwayFromZeroAndPlaceTheThumb) {
    const ValueCase cases[] = {
        // volume 0..100 over 50 pixels: ratio 2
        {50, 100, false, false, 40, 40, 20, 20},
        {50, 100, false, false, 1, 1, 1, 1},  // 0.5 rounds up
        {50, 100, false, false, 150, 100, 50, 50},
        {50, 100, false, false, -5, 0, 0, 0},
        // 100 over 30 pixels: 5 -> 1.5 -> 2, 4 -> 1.2 -> 1
        {30, 100, false, false, 5, 5, 2, 2},
        {30, 100, false, false, 4, 4, 1, 1},
        // position: five minutes in milliseconds over 200 pixels
        {200, 300000, false, false, 123456, 123456, 82, 82},
        // balance -100..100 over 54 pixels, zero in the middle
        {54, 100, true, false, -100, -100, -27, 0},
        {54, 100, true, false, 0, 0, 0, 27},
        {54, 100, true, false, 100, 100, 27, 54},
        {54, 100, true, false, -250, -100, -27, 0},
        // centred, 100 over 60 pixels: -5 -> -1.5 -> -2 (away from zero)
        {60, 100, true, false, -5, -5, -2, 28},
        {60, 100, true, false, 5, 5, 2, 32},
        // vertical sliders grow upwards
        {50, 100, false, true, 0, 0, 0, 50},
        {50, 100, false, true, 100, 100, 50, 0},
        {50, 100, false, true, 40, 40, 20, 30},
        {54, 100, true, true, 100, 100, 27, 0},
        {54, 100, true, true, -100, -100, -27, 54},
        // an odd centred length rounds the ends one pixel out; the thumb stays on
        {61, 100, true, false, -100, -100, -31, 0},
        {61, 100, true, true, 100, 100, 31, 0},
        // no range (no track open): everything at the start
        {50, 0, false, false, 70, 0, 0, 0},
    };
    for (const ValueCase& c : cases) {
        SliderModel model = slider(c.length, c.max, c.centred, c.vertical);
        model.setValue(c.value);
        SCOPED_TRACE(testing::Message()
                     << "length " << c.length << " max " << c.max << (c.centred ? " centred" : "")
                     << (c.vertical ? " vertical" : "") << " value " << c.value);
        EXPECT_EQ(model.value(), c.expectValue);
        EXPECT_EQ(model.pixel(), c.expectPixel);
        EXPECT_EQ(model.thumbOffset(), c.expectOffset);
    }
}

using Pair = std::pair<int, int>;

TEST(SliderModel, RedrawsOnlyForANewPixelAndDragsTruncateTowardZero) {
    SliderModel model = slider(30, 100);
    EXPECT_TRUE(model.setValue(50));   // 15
    EXPECT_FALSE(model.setValue(51));  // 15.3: same pixel, no redraw
    EXPECT_TRUE(model.setValue(52));   // 15.6 -> 16
    model.setRange(26);                // clamps the value, moves the thumb
    EXPECT_EQ(Pair(model.value(), model.pixel()), Pair(26, 30));
    model.setRange(100);
    EXPECT_TRUE(model.dragToPixel(10));
    EXPECT_FALSE(model.dragToPixel(10));
    EXPECT_EQ(Pair(model.value(), model.pixel()), Pair(33, 10));  // 33.3
    model.dragToPixel(45);
    EXPECT_EQ(Pair(model.value(), model.pixel()), Pair(100, 30));

    SliderModel balance = slider(54, 100, true);
    balance.dragToPixel(-10);
    EXPECT_EQ(Pair(balance.value(), balance.thumbOffset()), Pair(-37, 17));  // -37.04
    balance.dragToPixel(-40);
    EXPECT_EQ(Pair(balance.value(), balance.pixel()), Pair(-100, -27));
    EXPECT_FALSE(slider(30, 0).dragToPixel(12));  // no track open: nothing to drag
}

TEST(SliderModel, TrackColourMixesFromStartOverMiddleToEnd) {
    const QRgb c1 = qRgb(10, 200, 0);
    const QRgb c2 = qRgb(110, 97, 255);
    const QRgb c3 = qRgb(0, 0, 50);
    // length 10: half 5
    EXPECT_EQ(SliderModel::MixTrackColour(c1, c2, c3, 0, 10), c1);
    EXPECT_EQ(SliderModel::MixTrackColour(c1, c2, c3, 5, 10), c2);
    EXPECT_EQ(SliderModel::MixTrackColour(c1, c2, c3, 10, 10), c3);
    // 10 + 100/5 = 30; 200 - 103/5 = 179.4 -> 180 (toward zero); 255/5 = 51
    EXPECT_EQ(SliderModel::MixTrackColour(c1, c2, c3, 1, 10), qRgb(30, 180, 51));
    // past the middle: 110 - 110*2/5 = 66; 97 - 97*2/5 = 58.2 -> 59; 255 - 205*2/5 = 173
    EXPECT_EQ(SliderModel::MixTrackColour(c1, c2, c3, 7, 10), qRgb(66, 59, 173));
    // The model mixes by the thumb's offset: a vertical slider at its top is at
    // the start of the colours.
    SliderModel vertical = slider(10, 100, false, true);
    vertical.setValue(100);
    EXPECT_EQ(vertical.trackColour(c1, c2, c3), c1);
    vertical.setValue(0);
    EXPECT_EQ(vertical.trackColour(c1, c2, c3), c3);
    // Without length there is nothing to mix.
    EXPECT_EQ(SliderModel::MixTrackColour(c1, c2, c3, 0, 0), c1);
}

}  // namespace
