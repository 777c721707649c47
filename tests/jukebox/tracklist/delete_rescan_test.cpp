// Deleting and rescanning the selected lines.
#include <QFile>

#include "tests/jukebox/tracklist/tracklist_fixture.h"

namespace {

class DeleteRescanTest : public TracklistTest {
protected:
    void makeFive() {
        appendEntries({QStringLiteral("/0.mp3"), QStringLiteral("/1.mp3"), QStringLiteral("/2.mp3"),
                       QStringLiteral("/3.mp3"), QStringLiteral("/4.mp3")});
    }
};

TEST_F(DeleteRescanTest, DeletingSelectsTheLineThatTookTheFirstPlace) {
    struct Case {
        std::vector<int> selected;
        QStringList left;
        int selectedAfter;  // -1: no selection and no mark
    };
    const Case cases[] = {
        {{1, 2}, {QStringLiteral("/0.mp3"), QStringLiteral("/3.mp3"), QStringLiteral("/4.mp3")}, 1},
        {{4, 3}, {QStringLiteral("/0.mp3"), QStringLiteral("/1.mp3"), QStringLiteral("/2.mp3")}, 2},
        {{0, 2, 2, 4, 17, -1},  // repeats and lines that do not exist are ignored
         {QStringLiteral("/1.mp3"), QStringLiteral("/3.mp3")},
         0},
        {{0, 1, 2, 3, 4}, {}, -1},
    };
    for (const Case& c : cases) {
        store.RemoveEntries(0, store.EntryCount());
        observer.lines.clear();
        makeFive();
        observer.events.clear();
        store.DeleteSelected(c.selected);
        EXPECT_EQ(storePaths(), c.left);
        EXPECT_EQ(observer.lines, c.left);  // the window dropped the same lines
        if (c.selectedAfter >= 0) {
            EXPECT_EQ(observer.events.mid(1),
                      QStringList({QStringLiteral("select %1").arg(c.selectedAfter),
                                   QStringLiteral("title Tracklist - default.trk *")}));
        } else {
            EXPECT_EQ(observer.events.size(), 1);  // only the removal: the title stays
        }
    }
    observer.events.clear();
    store.DeleteSelected({});
    EXPECT_TRUE(observer.events.isEmpty());
}

TEST_F(DeleteRescanTest, DeleteKeepsTheCurrentTrackWhereverItMoved) {
    makeFive();
    store.setCurrentIndex(3);
    store.DeleteCommand({0, 1});
    EXPECT_EQ(store.currentIndex(), 1);
    EXPECT_EQ(store.EntryAt(-1).path, QStringLiteral("/3.mp3"));
    EXPECT_EQ(observer.events.mid(observer.events.size() - 2),
              QStringList({QStringLiteral("select 1"), QStringLiteral("details")}));

    store.DeleteCommand({1});  // the current track itself
    EXPECT_EQ(store.currentIndex(), -1);
}

TEST_F(DeleteRescanTest, EverySelectedLineCountsInLargeSelections) {
    QStringList paths;
    for (int i = 0; i < 50000; ++i) {
        paths.append(QStringLiteral("/m/%1.mp3").arg(i));
    }
    appendEntries(paths);
    std::vector<int> selected;
    for (int i = 0; i < 50000; ++i) {
        if (i % 5 != 0) {
            selected.push_back(i);  // 40,000 lines
        }
    }
    store.DeleteSelected(selected);
    ASSERT_EQ(store.EntryCount(), 10000);
    EXPECT_EQ(store.EntryAt(9999).path, QStringLiteral("/m/49995.mp3"));
    store.AddPath(QStringLiteral("/m/49999.mp3"));  // a missing file: joins again
    ASSERT_EQ(store.EntryCount(), 10001);

    // Rescanning 10,001 lines rebuilds the last one too.
    std::vector<int> all;
    for (int i = 0; i < store.EntryCount(); ++i) {
        all.push_back(i);
    }
    store.RescanSelected(all);
    EXPECT_EQ(observer.matching(QStringLiteral("replace")).size(), 10001);
    EXPECT_EQ(store.EntryAt(10000).artist, QStringLiteral("N/A"));
}

TEST_F(DeleteRescanTest, DuplicateTestFollowsDeletes) {
    QString a = writeMp3("a.mp3");
    QString b = writeMp3("b.mp3");
    store.AddPath(a);
    store.AddPath(b);
    store.DeleteSelected({0});
    EXPECT_TRUE(store.AddPath(a));  // deleted: may join again
    EXPECT_FALSE(store.AddPath(b));
    EXPECT_FALSE(store.AddPath(a));
    EXPECT_EQ(storePaths(), QStringList({b, a}));
    store.RescanSelected({0, 1});  // rebuilt entries keep their place in the index
    EXPECT_FALSE(store.AddPath(b));
    store.RemoveEntries(0, 5);  // a plain store edit: the window's lines are its own
    observer.lines.clear();
    EXPECT_TRUE(store.AddPath(b));
}

TEST_F(DeleteRescanTest, RescanRebuildsTheSelectedEntriesFromDisk) {
    QString kept = writeMp3("kept.mp3");
    QString gone = writeMp3("gone.mp3");
    store.AddPath(kept);
    store.AddPath(gone);
    ASSERT_EQ(store.EntryAt(1).playable, 1);
    QFile::remove(gone);
    tagPage.listFormat = QStringLiteral("%a|%n");
    observer.events.clear();
    store.RescanCommand({1});
    TrackEntry rebuilt = store.EntryAt(1);
    EXPECT_EQ(rebuilt.playable, 0);
    EXPECT_EQ(rebuilt.artist, QStringLiteral("N/A"));
    EXPECT_EQ(observer.events,
              QStringList({QStringLiteral("busy 1"), QStringLiteral("bits +2"),
                           QStringLiteral("popup 2"), QStringLiteral("replace 1 N/A|gone.mp3"),
                           QStringLiteral("bits -2"), QStringLiteral("popup 2"),
                           QStringLiteral("busy 0"), QStringLiteral("details")}));
    EXPECT_EQ(store.EntryAt(0).playable, 1);  // not selected, not rebuilt
}

TEST_F(DeleteRescanTest, AbortStopsARescan) {
    makeFive();
    ui.onDispatch = [&] {
        if (observer.matching(QStringLiteral("replace")).size() == 2) {
            store.RequestAbort();
        }
    };
    store.RescanSelected({0, 1, 2, 3, 4});
    EXPECT_EQ(observer.matching(QStringLiteral("replace")).size(), 2);
    EXPECT_EQ(store.EntryAt(1).artist, QStringLiteral("N/A"));
    EXPECT_TRUE(store.EntryAt(2).artist.isEmpty());
    EXPECT_FALSE(store.abortRequested());
}

}  // namespace
