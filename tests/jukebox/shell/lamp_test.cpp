// The status lamp's bands and the animation's frames, from strips made here.
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include "jukebox/shell/anim_lamp.h"
#include "jukebox/shell/skin_slider.h"
#include "jukebox/shell/status_lamp.h"
#include "jukebox/shell/time_display.h"
#include "jukebox/skin/skin_description.h"
#include "tests/jukebox/shell/control_images.h"

namespace {

SkinEntry lampEntry(QSize size, int frames = 0, int ms = 0) {
    SkinEntry entry;
    entry.show = SkinVisible;
    entry.x = 4;
    entry.y = 6;
    entry.frames = frames;
    entry.ms = ms;
    entry.size = size;
    entry.rect = QRect(QPoint(4, 6), size);
    return entry;
}

TEST(StatusLamp, ShowsTheBandOfItsState) {
    QWidget face;
    CStatusLamp lamp(&face);
    lamp.setup(lampEntry({12, 6}),
               StackedBands({12, 6}, {TestColour(0), TestColour(1), TestColour(2)}));
    EXPECT_TRUE(lamp.testAttribute(Qt::WA_TransparentForMouseEvents));
    for (int state : {2, 0, 1}) {
        lamp.setState(state);
        EXPECT_EQ(GrabbedPixel(lamp, {6, 3}), TestColour(state));
    }
    lamp.setState(7);
    EXPECT_EQ(GrabbedPixel(lamp, {6, 3}), TestColour(2));
}

TEST(AnimLamp, StepsAndWrapsWhileRunningAndKeepsItsFrameWhenStopped) {
    QWidget face;
    face.resize(40, 40);
    CAnimLamp anim(&face);
    anim.setup(lampEntry({12, 6}, 3, 30),
               StackedBands({12, 6}, {TestColour(0), TestColour(1), TestColour(2)}));
    face.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&face));
    EXPECT_FALSE(anim.ticking());
    anim.setRunning(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return anim.frame() == 2; }, 5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return anim.frame() == 0; }, 5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return anim.frame() == 1; }, 5000));
    anim.setRunning(false);
    EXPECT_EQ(GrabbedPixel(anim, {6, 3}), TestColour(1));
    QTest::qWait(100);
    EXPECT_EQ(anim.frame(), 1);
    EXPECT_EQ(GrabbedPixel(anim, {6, 3}), TestColour(1));

    // Hidden, it does not tick even while running.
    anim.setRunning(true);
    EXPECT_TRUE(anim.ticking());
    face.hide();
    EXPECT_FALSE(anim.ticking());
    face.show();
    EXPECT_TRUE(anim.ticking());
}

// A skin that describes neither the control nor its bitmaps: the control
// stays hidden, and setting and painting it stays safe.
TEST(Controls, UndescribedEntriesStayHidden) {
    QWidget face;
    const SkinEntry none;
    CSkinSlider slider(1038, true, &face);
    slider.setup(none, SkinSliderBitmaps());
    slider.setValue(-30);
    CTimeDisplay time(&face);
    time.setup(none, SkinView());
    time.setSeconds(65);
    CAnimLamp anim(&face);
    anim.setup(none, QImage());
    anim.setRunning(true);
    face.show();
    for (QWidget* control : std::initializer_list<QWidget*>{&slider, &time, &anim}) {
        EXPECT_FALSE(control->isVisible());
        control->grab();
    }
    EXPECT_FALSE(anim.ticking());
}

}  // namespace
