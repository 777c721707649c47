// The undo journal over real files, changed through the tag record as the tools
// change them.
#include "tagjournal/tag_journal.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "../taglib/id3v1_fixtures.h"
#include "taglib/tag_record.h"
#include "tests/support/temp_dir.h"

namespace {

class TagJournalTest : public testing::Test {
protected:
    std::filesystem::path file(const std::string& name, const std::string& bytes) {
        std::filesystem::path path = dir / name;
        writeFileBytes(path, bytes);
        return path;
    }
    // Opens path for writing with every change recorded into journal.
    bool open(TagRecord& record, const std::filesystem::path& path, TagJournal& journal) {
        record.accessMode = 3;
        record.beforeChange = journal.recorder();
        return record.open(u16(path.string()));
    }
    std::string folder() const { return (dir / "journal").string(); }

    TempDir dir;
};

TEST_F(TagJournalTest, UndoPutsBackEveryByteAfterTheProgramClosed) {
    const std::string tagged = audioBody() + RawBlock{"Old", "Artist", "", "1999", "", 13}.bytes();
    const std::string plain = audioBody(700);
    const std::string tiny = "\xFF\xFB tiny";  // shorter than a block
    auto over = file("over.mp3", tagged);
    auto appended = file("appended.mp3", plain);
    auto removed = file("removed.mp3", tagged);
    auto small = file("small.mp3", tiny);
    auto twice = file("twice.mp3", tagged);
    {
        TagJournal journal(folder());
        journal.beginRun("test");
        TagRecord record;
        for (const auto& path : {over, appended, small, twice}) {
            ASSERT_TRUE(open(record, path, journal));
            record.read();
            record.title = u"New title";
            ASSERT_TRUE(record.write());
            record.close();
        }
        ASSERT_TRUE(open(record, removed, journal));
        ASSERT_TRUE(record.removeTag());
        ASSERT_TRUE(open(record, twice, journal));  // a second change of one file
        ASSERT_TRUE(record.removeTag());
        record.close();
    }
    EXPECT_EQ(readFileBytes(appended).size(), plain.size() + 128);
    EXPECT_EQ(readFileBytes(removed).size(), tagged.size() - 128);
    EXPECT_EQ(readFileBytes(small).size(), tiny.size() + 128);

    TagJournal later(folder());
    std::vector<JournalRun> runs = later.runs();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].program, "test");
    EXPECT_EQ(runs[0].records.size(), 6u);
    EXPECT_EQ(runs[0].damagedLines, 0);
    EXPECT_TRUE(runs[0].records[0].change.hadTag);
    EXPECT_FALSE(runs[0].records[1].change.hadTag);

    UndoReport report = later.undoLastRun();
    ASSERT_TRUE(report.found);
    EXPECT_TRUE(report.complete());
    ASSERT_EQ(report.files.size(), 6u);
    EXPECT_EQ(report.files[0].path, twice.string());  // the latest change first
    for (const FileUndo& undone : report.files) {
        EXPECT_EQ(undone.result, UndoResult::Restored) << undone.path;
    }
    EXPECT_EQ(readFileBytes(over), tagged);
    EXPECT_EQ(readFileBytes(appended), plain);
    EXPECT_EQ(readFileBytes(removed), tagged);
    EXPECT_EQ(readFileBytes(small), tiny);
    EXPECT_EQ(readFileBytes(twice), tagged);
    // The run is spent: there is nothing more to undo.
    EXPECT_FALSE(TagJournal(folder()).undoLastRun().found);
}

TEST_F(TagJournalTest, AFileNamedRelativeToTheFolderOfTheRunIsFoundFromAnyOther) {
    const std::string tagged = audioBody() + RawBlock{"Old", "", "", "", "", 0}.bytes();
    file("relative.mp3", tagged);
    std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    {
        TagJournal journal(folder());
        journal.beginRun("test");
        TagRecord record;
        ASSERT_TRUE(open(record, "relative.mp3", journal));
        record.read();
        record.title = u"New";
        EXPECT_TRUE(record.write());
    }
    std::filesystem::current_path(before);
    UndoReport report = TagJournal(folder()).undoLastRun();
    ASSERT_EQ(report.files.size(), 1u);
    EXPECT_EQ(report.files[0].path, (dir / "relative.mp3").string());
    EXPECT_EQ(report.files[0].result, UndoResult::Restored);
    EXPECT_EQ(readFileBytes(dir / "relative.mp3"), tagged);
}

TEST_F(TagJournalTest, RefusesFilesChangedSinceAndCanBeTriedAgain) {
    const std::string tagged = audioBody() + RawBlock{"Old", "", "", "", "", 0}.bytes();
    auto kept = file("kept.mp3", tagged);
    auto edited = file("edited.mp3", tagged);
    auto grown = file("grown.mp3", tagged);
    auto gone = file("gone.mp3", tagged);
    TagJournal journal(folder());
    journal.beginRun("test");
    TagRecord record;
    for (const auto& path : {kept, edited, grown, gone}) {
        ASSERT_TRUE(open(record, path, journal));
        record.read();
        record.artist = u"Someone";
        ASSERT_TRUE(record.write());
        record.close();
    }
    journal.endRun();
    // Another tool changed two files since, a third is gone.
    std::string editedBytes = readFileBytes(edited);
    editedBytes.back() = 17;
    writeFileBytes(edited, editedBytes);
    std::string grownBytes = readFileBytes(grown) + "x";
    writeFileBytes(grown, grownBytes);
    std::filesystem::remove(gone);

    UndoReport report = journal.undoLastRun();
    ASSERT_EQ(report.files.size(), 4u);
    EXPECT_EQ(report.files[0].result, UndoResult::CannotOpen);
    EXPECT_EQ(report.files[1].result, UndoResult::ChangedSince);
    EXPECT_EQ(report.files[2].result, UndoResult::ChangedSince);
    EXPECT_EQ(report.files[3].result, UndoResult::Restored);
    EXPECT_FALSE(report.complete());
    EXPECT_EQ(readFileBytes(edited), editedBytes);
    EXPECT_EQ(readFileBytes(grown), grownBytes);
    EXPECT_EQ(readFileBytes(kept), tagged);

    // Not marked undone: once the files are sorted out it goes again, and the
    // file already put back says so.
    writeFileBytes(grown, grownBytes.substr(0, grownBytes.size() - 1));
    file("gone.mp3", tagged);
    report = journal.undoLastRun();
    EXPECT_EQ(report.files[0].result, UndoResult::AlreadyAsBefore);
    EXPECT_EQ(report.files[1].result, UndoResult::Restored);
    EXPECT_EQ(report.files[2].result, UndoResult::ChangedSince);
    EXPECT_EQ(report.files[3].result, UndoResult::AlreadyAsBefore);
    EXPECT_EQ(readFileBytes(grown), tagged);
}

TEST_F(TagJournalTest, TheRecordIsOnDiskBeforeTheFileChangesAndNoJournalNoChange) {
    const std::string tagged = audioBody() + RawBlock{"Old", "", "", "", "", 0}.bytes();
    auto path = file("a.mp3", tagged);
    TagJournal journal(folder());
    journal.beginRun("test");
    TagRecord record;
    ASSERT_TRUE(open(record, path, journal));
    bool seen = false;
    record.beforeChange = [&](const TagChange& change) {
        bool kept = journal.record(change);
        // What another process (an undo after a crash) would read now.
        std::vector<JournalRun> runs = TagJournal(folder()).runs();
        seen = runs.size() == 1 && runs[0].records.size() == 1 &&
               runs[0].records[0].change.tailBefore == tagged.substr(tagged.size() - 128) &&
               readFileBytes(path) == tagged;
        return kept;
    };
    record.read();
    record.title = u"New";
    EXPECT_TRUE(record.write());
    EXPECT_TRUE(seen);
    record.close();

    // A journal that cannot be written stops the change.
    auto blocked = file("blocked", "a file where the folder should be");
    TagJournal broken((blocked / "journal").string());
    broken.beginRun("test");
    ASSERT_TRUE(open(record, path, broken));
    std::string before = readFileBytes(path);
    record.read();
    record.title = u"Newer";
    EXPECT_FALSE(record.write());
    EXPECT_FALSE(record.removeTag());
    EXPECT_EQ(readFileBytes(path), before);
    EXPECT_NE(broken.lastError().find("cannot make the journal folder"), std::string::npos)
        << broken.lastError();
}

TEST_F(TagJournalTest, DamagedLinesAreSkippedAndTheRestStillUndoes) {
    const std::string tagged = audioBody() + RawBlock{"Old", "", "", "", "", 0}.bytes();
    auto first = file("first.mp3", tagged);
    auto second = file("second.mp3", tagged);
    {
        TagJournal journal(folder());
        journal.beginRun("test");
        TagRecord record;
        for (const auto& path : {first, second}) {
            ASSERT_TRUE(open(record, path, journal));
            record.read();
            record.title = u"New";
            ASSERT_TRUE(record.write());
            record.close();
        }
    }
    std::string name = TagJournal(folder()).runs().at(0).id;
    std::filesystem::path runFile = std::filesystem::path(folder()) / name;
    std::string text = readFileBytes(runFile);
    // Damage the first record's line (one byte of its checksummed body) and add a
    // record whose checksum holds but whose sizes could not come from a tag tool,
    // an endless line, binary junk and a line cut short.
    size_t firstRecord = text.find("\nfile ") + 1;
    text[firstRecord + 10] = text[firstRecord + 10] == '1' ? '2' : '1';
    std::string body = "file 1 " + std::string("2f78") + " 0 0  1000 " + std::string(256, 'a');
    text += body + " 00000000\n";
    text += std::string(1 << 20, 'x') + "\n";
    text += std::string("\0\1\2\3 \xFF\n", 7);
    text += "file 12 2f";
    writeFileBytes(runFile, text);
    // A file that is no run, and a run file that is all junk.
    file("journal/notes.txt", "hello");
    file("journal/00000000T000000.000000000Z-1.run", std::string(5000, '\0'));

    TagJournal journal(folder());
    std::vector<JournalRun> runs = journal.runs();
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_TRUE(runs[0].records.empty());
    EXPECT_EQ(runs[1].records.size(), 1u);
    EXPECT_EQ(runs[1].damagedLines, 5);
    EXPECT_EQ(runs[1].program, "test");

    UndoReport report = journal.undoLastRun();
    ASSERT_TRUE(report.found);
    EXPECT_EQ(report.damagedLines, 5);
    ASSERT_EQ(report.files.size(), 1u);
    EXPECT_EQ(report.files[0].path, second.string());
    EXPECT_EQ(readFileBytes(second), tagged);
    EXPECT_NE(readFileBytes(first), tagged);
    // The junk run has nothing to undo and is passed over.
    EXPECT_FALSE(journal.undoLastRun().found);
}

TEST_F(TagJournalTest, KeepsTheLastRunsOnlyAndFindsItsFolderLikeOtherDesktopData) {
    auto path = file("a.mp3", audioBody() + RawBlock{"Old", "", "", "", "", 0}.bytes());
    TagJournal journal(folder(), 3);
    TagRecord record;
    for (int run = 0; run < 5; ++run) {
        journal.beginRun("run " + std::to_string(run));
        ASSERT_TRUE(open(record, path, journal));
        record.read();
        record.year = u16(std::to_string(2000 + run));
        ASSERT_TRUE(record.write());
        record.close();
        journal.endRun();
    }
    std::vector<JournalRun> runs = journal.runs();
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].program, "run 2");
    EXPECT_EQ(runs[2].program, "run 4");

    const char* oldData = std::getenv("XDG_DATA_HOME");
    std::string saved = oldData ? oldData : "";
    setenv("XDG_DATA_HOME", "/somewhere/data", 1);
    EXPECT_EQ(TagJournal::defaultFolder(), "/somewhere/data/marlowisp/journal");
    setenv("XDG_DATA_HOME", "relative/data", 1);  // not absolute: ignored
    EXPECT_EQ(TagJournal::defaultFolder(),
              std::string(std::getenv("HOME")) + "/.local/share/marlowisp/journal");
    setenv("XDG_DATA_HOME", saved.c_str(), 1);
}

}  // namespace
