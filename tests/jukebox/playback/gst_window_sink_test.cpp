// The picture drawn by the sink itself into a native X window (on a private X
// server started for the test; skipped where Xvfb is missing): placed with black
// bars in the window's area, scaled again when the area changes, while paused
// and while playing, the newest area winning over one placed before it, and
// counted; and the painted frames where no sink can start.
#include <gtest/gtest.h>

#include <QtCore/qtestsupport_core.h>
#include <string>
#include <utility>

#include "tests/jukebox/playback/gst_engine_rig.h"
#include "tests/jukebox/playback/private_x_server.h"
#include "tests/jukebox/playback/test_media.h"

namespace {

constexpr int kWaitMs = 10000;

// The display GStreamer's sinks open, for one test (Qt stays offscreen).
class ScopedDisplay {
public:
    explicit ScopedDisplay(const std::string& name) : before_(qgetenv("DISPLAY")) {
        if (name.empty()) {
            qunsetenv("DISPLAY");
        } else {
            qputenv("DISPLAY", QByteArray::fromStdString(name));
        }
    }
    ~ScopedDisplay() {
        if (before_.isEmpty()) {
            qunsetenv("DISPLAY");
        } else {
            qputenv("DISPLAY", before_);
        }
    }

private:
    QByteArray before_;
};

int channel(unsigned long pixel, int shift) {
    return static_cast<int>((pixel >> shift) & 0xff);
}
bool isRed(unsigned long pixel) {
    return channel(pixel, 16) > 200 && channel(pixel, 8) < 50 && channel(pixel, 0) < 50;
}
bool isBlack(unsigned long pixel) {
    return channel(pixel, 16) < 30 && channel(pixel, 8) < 30 && channel(pixel, 0) < 30;
}

TEST(GstWindowSinkTest, TheSinkDrawsIntoTheWindowWithBarsAndFollowsItsArea) {
    const TestMedia& media = testMedia();
    ASSERT_FALSE(media.video.isEmpty());
    PrivateXServer server;
    if (!server.ready()) {
        GTEST_SKIP() << "no Xvfb to draw on";
    }
    ScopedDisplay display(server.name());
    const unsigned long window = server.makeWindow(400, 400);

    GstEngineRig rig;
    rig.window.nativeWindow = window;
    ASSERT_TRUE(rig.engine.OpenMedia(media.video));
    VideoStatistics statistics;
    ASSERT_TRUE(rig.engine.GetVideoStatistics(statistics));
    EXPECT_EQ(statistics.sink, QStringLiteral("ximagesink"));
    EXPECT_TRUE(rig.window.outputDrawsItself);

    // Cued and paused: the 320x240 picture fills the width of the square, with
    // bars above and below. Rows 55 and 345 are red only at the new size.
    rig.engine.FitOutput(QRect(0, 0, 400, 400));
    auto letterboxed = [&] {
        return isRed(server.pixel(window, 200, 200)) && isRed(server.pixel(window, 5, 55)) &&
               isRed(server.pixel(window, 395, 345)) && isBlack(server.pixel(window, 200, 40)) &&
               isBlack(server.pixel(window, 200, 360));
    };
    EXPECT_TRUE(QTest::qWaitFor(letterboxed, kWaitMs));

    // A wide area: bars left and right.
    server.resize(window, 600, 300);
    rig.engine.FitOutput(QRect(0, 0, 600, 300));
    auto pillarboxed = [&] {
        return isRed(server.pixel(window, 105, 150)) && isRed(server.pixel(window, 495, 5)) &&
               isBlack(server.pixel(window, 90, 150)) && isBlack(server.pixel(window, 510, 150));
    };
    EXPECT_TRUE(QTest::qWaitFor(pillarboxed, kWaitMs));

    // Playing, every frame goes to the window without passing the program's
    // hands, and is counted.
    rig.engine.Run();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            rig.engine.GetVideoStatistics(statistics);
            return statistics.shown >= 20;
        },
        kWaitMs));
    EXPECT_EQ(rig.window.frameCount, 0);
    EXPECT_TRUE(pillarboxed());

    // A new area while playing (a window maximized, full screen): the picture
    // takes it, and the frames keep coming.
    server.resize(window, 400, 400);
    rig.engine.FitOutput(QRect(0, 0, 400, 400));
    EXPECT_TRUE(QTest::qWaitFor(letterboxed, kWaitMs));
    rig.engine.GetVideoStatistics(statistics);
    const quint64 shown = statistics.shown;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            rig.engine.GetVideoStatistics(statistics);
            return statistics.shown >= shown + 3;
        },
        kWaitMs));

    // Going full screen: the window is placed while still at its old size, and
    // the resize to the screen's size arrives while that placing waits for the
    // window system. The newer area wins: the picture fills it, no bars around.
    server.resize(window, 800, 600);
    bool resized = false;
    rig.window.placing = [&](const QRect&) {
        if (!std::exchange(resized, true)) {
            rig.engine.FitOutput(QRect(0, 0, 800, 600));
        }
    };
    rig.engine.FitOutput(QRect(0, 0, 400, 400));
    rig.window.placing = nullptr;
    ASSERT_TRUE(resized);
    auto filled = [&] {
        return isRed(server.pixel(window, 5, 5)) && isRed(server.pixel(window, 795, 595)) &&
               isRed(server.pixel(window, 400, 300));
    };
    EXPECT_TRUE(QTest::qWaitFor(filled, kWaitMs)) << "a picture of the older area, bars around";
    EXPECT_EQ(rig.window.outputRect, QRect(0, 0, 800, 600));

    rig.engine.ReleaseGraph();
    EXPECT_FALSE(rig.window.outputDrawsItself);
    EXPECT_EQ(rig.window.calls.count(QStringLiteral("drawsItself")), 1);
}

TEST(GstWindowSinkTest, WhereNoSinkCanDrawTheFramesArePaintedAndCounted) {
    const TestMedia& media = testMedia();
    ASSERT_FALSE(media.video.isEmpty());
    ScopedDisplay noDisplay(std::string{});

    GstEngineRig rig;
    rig.window.nativeWindow = 0x1234567;  // a window no sink can reach
    ASSERT_TRUE(rig.engine.OpenMedia(media.video));
    rig.engine.Run();
    ASSERT_TRUE(QTest::qWaitFor([&] { return rig.engine.AtEnd(); }, kWaitMs));
    QTest::qWait(50);  // the last frame's queued delivery

    VideoStatistics statistics;
    ASSERT_TRUE(rig.engine.GetVideoStatistics(statistics));
    EXPECT_EQ(statistics.sink, QStringLiteral("appsink"));
    EXPECT_FALSE(rig.window.outputDrawsItself);
    EXPECT_GT(statistics.shown, 0u);
    EXPECT_EQ(statistics.shown, static_cast<quint64>(rig.window.frameCount));
    // 30 frames: each one painted, or counted as dropped.
    EXPECT_GE(statistics.shown + statistics.dropped, 30u);
    EXPECT_FALSE(rig.window.lastFrame.isNull());
    EXPECT_TRUE(isRed(rig.window.lastFrame.pixel(160, 120)));
}

}  // namespace
