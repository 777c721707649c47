// The working list across runs of the whole jukebox: files dropped and never
// saved come back after the close control and after a signal, with the current
// track at its place and the title marked, while the user's tracklist file is
// written only by Save; Open/New over unsaved changes asks first; a session of
// another list, or a damaged one, leaves the start as it always was.
#include <gtest/gtest.h>

#include <QTest>

#include "jukebox/common/utf16_file.h"
#include "jukebox/session/session_file.h"
#include "jukebox/session/tracklist_session.h"
#include "jukebox/shell/command_ids.h"
#include "jukebox/tracklist_window/tracklist_commands.h"
#include "jukebox/tracklist_window/tracklist_wnd.h"
#include "tests/jukebox/playback/test_media.h"
#include "tests/jukebox/shell/jukebox_rig.h"

namespace {

using namespace Qt::StringLiterals;

constexpr int kWaitMs = 10000;
const QString kQuestion = u"The tracklist has unsaved changes. Save them first?"_s;

class SessionJukeboxTest : public testing::Test {
protected:
    TracklistStore& store() { return rig.app().tracklist(); }
    CTracklistWnd& tlist() { return rig.app().tracklistWindow(); }
    QStringList storePaths() { return store().paths(); }
    // A silent track long enough to stop in the middle of.
    QString track(const char* name) {
        std::filesystem::create_directories(rig.folder() / "music");
        writeFileBytes(rig.folder() / "music" / name, silentWavBytes(10));
        return QString::fromStdString((rig.folder() / "music" / name).string());
    }
    std::string fileBytes(const char* name) { return readFileBytes(rig.folder() / name); }

    JukeboxRig rig;
};

TEST_F(SessionJukeboxTest, DroppedFilesComeBackAfterTheCloseControlAndASignalUntilSaved) {
    const QString old = track("old.wav");
    ASSERT_TRUE(WriteUtf16Lines(rig.path("default.trk"), {old}));
    const std::string listFile = fileBytes("default.trk");
    const QStringList dropped = {track("a.wav"), track("b.wav"), track("c.wav")};
    rig.start();
    rig.drop(dropped);
    ASSERT_EQ(store().currentIndex(), 1);
    rig.click(ControlId::Play);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return rig.app().engine().GetPositionMs() >= 1500; }, kWaitMs));
    ASSERT_TRUE(rig.closeWithControl());
    EXPECT_EQ(fileBytes("default.trk"), listFile);

    rig.restart();
    EXPECT_EQ(storePaths(), QStringList({old}) + dropped);
    EXPECT_EQ(tlist().windowTitle(), u"Tracklist - default.trk *"_s);
    EXPECT_EQ(store().currentIndex(), 1);
    // Open where it was, waiting for Play.
    EXPECT_TRUE(rig.app().engine().HasGraph());
    EXPECT_EQ(rig.window().transport().mode(), Transport::Mode::Stopped);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return rig.app().engine().GetPositionMs() >= 1500; }, kWaitMs))
        << rig.app().engine().GetPositionMs();
    EXPECT_LT(rig.app().engine().GetPositionMs(), 9000);
    EXPECT_TRUE(rig.ui.messages.isEmpty()) << rig.ui.messages.join(u'|').toStdString();

    const QString more = track("d.wav");
    rig.drop({more});
    rig.app().RequestCloseBySignal();
    ASSERT_TRUE(rig.app().closed());
    EXPECT_EQ(fileBytes("default.trk"), listFile);

    rig.restart();
    EXPECT_EQ(storePaths(), QStringList({old}) + dropped + QStringList({more}));
    EXPECT_EQ(tlist().windowTitle(), u"Tracklist - default.trk *"_s);
    EXPECT_EQ(store().currentIndex(), 4);
    tlist().OnCommand(TracklistCommand::Save);
    EXPECT_EQ(tlist().windowTitle(), u"Tracklist - default.trk"_s);
    ASSERT_TRUE(rig.closeWithControl());
    QString saved;
    ASSERT_EQ(ReadUtf16File(rig.path("default.trk"), saved), Utf16FileStatus::Ok);
    EXPECT_EQ(saved,
              (QStringList({old}) + dropped + QStringList({more})).join(u"\r\n"_s) + u"\r\n"_s);

    // Saved: the next start reads the file, and still goes on with the track.
    rig.restart();
    EXPECT_EQ(tlist().windowTitle(), u"Tracklist - default.trk"_s);
    EXPECT_EQ(store().EntryCount(), 5);
    EXPECT_EQ(store().currentIndex(), 4);
}

TEST_F(SessionJukeboxTest, OpenNewOverUnsavedChangesAsksAndEachAnswerDoesWhatItSays) {
    const QString old = track("old.wav");
    const QString other = track("other.wav");
    ASSERT_TRUE(WriteUtf16Lines(rig.path("default.trk"), {old}));
    ASSERT_TRUE(WriteUtf16Lines(rig.path("other.trk"), {other}));
    const std::string listFile = fileBytes("default.trk");
    rig.start();
    const QString added = track("added.wav");
    rig.drop({added});
    const QStringList changed = {old, added};
    ASSERT_EQ(storePaths(), changed);

    rig.ui.answers = {UiService::Answer::Cancel};
    tlist().OnCommand(TracklistCommand::OpenNew);
    EXPECT_EQ(rig.ui.questions, QStringList{kQuestion});
    EXPECT_TRUE(rig.ui.openFolders.isEmpty()) << "no file dialog";
    EXPECT_EQ(storePaths(), changed);

    {
        FileSizeLimit full(8);  // the save fails: the list stays
        rig.ui.answers = {UiService::Answer::Yes};
        tlist().OnCommand(TracklistCommand::OpenNew);
    }
    EXPECT_EQ(rig.ui.questions.size(), 2);
    EXPECT_EQ(rig.ui.messages, QStringList{u"Cannot save tracklist"_s});
    EXPECT_TRUE(rig.ui.openFolders.isEmpty());
    EXPECT_EQ(storePaths(), changed);
    EXPECT_EQ(fileBytes("default.trk"), listFile);

    rig.ui.answers = {UiService::Answer::No};
    rig.ui.openAnswers = {{rig.path("other.trk")}};
    tlist().OnCommand(TracklistCommand::OpenNew);
    EXPECT_EQ(storePaths(), QStringList{other});
    EXPECT_EQ(tlist().windowTitle(), u"Tracklist - other.trk"_s);
    EXPECT_EQ(fileBytes("default.trk"), listFile);

    // Nothing unsaved: nothing asked.
    rig.ui.openAnswers = {{rig.path("default.trk")}};
    tlist().OnCommand(TracklistCommand::OpenNew);
    EXPECT_EQ(rig.ui.questions.size(), 3);
    EXPECT_EQ(storePaths(), QStringList{old});

    rig.drop({added});
    rig.ui.answers = {UiService::Answer::Yes};
    rig.ui.openAnswers = {{rig.path("other.trk")}};
    tlist().OnCommand(TracklistCommand::OpenNew);
    EXPECT_EQ(rig.ui.questions.size(), 4);
    EXPECT_EQ(storePaths(), QStringList{other});
    QString saved;
    ASSERT_EQ(ReadUtf16File(rig.path("default.trk"), saved), Utf16FileStatus::Ok);
    EXPECT_EQ(saved, changed.join(u"\r\n"_s) + u"\r\n"_s);
}

TEST_F(SessionJukeboxTest, ASessionOfAnotherListOrADamagedOneLeavesTheStartAsItWas) {
    const QString old = track("old.wav");
    ASSERT_TRUE(WriteUtf16Lines(rig.path("default.trk"), {old}));
    SessionState foreign;
    foreign.listPath = u"other.trk"_s;
    foreign.modified = true;
    foreign.currentIndex = 0;
    foreign.paths = {track("foreign.wav")};
    ASSERT_TRUE(WriteSessionFile(rig.path(TracklistSession::kFileName), foreign));
    rig.start();
    EXPECT_EQ(storePaths(), QStringList{old});
    EXPECT_EQ(tlist().windowTitle(), u"Tracklist - default.trk"_s);
    EXPECT_EQ(store().currentIndex(), -1);
    EXPECT_FALSE(rig.app().engine().HasGraph());
    ASSERT_TRUE(rig.closeWithControl());

    writeFileBytes(rig.folder() / TracklistSession::kFileName,
                   std::string("\xFF\xFE;Velorine session 1\r", 22));
    rig.restart();
    EXPECT_EQ(storePaths(), QStringList{old});
    EXPECT_EQ(tlist().windowTitle(), u"Tracklist - default.trk"_s);
    EXPECT_TRUE(rig.ui.messages.isEmpty()) << rig.ui.messages.join(u'|').toStdString();
}

}  // namespace
