// The line reader and the UTF-16 file format shared by the data files.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <QFile>
#include <filesystem>

#include "jukebox/common/path_functions.h"
#include "jukebox/common/text_lines.h"
#include "jukebox/common/utf16_file.h"
#include "jukebox/common/whole_file.h"
#include "tests/jukebox/common/unprivileged.h"
#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

QString qs(const char16_t* text) {
    return QString::fromUtf16(text);
}

// The data files' lines: whole however long, and ended by CR alone where the
// text holds no line feed.
TEST(ReadLines, TakesLinesWholeAndCrAloneWhereNoLineFeedIs) {
    EXPECT_EQ(ReadLines(u"a\r\nb\r\n"), QStringList({qs(u"a"), qs(u"b")}));
    EXPECT_EQ(ReadLines(u"a\nb"), QStringList({qs(u"a"), qs(u"b")}));
    EXPECT_EQ(ReadLines(u"a\r\n\r\nb"), QStringList({qs(u"a"), qs(u""), qs(u"b")}));
    EXPECT_EQ(ReadLines(u"ab\rcd\n"), QStringList({qs(u"ab")}));
    const QString line(600, u'x');
    EXPECT_EQ(ReadLines(QString(line + QStringLiteral("\r\nnext\r\n"))),
              QStringList({line, qs(u"next")}));
    EXPECT_EQ(ReadLines(QString(line + QStringLiteral("\rnext\r\rlast"))),
              QStringList({line, qs(u"next"), qs(u""), qs(u"last")}));
    EXPECT_EQ(ReadLines(u"a\r"), QStringList({qs(u"a")}));
    EXPECT_TRUE(ReadLines(u"").isEmpty());
}

TEST(ReadLinePieces, CutsAtTheLastLineFeedAndCarriageReturn) {
    EXPECT_EQ(ReadLinePieces(u"a\r\nb\r\n"), QStringList({qs(u"a"), qs(u"b")}));
    EXPECT_EQ(ReadLinePieces(u"a\nb"), QStringList({qs(u"a"), qs(u"b")}));
    EXPECT_EQ(ReadLinePieces(u"a\r\n\r\nb"), QStringList({qs(u"a"), qs(u""), qs(u"b")}));
    // A stray carriage return inside a line cuts it there; of several, the last.
    EXPECT_EQ(ReadLinePieces(u"ab\rcd\n"), QStringList({qs(u"ab")}));
    EXPECT_EQ(ReadLinePieces(u"a\rb\rc\r\nd\re\n"), QStringList({qs(u"a\rb\rc"), qs(u"d")}));
    EXPECT_TRUE(ReadLinePieces(u"").isEmpty());
}

TEST(ReadLinePieces, ReadsLongLinesInPieces) {
    QString line(600, u'x');
    QStringList pieces = ReadLinePieces(QString(line + QStringLiteral("\r\nnext\r\n")));
    ASSERT_EQ(pieces.size(), 4);
    EXPECT_EQ(pieces[0].size(), 259);
    EXPECT_EQ(pieces[1].size(), 259);
    EXPECT_EQ(pieces[2], QString(82, u'x'));
    EXPECT_EQ(pieces[3], QStringLiteral("next"));
    // A piece that ends just before CR LF leaves an empty piece behind it.
    pieces = ReadLinePieces(QString(QString(259, u'y') + QStringLiteral("\r\n")));
    ASSERT_EQ(pieces.size(), 2);
    EXPECT_EQ(pieces[1], QString());
}

// Lines ended by CR alone are read 259 units at a time, each piece cut at its last
// carriage return; a line feed further on changes none of the pieces before it.
TEST(ReadLinePieces, CrOnlyTextGivesTheSamePiecesAsEver) {
    QString text = QStringLiteral("x\r").repeated(300);
    const QStringList expected = {QStringLiteral("x\r").repeated(128) + u'x',  // units 0..256
                                  QStringLiteral("\rx").repeated(129),         // 259..516
                                  QStringLiteral("x\r").repeated(40) + u'x'};  // 518..598
    EXPECT_EQ(ReadLinePieces(text), expected);
    EXPECT_EQ(ReadLinePieces(QString(text + QStringLiteral("tail\n"))), expected);
    EXPECT_EQ(ReadLinePieces(QString(text + QStringLiteral("tail\r\nnext"))),
              QStringList({expected[0], expected[1],
                           QStringLiteral("x\r").repeated(41) + QStringLiteral("tail"),
                           QStringLiteral("next")}));
}

class Utf16FileTest : public testing::Test {
protected:
    QString path(const char* name) { return QString::fromStdString((dir / name).string()); }
    TempDir dir;
};

TEST_F(Utf16FileTest, WritesTheMarkAndCrLfAfterEveryLine) {
    QString file = path("list.trk");
    ASSERT_TRUE(WriteUtf16Lines(file, {QStringLiteral("D:\\a.mp3"), QString()}));
    EXPECT_EQ(readFileBytes(dir / "list.trk"),
              std::string("\xFF\xFE"
                          "D\0:\0\\\0a\0.\0m\0p\0003\0\r\0\n\0\r\0\n\0",
                          26));
    QString text;
    ASSERT_EQ(ReadUtf16File(file, text), Utf16FileStatus::Ok);
    EXPECT_EQ(text, QStringLiteral("D:\\a.mp3\r\n\r\n"));
}

// Files that are no regular files are refused at once, never waited on.
TEST_F(Utf16FileTest, OnlyRegularFilesAreRead) {
    writeFileBytes(dir / "file", "x");
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    fs::create_directory(dir / "folder");
    fs::create_symlink(dir / "file", dir / "to-file");
    fs::create_symlink(dir / "fifo", dir / "to-fifo");
    fs::create_symlink(dir / "gone", dir / "dangling");
    for (const char* name : {"file", "to-file", "missing", "dangling"}) {
        EXPECT_TRUE(IsRegularOrMissing(path(name))) << name;
    }
    QByteArray bytes;
    for (const char* name : {"fifo", "to-fifo", "folder"}) {
        EXPECT_FALSE(IsRegularOrMissing(path(name))) << name;
        EXPECT_EQ(ReadFileWhole(path(name), bytes), WholeFileRead::CannotOpen) << name;
    }
    EXPECT_FALSE(IsRegularOrMissing(path("file/below")));
}

TEST_F(Utf16FileTest, RefusesFilesWithoutTheLittleEndianMark) {
    QString text;
    EXPECT_EQ(ReadUtf16File(path("missing"), text), Utf16FileStatus::CannotOpen);
    writeFileBytes(dir / "empty", "");
    EXPECT_EQ(ReadUtf16File(path("empty"), text), Utf16FileStatus::Empty);
    writeFileBytes(dir / "be", std::string("\xFE\xFF\0a", 4));
    EXPECT_EQ(ReadUtf16File(path("be"), text), Utf16FileStatus::NotUnicode);
    writeFileBytes(dir / "utf8",
                   "\xEF\xBB\xBF"
                   "a\r\n");
    EXPECT_EQ(ReadUtf16File(path("utf8"), text), Utf16FileStatus::NotUnicode);
    writeFileBytes(dir / "odd", std::string("\xFF\xFE"
                                            "a\0b",
                                            5));
    EXPECT_EQ(ReadUtf16File(path("odd"), text), Utf16FileStatus::Ok);
    EXPECT_EQ(text, QStringLiteral("a"));
}

TEST_F(Utf16FileTest, AFailedWriteKeepsTheOldFile) {
    QString file = path("keep.dic");
    ASSERT_TRUE(WriteUtf16Lines(file, {QStringLiteral("old")}));
    std::string before = readFileBytes(dir / "keep.dic");
    {
        FileSizeLimit limit(16);  // the new text needs more than that
        EXPECT_FALSE(WriteUtf16Lines(file, {QStringLiteral("a longer new text")}));
    }
    EXPECT_EQ(readFileBytes(dir / "keep.dic"), before);
    EXPECT_FALSE(WriteUtf16Lines(path("no/such/folder.dic"), {QStringLiteral("new")}));
}

// A save through a symbolic link replaces the file it points to and keeps the
// link and the file's permissions.
TEST_F(Utf16FileTest, SavingThroughALinkWritesItsTarget) {
    fs::create_directory(dir / "real");
    writeFileBytes(dir / "real/list.trk", "old");
    fs::permissions(dir / "real/list.trk", fs::perms(0640));
    fs::create_symlink(dir / "real/list.trk", dir / "link.trk");
    ASSERT_TRUE(WriteUtf16Lines(path("link.trk"), {QStringLiteral("a")}));
    EXPECT_TRUE(fs::is_symlink(dir / "link.trk"));
    EXPECT_EQ(readFileBytes(dir / "real/list.trk"), std::string("\xFF\xFE"
                                                                "a\0\r\0\n\0",
                                                                8));
    EXPECT_EQ(fs::status(dir / "real/list.trk").permissions(), fs::perms(0640));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "real"), fs::directory_iterator()), 1);
}

// A file named in GBK bytes is written and read under exactly those bytes.
TEST_F(Utf16FileTest, FileNamesThatAreNotUtf8AreKept) {
    const QByteArray bytes =
        QByteArray::fromStdString(dir.path().string()) + "/\xC1\xD0\xB1\xED.trk";
    const QString file = PathFromLocalBytes(bytes);
    ASSERT_TRUE(WriteUtf16Lines(file, {QStringLiteral("a")}));
    EXPECT_EQ(readFileBytes(bytes.toStdString()), std::string("\xFF\xFE"
                                                              "a\0\r\0\n\0",
                                                              8));
    QString text;
    EXPECT_EQ(ReadUtf16File(file, text), Utf16FileStatus::Ok);
    EXPECT_EQ(text, QStringLiteral("a\r\n"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

// A file the user may write in a folder where they may create nothing is written
// in place; where the file may not be written either, it stays as it was. A
// writer that reads the old file as it writes (inPlace false) is refused.
TEST_F(Utf16FileTest, AFolderThatRefusesNewFilesIsWrittenInPlace) {
    fs::create_directory(dir / "locked");
    writeFileBytes(dir / "locked/list.trk", "old");
    writeFileBytes(dir / "locked/kept.trk", "kept");
    fs::permissions(dir.path(), fs::perms(0755));
    fs::permissions(dir / "locked/list.trk", fs::perms(0666));
    fs::permissions(dir / "locked/kept.trk", fs::perms(0644));
    fs::permissions(dir / "locked", fs::perms(0555));
    const std::string probe = (dir / "locked/probe").string();
    std::string found = RunUnprivileged([&] {
        // Without this the test would prove nothing: no new file can be made here.
        bool refused = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666) < 0;
        bool saved = WriteUtf16Lines(path("locked/list.trk"), {QStringLiteral("new")});
        bool kept = !WriteUtf16Lines(path("locked/kept.trk"), {QStringLiteral("lost")});
        bool absent = !WriteUtf16Lines(path("locked/absent.trk"), {QStringLiteral("x")});
        bool streamed = SaveFileWhole(
            path("locked/list.trk"), 3, [](const ByteSink& put) { return put("abc"); }, {}, false);
        return std::string(refused ? "no new file" : "a new file") +
               (saved ? ", saved in place" : ", not saved") +
               (kept ? ", read-only file kept" : ", read-only file written") +
               (absent ? ", nothing created" : ", a file created") +
               (streamed ? ", overwritten under its reader" : ", reader's file kept");
    });
    fs::permissions(dir / "locked", fs::perms(0755));
    EXPECT_EQ(found,
              "no new file, saved in place, read-only file kept, nothing created, reader's file "
              "kept");
    EXPECT_EQ(readFileBytes(dir / "locked/list.trk"),
              "\xFF\xFE" + std::string("n\0e\0w\0\r\0\n\0", 10));
    EXPECT_EQ(readFileBytes(dir / "locked/kept.trk"), "kept");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "locked"), fs::directory_iterator()), 2);
}

// Written in place, a file that grows past the free space (here past the file size
// limit) fails before a byte of it is overwritten; one that shrinks loses its tail.
TEST_F(Utf16FileTest, AnInPlaceSaveThatDoesNotFitKeepsTheOldFile) {
    fs::create_directory(dir / "locked");
    QStringList rows;
    for (int i = 0; i < 157; ++i) {
        rows.append(QStringLiteral("row %1").arg(i));
    }
    ASSERT_TRUE(WriteUtf16Lines(path("locked/default.dic"), rows.mid(0, 150)));
    const std::string before = readFileBytes(dir / "locked/default.dic");
    fs::permissions(dir.path(), fs::perms(0755));
    fs::permissions(dir / "locked/default.dic", fs::perms(0666));
    fs::permissions(dir / "locked", fs::perms(0555));
    std::string found = RunUnprivileged([&] {
        FileSizeLimit limit(static_cast<long long>(before.size()) + 40);
        bool refused = !WriteUtf16Lines(path("locked/default.dic"), rows);
        return std::string(refused ? "refused" : "saved");
    });
    EXPECT_EQ(found, "refused");
    EXPECT_TRUE(readFileBytes(dir / "locked/default.dic") == before) << "the old rows were cut";
    found = RunUnprivileged([&] {
        return std::string(WriteUtf16Lines(path("locked/default.dic"), rows.mid(0, 2)) ? "saved"
                                                                                       : "refused");
    });
    fs::permissions(dir / "locked", fs::perms(0755));
    EXPECT_EQ(found, "saved");
    EXPECT_EQ(readFileBytes(dir / "locked/default.dic"),
              "\xFF\xFE" + std::string("r\0o\0w\0 \0000\0\r\0\n\0r\0o\0w\0 \0001\0\r\0\n\0", 28));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "locked"), fs::directory_iterator()), 1);
}

// Read a block at a time, the lines are those of the whole text, wherever the
// blocks cut a unit, a CR LF or a line; the mark and the statuses are as for
// the whole file.
TEST_F(Utf16FileTest, LinesReadInBlocksAreTheLinesOfTheWholeText) {
    const QString texts[] = {
        QStringLiteral("D:\\a.mp3\r\n/m/b \u00e9.mp3\r\n\r\n;note\r\nlast"),
        QStringLiteral("a\nb\r\r\nc\rd\n\n"),
        QStringLiteral("no\rline\rfeed\r\rat all\r"),
        QStringLiteral("\U0001F3B5 long ") + QString(700, u'x') + QStringLiteral("\r\nend\r\n"),
        QString(),
    };
    int written = 0;
    for (const QString& text : texts) {
        const std::string name = "blocks" + std::to_string(written++);
        std::string bytes = "\xFF\xFE";
        bytes.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
        for (bool oddTail : {false, true}) {
            writeFileBytes(dir / name, oddTail ? bytes + 'q' : bytes);
            for (qsizetype block : {1, 2, 3, 7, 64, 1 << 18}) {
                QStringList lines{QStringLiteral("stale")};
                int blocks = 0;
                ASSERT_EQ(ReadUtf16Lines(
                              path(name.c_str()), lines, [&] { ++blocks; }, block),
                          Utf16FileStatus::Ok);
                EXPECT_EQ(lines, ReadLines(text)) << name << " block " << block;
                // Served while the text is read, not only at its end.
                EXPECT_GE(blocks, text.size() * 2 / block);
            }
        }
    }
    QStringList lines;
    EXPECT_EQ(ReadUtf16Lines(path("missing"), lines), Utf16FileStatus::CannotOpen);
    writeFileBytes(dir / "empty", "");
    EXPECT_EQ(ReadUtf16Lines(path("empty"), lines), Utf16FileStatus::Empty);
    for (qsizetype block : {1, 4096}) {
        writeFileBytes(dir / "one", "\xFF");
        EXPECT_EQ(ReadUtf16Lines(path("one"), lines, {}, block), Utf16FileStatus::NotUnicode);
        writeFileBytes(dir / "be", std::string("\xFE\xFF\0a\0\n", 6));
        EXPECT_EQ(ReadUtf16Lines(path("be"), lines, {}, block), Utf16FileStatus::NotUnicode);
        EXPECT_TRUE(lines.isEmpty());
    }
    fs::create_directory(dir / "folder");
    EXPECT_EQ(ReadUtf16Lines(path("folder"), lines), Utf16FileStatus::CannotOpen);
}

// A save with events served keeps the replaced file under a second name until
// the new one has its place and then lets go of it; a file with other names
// keeps its bytes for them.
TEST_F(Utf16FileTest, ASaveServingEventsLeavesNothingBesideAndSparesOtherNames) {
    const QString file = path("list.trk");
    QStringList many;
    for (int i = 0; i < 40000; ++i) {
        many.append(QStringLiteral("/m/%1.mp3").arg(i));
    }
    ASSERT_TRUE(WriteUtf16Lines(file, many));
    const std::string before = readFileBytes(dir / "list.trk");
    fs::create_hard_link(dir / "list.trk", dir / "other-name.trk");
    int calls = 0;
    ASSERT_TRUE(WriteUtf16Lines(file, {QStringLiteral("new")}, [&] { ++calls; }));
    EXPECT_GT(calls, 0);
    EXPECT_EQ(readFileBytes(dir / "list.trk"), std::string("\xFF\xFE"
                                                           "n\0e\0w\0\r\0\n\0",
                                                           12));
    EXPECT_EQ(readFileBytes(dir / "other-name.trk"), before);

    ASSERT_TRUE(WriteUtf16Lines(file, many, [&] { ++calls; }));
    ASSERT_TRUE(WriteUtf16Lines(file, {QStringLiteral("again")}, [&] { ++calls; }));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
    QStringList lines;
    ASSERT_EQ(ReadUtf16Lines(file, lines), Utf16FileStatus::Ok);
    EXPECT_EQ(lines, QStringList{QStringLiteral("again")});
}

}  // namespace
