// The list of dropped MP3 files: which paths join it, its order, and what is
// selected after items are removed.
#include <gtest/gtest.h>

#include <QStringList>
#include <filesystem>

#include "batchtagger/batch_file_list.h"
#include "jukebox/common/natural_order.h"
#include "tests/support/temp_dir.h"

namespace {

class BatchFileListTest : public testing::Test {
protected:
    QString path(const std::string& relative) const {
        return QString::fromStdString((dir / relative).string());
    }
    QString touch(const std::string& relative) const {
        std::filesystem::create_directories((dir / relative).parent_path());
        writeFileBytes(dir / relative, "x");
        return path(relative);
    }
    QStringList expected(std::initializer_list<const char*> relatives) const {
        QStringList paths;
        for (const char* relative : relatives) {
            paths.append(path(relative));
        }
        return paths;
    }

    TempDir dir;
    BatchFileList list;
};

TEST_F(BatchFileListTest, AFolderGivesItsMp3FilesInNaturalOrder) {
    touch("drop/b.mp3");
    touch("drop/10 - y.mp3");
    touch("drop/a.MP3");
    touch("drop/c.wav");
    touch("drop/Sub/d.mp3");
    touch("drop/2 - x.mp3");
    touch("drop/Sub/e.Mp3");
    touch("drop/Sub 2/a.mp3");
    touch("drop/mp3");
    std::filesystem::create_directories(dir / "drop/empty.mp3");

    EXPECT_EQ(list.addPath(path("drop")), 7);
    // Numbers by value, case ignored, a folder's files before those of a
    // folder whose name goes on.
    EXPECT_EQ(list.paths(),
              expected({"drop/2 - x.mp3", "drop/10 - y.mp3", "drop/a.MP3", "drop/b.mp3",
                        "drop/Sub/d.mp3", "drop/Sub/e.Mp3", "drop/Sub 2/a.mp3"}));
    EXPECT_EQ(list.rowOf(path("DROP/SUB 2/A.MP3")), 6);

    // The same folder again, a file inside it and the sub-folder add nothing.
    EXPECT_EQ(list.addPaths({path("drop"), path("drop/b.mp3"), path("drop/Sub")}), 0);
    EXPECT_EQ(list.count(), 7);
}

TEST_F(BatchFileListTest, AFileIsLeftOutWhenAnItemBeginsWithItsPath) {
    QString longer = touch("m/Song.mp3.mp3");
    QString shorter = touch("m/song.MP3");
    QString other = touch("m/son.mp3");
    EXPECT_EQ(list.addPath(longer), 1);
    EXPECT_TRUE(list.holdsItemBeginningWith(path("M/SONG")));
    EXPECT_EQ(list.addPath(shorter), 0);
    EXPECT_EQ(list.addPath(other), 1);
    EXPECT_EQ(list.paths(), QStringList({other, longer}));
}

TEST_F(BatchFileListTest, DotNamesAndOtherExtensionsAreIgnored) {
    touch("f/a.mp3");
    EXPECT_EQ(list.addPaths({path("f/."), path("f/.."), touch("f/b.mp4"), touch("f/c.mp3.txt"),
                             touch("f/dmp3")}),
              0);
    EXPECT_EQ(list.count(), 0);
}

TEST_F(BatchFileListTest, AFolderLinkedFromBelowIsWalkedOnce) {
    touch("loop/a.mp3");
    touch("loop/inner/b.mp3");
    std::filesystem::create_directory_symlink(dir / "loop", dir / "loop/inner/back");
    EXPECT_EQ(list.addPath(path("loop")), 2);
    EXPECT_EQ(list.paths(), expected({"loop/a.mp3", "loop/inner/b.mp3"}));
}

TEST_F(BatchFileListTest, TenThousandFilesAreListedOnceEach) {
    std::filesystem::create_directories(dir / "many");
    for (int i = 9999; i >= 0; --i) {
        writeFileBytes(dir / "many" / ("t" + std::to_string(i) + ".mp3"), "");
    }
    EXPECT_EQ(list.addPath(path("many")), 10000);
    EXPECT_EQ(list.addPath(path("many")), 0);
    const QStringList& paths = list.paths();
    ASSERT_EQ(paths.size(), 10000);
    EXPECT_TRUE(std::is_sorted(paths.begin(), paths.end(), NaturalLess));
    EXPECT_EQ(list.rowOf(path("many/t0.mp3")), 0);
    EXPECT_EQ(list.rowOf(path("many/t10.mp3")), 10);
    EXPECT_EQ(list.rowOf(path("many/T9999.MP3")), 9999);
    EXPECT_EQ(list.rowOf(path("many/t10000.mp3")), -1);
}

TEST_F(BatchFileListTest, RemovingRowsTellsWhichRowToSelectNext) {
    struct Case {
        QList<int> remove;
        int nextRow;
        int remaining;
    };
    const Case cases[] = {
        {{1, 2}, 1, 3},            // the item after the removed ones moves up
        {{4}, 3, 4},               // past the end: the one before
        {{3, 4}, 2, 3},            //
        {{4, 0}, 0, 3},            // any order
        {{0, 1, 2, 3, 4}, -1, 0},  // nothing remains
        {{}, -1, 5},               // nothing removed
        {{7, -1}, -1, 5},          // rows out of range
    };
    for (const Case& c : cases) {
        BatchFileList files;
        for (const char* name : {"a", "b", "c", "d", "e"}) {
            files.addPath(path(std::string(name) + ".mp3"));
        }
        QStringList before = files.paths();
        EXPECT_EQ(files.removeRows(c.remove), c.nextRow) << c.remove.size();
        EXPECT_EQ(files.count(), c.remaining);
        for (int row : c.remove) {
            if (row >= 0 && row < before.size()) {
                EXPECT_EQ(files.rowOf(before[row]), -1);
            }
        }
    }
}

}  // namespace
