// The video window over a real GStreamer graph: when it shows, the sizes of its
// view modes with the frame, its keys and double-clicks, the menu's greying and
// full screen, staying on the screen and the picture's shape, with videos made
// for the test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTest>

#include "jukebox/options/extension_lists.h"
#include "jukebox/playback/gst_media_graph.h"
#include "jukebox/playback/media_engine.h"
#include "jukebox/shell/engine_host.h"
#include "jukebox/video_window/video_view.h"
#include "jukebox/video_window/video_wnd.h"
#include "tests/jukebox/video_window/video_media.h"
#include "tests/support/recording_ui_service.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace VideoView;

constexpr int kWaitMs = 10000;
constexpr int kW = VideoMedia::kWidth;
constexpr int kH = VideoMedia::kHeight;
constexpr int kBorder = 2 * CVideoWnd::kFrameThickness + 2;

// Records the keys that reach the main window, the modifiers' own presses aside.
class KeySink : public QWidget {
public:
    QList<int> keys;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const int key = event->key();
        if (key != Qt::Key_Shift && key != Qt::Key_Control && key != Qt::Key_Alt) {
            keys.append(key);
        }
    }
};

class VideoWndTest : public testing::Test {
protected:
    VideoWndTest() {
        host.setEngine(&engine);
        host.setVideoWindow(&wnd);
    }
    ~VideoWndTest() override { engine.ReleaseGraph(); }

    bool open(const QString& path) {
        const bool ok = engine.OpenMedia(path);
        wnd.FinishFade();
        return ok;
    }
    bool openVideo() {
        const VideoMedia& media = videoMedia();
        return !media.video.isEmpty() && open(media.video);
    }
    QSize size() const { return wnd.size(); }
    bool frameShown() {
        return QTest::qWaitFor([&] { return !wnd.frame().isNull(); }, kWaitMs);
    }
    // The colour the window shows at a point of its own.
    QRgb shownAt(QPoint point) { return wnd.grab().toImage().pixel(point); }
    // A press, a move by offset with the button held and the release, from the
    // window's middle, as the user's hand gives them.
    void drag(QPoint offset) {
        const QPoint inside = wnd.rect().center();
        const QPoint start = wnd.mapToGlobal(inside);
        QMouseEvent press(QEvent::MouseButtonPress, inside, start, Qt::LeftButton, Qt::LeftButton,
                          {});
        QApplication::sendEvent(&wnd, &press);
        QMouseEvent move(QEvent::MouseMove, inside, start + offset, Qt::NoButton, Qt::LeftButton,
                         {});
        QApplication::sendEvent(&wnd, &move);
        QMouseEvent release(QEvent::MouseButtonRelease, inside, start + offset, Qt::LeftButton, {},
                            {});
        QApplication::sendEvent(&wnd, &release);
    }
    void key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(&wnd, static_cast<Qt::Key>(key), mods);
    }
    void doubleClick() {
        QTest::mouseDClick(&wnd, Qt::LeftButton, {}, wnd.rect().center());
        wnd.FinishFade();
    }
    // Menu positions 1 to 8 are grey, Filter, Shrink and Conform are not.
    ::testing::AssertionResult greyed(bool expected) {
        const QList<QAction*> items = wnd.windowMenu().menu().actions();
        if (items.size() != 11) {
            return ::testing::AssertionFailure() << items.size() << " items";
        }
        for (int i = 0; i < items.size(); ++i) {
            const bool grey = i >= 1 && i <= 8 && expected;
            if (items[i]->isEnabled() == grey) {
                return ::testing::AssertionFailure()
                       << "item " << i << " enabled " << items[i]->isEnabled();
            }
        }
        return ::testing::AssertionSuccess();
    }

    TempDir dir;
    RecordingUiService ui;
    ExtensionLists lists{ui, {QStringLiteral("wav")}, {QStringLiteral("webm")}};
    GstMediaGraph graph;
    EngineHost host;
    MediaEngine engine{graph, host, ui, [this](const QString& extension) {
                           return lists.ClassifyExtension(extension);
                       }};
    QPoint position{30, 40};
    KeySink mainWindow;
    QList<int> commands;
    CVideoWnd wnd{engine, position, &mainWindow, [this](int id) { commands.append(id); }};
};

TEST_F(VideoWndTest, HiddenUntilTheFirstVideoWhichShowsItsPictureAtNativeSizeAndHiddenBySound) {
    const VideoMedia& media = videoMedia();
    ASSERT_FALSE(media.video.isEmpty());
    ASSERT_FALSE(media.sound.isEmpty());
    wnd.move(position);
    ASSERT_TRUE(open(media.sound));
    EXPECT_FALSE(wnd.isVisible());

    ASSERT_TRUE(open(media.video));
    EXPECT_TRUE(wnd.isVisible());
    // Shown without taking the keyboard from the window the user types in.
    EXPECT_TRUE(wnd.testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(size(), QSize(kW + kBorder, kH + kBorder));
    EXPECT_EQ(wnd.pictureRect(), QRect(5, 5, kW, kH));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !wnd.frame().isNull(); }, kWaitMs));
    EXPECT_EQ(wnd.frame().size(), QSize(kW, kH));
    const QRgb pixel = wnd.frame().pixel(kW / 2, kH / 2);
    EXPECT_NEAR(qGreen(pixel), qGreen(VideoMedia::kColour), 12);
    EXPECT_NEAR(qRed(pixel), qRed(VideoMedia::kColour), 12);
    // The window paints that picture over its client area, not black.
    const QImage shot = wnd.grab().toImage();
    EXPECT_NEAR(qGreen(shot.pixel(wnd.width() / 2, wnd.height() / 2)), qGreen(VideoMedia::kColour),
                12);

    // A later video keeps the size the user chose; the picture is fitted to it.
    key(Qt::Key_2, Qt::AltModifier);
    ASSERT_TRUE(open(media.video));
    EXPECT_EQ(size(), QSize(320 + kBorder, 240 + kBorder));
    EXPECT_EQ(wnd.pictureRect(), QRect(5, 5, 320, 240));

    ASSERT_TRUE(open(media.sound));
    EXPECT_FALSE(wnd.isVisible());
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(u'|').toStdString();
}

TEST_F(VideoWndTest, ScaledShrinkAndConformSizesCountTheFrameAndTheLastModifierWins) {
    ASSERT_TRUE(openVideo());
    key(Qt::Key_2, Qt::ShiftModifier);
    EXPECT_EQ(size(), QSize(2 * kW + kBorder, 2 * kH + kBorder));
    EXPECT_EQ(wnd.zoomFactor(), 2.0);
    // The shrink menu's second item, 1/2x.
    wnd.windowMenu().shrink().actions().at(1)->trigger();
    EXPECT_EQ(size(), QSize(kW / 2 + kBorder, kH / 2 + kBorder));
    key(Qt::Key_3, Qt::AltModifier);
    EXPECT_EQ(size(), QSize(480 + kBorder, 360 + kBorder)) << "whatever the video's size";
    EXPECT_EQ(wnd.viewMode(), Conform);
    // Shift+Ctrl+3: 1/3, truncated.
    key(Qt::Key_3, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(size(), QSize(kW / 3 + kBorder, kH / 3 + kBorder));
    EXPECT_DOUBLE_EQ(wnd.zoomFactor(), 1.0 / 3);
    EXPECT_EQ(wnd.viewMode(), Scaled);
    // Shift+3 as the US layout delivers it.
    key('#', Qt::ShiftModifier);
    EXPECT_EQ(size(), QSize(3 * kW + kBorder, 3 * kH + kBorder));
    // Digits are the window's own, even without a modifier.
    key(Qt::Key_5);
    EXPECT_TRUE(mainWindow.keys.isEmpty());
}

TEST_F(VideoWndTest, DoubleClickMaximizesRestoresAndLeavesFullScreenAndMaximizedGreysTheMenu) {
    ASSERT_TRUE(openVideo());
    key(Qt::Key_2, Qt::ShiftModifier);
    const QSize scaled = size();
    EXPECT_TRUE(greyed(false));

    doubleClick();
    EXPECT_EQ(wnd.viewMode(), Maximized);
    EXPECT_TRUE(wnd.isMaximized());
    EXPECT_TRUE(greyed(true));
    const QSize maximized = size();
    key(Qt::Key_1, Qt::ShiftModifier);
    key(Qt::Key_1, Qt::AltModifier);
    EXPECT_EQ(size(), maximized) << "digits do nothing while maximized";
    EXPECT_EQ(wnd.viewMode(), Maximized);

    doubleClick();
    EXPECT_EQ(wnd.viewMode(), Scaled);
    EXPECT_FALSE(wnd.isMaximized());
    EXPECT_TRUE(greyed(false));
    EXPECT_TRUE(QTest::qWaitFor([&] { return size() == scaled; }, kWaitMs)) << size().width();

    key(Qt::Key_2, Qt::AltModifier);
    doubleClick();
    EXPECT_EQ(wnd.viewMode(), Maximized) << "from Conform";
    doubleClick();

    // On the full-screen picture a double-click goes back to the window.
    key(Qt::Key_Return, Qt::AltModifier);
    ASSERT_EQ(wnd.viewMode(), Fullscreen);
    EXPECT_TRUE(wnd.isFullScreen());
    EXPECT_TRUE(greyed(true));
    EXPECT_EQ(wnd.pictureRect(), wnd.rect());
    doubleClick();
    EXPECT_EQ(wnd.viewMode(), Scaled);
    EXPECT_FALSE(wnd.isFullScreen());
    EXPECT_FALSE(wnd.isMaximized());
    EXPECT_TRUE(greyed(false));
}

TEST_F(VideoWndTest, FullScreenEndsByResetEscapeOrItsLossAndAltF4CannotCloseTheWindow) {
    ASSERT_TRUE(openVideo());
    key(Qt::Key_4, Qt::AltModifier);
    wnd.OnCommand(kCmdFullscreen);
    ASSERT_TRUE(wnd.isFullScreen());
    wnd.OnCommand(kCmdReset);
    EXPECT_FALSE(wnd.isFullScreen());
    EXPECT_EQ(wnd.viewMode(), Scaled);
    EXPECT_EQ(size(), QSize(kW + kBorder, kH + kBorder));
    EXPECT_TRUE(greyed(false));

    key(Qt::Key_Enter, Qt::AltModifier);
    ASSERT_TRUE(wnd.isFullScreen());
    key(Qt::Key_Escape);
    EXPECT_FALSE(wnd.isFullScreen());
    EXPECT_EQ(wnd.viewMode(), Scaled);
    key(Qt::Key_Escape);
    QTest::qWait(0);
    EXPECT_EQ(mainWindow.keys, QList<int>{Qt::Key_Escape}) << "not its key when windowed";

    // The platform takes full screen away: the graph's event brings the window back.
    key(Qt::Key_Return, Qt::AltModifier);
    ASSERT_TRUE(wnd.isFullScreen());
    wnd.showNormal();
    EXPECT_TRUE(QTest::qWaitFor([&] { return wnd.viewMode() == Scaled; }, kWaitMs));
    EXPECT_TRUE(greyed(false));

    key(Qt::Key_F4, Qt::AltModifier);
    EXPECT_FALSE(wnd.close());
    EXPECT_TRUE(wnd.isVisible());

    // Without a graph full screen is not offered at all.
    engine.ReleaseGraph();
    key(Qt::Key_Return, Qt::AltModifier);
    EXPECT_EQ(wnd.viewMode(), Scaled);
    EXPECT_FALSE(wnd.isFullScreen());
}

TEST_F(VideoWndTest, DraggingMovesTheRememberedCornerAndOtherKeysAndCommandsGoToTheMainWindow) {
    ASSERT_TRUE(openVideo());
    wnd.move(position);
    drag(QPoint(25, -7));
    EXPECT_EQ(position, QPoint(55, 33));
    EXPECT_EQ(wnd.pos(), position);
    EXPECT_FALSE(wnd.dragging());

    // The window manager moves the window (as it may for a large size): the
    // remembered corner follows, and the next drag starts where the window is.
    wnd.move(QPoint(200, 120));
    EXPECT_EQ(position, QPoint(200, 120));
    drag(QPoint(-10, 15));
    EXPECT_EQ(wnd.pos(), QPoint(190, 135));
    EXPECT_EQ(position, wnd.pos());

    key(Qt::Key_Space);
    key(Qt::Key_F, Qt::ControlModifier);
    QTest::qWait(0);
    EXPECT_EQ(mainWindow.keys, (QList<int>{Qt::Key_Space, Qt::Key_F}));
    wnd.windowMenu().menu().actions().at(0)->trigger();  // Filter
    wnd.windowMenu().menu().actions().at(2)->trigger();  // Pause
    EXPECT_EQ(commands, (QList<int>{kCmdFilter, kCmdPause}));
}

TEST_F(VideoWndTest, AFirstVideoLargerThanTheScreenFitsItsShapeKeptAndPresetsStayOnTheScreen) {
    const VideoMedia& media = videoMedia();
    ASSERT_FALSE(media.wide.isEmpty());
    const QRect screen = wnd.screen()->availableGeometry();
    ASSERT_GT(VideoMedia::kWideWidth + kBorder, screen.width());
    position = QPoint(300, 200);
    wnd.move(position);
    ASSERT_TRUE(open(media.wide));

    // As large as the screen allows, the picture as wide for its height as the
    // video's (to the pixel), and inside the screen.
    const QRect first = wnd.geometry();
    EXPECT_TRUE(screen.contains(first))
        << first.x() << "," << first.y() << " " << first.width() << "x" << first.height();
    EXPECT_TRUE(first.width() == screen.width() || first.height() == screen.height());
    const QSize picture = first.size() - QSize(kBorder, kBorder);
    EXPECT_NEAR(picture.height(),
                double(picture.width()) * VideoMedia::kWideHeight / VideoMedia::kWideWidth, 1.0);
    EXPECT_LT(wnd.zoomFactor(), 1.0);
    EXPECT_EQ(position, wnd.pos());

    // Every preset keeps the window on the screen: one too large for it starts
    // at its corner, one that fits moves only as far as it must.
    auto onScreen = [&](int start, int length, int screenStart, int screenLength) {
        return length >= screenLength
                   ? start == screenStart
                   : start >= screenStart && start + length <= screenStart + screenLength;
    };
    const std::pair<int, Qt::KeyboardModifier> presets[] = {
        {5, Qt::ShiftModifier}, {1, Qt::ShiftModifier}, {2, Qt::ControlModifier}};
    for (const auto& [digit, mods] : presets) {
        key(Qt::Key_0 + digit, mods);
        const QRect now = wnd.geometry();
        EXPECT_TRUE(onScreen(now.x(), now.width(), screen.x(), screen.width())) << digit;
        EXPECT_TRUE(onScreen(now.y(), now.height(), screen.y(), screen.height())) << digit;
        EXPECT_EQ(position, wnd.pos()) << "the remembered corner is the real one";
    }
    EXPECT_EQ(size(),
              QSize(VideoMedia::kWideWidth / 2 + kBorder, VideoMedia::kWideHeight / 2 + kBorder));
    const QPoint before = wnd.pos();
    drag(QPoint(-3, -4));
    EXPECT_EQ(wnd.pos(), before + QPoint(-3, -4)) << "no jump";

    // The picture keeps its shape in a window of another: black bars above and
    // below the wide picture in a 4:3 window.
    key(Qt::Key_2, Qt::AltModifier);
    ASSERT_TRUE(frameShown());
    EXPECT_EQ(wnd.pictureRect(), QRect(5, 5, 320, 240));
    EXPECT_EQ(wnd.shownPictureRect(), QRect(5, 45, 320, 160));
    EXPECT_EQ(qGreen(shownAt(QPoint(wnd.width() / 2, 5 + 20))), 0);
    EXPECT_NEAR(qGreen(shownAt(wnd.rect().center())), qGreen(VideoMedia::kColour), 12);
}

TEST_F(VideoWndTest, MenuPresetsDoNothingWhileMaximizedOrFullScreenAndTheModeFollowsTheWindow) {
    ASSERT_TRUE(openVideo());
    key(Qt::Key_Return, Qt::AltModifier);
    ASSERT_EQ(wnd.viewMode(), Fullscreen);
    wnd.windowMenu().conform().actions().at(2)->trigger();
    wnd.windowMenu().shrink().actions().at(1)->trigger();
    EXPECT_EQ(wnd.viewMode(), Fullscreen);
    EXPECT_TRUE(wnd.isFullScreen());
    key(Qt::Key_Escape);
    EXPECT_EQ(wnd.viewMode(), Scaled);
    EXPECT_FALSE(wnd.isFullScreen());
    EXPECT_FALSE(wnd.isMaximized());

    doubleClick();
    ASSERT_EQ(wnd.viewMode(), Maximized);
    const QSize maximized = size();
    wnd.windowMenu().shrink().actions().at(1)->trigger();
    wnd.windowMenu().conform().actions().at(0)->trigger();
    EXPECT_EQ(wnd.viewMode(), Maximized);
    EXPECT_EQ(size(), maximized);
    EXPECT_TRUE(greyed(true));
    doubleClick();
    EXPECT_EQ(wnd.viewMode(), Scaled) << "one double-click restores";
    EXPECT_FALSE(wnd.isMaximized());

    // The window system maximizes and restores the window by itself: the mode,
    // the menu and the next double-click follow.
    wnd.showMaximized();
    EXPECT_EQ(wnd.viewMode(), Maximized);
    EXPECT_TRUE(greyed(true));
    wnd.showNormal();
    EXPECT_EQ(wnd.viewMode(), Scaled);
    EXPECT_TRUE(greyed(false));
    doubleClick();
    EXPECT_TRUE(wnd.isMaximized());
    EXPECT_EQ(wnd.viewMode(), Maximized);
}

TEST_F(VideoWndTest, ThePictureGoesWithItsFileForASoundInAVideoFileAndAFailedOpen) {
    const VideoMedia& media = videoMedia();
    ASSERT_TRUE(openVideo());
    ASSERT_TRUE(frameShown());
    const QPoint middle = wnd.rect().center();
    ASSERT_NEAR(qGreen(shownAt(middle)), qGreen(VideoMedia::kColour), 12);

    // A sound in a file of the video class plays as sound: the window goes,
    // and takes the old picture with it.
    const std::filesystem::path soundOnly = dir / "sound.webm";
    std::filesystem::copy_file(media.sound.toStdString(), soundOnly);
    ASSERT_TRUE(open(QString::fromStdString(soundOnly.string())));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !wnd.isVisible(); }, 2000));
    QTest::qWait(200);  // a stale frame on its way would show by now
    EXPECT_TRUE(wnd.frame().isNull());
    EXPECT_EQ(shownAt(middle), qRgb(0, 0, 0));

    ASSERT_TRUE(openVideo());
    ASSERT_TRUE(frameShown());
    const std::filesystem::path broken = dir / "broken.webm";
    writeFileBytes(broken, std::string(4096, 'x'));
    EXPECT_FALSE(open(QString::fromStdString(broken.string())));
    EXPECT_TRUE(wnd.frame().isNull());
    EXPECT_EQ(shownAt(middle), qRgb(0, 0, 0));
}

}  // namespace

// A sink that draws the picture itself gets a native surface over the picture's
// area, which follows every size, full screen and back; the picture keeps its
// shape in it, and the window's mouse handling goes on over it.
TEST_F(VideoWndTest, ASinkThatDrawsItselfHasTheSurfaceOverThePictureAreaInEveryView) {
    // No native window for a sink offscreen (nor where the platform is not X11).
    EXPECT_EQ(wnd.outputWindowHandle(), 0u);
    wnd.setNativeOutput(true);
    EXPECT_NE(wnd.outputWindowHandle(), 0u);
    wnd.setNativeOutput(false);  // the graph keeps to painted frames here

    const VideoMedia& media = videoMedia();
    ASSERT_FALSE(media.wide.isEmpty());
    ASSERT_TRUE(open(media.wide));
    key(Qt::Key_1, Qt::ControlModifier);
    wnd.setOutputDrawsItself(true);  // as the graph's output tells it
    EXPECT_TRUE(wnd.frame().isNull());
    const int edge = CVideoWnd::kFrameThickness + 1;
    auto client = [&] { return wnd.rect().adjusted(edge, edge, -edge, -edge); };

    key(Qt::Key_2, Qt::ControlModifier);  // Scaled 1/2: the picture fills the client area
    EXPECT_EQ(size(),
              QSize(VideoMedia::kWideWidth / 2 + kBorder, VideoMedia::kWideHeight / 2 + kBorder));
    EXPECT_EQ(wnd.surfaceRect(), client());
    EXPECT_EQ(wnd.shownPictureRect(), client());

    key(Qt::Key_3, Qt::AltModifier);  // Conform 3, 480x360: bars above and below
    EXPECT_EQ(wnd.surfaceRect(), client());
    EXPECT_EQ(wnd.shownPictureRect(), QRect(edge, edge + 60, 480, 240));

    key(Qt::Key_Enter, Qt::AltModifier);
    ASSERT_TRUE(wnd.isFullScreen());
    EXPECT_EQ(wnd.surfaceRect(), wnd.rect());
    const QRect full = wnd.shownPictureRect();
    EXPECT_EQ(full.width(), wnd.width());
    EXPECT_EQ(full.center().y(), wnd.rect().center().y());
    EXPECT_NEAR(full.height(), wnd.width() / 2.0, 1.0);
    key(Qt::Key_Enter, Qt::AltModifier);
    ASSERT_FALSE(wnd.isFullScreen());
    EXPECT_EQ(wnd.surfaceRect(), client());

    // A double-click on the surface is the window's: it maximizes.
    auto* surface = wnd.findChild<CVideoSurface*>();
    ASSERT_NE(surface, nullptr);
    QTest::mouseDClick(surface, Qt::LeftButton, {}, surface->rect().center());
    EXPECT_EQ(wnd.viewMode(), Maximized);
    EXPECT_EQ(wnd.surfaceRect(), client());

    // Given back to painted frames, the window paints the whole area again.
    wnd.setOutputDrawsItself(false);
    EXPECT_TRUE(wnd.surfaceRect().isEmpty());
}
