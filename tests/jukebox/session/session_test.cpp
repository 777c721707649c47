// The session file and its keeper over a real store: what is written comes
// back exactly, anything less than a whole file is refused, the file follows
// the list a moment after each change and never while the start-up load runs,
// unsaved changes come back marked, and the user's tracklist file is never
// written but by Save.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>

#include "jukebox/common/utf16_file.h"
#include "jukebox/session/session_file.h"
#include "jukebox/session/tracklist_session.h"
#include "tests/jukebox/tracklist/tracklist_fixture.h"

namespace {

using namespace Qt::StringLiterals;

bool operator==(const SessionState& a, const SessionState& b) {
    return a.listPath == b.listPath && a.modified == b.modified &&
           a.currentIndex == b.currentIndex && a.positionMs == b.positionMs && a.paths == b.paths;
}

SessionState sampleState(const QString& listPath) {
    SessionState state;
    state.listPath = listPath;
    state.modified = true;
    state.currentIndex = 2;
    state.positionMs = 12345;
    state.paths = {u"/music/a.mp3"_s,
                   u";not a comment.mp3"_s,
                   QString(300, u'x') + u".wav"_s,
                   u"rel/b \\ c.wav"_s,
                   QStringLiteral("/m/\xDC80\xDCFF.mp3"),  // bytes not UTF-8
                   QString(),
                   u"/m/\U0001F3B5.mp3"_s};
    return state;
}

TEST(SessionFileTest, WhatIsWrittenComesBackExactlyAndStillOpensAsATracklist) {
    TempDir dir;
    const QString file = QString::fromStdString((dir / "session.trk").string());
    // A list name may hold line breaks and backslashes.
    const SessionState state = sampleState(u"/lists/odd\nname\\r.trk"_s);
    ASSERT_TRUE(WriteSessionFile(file, state));
    SessionState back;
    ASSERT_EQ(ReadSessionFile(file, back), SessionRead::Ok);
    EXPECT_TRUE(back == state);

    SessionState empty;
    empty.listPath = u"default.trk"_s;
    ASSERT_TRUE(WriteSessionFile(file, empty));
    ASSERT_EQ(ReadSessionFile(file, back), SessionRead::Ok);
    EXPECT_TRUE(back == empty);

    // A path with a line break (the list refuses them) cannot split the file.
    SessionState broken = empty;
    broken.paths = {u"a\nb\r.mp3"_s, u"c.mp3"_s};
    ASSERT_TRUE(WriteSessionFile(file, broken));
    ASSERT_EQ(ReadSessionFile(file, back), SessionRead::Ok);
    EXPECT_EQ(back.paths, QStringList({u"a\uFFFDb\uFFFD.mp3"_s, u"c.mp3"_s}));

    // The tracklist reader skips the facts and takes the paths.
    SessionState plain;
    plain.listPath = u"default.trk"_s;
    plain.paths = {u"/m/one.mp3"_s, u"/m/two.wav"_s};
    ASSERT_TRUE(WriteSessionFile(file, plain));
    QString text;
    ASSERT_EQ(ReadUtf16File(file, text), Utf16FileStatus::Ok);
    EXPECT_TRUE(text.endsWith(u"\r\n/m/one.mp3\r\n/m/two.wav\r\n"_s));
    for (const QString& line : text.split(u"\r\n"_s).mid(0, 6)) {
        EXPECT_TRUE(line.startsWith(u';')) << line.toStdString();
    }
}

TEST(SessionFileTest, AnythingLessThanTheWholeFileIsRefused) {
    TempDir dir;
    const QString file = QString::fromStdString((dir / "session.trk").string());
    SessionState state;
    EXPECT_EQ(ReadSessionFile(file, state), SessionRead::Missing);

    ASSERT_TRUE(WriteSessionFile(file, sampleState(u"default.trk"_s)));
    const std::string whole = readFileBytes(dir / "session.trk");
    // Every shorter piece of it, as a write cut off or a disk gone bad leaves.
    for (std::size_t size = 0; size < whole.size(); size += 2) {
        writeFileBytes(dir / "session.trk", whole.substr(0, size));
        EXPECT_EQ(ReadSessionFile(file, state), SessionRead::Damaged) << size;
        EXPECT_TRUE(state.paths.isEmpty());
        EXPECT_TRUE(state.listPath.isEmpty());
    }
    const auto damaged = [&](const QString& from, const QString& to) {
        QString text;
        EXPECT_EQ(ReadUtf16File(file, text), Utf16FileStatus::Ok);
        text.replace(from, to);
        WriteUtf16Lines(file, text.chopped(2).split(u"\r\n"_s));
        return ReadSessionFile(file, state);
    };
    const std::pair<QString, QString> edits[] = {
        {u";entries=7"_s, u";entries=8"_s},        {u";entries=7"_s, u";entries=6"_s},
        {u";modified=1"_s, u";modified=2"_s},      {u";current=2"_s, u";current=-2"_s},
        {u";position=12345"_s, u";position=-1"_s}, {u";position=12345"_s, u";position=x"_s},
        {u"session 1"_s, u"session 2"_s},          {u";list=default"_s, u";list=\\q"_s},
        {u";modified=1\r\n"_s, QString()}};
    for (const auto& [from, to] : edits) {
        writeFileBytes(dir / "session.trk", whole);
        EXPECT_EQ(damaged(from, to), SessionRead::Damaged) << to.toStdString();
    }
    writeFileBytes(dir / "session.trk", "\xFE\xFF");
    EXPECT_EQ(ReadSessionFile(file, state), SessionRead::Damaged);
}

class TracklistSessionTest : public TracklistTest {
protected:
    TracklistSessionTest() { list = writeTracklist("default.trk", {path("music/old.mp3")}); }

    QString sessionFile() const { return path(TracklistSession::kFileName); }
    SessionState readSession() const {
        SessionState state;
        ReadSessionFile(sessionFile(), state);
        return state;
    }
    // A list long enough for its session write to serve events between blocks.
    void appendGoneFiles(int count) {
        QStringList many;
        for (int i = 0; i < count; ++i) {
            many.append(path("music/gone" + std::to_string(i) + ".mp3"));
        }
        appendEntries(many);
    }
    // Waits until the session file holds count paths.
    bool waitForSession(int count, int ms = 5000) const {
        return QTest::qWaitFor([&] { return readSession().paths.size() == count; }, ms);
    }

    QString list;
    int positionMs = 0;
    TracklistSession session{store, QString::fromStdString(dir.path().string()),
                             [this] { return positionMs; }};
};

TEST_F(TracklistSessionTest, ChangesAreWrittenAMomentAfterAndTheListFileOnlyBySave) {
    writeMp3("music/old.mp3");
    const QString added = writeMp3("music/new.mp3");
    const std::string before = readFileBytes(dir / "default.trk");
    // Before the start-up load has ended nothing is written.
    store.AddPath(added);
    EXPECT_FALSE(session.Flush());

    session.LoadAtStart();
    EXPECT_EQ(storePaths(), QStringList{path("music/old.mp3")});
    EXPECT_FALSE(store.hasUnsavedChanges());
    ASSERT_TRUE(waitForSession(1));
    EXPECT_FALSE(readSession().modified);

    QElapsedTimer since;
    since.start();
    store.AddDroppedFiles({added});
    ASSERT_TRUE(waitForSession(2));
    EXPECT_GE(since.elapsed(), TracklistSession::kQuietMs - 50);
    EXPECT_TRUE(readSession().modified);

    // Changes that never stop are written all the same, by the latest time.
    const std::string written = readFileBytes(dir / TracklistSession::kFileName);
    since.restart();
    while (readFileBytes(dir / TracklistSession::kFileName) == written &&
           since.elapsed() < 4 * TracklistSession::kLatestMs) {
        store.AddPath(path("music/gone" + std::to_string(since.elapsed()) + ".mp3"));
        QTest::qWait(100);
    }
    EXPECT_GE(since.elapsed(), TracklistSession::kLatestMs - 100);
    EXPECT_LT(since.elapsed(), TracklistSession::kLatestMs + 500);

    // A sort is an unsaved change though the title is left unmarked.
    store.RemoveEntries(2, store.EntryCount());
    EXPECT_EQ(readFileBytes(dir / "default.trk"), before);
    ASSERT_TRUE(store.SaveTracklist());
    store.SortByKey(SortKey::Fullpath);
    ASSERT_TRUE(store.hasUnsavedChanges());
    EXPECT_FALSE(store.modified());
    positionMs = 777;
    store.SetCurrent(1);
    ASSERT_TRUE(session.Flush());
    EXPECT_FALSE(session.writePending());
    const SessionState last = readSession();
    EXPECT_TRUE(last.modified);
    EXPECT_EQ(last.currentIndex, 1);
    EXPECT_EQ(last.positionMs, 777);
    EXPECT_EQ(last.paths, storePaths());
    EXPECT_EQ(readFileBytes(dir / "default.trk"),
              "\xFF\xFE" + utf16Bytes(path("music/old.mp3") + u"\r\n"_s + added + u"\r\n"_s));
}

// A long list is written with events served. A close that flushes meanwhile
// writes the list as it is then, and the write under way gives way: it never
// puts back the older list it began with.
TEST_F(TracklistSessionTest, AWriteServingEventsGivesWayToAFlushMadeMeanwhile) {
    session.LoadAtStart();
    ASSERT_TRUE(waitForSession(1));
    appendGoneFiles(40000);
    int pumps = 0;
    bool flushed = false;
    session.setEventPump([&] {
        if (++pumps == 2) {
            store.AppendEntry(TrackEntry{});  // a change the write began without
            flushed = session.Flush();
        }
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return pumps >= 2; }, 5000));
    EXPECT_TRUE(flushed);
    const SessionState written = readSession();
    EXPECT_EQ(written.paths.size(), 40002);
    EXPECT_EQ(written.paths, storePaths());
    EXPECT_FALSE(session.writePending());
    for (const auto& item : std::filesystem::directory_iterator(dir.path())) {
        EXPECT_FALSE(item.path().filename().string().ends_with(".tmp")) << item.path();
    }
}

TEST_F(TracklistSessionTest, AnEditWhileAWriteServesEventsEndsItAndTheNextWriteHasTheEdit) {
    session.LoadAtStart();
    ASSERT_TRUE(waitForSession(1));
    appendGoneFiles(40000);
    int pumps = 0;
    session.setEventPump([&] {
        if (++pumps == 2) {
            // The paths are read from the list itself: the edit (which may move
            // them all) must end the walk, not be read half-made.
            for (int i = 0; i < 5000; ++i) {
                TrackEntry added;
                added.path = path("music/new" + std::to_string(i) + ".mp3");
                store.AppendEntry(added);
            }
        }
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return pumps >= 2; }, 5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return readSession().paths.size() == 45001; }, 10000));
    session.setEventPump(nullptr);
    EXPECT_EQ(readSession().paths, storePaths());
    for (const auto& item : std::filesystem::directory_iterator(dir.path())) {
        EXPECT_FALSE(item.path().filename().string().ends_with(".tmp")) << item.path();
    }
}

TEST_F(TracklistSessionTest, UnsavedChangesComeBackMarkedAndTheCurrentTrackIsFoundByItsPath) {
    const QString a = writeMp3("music/a.mp3");
    const QString b = writeMp3("music/b.mp3");
    SessionState saved;
    saved.listPath = list;
    saved.modified = true;
    saved.currentIndex = 3;
    saved.positionMs = 4000;
    // The notes are no longer taken (not media): the current track is found
    // again by its path. old.mp3 is gone and joins as a missing file.
    const QString notes = writeFile("music/notes.txt");
    saved.paths = {notes, path("music/old.mp3"), a, b};
    ASSERT_TRUE(WriteSessionFile(sessionFile(), saved));
    const std::string before = readFileBytes(dir / "default.trk");

    session.LoadAtStart();
    EXPECT_EQ(storePaths(), saved.paths.mid(1));
    EXPECT_EQ(store.title(), u"Tracklist - default.trk *"_s);
    EXPECT_TRUE(store.hasUnsavedChanges());
    ASSERT_TRUE(session.ResumeCurrent());
    EXPECT_EQ(store.currentIndex(), 2);
    EXPECT_EQ(session.resumePositionMs(), 4000);
    EXPECT_FALSE(session.ResumeCurrent()) << "once";
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(u'|').toStdString();
    ASSERT_TRUE(session.Flush());
    EXPECT_EQ(readFileBytes(dir / "default.trk"), before);

    ASSERT_TRUE(store.SaveTracklist());
    ASSERT_TRUE(session.Flush());
    EXPECT_FALSE(readSession().modified);

    // A current track whose file is gone is current again, but not opened.
    saved.currentIndex = 1;
    ASSERT_TRUE(WriteSessionFile(sessionFile(), saved));
    TracklistStore again{ui, lists, record, tagPage, &dictionary};
    again.setTracklistPath(list);
    TracklistSession next{again, QString::fromStdString(dir.path().string()), {}};
    next.LoadAtStart();
    EXPECT_FALSE(next.ResumeCurrent());
    EXPECT_EQ(again.currentIndex(), 0);
    EXPECT_TRUE(again.modified());
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(u'|').toStdString();
}

TEST_F(TracklistSessionTest, ACloseDuringTheStartLoadLeavesTheSessionAsItWas) {
    SessionState saved;
    saved.listPath = list;
    saved.modified = true;
    for (int i = 0; i < 50; ++i) {
        saved.paths.append(path("missing/" + std::to_string(i) + ".mp3"));
    }
    ASSERT_TRUE(WriteSessionFile(sessionFile(), saved));
    const std::string before = readFileBytes(dir / TracklistSession::kFileName);
    int dispatches = 0;
    bool flushedDuringLoad = true;
    ui.onDispatch = [&] {
        if (++dispatches == 10) {
            flushedDuringLoad = session.Flush();  // the settings saved at once
            store.RequestAbort();                 // the close stops the load
        }
    };
    session.LoadAtStart();
    EXPECT_FALSE(flushedDuringLoad);
    EXPECT_LT(store.EntryCount(), 50);
    EXPECT_FALSE(session.Flush()) << "the close sequence after the step";
    EXPECT_EQ(readFileBytes(dir / TracklistSession::kFileName), before);
}

}  // namespace
