// Skinned sliders drawn from bitmaps made here: the track colour in its mask,
// the thumb's band through its mask, at several values, horizontal, vertical
// and centred.
#include <gtest/gtest.h>

#include <QPainter>
#include <QTest>
#include <QWidget>

#include "jukebox/shell/skin_slider.h"
#include "jukebox/skin/skin_description.h"
#include "tests/jukebox/shell/control_images.h"

namespace {

const QRgb kGrey = qRgb(128, 128, 128);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kGreen = qRgb(0, 255, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kC1 = qRgb(0, 100, 50);
const QRgb kC2 = qRgb(100, 0, 200);
const QRgb kC3 = qRgb(200, 100, 0);

// The slider's bitmaps along x (horizontal) or y: a grey track whose middle
// stripe across the axis is its colour mask, and a thumb in red, green and
// blue whose mask leaves out two pixels at each end along the axis.
SkinSliderBitmaps bitmaps(bool vertical, int sliderLength, int across, int thumbLength) {
    const QSize sliderBand = vertical ? QSize(across, sliderLength) : QSize(sliderLength, across);
    const QSize thumbBand = vertical ? QSize(across, thumbLength) : QSize(thumbLength, across);
    SkinSliderBitmaps b;
    b.slider = StackedBands(sliderBand, {kGrey, kWhite});
    QPainter slider(&b.slider);
    const QRect stripe = vertical ? QRect(2, sliderBand.height(), across - 4, sliderLength)
                                  : QRect(0, sliderBand.height() + 2, sliderLength, across - 4);
    slider.fillRect(stripe, QColor(kBlack));
    b.thumb = StackedBands(thumbBand, {kRed, kGreen, kBlue, kWhite});
    QPainter thumb(&b.thumb);
    const QRect shown = vertical ? QRect(0, 3 * thumbLength + 2, across, thumbLength - 4)
                                 : QRect(2, 3 * across, thumbLength - 4, across);
    thumb.fillRect(shown, QColor(kBlack));
    b.thumbSize = thumbBand;
    return b;
}

SkinEntry sliderEntry(bool vertical, QPoint at, QSize size) {
    SkinEntry entry;
    entry.show = SkinVisible;
    entry.orient = vertical ? SkinVertical : SkinHorizontal;
    entry.x = at.x();
    entry.y = at.y();
    entry.c1 = kC1;
    entry.c2 = kC2;
    entry.c3 = kC3;
    entry.size = size;
    entry.rect = QRect(at, size);
    return entry;
}

class SkinSliderTest : public testing::Test {
protected:
    void SetUp() override { face.resize(120, 80); }
    QWidget face;
};

// Horizontal volume 0..100 over 40 pixels with a 10-pixel thumb: length 30.
TEST_F(SkinSliderTest, HorizontalTrackColourAndThumbFollowTheValue) {
    CSkinSlider slider(1037, false, &face);
    slider.setup(sliderEntry(false, {20, 30}, {40, 8}), bitmaps(false, 40, 8, 10));
    slider.setRange(100);
    EXPECT_TRUE(slider.testAttribute(Qt::WA_TransparentForMouseEvents));
    struct Step {
        int value, thumbX;
        QRgb colour;
    };
    for (const Step& s : {Step{0, 0, kC1}, Step{50, 15, kC2}, Step{100, 30, kC3}}) {
        slider.setValue(s.value);
        SCOPED_TRACE(s.value);
        EXPECT_EQ(slider.thumbRect(), QRect(20 + s.thumbX, 30, 10, 8));
        const QImage shown = slider.grab().toImage();
        const int away = s.thumbX < 15 ? 35 : 5;
        EXPECT_EQ(shown.pixel(away, 4), s.colour);  // in the colour mask
        EXPECT_EQ(shown.pixel(away, 0), kGrey);     // outside it
        EXPECT_EQ(shown.pixel(s.thumbX + 5, 4), kRed);
        EXPECT_EQ(shown.pixel(s.thumbX, 4), s.colour);  // left out by the thumb's mask
        EXPECT_EQ(shown.pixel(s.thumbX + 9, 0), kGrey);
    }
    slider.setHover(true);
    EXPECT_EQ(GrabbedPixel(slider, {35, 4}), kGreen);
    slider.setPressed(true);
    EXPECT_EQ(GrabbedPixel(slider, {35, 4}), kBlue);

    slider.dragToPixel(12);
    EXPECT_EQ(slider.value(), 40);
    EXPECT_EQ(slider.thumbRect().x(), 32);
}

// Vertical balance -100..100 over 40 pixels with a 10-pixel thumb: the zero
// in the middle, the right end at the top.
TEST_F(SkinSliderTest, VerticalCentredSliderGrowsUpwards) {
    CSkinSlider slider(1038, true, &face);
    slider.setup(sliderEntry(true, {60, 10}, {8, 40}), bitmaps(true, 40, 8, 10));
    slider.setRange(100);
    EXPECT_TRUE(slider.vertical());
    struct Step {
        int value, thumbY;
        QRgb colour;
    };
    for (const Step& s : {Step{0, 15, kC2}, Step{100, 0, kC1}, Step{-100, 30, kC3}}) {
        slider.setValue(s.value);
        SCOPED_TRACE(s.value);
        EXPECT_EQ(slider.thumbRect(), QRect(60, 10 + s.thumbY, 8, 10));
        const QImage shown = slider.grab().toImage();
        const int away = s.thumbY < 15 ? 35 : 5;
        EXPECT_EQ(shown.pixel(4, away), s.colour);
        EXPECT_EQ(shown.pixel(0, away), kGrey);
        EXPECT_EQ(shown.pixel(4, s.thumbY + 5), kRed);
        EXPECT_EQ(shown.pixel(4, s.thumbY + 9), s.colour);
    }
    face.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&face));
    // The face, not the slider, gets the mouse over the slider.
    EXPECT_EQ(face.childAt(64, 20), nullptr);
}

}  // namespace
