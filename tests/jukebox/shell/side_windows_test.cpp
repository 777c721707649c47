// The cover and dictionary windows beside the running jukebox: the Cover and
// Dictionary commands, the cover of each track opened with the transport's
// texts over it, names given in the dictionary reaching the tracklist, the
// question about unsaved dictionary changes when the program closes, and
// where the windows around the face open and which open again.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include "jukebox/cover_window/cover_wnd.h"
#include "jukebox/dictionary_window/dictionary_wnd.h"
#include "jukebox/shell/command_ids.h"
#include "jukebox/shell/skin_button.h"
#include "jukebox/tracklist_window/tracklist_wnd.h"
#include "jukebox/video_window/video_wnd.h"
#include "tests/jukebox/playback/test_media.h"
#include "tests/jukebox/shell/jukebox_rig.h"

namespace {

constexpr int kWaitMs = 10000;

QString qpath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

class SideWindowsTest : public testing::Test {
protected:
    static void SetUpTestSuite() { testMedia(); }

    CVelorineWnd& wnd() { return rig.window(); }
    CCoverWnd& cover() { return rig.app().coverWindow(); }
    CDictionaryWnd& dictionary() { return rig.app().dictionaryWindow(); }
    CTracklistWnd& tracklist() { return rig.app().tracklistWindow(); }
    bool buttonOn(int id) { return wnd().controls().button(id)->isOn(); }
    void key(Qt::Key key) { QTest::keyClick(&wnd(), key); }
    // The close control, and the question it brings while rows are unsaved.
    bool closeAndAnswer(UiService::Answer answer) {
        rig.ui.answers.push_back(answer);
        const qsizetype asked = rig.ui.questions.size();
        rig.click(ControlId::Close);
        return QTest::qWaitFor([&] { return rig.ui.questions.size() > asked; }, kWaitMs);
    }

    JukeboxRig rig;
    const TestMedia& media = testMedia();
};

TEST_F(SideWindowsTest, TheCoverFollowsTheTrackShowsTheTransportsTextsAndKeepsItsPlace) {
    rig.start();
    const auto album = rig.folder() / "album";
    copyMedia(media.mp3Xing, album, "01.mp3");
    QImage picture(500, 100, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(qpath(album / "Cover.JPG"), "JPEG"));
    rig.drop({qpath(album)});
    EXPECT_TRUE(cover().hasPicture());
    EXPECT_TRUE(cover().picturePath().endsWith(QStringLiteral("Cover.JPG")));

    // Hidden, the cover drops the texts; shown, it carries them.
    rig.click(ControlId::Play);
    EXPECT_FALSE(cover().statusText().shown());
    key(Qt::Key_C);
    EXPECT_TRUE(cover().IsCoverVisible());
    EXPECT_TRUE(buttonOn(ControlId::Cover));
    key(Qt::Key_L);
    EXPECT_EQ(cover().statusText().text(), QStringLiteral("Loop: On"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !cover().statusText().shown(); }, kWaitMs));

    // A track in a folder without a cover leaves the window empty.
    rig.drop({copyMedia(media.ogg, rig.folder() / "bare", "02.ogg")});
    EXPECT_EQ(rig.app().tracklist().currentIndex(), 1);
    EXPECT_FALSE(cover().hasPicture());

    cover().move(200, 150);
    rig.click(ControlId::Cover);
    EXPECT_FALSE(cover().IsCoverVisible());
    EXPECT_FALSE(buttonOn(ControlId::Cover));
    ASSERT_TRUE(rig.closeWithControl());
    EXPECT_TRUE(rig.ui.questions.isEmpty());  // nothing unsaved, nothing asked
    QSettings stored(JukeboxRig::settingsFile(), QSettings::IniFormat);
    EXPECT_EQ(stored.value(QStringLiteral("Settings/CoverX")).toInt(), 200);
    EXPECT_EQ(stored.value(QStringLiteral("Settings/CoverY")).toInt(), 150);
}

// A name given in the dictionary shows in the tracklist at once; closing with
// it unsaved asks first: Cancel keeps the program, No leaves the file alone.
TEST_F(SideWindowsTest, DictionaryNamesReachTheTracklistAndUnsavedOnesAreAskedAboutAtClose) {
    rig.start();
    // A WAV carries no tag, whose texts would go before the dictionary's.
    const QString clip = copyMedia(media.wav, rig.folder() / "clips", "clip.wav");
    rig.drop({clip});
    key(Qt::Key_D);
    EXPECT_TRUE(dictionary().shownOrShowing());
    EXPECT_TRUE(buttonOn(ControlId::Dict));

    DictionaryStore& rows = rig.app().dictionary();
    ASSERT_EQ(rows.AddToDictionary(clip), 1);
    rows.setText(0, ColumnDisplay, QStringLiteral("月亮代表我的心"));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return rig.app().tracklist().EntryAt(0).name == QStringLiteral("月亮代表我的心"); },
        kWaitMs));
    EXPECT_EQ(rig.app().tracklist().EntryAt(0).mappingKind, MappingDictionary);
    EXPECT_TRUE(dictionary().isWindowModified());

    ASSERT_TRUE(closeAndAnswer(UiService::Answer::Cancel));
    QTest::qWait(100);
    EXPECT_FALSE(rig.app().closed());
    EXPECT_TRUE(wnd().isVisible());

    ASSERT_TRUE(closeAndAnswer(UiService::Answer::No));
    EXPECT_TRUE(QTest::qWaitFor([&] { return rig.app().closed(); }, kWaitMs));
    EXPECT_EQ(std::filesystem::file_size(rig.folder() / "default.dic"), 0u);
}

TEST_F(SideWindowsTest, YesAtCloseSavesTheDictionary) {
    rig.start();
    ASSERT_EQ(rig.app().dictionary().AddToDictionary(rig.path("song.avi")), 1);
    ASSERT_TRUE(closeAndAnswer(UiService::Answer::Yes));
    EXPECT_TRUE(QTest::qWaitFor([&] { return rig.app().closed(); }, kWaitMs));
    // The mark and seven CR LF lines: the name twice, five empty texts.
    const QString text = QStringLiteral("\uFEFFsong.avi\r\nsong.avi\r\n\r\n\r\n\r\n\r\n\r\n");
    EXPECT_EQ(readFileBytes(rig.folder() / "default.dic"),
              std::string(reinterpret_cast<const char*>(text.utf16()), text.size() * 2));
}

// Without stored places every window opens beside the face, on its screen: a
// click on the face's buttons never lands on one of them. The windows open at
// the close open again at the next start, where they were.
TEST_F(SideWindowsTest, AFirstStartOpensEveryWindowBesideTheFaceAndTheNextStartReopensThem) {
    rig.start();
    key(Qt::Key_T);
    key(Qt::Key_C);
    key(Qt::Key_D);
    QRect sheet;
    QTimer::singleShot(0, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            sheet = dialog->frameGeometry();
            dialog->reject();
        }
    });
    wnd().OnCommand(ControlId::Options);
    tracklist().FinishFade();
    dictionary().FinishFade();
    cover().FinishFade();
    const QRect face = wnd().frameGeometry();
    const QRect screen = wnd().screen()->availableGeometry();
    // Once the frames are known, the list is as wide as the face, right below it.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return tracklist().frameGeometry() == QRect(face.left(), face.bottom() + 1,
                                                        face.width(),
                                                        tracklist().frameGeometry().height());
        },
        kWaitMs))
        << tracklist().frameGeometry().x() << ',' << tracklist().frameGeometry().y() << ' '
        << tracklist().frameGeometry().width();
    ASSERT_FALSE(sheet.isEmpty());
    const QList<QRect> frames{tracklist().frameGeometry(), cover().frameGeometry(),
                              dictionary().frameGeometry(), sheet};
    for (const QRect& frame : frames) {
        EXPECT_TRUE(screen.contains(frame)) << frame.x() << ',' << frame.y();
        EXPECT_FALSE(frame.intersects(face)) << frame.x() << ',' << frame.y();
    }
    EXPECT_TRUE(tracklist().isVisible() && cover().isVisible() && dictionary().isVisible());

    // Closed with the list and the cover open and the dictionary closed.
    key(Qt::Key_D);
    dictionary().FinishFade();
    const QRect listFrame = tracklist().frameGeometry();
    const QRect coverFrame = cover().frameGeometry();
    ASSERT_TRUE(rig.closeWithControl());
    rig.restart();
    EXPECT_TRUE(tracklist().shownOrShowing());
    EXPECT_TRUE(buttonOn(ControlId::Tlist));
    EXPECT_TRUE(cover().IsCoverVisible());
    EXPECT_TRUE(buttonOn(ControlId::Cover));
    EXPECT_FALSE(dictionary().shownOrShowing());
    EXPECT_FALSE(buttonOn(ControlId::Dict));
    EXPECT_FALSE(rig.app().videoWindow().isVisible());
    tracklist().FinishFade();
    EXPECT_EQ(tracklist().frameGeometry(), listFrame);
    EXPECT_EQ(cover().frameGeometry(), coverFrame);

    // Started minimized, they open when the jukebox comes back.
    ASSERT_TRUE(rig.closeWithControl());
    CommandLine minimized;
    minimized.minimized = true;
    rig.restart(minimized);
    EXPECT_FALSE(tracklist().shownOrShowing());
    wnd().OnCommand(ControlId::Mini);
    EXPECT_TRUE(tracklist().shownOrShowing());
    EXPECT_TRUE(cover().IsCoverVisible());
}

// A stored place is used as it is, even over the face (the user put it there).
TEST_F(SideWindowsTest, StoredPlacesAreUsedAsTheyAre) {
    AppSettings stored;
    stored.tlistPos = {40, 30};
    stored.coverPos = {300, 60};
    stored.dictPos = {20, 100};
    stored.tlistShown = stored.coverShown = stored.dictShown = true;
    SaveAppSettings(stored);
    rig.start();
    tracklist().FinishFade();
    dictionary().FinishFade();
    EXPECT_EQ(tracklist().pos(), QPoint(40, 30));
    EXPECT_EQ(cover().pos(), QPoint(300, 60));
    EXPECT_EQ(dictionary().pos(), QPoint(20, 100));
    EXPECT_EQ(tracklist().size(), QSize(275, 375));
}

}  // namespace
