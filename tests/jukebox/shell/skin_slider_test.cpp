// Skinned sliders drawn from bitmaps made here: the track colour in its mask
// and the thumb's band through its mask, at several values, horizontal and
// vertical centred.
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
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kC1 = qRgb(0, 100, 50);
const QRgb kC2 = qRgb(100, 0, 200);
const QRgb kC3 = qRgb(200, 100, 0);

// A slider 40 long and 8 across with a thumb 10 long (length 30): a grey track
// whose colour mask is the stripe 2..5 across, and a thumb in red, green and
// blue whose mask leaves out 2 pixels at each end along the axis.
SkinSliderBitmaps bitmaps(bool vertical) {
    auto orient = [vertical](QRect r) {
        return vertical ? QRect(r.y(), r.x(), r.height(), r.width()) : r;
    };
    SkinSliderBitmaps b;
    b.slider = StackedBands(orient(QRect(0, 0, 40, 8)).size(), {kGrey, kWhite});
    const int band = b.slider.height() / 2;
    QPainter(&b.slider).fillRect(orient(QRect(0, 2, 40, 4)).translated(0, band), Qt::black);
    b.thumbSize = orient(QRect(0, 0, 10, 8)).size();
    b.thumb = StackedBands(b.thumbSize, {kRed, qRgb(0, 255, 0), qRgb(0, 0, 255), kWhite});
    QPainter(&b.thumb).fillRect(orient(QRect(2, 0, 6, 8)).translated(0, 3 * b.thumbSize.height()),
                                Qt::black);
    return b;
}

SkinEntry sliderEntry(bool vertical, QPoint at) {
    SkinEntry entry;
    entry.show = SkinVisible;
    entry.orient = vertical ? SkinVertical : SkinHorizontal;
    entry.x = at.x();
    entry.y = at.y();
    entry.c1 = kC1;
    entry.c2 = kC2;
    entry.c3 = kC3;
    entry.size = vertical ? QSize(8, 40) : QSize(40, 8);
    entry.rect = QRect(at, entry.size);
    return entry;
}

struct Step {
    int value, offset;
    QRgb colour;
};

// Checks the slider along its axis: a = position along, c = across.
void expectDrawn(CSkinSlider& slider, const Step& s) {
    const QImage shown = slider.grab().toImage();
    auto at = [&](int a, int c) {
        return shown.pixel(slider.vertical() ? QPoint(c, a) : QPoint(a, c));
    };
    const int away = s.offset < 15 ? 35 : 5;
    EXPECT_EQ(at(away, 4), s.colour);  // in the colour mask
    EXPECT_EQ(at(away, 0), kGrey);     // outside it
    EXPECT_EQ(at(s.offset + 5, 4), kRed);
    EXPECT_EQ(at(s.offset, 4), s.colour);  // left out by the thumb's mask
    EXPECT_EQ(at(s.offset + 9, 0), kGrey);
}

TEST(SkinSlider, HorizontalTrackColourAndThumbFollowTheValue) {
    QWidget face;
    CSkinSlider slider(1037, false, &face);
    slider.setup(sliderEntry(false, {20, 30}), bitmaps(false));
    slider.setRange(100);
    for (const Step& s : {Step{0, 0, kC1}, Step{50, 15, kC2}, Step{100, 30, kC3}}) {
        SCOPED_TRACE(s.value);
        slider.setValue(s.value);
        EXPECT_EQ(slider.thumbRect(), QRect(20 + s.offset, 30, 10, 8));
        expectDrawn(slider, s);
    }
    slider.setHover(true);
    EXPECT_EQ(GrabbedPixel(slider, {35, 4}), qRgb(0, 255, 0));
    slider.setPressed(true);
    EXPECT_EQ(GrabbedPixel(slider, {35, 4}), qRgb(0, 0, 255));
}

// Balance -100..100, vertical: the zero in the middle, the right end at the top.
TEST(SkinSlider, VerticalCentredSliderGrowsUpwardsAndLetsTheMouseThrough) {
    QWidget face;
    face.resize(100, 60);
    CSkinSlider slider(1038, true, &face);
    slider.setup(sliderEntry(true, {60, 10}), bitmaps(true));
    slider.setRange(100);
    for (const Step& s : {Step{0, 15, kC2}, Step{100, 0, kC1}, Step{-100, 30, kC3}}) {
        SCOPED_TRACE(s.value);
        slider.setValue(s.value);
        EXPECT_EQ(slider.thumbRect(), QRect(60, 10 + s.offset, 8, 10));
        expectDrawn(slider, s);
    }
    face.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&face));
    EXPECT_EQ(face.childAt(64, 20), nullptr);  // the face does the drags
}

}  // namespace
