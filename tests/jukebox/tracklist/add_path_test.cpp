// Adding paths, walking folders and drops.
#include <QFile>
#include <algorithm>

#include "tests/jukebox/tracklist/tracklist_fixture.h"

namespace {

using AddPathTest = TracklistTest;

TEST_F(AddPathTest, FilesJoinOnceByExactPathAndOnlyWhenTheyAreMedia) {
    QString lower = writeMp3("a.mp3");
    QString upper = writeMp3("A.MP3");
    QString text = writeFile("notes.txt");
    struct Step {
        QString path;
        bool handled;
        int countAfter;
    };
    const Step steps[] = {
        {lower, true, 1},
        {lower, false, 1},  // a duplicate
        {upper, true, 2},   // another case is another path
        {text, true, 2},    // handled, not added
        {path("."), false, 2},
        {path(".."), false, 2},
        {path("gone.mp3"), true, 3},  // missing files join every time
        {path("gone.mp3"), true, 4},
        {path("gone.txt"), true, 5},  // without an extension test
        {QString(), true, 6},         // an empty Insert
    };
    for (const Step& step : steps) {
        EXPECT_EQ(store.AddPath(step.path), step.handled) << step.path.toStdString();
        EXPECT_EQ(store.EntryCount(), step.countAfter) << step.path.toStdString();
    }
    EXPECT_EQ(store.EntryAt(2).playable, 0);
    EXPECT_EQ(store.EntryAt(2).artist, QStringLiteral("N/A"));
    TrackEntry empty = store.EntryAt(5);
    EXPECT_TRUE(empty.path.isEmpty() && empty.name.isEmpty());
    EXPECT_EQ(empty.artist, QStringLiteral("N/A"));
    // One line per entry, in the list format; details after each existing file.
    EXPECT_EQ(observer.lines.size(), 6);
    EXPECT_EQ(observer.lines[0], QStringLiteral(" - a.mp3"));
    EXPECT_EQ(observer.matching(QStringLiteral("details")).size(), 3);
    EXPECT_TRUE(observer.matching(QStringLiteral("title")).isEmpty());
}

TEST_F(AddPathTest, ListFormatIsReadAtTheMomentOfUse) {
    tagPage.listFormat = QStringLiteral("[%n]");
    store.AddPath(writeMp3("first.mp3"));
    tagPage.listFormat = QStringLiteral("%n!");
    store.AddPath(writeMp3("second.mp3"));
    EXPECT_EQ(observer.lines,
              QStringList({QStringLiteral("[first.mp3]"), QStringLiteral("second.mp3!")}));
}

TEST_F(AddPathTest, FolderWalkIsDepthFirstInNaturalOrderAndKeepsOnlyMedia) {
    // Written in an order of their own: the walk follows the names, not the disk.
    QStringList numbered(13);
    for (int n : {7, 2, 11, 1, 12, 5, 9, 3, 10, 6, 4, 8}) {
        numbered[n] = writeFile("music/" + std::to_string(n) + ".wav");
    }
    QString intro = writeFile("music/Intro.wav");
    QString deep = writeFile("music/CD 2/deeper/w.avi");
    QString two = writeFile("music/CD 2/02.wav");
    QString one = writeFile("music/CD 2/1.wav");
    QString bonus = writeMp3("music/bonus.mp3");
    writeFile("music/b.txt");
    QString hidden = writeFile("music/.hidden.mp3");
    EXPECT_TRUE(store.ScanFolder(path("music")));
    // Numbers by value, case ignored ("bonus", "CD 2", "Intro"), and each
    // subfolder walked at its place among the names.
    QStringList expected{hidden};
    expected << numbered.mid(1) << bonus << one << two << deep << intro;
    EXPECT_EQ(storePaths(), expected);
    // Joined with "/", a trailing separator kept as it is.
    store.AddPath(path("music/"));
    EXPECT_EQ(storePaths().value(expected.size() + 1), path("music//1.wav"));
    EXPECT_FALSE(store.ScanFolder(path("no-such-folder")));
}

TEST_F(AddPathTest, AbortStopsAWalkAtOnceAndIsSpentWhenItEnds) {
    for (int i = 0; i < 40; ++i) {
        writeFile("big/" + std::to_string(i) + ".wav");
    }
    ui.onDispatch = [&] {
        if (store.EntryCount() == 7) {
            store.RequestAbort();
        }
    };
    EXPECT_TRUE(store.AddPath(path("big")));  // as Insert adds a folder
    EXPECT_EQ(store.EntryCount(), 7);         // what was added stays
    EXPECT_EQ(store.EntryAt(6).path, path("big/6.wav"));
    EXPECT_GE(ui.dispatchCount, 7);
    ui.onDispatch = nullptr;
    EXPECT_FALSE(store.abortRequested());
    EXPECT_TRUE(store.AddPath(writeMp3("later.mp3")));
    EXPECT_EQ(store.EntryCount(), 8);

    // Abort with nothing running does nothing: the next Add, Insert or
    // command-line path is not refused.
    store.RequestAbort();
    EXPECT_FALSE(store.abortRequested());
    EXPECT_TRUE(store.AddPath(writeMp3("after.mp3")));
    EXPECT_TRUE(store.ScanFolder(path("big")));
    EXPECT_TRUE(store.AddCommandLinePath(writeMp3("named.mp3")));
    EXPECT_EQ(store.EntryCount(), 8 + 1 + 33 + 1);
}

TEST_F(AddPathTest, LinksBackUpTheWalkDoNotLoop) {
    QString a = writeMp3("top/a.mp3");
    QString b = writeMp3("top/mid/b.mp3");
    std::filesystem::create_directory_symlink(dir / "top", dir / "top/mid/up");
    std::filesystem::create_directory_symlink(dir / "top/mid", dir / "top/mid/self");
    std::filesystem::create_symlink(dir / "nowhere.mp3", dir / "top/dangling.mp3");
    std::filesystem::create_symlink(dir / "nowhere.txt", dir / "top/dangling.txt");
    store.AddPath(path("top"));
    QStringList paths = storePaths();
    paths.sort();
    // The dangling link is a name in the folder but not a file that can be played.
    EXPECT_EQ(paths, QStringList({a, path("top/dangling.mp3"), b}));
    EXPECT_EQ(store.EntryAt(storePaths().indexOf(path("top/dangling.mp3"))).playable, 0);
    // A link to a folder elsewhere is walked like the folder.
    QString other = writeMp3("elsewhere/o.mp3");
    std::filesystem::create_directory_symlink(dir / "elsewhere", dir / "top/link");
    store.AddPath(path("top"));
    EXPECT_TRUE(storePaths().contains(path("top/link/o.mp3")));
    EXPECT_FALSE(storePaths().contains(other));
}

TEST_F(AddPathTest, DropsAreAddedAndMarkTheTitleEvenWhenNothingJoins) {
    writeFile("drop/readme.txt");
    QString a = writeMp3("drop/a.mp3");
    store.AddDroppedFiles({path("drop/readme.txt")});
    EXPECT_EQ(store.EntryCount(), 0);
    EXPECT_EQ(observer.events,
              QStringList(
                  {QStringLiteral("busy 1"), QStringLiteral("bits +2"), QStringLiteral("popup 2"),
                   QStringLiteral("details"), QStringLiteral("bits -2"), QStringLiteral("popup 2"),
                   QStringLiteral("title Tracklist - default.trk *"), QStringLiteral("busy 0")}));
    // A dropped folder is walked; a name that cannot be read adds nothing.
    store.AddDroppedFiles({path("drop"), path("not-there.mp3")});
    EXPECT_EQ(storePaths(), QStringList({a}));
    EXPECT_EQ(store.currentIndex(), -1);  // only added: nothing becomes current
}

TEST_F(AddPathTest, DropsOnTheMainWindowMakeTheFirstNewEntryCurrentAndNeverLoseThePlace) {
    appendEntries({QStringLiteral("/x.mp3"), QStringLiteral("/y.mp3")});
    QString a = writeMp3("drop/a.mp3");
    EXPECT_TRUE(store.AddDroppedAsCurrent({a}));
    EXPECT_EQ(store.currentIndex(), 2);
    EXPECT_EQ(store.EntryAt(-1).path, a);
    EXPECT_TRUE(observer.events.contains(QStringLiteral("select 2")));

    // Nothing new: a file listed already becomes the current entry again, as
    // on the command line; so does the first listed file of a dropped folder.
    store.setCurrentIndex(0);
    EXPECT_TRUE(store.AddDroppedAsCurrent({a}));
    EXPECT_EQ(store.currentIndex(), 2);
    EXPECT_EQ(store.EntryCount(), 3);
    store.setCurrentIndex(1);
    EXPECT_TRUE(store.AddDroppedAsCurrent({path("drop")}));
    EXPECT_EQ(store.currentIndex(), 2);

    // Nothing playable at all: the current entry stays where it was.
    store.setCurrentIndex(1);
    EXPECT_FALSE(store.AddDroppedAsCurrent({writeFile("notes.txt")}));
    EXPECT_EQ(store.currentIndex(), 1);

    // A drop while busy (here during a load) is ignored and moves nothing.
    QString during = writeMp3("during.mp3");
    writeTracklist("default.trk", {QStringLiteral("/loaded.mp3")});
    bool dropped = false;
    ui.onDispatch = [&] {
        if (!dropped) {
            dropped = true;
            const int before = store.currentIndex();
            EXPECT_FALSE(store.AddDroppedAsCurrent({during}));
            EXPECT_EQ(store.currentIndex(), before);
        }
    };
    ASSERT_TRUE(store.LoadTracklist());
    EXPECT_TRUE(dropped);
    EXPECT_EQ(storePaths(), QStringList({QStringLiteral("/loaded.mp3")}));
}

TEST_F(AddPathTest, CommandLinePathBecomesCurrentWhenAccepted) {
    appendEntries({QStringLiteral("/x.mp3")});
    QString song = writeMp3("song.mp3");
    EXPECT_TRUE(store.AddCommandLinePath(song));
    EXPECT_EQ(store.currentIndex(), 1);
    EXPECT_EQ(store.EntryAt(-1).path, song);

    // Named again (opened from the desktop a second time): not added twice, and
    // it is the current entry again after the current one moved on.
    store.setCurrentIndex(0);
    EXPECT_TRUE(store.AddCommandLinePath(song));
    EXPECT_EQ(store.EntryCount(), 2);
    EXPECT_EQ(store.currentIndex(), 1);

    // Not a media file: accepted but not added, so current is past the end.
    EXPECT_TRUE(store.AddCommandLinePath(writeFile("doc.txt")));
    EXPECT_EQ(store.currentIndex(), 2);
    EXPECT_EQ(store.EntryAt(-1).name, QStringLiteral("Out of range"));
    EXPECT_TRUE(observer.matching(QStringLiteral("title")).isEmpty());
}

}  // namespace
