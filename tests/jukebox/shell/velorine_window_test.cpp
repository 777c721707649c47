// The running jukebox's window on the offscreen platform, with real playback on
// a fake audio sink: the drags over the face, dropped folders and the file of
// the command line, the keys, the views, minimizing without a tray and help.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QScreen>
#include <QSettings>
#include <QTest>

#include "jukebox/shell/command_ids.h"
#include "jukebox/shell/help_window.h"
#include "jukebox/shell/skin_button.h"
#include "jukebox/shell/skin_slider.h"
#include "jukebox/shell/time_display.h"
#include "jukebox/shell/track_panel.h"
#include "tests/jukebox/playback/test_media.h"
#include "tests/jukebox/shell/jukebox_rig.h"

namespace {

constexpr int kWaitMs = 10000;

class VelorineWindowTest : public testing::Test {
protected:
    static void SetUpTestSuite() { testMedia(); }

    CVelorineWnd& wnd() { return rig.window(); }
    CSkinSlider& slider(int id) { return *wnd().controls().slider(id); }
    CTimeDisplay& time() { return wnd().controls().time(); }
    Transport::Mode mode() { return wnd().transport().mode(); }
    MediaEngine& engine() { return rig.app().engine(); }
    bool lineShows(const QString& text) {
        return QTest::qWaitFor([&] { return wnd().controls().panel().lineShown() == text; },
                               kWaitMs);
    }

    // A press on a thumb, a move of (dx, dy) with the button held, and the
    // release, as the user's hand gives them; check runs before the release.
    template <typename Check>
    void dragThumb(int id, QPoint by, Check check) {
        const QPoint at = slider(id).thumbRect().center();
        const QPoint global = wnd().mapToGlobal(at);
        rig.mouse(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton);
        rig.mouse(QEvent::MouseMove, at + by, global + by, Qt::NoButton, Qt::LeftButton);
        check();
        rig.mouse(QEvent::MouseButtonRelease, at + by, global + by, Qt::LeftButton, Qt::NoButton);
    }

    JukeboxRig rig;
    const TestMedia& media = testMedia();
};

TEST_F(VelorineWindowTest, TheThreeDragsAndAWindowDragWhereNoTrackGivesTheThumbARange) {
    rig.start();
    const QPoint before = wnd().pos();
    // No track: the position thumb has no range, so pressing it moves the window.
    dragThumb(ControlId::Position, QPoint(30, 20), [] {});
    EXPECT_EQ(wnd().pos(), before + QPoint(30, 20));
    EXPECT_EQ(rig.app().settings().mainPos, before + QPoint(30, 20));
    EXPECT_FALSE(slider(ControlId::Position).pressed());

    rig.drop({copyMedia(media.wav, rig.folder() / "music", "tone.wav")});
    ASSERT_GT(slider(ControlId::Position).model().max(), 1000);
    ASSERT_EQ(engine().GetPositionMs(), 0);

    // Position: the thumb and the time follow the hand; the engine seeks on release.
    dragThumb(ControlId::Position, QPoint(40, 0), [&] {
        EXPECT_TRUE(slider(ControlId::Position).pressed());
        EXPECT_GT(slider(ControlId::Position).value(), 100);
        EXPECT_EQ(time().seconds(), slider(ControlId::Position).value() / 1000);
        wnd().transport().PollPosition();  // the poll leaves a dragged thumb alone
        EXPECT_GT(slider(ControlId::Position).value(), 100);
        EXPECT_EQ(engine().GetPositionMs(), 0);
    });
    const int target = slider(ControlId::Position).value();
    EXPECT_EQ(engine().GetPositionMs(), target);
    EXPECT_EQ(wnd().pos(), before + QPoint(30, 20));

    // Volume: the engine follows while the hand moves, the display shows the number.
    dragThumb(ControlId::Volume, QPoint(-25, 0), [&] {
        EXPECT_LT(engine().GetVolume(), 90);
        EXPECT_EQ(engine().GetVolume(), slider(ControlId::Volume).value());
        EXPECT_EQ(time().mode(), TimeDisplay::ModeNumber);
        EXPECT_EQ(time().number(), engine().GetVolume());
    });
    QElapsedTimer sinceRelease;
    sinceRelease.start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return time().mode() == TimeDisplay::ModeTime; }, 3000));
    EXPECT_GE(sinceRelease.elapsed(), 800);

    // Balance likewise, to the left of the centre.
    dragThumb(ControlId::Balance, QPoint(-10, 0), [&] {
        EXPECT_LT(engine().GetBalance(), 0);
        EXPECT_EQ(engine().GetBalance(), slider(ControlId::Balance).value());
        EXPECT_EQ(time().mode(), TimeDisplay::ModeNumber);
        EXPECT_EQ(time().number(), -engine().GetBalance());
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return time().mode() == TimeDisplay::ModeTime; }, 3000));
    EXPECT_EQ(wnd().pos(), before + QPoint(30, 20));
    EXPECT_TRUE(rig.ui.messages.isEmpty()) << rig.ui.messages.join(u'|').toStdString();
}

TEST_F(VelorineWindowTest, ADroppedFolderJoinsTheListAndOpensAndAutoplayPlaysIt) {
    rig.start();
    const auto album = rig.folder() / "album";
    copyMedia(media.mp3Xing, album, "01 first.mp3");
    copyMedia(media.ogg, album, "02 second.ogg");
    rig.drop({QString::fromStdString(album.string())});
    EXPECT_EQ(rig.app().tracklist().EntryCount(), 2);
    EXPECT_EQ(rig.app().tracklist().currentIndex(), 0);
    EXPECT_TRUE(engine().HasGraph());
    EXPECT_TRUE(wnd().controls().panel().stateBits() & PanelBit::Text);
    EXPECT_TRUE(lineShows(QStringLiteral(" - 01 first.mp3")));
    EXPECT_EQ(mode(), Transport::Mode::Stopped);

    rig.app().settings().general.autoplay = true;
    rig.drop({copyMedia(media.flac, rig.folder() / "more", "tone.flac")});
    EXPECT_EQ(rig.app().tracklist().currentIndex(), 2);
    EXPECT_EQ(mode(), Transport::Mode::Playing);
    EXPECT_TRUE(QTest::qWaitFor([&] { return engine().GetPositionMs() > 200; }, kWaitMs));
    EXPECT_TRUE(rig.ui.messages.isEmpty()) << rig.ui.messages.join(u'|').toStdString();
}

TEST_F(VelorineWindowTest, TheFileOfTheCommandLineOpensAndWaitsWithoutAutoplay) {
    // Two files, as a file manager's "Open with" names them: the first opens.
    CommandLine commandLine;
    commandLine.file = copyMedia(media.mp3Plain, rig.folder() / "music", "song.mp3");
    commandLine.files = {commandLine.file, copyMedia(media.ogg, rig.folder() / "music", "b.ogg")};
    rig.start(commandLine);
    EXPECT_EQ(rig.app().tracklist().EntryCount(), 2);
    EXPECT_EQ(rig.app().tracklist().currentIndex(), 0);
    EXPECT_TRUE(engine().HasGraph());
    EXPECT_EQ(mode(), Transport::Mode::Stopped);
    EXPECT_EQ(engine().engineState(), MediaEngine::Stopped);
    EXPECT_EQ(slider(ControlId::Position).model().max(), engine().GetDurationMs());
    // After the pop-up of the list's scan, the track's text.
    EXPECT_TRUE(lineShows(QStringLiteral(" - song.mp3")));
}

TEST_F(VelorineWindowTest, TheFileOfTheCommandLinePlaysWithAutoplay) {
    QSettings(QStringLiteral("Quillamo"), QStringLiteral("velorine"))
        .setValue(QStringLiteral("Settings/Autoplay"), 1);
    CommandLine commandLine;
    commandLine.file = copyMedia(media.mp3Xing, rig.folder() / "music", "song.mp3");
    rig.start(commandLine);
    EXPECT_EQ(mode(), Transport::Mode::Playing);
    EXPECT_EQ(engine().engineState(), MediaEngine::Running);
    EXPECT_TRUE(wnd().controls().button(ControlId::Play)->isOn());
    // The poll moves the thumb and the time along.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return slider(ControlId::Position).value() > 500 && time().seconds() >= 0; },
        kWaitMs));
}

TEST_F(VelorineWindowTest, KeysReachTheTransportTheViewsAndThePanelAndTheBossKeyComesBack) {
    CommandLine commandLine;
    commandLine.file = copyMedia(media.wav, rig.folder() / "music", "tone.wav");
    rig.start(commandLine);
    QTest::keyClick(&wnd(), Qt::Key_L);
    EXPECT_TRUE(wnd().transport().loop());
    EXPECT_TRUE(wnd().controls().button(ControlId::Loop)->isOn());
    QTest::keyClick(&wnd(), Qt::Key_R);
    EXPECT_TRUE(wnd().transport().random());
    QTest::keyClick(&wnd(), Qt::Key_Right);
    EXPECT_TRUE(wnd().transport().seekPending());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !wnd().transport().seekPending(); }, kWaitMs));
    EXPECT_EQ(engine().GetPositionMs(), 1000);
    QTest::keyClick(&wnd(), Qt::Key_Left);
    EXPECT_TRUE(QTest::qWaitFor([&] { return engine().GetPositionMs() == 0; }, kWaitMs));

    // Space plays from stopped? No: it pauses and resumes only what plays.
    QTest::keyClick(&wnd(), Qt::Key_Space);
    EXPECT_EQ(mode(), Transport::Mode::Stopped);
    rig.click(ControlId::Play);
    EXPECT_EQ(mode(), Transport::Mode::Playing);
    QTest::keyClick(&wnd(), Qt::Key_B);
    EXPECT_EQ(mode(), Transport::Mode::Paused);
    EXPECT_TRUE(wnd().transport().bossHidden());
    QTest::keyClick(&wnd(), Qt::Key_B);
    EXPECT_EQ(mode(), Transport::Mode::Playing);
    QTest::keyClick(&wnd(), Qt::Key_Space);
    EXPECT_EQ(mode(), Transport::Mode::Paused);

    // I shows the alternate text; V switches to the alternate view, which
    // places the panel afresh in the primary format.
    CTrackPanel& panel = wnd().controls().panel();
    QTest::keyClick(&wnd(), Qt::Key_I);
    EXPECT_TRUE(panel.stateBits() & PanelBit::Alternate);
    // A right click on the panel toggles it back, and opens no menu.
    QTest::mouseClick(wnd().windowHandle(), Qt::RightButton, {}, panel.geometry().center());
    EXPECT_FALSE(panel.stateBits() & PanelBit::Alternate);
    EXPECT_FALSE(wnd().tray().systemMenu().isVisible());
    QTest::mouseClick(wnd().windowHandle(), Qt::RightButton, {}, QPoint(150, 30));
    EXPECT_TRUE(QTest::qWaitFor([&] { return wnd().tray().systemMenu().isVisible(); }, kWaitMs));
    wnd().tray().systemMenu().hide();
    QTest::keyClick(&wnd(), Qt::Key_I);
    QTest::keyClick(&wnd(), Qt::Key_V);
    EXPECT_TRUE(QTest::qWaitFor([&] { return wnd().view() == 2 && !wnd().fading(); }, kWaitMs));
    EXPECT_EQ(wnd().size(), wnd().skin().alternate.face);
    EXPECT_EQ(wnd().windowOpacity(), 1.0);
    EXPECT_FALSE(panel.stateBits() & PanelBit::Alternate);
    EXPECT_FALSE(wnd().controls().button(ControlId::Random)->isVisible());  // not in that view
    EXPECT_EQ(slider(ControlId::Position).model().max(), engine().GetDurationMs());
    rig.click(ControlId::Ui);
    EXPECT_TRUE(QTest::qWaitFor([&] { return wnd().view() == 1 && !wnd().fading(); }, kWaitMs));
    EXPECT_EQ(wnd().size(), wnd().skin().main.face);
    EXPECT_TRUE(wnd().controls().button(ControlId::Random)->isOn());
}

TEST_F(VelorineWindowTest, WithoutATrayMinimizingGoesToTheTaskbarAndHelpAlwaysHelps) {
    rig.start();
    ASSERT_FALSE(ShellTray::available());
    rig.click(ControlId::Mini);
    EXPECT_TRUE(wnd().minimized());
    EXPECT_TRUE(QTest::qWaitFor([&] { return wnd().isMinimized() && !wnd().fading(); }, kWaitMs));
    EXPECT_TRUE(wnd().isVisible());  // on the taskbar, not hidden with no way back
    EXPECT_EQ(wnd().windowOpacity(), 1.0);
    wnd().setWindowState(Qt::WindowNoState);  // the taskbar restores it
    EXPECT_FALSE(wnd().minimized());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !wnd().fading(); }, kWaitMs));
    EXPECT_EQ(wnd().windowOpacity(), 1.0);

    QTest::keyClick(&wnd(), Qt::Key_F1);
    CHelpWindow* help = wnd().helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(wnd().screen()->availableGeometry().contains(help->geometry()));
    const QString text = help->plainText();
    EXPECT_TRUE(text.contains(QStringLiteral("Pause/resume"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Seek forward 10 s")));
    EXPECT_TRUE(text.contains(QStringLiteral("Switch view")));
    EXPECT_TRUE(text.contains(QStringLiteral("Volume control")));
}

// The tray icon's clicks: a single one skips once the double-click time has
// passed; a double click restores the window and skips nothing.
TEST(ShellTrayTest, ASingleClickSkipsAfterTheDoubleClickTimeAndADoubleClickRestores) {
    ShellTray tray{QIcon()};
    QList<int> commands;
    QObject::connect(&tray, &ShellTray::command, [&](int id) { commands.append(id); });
    QElapsedTimer clock;
    clock.start();
    tray.iconActivated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(tray.clickPending());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !commands.isEmpty(); }, kWaitMs));
    EXPECT_GE(clock.elapsed(), QApplication::doubleClickInterval() - 20);
    EXPECT_EQ(commands, QList<int>{ControlId::End});

    commands.clear();
    tray.iconActivated(QSystemTrayIcon::Trigger);
    tray.iconActivated(QSystemTrayIcon::DoubleClick);
    EXPECT_FALSE(tray.clickPending());
    QTest::qWait(QApplication::doubleClickInterval() + 100);
    EXPECT_EQ(commands, QList<int>{CommandId::MenuRestore});

    tray.setPlayChecked(true);
    EXPECT_TRUE(tray.playChecked());
    const QList<QAction*> items = tray.trayMenu().actions();
    EXPECT_TRUE(items.at(0)->isChecked());   // Play
    EXPECT_FALSE(items.at(1)->isChecked());  // Stop
}

}  // namespace
