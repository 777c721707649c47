#include <gtest/gtest.h>

#include <stdexcept>

#include "jukebox/skin/skin_archive.h"
#include "tests/jukebox/cover/image_fixtures.h"
#include "tests/jukebox/skin/skin_fixtures.h"
#include "tests/support/temp_dir.h"

namespace {

class SkinArchiveTest : public ::testing::Test {
protected:
    QString zipPath(const char* name) { return qpath(dir / name); }

    TempDir dir;
    SkinArchive archive;
};

TEST_F(SkinArchiveTest, ExtractsStoredAndDeflatedEntriesWithTheirFolders) {
    std::string big(200000, 'a');
    for (size_t i = 0; i < big.size(); i += 7) {
        big[i] = char('a' + i % 26);
    }
    writeZip(dir / "s.vlz", {{"spec.txt", "stored text", false},
                             {"sub/deep/m_panel.bmp", big, true},
                             {"sub/stored.bin", std::string("\0\1\2", 3), false},
                             {"folder/", "", false}});
    ASSERT_TRUE(archive.OpenArchive(zipPath("s.vlz")));
    ASSERT_EQ(archive.ArchiveEntryCount(), 4);
    const QString out = qpath(dir / "out");
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(archive.ExtractEntry(i, out)) << i;
    }
    archive.CloseArchive();
    EXPECT_EQ(readFileBytes(dir / "out" / "spec.txt"), "stored text");
    EXPECT_EQ(readFileBytes(dir / "out" / "sub" / "deep" / "m_panel.bmp"), big);
    EXPECT_EQ(readFileBytes(dir / "out" / "sub" / "stored.bin"), std::string("\0\1\2", 3));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "out" / "folder"));
}

TEST_F(SkinArchiveTest, AnExistingFileIsReplaced) {
    writeZip(dir / "s.vlz", {{"spec.txt", "new", true}});
    writeFileBytes(dir / "spec.txt", "an older and longer text");
    ASSERT_TRUE(archive.OpenArchive(zipPath("s.vlz")));
    EXPECT_TRUE(archive.ExtractEntry(0, qpath(dir.path())));
    EXPECT_EQ(readFileBytes(dir / "spec.txt"), "new");
}

TEST_F(SkinArchiveTest, FindEntryComparesTheWholeStoredNameInAnyCase) {
    writeZip(dir / "s.vlz", {{"skin/spec.txt", "x"}, {"Spec.TXT", "y"}, {"m_panel.bmp", "z"}});
    ASSERT_TRUE(archive.OpenArchive(zipPath("s.vlz")));
    EXPECT_EQ(archive.FindEntry(QStringLiteral("spec.txt")), 1);
    EXPECT_EQ(archive.FindEntry(QStringLiteral("SKIN/SPEC.TXT")), 0);
    EXPECT_EQ(archive.FindEntry(QStringLiteral("panel.bmp")), -1);
    EXPECT_EQ(archive.FindEntry(QStringLiteral("m_panel")), -1);
}

TEST_F(SkinArchiveTest, OnlyOneArchiveIsOpenAtATime) {
    writeZip(dir / "a.vlz", {{"one", "1"}});
    writeZip(dir / "b.vlz", {{"one", "1"}, {"two", "2"}});
    ASSERT_TRUE(archive.OpenArchive(zipPath("a.vlz")));
    EXPECT_FALSE(archive.OpenArchive(zipPath("b.vlz")));
    EXPECT_EQ(archive.ArchiveEntryCount(), 1);
    archive.CloseArchive();
    EXPECT_EQ(archive.ArchiveEntryCount(), 0);
    EXPECT_EQ(archive.FindEntry(QStringLiteral("one")), -1);
    EXPECT_FALSE(archive.ExtractEntry(0, qpath(dir / "out")));
    ASSERT_TRUE(archive.OpenArchive(zipPath("b.vlz")));
    EXPECT_EQ(archive.ArchiveEntryCount(), 2);
    EXPECT_FALSE(archive.ExtractEntry(2, qpath(dir / "out")));
    EXPECT_FALSE(archive.ExtractEntry(-1, qpath(dir / "out")));
}

TEST_F(SkinArchiveTest, EntriesThatLeadOutOfTheFolderAreNotWritten) {
    writeZip(dir / "evil.vlz", {{"../escaped.txt", "x"},
                                {"sub/../../escaped2.txt", "x"},
                                {"/tmp/absolute.txt", "x"},
                                {"..\\backslash.txt", "x"},
                                {"C:\\drive.txt", "x"},
                                {"link.bmp", "/etc/passwd", false, true},
                                {"ok/../fine.txt", "fine"},
                                {"good.txt", "good"}});
    ASSERT_TRUE(archive.OpenArchive(zipPath("evil.vlz")));
    const QString out = qpath(dir / "a" / "b");
    std::vector<bool> written;
    for (int i = 0; i < archive.ArchiveEntryCount(); ++i) {
        written.push_back(archive.ExtractEntry(i, out));
    }
    EXPECT_EQ(written, (std::vector<bool>{false, false, false, false, false, false, false, true}));
    EXPECT_EQ(listTree(dir.path()),
              (std::vector<std::string>{"a", "a/b", "a/b/good.txt", "evil.vlz"}));
    EXPECT_FALSE(std::filesystem::exists("/tmp/absolute.txt"));
}

TEST_F(SkinArchiveTest, DamagedArchivesAndEntriesFailCleanly) {
    writeFileBytes(dir / "garbage.vlz", "PK\3\4 this is not really an archive");
    writeFileBytes(dir / "empty.vlz", "");
    EXPECT_FALSE(archive.OpenArchive(zipPath("garbage.vlz")));
    EXPECT_FALSE(archive.OpenArchive(zipPath("empty.vlz")));
    EXPECT_FALSE(archive.OpenArchive(zipPath("missing.vlz")));

    std::string data(5000, 'q');
    writeZip(dir / "good.vlz", {{"spec.txt", data, false}});
    std::string bytes = readFileBytes(dir / "good.vlz");
    // Damage the stored data; the checksum no longer matches.
    size_t at = bytes.find(data.substr(0, 100));
    ASSERT_NE(at, std::string::npos);
    bytes[at + 2500] = 'X';
    writeFileBytes(dir / "crc.vlz", bytes);
    ASSERT_TRUE(archive.OpenArchive(zipPath("crc.vlz")));
    EXPECT_FALSE(archive.ExtractEntry(0, qpath(dir / "out")));
    EXPECT_FALSE(std::filesystem::exists(dir / "out" / "spec.txt"));
    archive.CloseArchive();

    writeFileBytes(dir / "cut.vlz", bytes.substr(0, bytes.size() / 2));
    EXPECT_FALSE(archive.OpenArchive(zipPath("cut.vlz")));
}

// The stated sizes of a one-entry archive's headers, set to size.
std::string withStatedSize(std::string bytes, uint32_t size) {
    const std::pair<const char*, size_t> headers[] = {{"PK\3\4", 22}, {"PK\1\2", 24}};
    for (const auto& [signature, offset] : headers) {
        size_t at = bytes.find(signature);
        if (at == std::string::npos) {
            throw std::runtime_error("no header");
        }
        putLe32(bytes, at + offset, size);
    }
    return bytes;
}

// Sizes are counted as entries inflate, whatever the archive states: no entry is
// written past the entry limit or past what is left of the archive's total, and
// nothing of a refused entry remains.
TEST_F(SkinArchiveTest, EntryAndTotalLimitsHoldWhileInflating) {
    const std::string part(40 * 1024, 'x');
    writeZip(dir / "s.vlz", {{"a", part}, {"b", part}, {"big", part + part}, {"c", part}});
    SkinArchive limited(64 * 1024, 100 * 1024);
    ASSERT_TRUE(limited.OpenArchive(zipPath("s.vlz")));
    const QString out = qpath(dir / "out");
    EXPECT_TRUE(limited.ExtractEntry(0, out));
    EXPECT_FALSE(limited.ExtractEntry(2, out));  // over the entry limit
    EXPECT_TRUE(limited.ExtractEntry(1, out));
    EXPECT_FALSE(limited.ExtractEntry(3, out));  // over the total
    EXPECT_EQ(listTree(dir / "out"), (std::vector<std::string>{"a", "b"}));
    limited.CloseArchive();
    ASSERT_TRUE(limited.OpenArchive(zipPath("s.vlz")));
    EXPECT_TRUE(limited.ExtractEntry(3, out));  // a new archive, a new total
    EXPECT_FALSE(limited.ExtractEntry(0, qpath(dir / "small"), 1000));
    EXPECT_FALSE(std::filesystem::exists(dir / "small" / "a"));
    limited.CloseArchive();

    writeZip(dir / "one.vlz", {{"big", part + part}});
    writeFileBytes(dir / "liar.vlz", withStatedSize(readFileBytes(dir / "one.vlz"), 100));
    ASSERT_TRUE(limited.OpenArchive(zipPath("liar.vlz")));
    EXPECT_FALSE(limited.ExtractEntry(0, qpath(dir / "liar")));
    EXPECT_FALSE(std::filesystem::exists(dir / "liar" / "big"));
}

}  // namespace
