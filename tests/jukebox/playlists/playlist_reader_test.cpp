// Reading the playlists other players write: M3U and M3U8 (extended or plain,
// any line end, with or without a byte-order mark, UTF-8 or legacy bytes), PLS in
// the order of its numbers, and hostile files that must neither hang nor eat
// memory.
#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <filesystem>
#include <string>

#include "jukebox/common/path_functions.h"
#include "jukebox/playlists/playlist_item.h"
#include "jukebox/playlists/playlist_reader.h"
#include "tests/jukebox/cover/child_run.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace Qt::StringLiterals;

// GBK bytes: 中 D6D0, 文 CEC4, and 乗 815C, whose second byte is "\".
const std::string kGbkName = "\xD6\xD0\xCE\xC4\x81\x5C.mp3";

class PlaylistReaderTest : public testing::Test {
protected:
    // The path of name in the temporary folder, name given as bytes.
    QString path(const std::string& name) const {
        return PathFromLocalBytes(QByteArray::fromStdString((dir.path() / name).string()));
    }
    QString write(const std::string& name, const std::string& bytes = "x") {
        const std::filesystem::path file = dir.path() / name;
        std::filesystem::create_directories(file.parent_path());
        writeFileBytes(file, bytes);
        return path(name);
    }
    // Every entry of the playlist, or the status when it cannot be read.
    QStringList read(const QString& playlist, PlaylistReader::Status expected = {}) {
        PlaylistReader reader;
        EXPECT_EQ(reader.open(playlist), expected);
        QStringList entries;
        QString entry;
        while (reader.next(entry)) {
            entries.append(entry);
        }
        return entries;
    }

    TempDir dir;
};

TEST_F(PlaylistReaderTest, M3u8EntriesBecomePathsAndAddressesInTheirOrder) {
    write("sub/歌.mp3");
    write("sub/曲 one.mp3");
    const QString absolute = write("elsewhere/abs.mp3");
    // A byte-order mark, every kind of line end, directives, blank lines.
    const std::string text =
        "\xEF\xBB\xBF#EXTM3U\r\n"
        "#EXTINF:123,Someone - Song\r\n"
        "sub/歌.mp3\r\n"
        "\n"
        "   \t\n"
        "  #EXT-X-SOMETHING\r" +
        absolute.toStdString() +
        "\r"
        "sub\\曲 one.mp3\n"    // written on Windows, found with "/"
        "gone\\missing.mp3\n"  // missing: kept, with "/"
        "../up/./x.mp3\n"      // relative, made clean
        "http://radio.example/stream\n"
        "HTTPS://host/a b.mp3\n"
        "rtsp://cam/1\n"
        "C:\\Music\\win.mp3\n"  // no place here: kept as written
        "file:///srv/a%20b/%E6%AD%8C.mp3\n"
        "file://localhost/srv/100%.mp3\n"
        "file:\n"  // names nothing
        "last-without-line-end.mp3";
    write("list.m3u8", text);
    const QString folder = QString::fromStdString(dir.path().string());
    EXPECT_EQ(
        read(path("list.m3u8")),
        QStringList({folder + u"/sub/歌.mp3"_s, absolute, folder + u"/sub/曲 one.mp3"_s,
                     folder + u"/gone/missing.mp3"_s,
                     QString::fromStdString(dir.path().parent_path().string()) + u"/up/x.mp3"_s,
                     u"http://radio.example/stream"_s, u"HTTPS://host/a b.mp3"_s, u"rtsp://cam/1"_s,
                     u"C:\\Music\\win.mp3"_s, u"/srv/a b/歌.mp3"_s, u"/srv/100%.mp3"_s,
                     folder + u"/last-without-line-end.mp3"_s}));

    // A plain M3U without any directive reads the same way.
    write("plain.M3U", "sub/歌.mp3\nhttp://radio.example/stream");
    EXPECT_EQ(read(path("plain.M3U")),
              QStringList({folder + u"/sub/歌.mp3"_s, u"http://radio.example/stream"_s}));
}

TEST_F(PlaylistReaderTest, LegacyBytesInAnM3uFindTheirFilesByteForByte) {
    const QString flat = write(kGbkName);
    const QString nested = write("\xB8\xE8/" + kGbkName);  // 歌 in GBK as the folder
    // A Windows list in GBK: one entry as written, one with "\" separators whose
    // name holds a 0x5C byte that is no separator, one with a NUL byte and a
    // file URL with "%00" (no path can hold one), one as a file URL with the
    // bytes percent-encoded.
    write("gbk.m3u", "#EXTM3U\r\n" + kGbkName + "\r\n\xB8\xE8\\" + kGbkName + "\r\nbad" +
                         std::string(1, '\0') +
                         "name.mp3\r\nfile:///tmp/bad%00name.mp3\r\nfile://" +
                         QByteArray::fromStdString(dir.path().string())
                             .append("/")
                             .append(QByteArray::fromStdString(kGbkName).toPercentEncoding())
                             .toStdString() +
                         "\r\n");
    const QStringList entries = read(path("gbk.m3u"));
    EXPECT_EQ(entries, QStringList({flat, nested, flat}));
    for (const QString& entry : entries) {
        EXPECT_TRUE(FileExists(entry)) << LocalPathBytes(entry).toStdString();
    }
    EXPECT_EQ(LocalPathBytes(entries[1]).toStdString(),
              (dir.path() / "\xB8\xE8").string() + "/" + kGbkName);

    // The same list in UTF-16 (with its mark), as some Windows tools save it.
    const std::u16string utf16 = u"\uFEFF#EXTM3U\r\n歌/x.mp3\r\n";
    write("wide.m3u", std::string(reinterpret_cast<const char*>(utf16.data()), utf16.size() * 2));
    EXPECT_EQ(read(path("wide.m3u")),
              QStringList({QString::fromStdString(dir.path().string()) + u"/歌/x.mp3"_s}));
}

TEST_F(PlaylistReaderTest, PlsFilesComeInTheOrderOfTheirNumbers) {
    write("radio.pls",
          "[playlist]\r\n"
          "NumberOfEntries=2\r\n"  // not trusted
          "File3=c.mp3\r\n"
          "Title3=Third\r\n"
          "file1 = a.mp3\r\n"
          "Length1=100\r\n"
          "File10=http://radio.example/ten\r\n"
          "FILE02=b.mp3\r\n"
          "FileX=not-a-number.mp3\r\n"
          "File=no-number.mp3\r\n"
          "File99999999999999999999=overflow.mp3\r\n"
          "Version=2\r\n"
          "[other]\r\n"
          "File0=elsewhere.mp3\r\n");
    const QString folder = QString::fromStdString(dir.path().string());
    EXPECT_EQ(read(path("radio.pls")),
              QStringList({folder + u"/a.mp3"_s, folder + u"/b.mp3"_s, folder + u"/c.mp3"_s,
                           u"http://radio.example/ten"_s}));
    // Each entry with the title and length of its number, as written.
    PlaylistReader reader;
    ASSERT_EQ(reader.open(path("radio.pls")), PlaylistReader::Status::Ok);
    QStringList info;
    for (PlaylistItem item; reader.next(item);) {
        info.append(
            u"%1 %2 %3 %4"_s.arg(item.written, item.title).arg(item.seconds).arg(item.infoGiven));
    }
    EXPECT_EQ(info, QStringList({u"a.mp3  100 1"_s, u"b.mp3  -1 0"_s, u"c.mp3 Third -1 1"_s,
                                 u"http://radio.example/ten  -1 0"_s}));
}

// What an M3U says of an entry: its #EXTINF line (the title after the first comma
// outside quotes), which goes with the entry it stands before only.
TEST_F(PlaylistReaderTest, ExtinfLinesGoWithTheirEntries) {
    write("list.m3u8",
          "#EXTM3U\n"
          "#EXTINF:215.7 tvg-name=\"a,b\",Artist - Song, Live\n"
          "../a.mp3\n"
          "#EXTINF:12,Dropped with its entry\n" +
              std::string("bad\0name.mp3\n", 13) +
              "#EXTINF:-1,\n"
              "#EXTVLCOPT:x\n"
              "b.mp3\n"
              "c.mp3\n");
    PlaylistReader reader;
    ASSERT_EQ(reader.open(path("list.m3u8")), PlaylistReader::Status::Ok);
    QStringList info;
    for (PlaylistItem item; reader.next(item);) {
        info.append(u"%1|%2|%3|%4"_s.arg(item.written, item.title)
                        .arg(item.seconds)
                        .arg(QString::fromUtf8(item.infoLine)));
    }
    EXPECT_EQ(info, QStringList(
                        {u"../a.mp3|Artist - Song, Live|215|#EXTINF:215.7 tvg-name=\"a,b\",Artist "
                         u"- Song, Live"_s,
                         u"b.mp3||-1|#EXTINF:-1,"_s, u"c.mp3||-1|"_s}));
}

TEST_F(PlaylistReaderTest, HugeFilesAndEndlessLinesNeitherHangNorEatMemory) {
    // 100 MB (sparse: no disk is spent) is refused unread.
    write("huge.m3u8");
    std::filesystem::resize_file(dir / "huge.m3u8", 100'000'000);
    EXPECT_TRUE(read(path("huge.m3u8"), PlaylistReader::Status::TooLarge).isEmpty());
    EXPECT_TRUE(read(path("none.m3u8"), PlaylistReader::Status::CannotOpen).isEmpty());
    EXPECT_TRUE(
        read(QString::fromStdString(dir.path().string()), PlaylistReader::Status::CannotOpen)
            .isEmpty());

    // A line of 60 MB within the limit is passed over; the line after it counts.
    std::string bytes(60'000'000, 'a');
    bytes += "\nafter.mp3\n";
    write("long.m3u", bytes);
    write("long.pls", "[playlist]\nFile1=" + bytes);
    bytes.clear();
    bytes.shrink_to_fit();
    const QString folder = QString::fromStdString(dir.path().string());
    ChildLimits limits;
    limits.seconds = 60;
    limits.extraMemory = size_t{200} << 20;
    EXPECT_TRUE(FinishesInChild(
        [&] { return read(path("long.m3u")) == QStringList{folder + u"/after.mp3"_s}; }, limits));
    EXPECT_TRUE(FinishesInChild([&] { return read(path("long.pls")).isEmpty(); }, limits));
}

}  // namespace
