// Which sink shows a video's picture, and the size of the picture a sink that
// cannot scale is given: the window's area with the picture's shape kept.
#include "jukebox/playback/video_sink_choice.h"

#include <gtest/gtest.h>

namespace {

using namespace VideoSinkChoice;

QStringList names(std::initializer_list<const char*> items) {
    QStringList list;
    for (const char* item : items) {
        list.append(QString::fromLatin1(item));
    }
    return list;
}

TEST(VideoSinkChoiceTest, WindowSinksOnlyWithANativeWindowAndTheAppSinkAlwaysLast) {
    EXPECT_EQ(Candidates(QString(), true), names({"xvimagesink", "ximagesink", "appsink"}));
    // Offscreen, Wayland: the frames are painted, whatever was asked for.
    EXPECT_EQ(Candidates(QString(), false), names({"appsink"}));
    EXPECT_EQ(Candidates(QStringLiteral("ximagesink"), false), names({"appsink"}));
    // A named sink is tried alone before the fallback, however it is written.
    EXPECT_EQ(Candidates(QStringLiteral(" GLImageSink "), true), names({"glimagesink", "appsink"}));
    EXPECT_EQ(Candidates(QStringLiteral("appsink"), true), names({"appsink"}));
    // A name that is no window sink is not handed to the element factory.
    EXPECT_EQ(Candidates(QStringLiteral("fakesink"), true),
              names({"xvimagesink", "ximagesink", "appsink"}));

    EXPECT_TRUE(DrawsIntoWindow(QStringLiteral("ximagesink")));
    EXPECT_FALSE(DrawsIntoWindow(QStringLiteral("appsink")));
    EXPECT_FALSE(ScalesItself(QStringLiteral("ximagesink")));
    EXPECT_TRUE(ScalesItself(QStringLiteral("xvimagesink")));
}

TEST(VideoSinkChoiceTest, ThePictureFillsTheAreaInItsOwnShape) {
    struct Case {
        QSize video;
        int parN, parD;
        QSize area;
        QSize picture;
    };
    const Case cases[] = {
        {{1920, 1080}, 1, 1, {1920, 1080}, {1920, 1080}},  // Scaled 1: no scaling
        {{1920, 1080}, 1, 1, {2048, 1200}, {2048, 1152}},  // full screen: bars above and below
        {{1920, 1080}, 1, 1, {640, 480}, {640, 360}},      // Conform 4
        {{320, 240}, 1, 1, {600, 300}, {400, 300}},        // bars left and right
        {{1920, 1080}, 1, 1, {961, 541}, {961, 541}},      // rounding stays inside
        {{720, 576}, 16, 11, {1100, 576}, {1047, 576}},    // wide pixels widen the picture
        {{720, 576}, 0, 0, {720, 576}, {720, 576}},        // no pixel shape: square
        {{1920, 1080}, 1, 1, {0, 480}, {}},                // nothing fits
        {{}, 1, 1, {640, 480}, {}},                        // nothing known
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PictureSizeIn(c.video, c.parN, c.parD, c.area), c.picture)
            << c.video.width() << "x" << c.video.height() << " in " << c.area.width() << "x"
            << c.area.height();
    }
}

}  // namespace
