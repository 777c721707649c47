// The video window inside the running jukebox: created hidden, shown by a video
// track, its keys reaching the main window, and the boss key.
#include <gtest/gtest.h>

#include <QScreen>
#include <QTest>

#include "jukebox/shell/command_ids.h"
#include "jukebox/video_window/video_wnd.h"
#include "tests/jukebox/shell/jukebox_rig.h"
#include "tests/jukebox/video_window/video_media.h"

namespace {

constexpr int kWaitMs = 10000;

TEST(VideoWndJukeboxTest, SpaceInTheVideoWindowPausesAndTheBossKeyHidesAndBringsItBack) {
    const VideoMedia& media = videoMedia();
    ASSERT_FALSE(media.video.isEmpty());
    JukeboxRig rig;
    rig.start();
    CVelorineWnd& wnd = rig.window();
    CVideoWnd& video = rig.app().videoWindow();
    EXPECT_FALSE(video.isVisible());
    EXPECT_EQ(video.pos(), rig.app().settings().playPos);

    TracklistStore& store = rig.app().tracklist();
    store.AddPath(copyMedia(media.video, rig.folder() / "films", "green.webm"));
    store.setCurrentIndex(0);
    ASSERT_TRUE(wnd.transport().OpenCurrentTrack());
    wnd.OnCommand(ControlId::Play);
    video.FinishFade();
    ASSERT_TRUE(video.isVisible());
    ASSERT_EQ(wnd.transport().mode(), Transport::Mode::Playing);

    QTest::keyClick(&video, Qt::Key_Space);
    EXPECT_TRUE(QTest::qWaitFor([&] { return wnd.transport().mode() == Transport::Mode::Paused; },
                                kWaitMs));

    QTest::keyClick(&wnd, Qt::Key_B);
    video.FinishFade();
    EXPECT_FALSE(video.isVisible());
    QTest::keyClick(&wnd, Qt::Key_B);
    video.FinishFade();
    EXPECT_TRUE(video.isVisible());
    EXPECT_TRUE(rig.ui.messages.isEmpty()) << rig.ui.messages.join(u'|').toStdString();
}

// Without a stored place the first video opens beside the face, at the
// video's own size, and on the screen.
TEST(VideoWndJukeboxTest, TheFirstVideoOpensBesideTheFaceOnTheScreen) {
    const VideoMedia& media = videoMedia();
    ASSERT_FALSE(media.video.isEmpty());
    JukeboxRig rig;
    rig.start();
    CVideoWnd& video = rig.app().videoWindow();
    TracklistStore& store = rig.app().tracklist();
    store.AddPath(copyMedia(media.video, rig.folder() / "films", "green.webm"));
    store.setCurrentIndex(0);
    ASSERT_TRUE(rig.window().transport().OpenCurrentTrack());
    video.FinishFade();
    ASSERT_TRUE(video.isVisible());

    const int border = 2 * (video.frameThickness() + 1);
    EXPECT_EQ(video.size(), QSize(VideoMedia::kWidth + border, VideoMedia::kHeight + border));
    const QRect face = rig.window().frameGeometry();
    EXPECT_FALSE(video.frameGeometry().intersects(face));
    EXPECT_TRUE(rig.window().screen()->availableGeometry().contains(video.frameGeometry()));
    EXPECT_EQ(rig.app().settings().playPos, video.pos());
}

// A first video larger than the room beside the face is sized for that room,
// not for the whole screen, where it would cover the face.
TEST(VideoWndJukeboxTest, AFirstVideoLargerThanTheRoomBesideTheFaceLeavesTheFaceFree) {
    const VideoMedia& media = videoMedia();
    ASSERT_FALSE(media.tall.isEmpty());
    JukeboxRig rig;
    rig.start();
    CVideoWnd& video = rig.app().videoWindow();
    TracklistStore& store = rig.app().tracklist();
    store.AddPath(copyMedia(media.tall, rig.folder() / "films", "tall.webm"));
    store.setCurrentIndex(0);
    ASSERT_TRUE(rig.window().transport().OpenCurrentTrack());
    video.FinishFade();
    ASSERT_TRUE(video.isVisible());

    const QRect screen = rig.window().screen()->availableGeometry();
    const QRect face = rig.window().frameGeometry();
    EXPECT_FALSE(video.frameGeometry().intersects(face));
    EXPECT_TRUE(screen.contains(video.frameGeometry()));
    // Shrunk, in the picture's own shape.
    EXPECT_LT(video.height(), VideoMedia::kTallHeight)
        << screen.width() << 'x' << screen.height() << " face " << face.x() << ',' << face.y() << ' '
        << face.width() << 'x' << face.height() << " video " << video.frameGeometry().x() << ','
        << video.frameGeometry().y();
    const QSize inside = video.size() - QSize(1, 1) * 2 * (video.frameThickness() + 1);
    EXPECT_NEAR(inside.width() * VideoMedia::kTallHeight, inside.height() * VideoMedia::kTallWidth,
                2 * VideoMedia::kTallWidth);
}

}  // namespace
