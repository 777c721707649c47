// The tracklist window inside the running jukebox: shown and hidden from the
// main window, Select opening a track there, the panel's news still reaching
// the main window, and the window's rectangle in the settings.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <QTest>

#include "jukebox/common/utf16_file.h"
#include "jukebox/shell/command_ids.h"
#include "jukebox/shell/skin_button.h"
#include "jukebox/shell/track_panel.h"
#include "jukebox/tracklist_window/tracklist_commands.h"
#include "jukebox/tracklist_window/tracklist_wnd.h"
#include "tests/jukebox/playback/test_media.h"
#include "tests/jukebox/shell/jukebox_rig.h"

namespace {

using namespace Qt::StringLiterals;

constexpr int kWaitMs = 10000;

class TracklistJukeboxTest : public testing::Test {
protected:
    CVelorineWnd& wnd() { return rig.window(); }
    CTracklistWnd& tlist() { return rig.app().tracklistWindow(); }
    TracklistStore& store() { return rig.app().tracklist(); }
    bool buttonOn() { return wnd().controls().button(ControlId::Tlist)->isOn(); }
    bool shown() {
        tlist().FinishFade();
        return tlist().isVisible();
    }

    JukeboxRig rig;
};

TEST_F(TracklistJukeboxTest, TheKeyTheButtonAndThePanelShowAndHideItAndCloseReleasesTheButton) {
    rig.start();
    EXPECT_FALSE(shown());
    QTest::keyClick(&wnd(), Qt::Key_T);
    EXPECT_TRUE(shown());
    EXPECT_TRUE(buttonOn());
    rig.click(ControlId::Tlist);
    EXPECT_FALSE(shown());
    EXPECT_FALSE(buttonOn());
    QTest::mouseDClick(&wnd().controls().panel(), Qt::LeftButton);
    EXPECT_TRUE(shown());

    // Keys the window does not use reach the main window: T hides it again.
    QTest::keyClick(&tlist().list(), Qt::Key_T);
    QTest::qWait(0);
    EXPECT_FALSE(shown());
    EXPECT_FALSE(buttonOn());

    QTest::keyClick(&wnd(), Qt::Key_T);
    tlist().action(TracklistCommand::Close)->trigger();
    EXPECT_FALSE(shown());
    EXPECT_FALSE(buttonOn());
}

// Keys that move the list's caret stay with the list: the main window would
// take the release of End, Home or Space for a command of its own.
TEST_F(TracklistJukeboxTest, KeysThatMoveTheCaretInTheListLeaveTheTrackAlone) {
    const TestMedia& media = testMedia();
    ASSERT_FALSE(media.wav.isEmpty());
    rig.start();
    for (const char* name : {"one.wav", "two.wav", "three.wav"}) {
        store().AddPath(copyMedia(media.wav, rig.folder() / "music", name));
    }
    store().SetCurrent(1);
    QTest::keyClick(&wnd(), Qt::Key_T);
    ASSERT_TRUE(shown());
    QListView& list = tlist().list();
    list.setCurrentIndex(list.model()->index(1, 0));

    QTest::keyClick(&list, Qt::Key_End, Qt::ShiftModifier);
    QTest::qWait(0);
    EXPECT_EQ(list.currentIndex().row(), 2);
    EXPECT_EQ(list.selectionModel()->selectedRows().size(), 2);
    QTest::keyClick(&list, Qt::Key_Home);
    QTest::qWait(0);
    EXPECT_EQ(list.currentIndex().row(), 0);
    QTest::keyClick(&list, Qt::Key_Space);
    QTest::qWait(0);
    EXPECT_EQ(store().currentIndex(), 1);
    EXPECT_FALSE(rig.app().engine().HasGraph());

    // A key the list does not use still reaches the main window.
    QTest::keyClick(&list, Qt::Key_T);
    QTest::qWait(0);
    EXPECT_FALSE(shown());
}

// Closing the jukebox while the list is open leaves no window of it on the
// screen: a visible window would refuse the event loop's end (it only hides
// when asked to close), and the program would live on with nothing to show.
TEST_F(TracklistJukeboxTest, ClosingTheJukeboxTakesTheOpenListAlong) {
    rig.start();
    QTest::keyClick(&wnd(), Qt::Key_T);
    ASSERT_TRUE(shown());
    ASSERT_TRUE(rig.closeWithControl());
    for (QWidget* window : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(window->isVisible()) << window->windowTitle().toStdString();
    }
}

TEST_F(TracklistJukeboxTest, SelectOpensTheLineUnderTheCaretInTheMainWindow) {
    const TestMedia& media = testMedia();
    ASSERT_FALSE(media.wav.isEmpty());
    rig.start();
    store().AddPath(copyMedia(media.wav, rig.folder() / "music", "first.wav"));
    store().AddPath(copyMedia(media.wav, rig.folder() / "music", "second.wav"));
    QTest::keyClick(&wnd(), Qt::Key_T);
    ASSERT_TRUE(shown());
    ASSERT_EQ(tlist().list().model()->rowCount(), 2);

    QListView& list = tlist().list();
    const QModelIndex second = list.model()->index(1, 0);
    list.scrollTo(second);  // lays the lines out
    const QPoint at = list.visualRect(second).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(store().currentIndex(), -1) << "a click only moves the caret";
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(store().currentIndex(), 1);
    EXPECT_TRUE(rig.app().engine().HasGraph());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return wnd().controls().panel().lineShown().contains(u"second.wav"); }, kWaitMs))
        << wnd().controls().panel().lineShown().toStdString();

    // The sort's news still reach the main window's track panel.
    QTest::keyClick(&list, Qt::Key_Up);
    tlist().action(TracklistCommand::Select)->trigger();
    EXPECT_EQ(store().currentIndex(), 0);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return wnd().controls().panel().lineShown().contains(u"first.wav"); }, kWaitMs));
    store().SortByKey(SortKey::Name);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return wnd().controls().panel().lineShown() == QStringLiteral("Sort: stop"); },
        kWaitMs))
        << wnd().controls().panel().lineShown().toStdString();
}

// The list of the start loads while the window is hidden; opened then, the
// window describes its first line and the whole count.
TEST_F(TracklistJukeboxTest, TheListOfTheStartIsDescribedWhenTheWindowOpens) {
    const TestMedia& media = testMedia();
    ASSERT_FALSE(media.wav.isEmpty());
    QStringList files;
    for (const char* name : {"a.wav", "b.wav", "c.wav"}) {
        files.append(copyMedia(media.wav, rig.folder() / "music", name));
    }
    ASSERT_TRUE(WriteUtf16Lines(rig.path("default.trk"), files));
    rig.start();
    ASSERT_EQ(store().paths(), files);
    QTest::keyClick(&wnd(), Qt::Key_T);
    ASSERT_TRUE(shown());
    EXPECT_EQ(tlist().field(TracklistLayout::Path).text(), files[0]);
    EXPECT_EQ(tlist().field(TracklistLayout::IndexTotal).text(), u"1/3"_s);
}

// An album dropped on the face is listed by its numbers whatever order the
// disk keeps, and the fields describe each list at once: the first track
// after the drop, the first line of a list opened after it.
TEST_F(TracklistJukeboxTest, ADroppedAlbumIsListedByNumberAndTheDetailsFollowEachList) {
    const TestMedia& media = testMedia();
    ASSERT_FALSE(media.wav.isEmpty());
    rig.start();
    const std::filesystem::path album = rig.folder() / "album";
    QStringList expected(12);
    for (int n : {7, 2, 11, 1, 12, 5, 9, 3, 10, 6, 4, 8}) {
        expected[n - 1] = copyMedia(media.wav, album, (std::to_string(n) + ".wav").c_str());
    }
    rig.drop({QString::fromStdString(album.string())});
    EXPECT_EQ(store().paths(), expected);
    EXPECT_EQ(store().currentIndex(), 0);
    QTest::keyClick(&wnd(), Qt::Key_T);
    ASSERT_TRUE(shown());
    EXPECT_EQ(tlist().field(TracklistLayout::Path).text(), expected[0]);
    EXPECT_EQ(tlist().field(TracklistLayout::IndexTotal).text(), u"1/12"_s);

    const QString other = rig.path("other.trk");
    {
        QFile file(other);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("\xFF\xFE", 2));
        for (const QString& line : {expected[11], expected[10]}) {
            const QString text = line + u"\r\n"_s;
            file.write(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
        }
    }
    rig.ui.answers.push_back(UiService::Answer::No);  // the drop is not saved
    rig.ui.openAnswers.push_back({other});
    tlist().action(TracklistCommand::OpenNew)->trigger();
    ASSERT_EQ(store().EntryCount(), 2);
    EXPECT_EQ(tlist().field(TracklistLayout::Path).text(), expected[11]);
    EXPECT_EQ(tlist().field(TracklistLayout::IndexTotal).text(), u"1/2"_s);
}

TEST_F(TracklistJukeboxTest, TheSettingsKeepTheRectangleWithoutTheDetailStrip) {
    {
        QSettings settings(QStringLiteral("Quillamo"), QStringLiteral("velorine"));
        settings.setValue("Settings/TlistX", 30);
        settings.setValue("Settings/TlistY", 40);
        settings.setValue("Settings/TlistsizeX", 310);
        settings.setValue("Settings/TlistsizeY", 400);
    }
    rig.start();
    EXPECT_EQ(tlist().size(), QSize(310, 400));
    QTest::keyClick(&wnd(), Qt::Key_T);
    tlist().ToggleDetails();
    EXPECT_EQ(tlist().height(), 454);
    ASSERT_TRUE(rig.closeWithControl());
    QSettings settings(QStringLiteral("Quillamo"), QStringLiteral("velorine"));
    EXPECT_EQ(settings.value("Settings/TlistsizeX").toInt(), 310);
    EXPECT_EQ(settings.value("Settings/TlistsizeY").toInt(), 400);
}

}  // namespace
