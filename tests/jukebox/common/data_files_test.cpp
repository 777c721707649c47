// The line reader and the UTF-16 file format shared by the data files.
#include <gtest/gtest.h>

#include <QFile>

#include "jukebox/common/text_lines.h"
#include "jukebox/common/utf16_file.h"
#include "tests/support/temp_dir.h"

namespace {

QString qs(const char16_t* text) {
    return QString::fromUtf16(text);
}

TEST(ReadLinePieces, CutsAtTheLastLineFeedAndCarriageReturn) {
    EXPECT_EQ(ReadLinePieces(u"a\r\nb\r\n"), QStringList({qs(u"a"), qs(u"b")}));
    EXPECT_EQ(ReadLinePieces(u"a\nb"), QStringList({qs(u"a"), qs(u"b")}));
    EXPECT_EQ(ReadLinePieces(u"a\r\n\r\nb"), QStringList({qs(u"a"), qs(u""), qs(u"b")}));
    // A stray carriage return inside a line cuts it there.
    EXPECT_EQ(ReadLinePieces(u"ab\rcd\n"), QStringList({qs(u"ab")}));
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

}  // namespace
