// The first MPEG audio frame header: the 4-byte search, the bit-rate tables and
// the Xing header.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "id3v1_fixtures.h"
#include "taglib/tag_record.h"
#include "tests/support/temp_dir.h"

namespace {

class MpegFactsTest : public testing::Test {
protected:
    // Reads the facts of a file holding bytes.
    TagRecord& factsOf(const std::string& bytes) {
        std::filesystem::path path = dir / "f.mp3";
        writeFileBytes(path, bytes);
        EXPECT_TRUE(record.open(u16(path.string())));
        result = record.readMpegFacts();
        return record;
    }
    static std::string header(uint8_t b1, uint8_t b2) {
        return std::string{'\xFF', static_cast<char>(b1), static_cast<char>(b2), '\0'};
    }
    // A file with a frame header at offset, padded to size with zeros.
    static std::string withHeaderAt(size_t offset, const std::string& frame, size_t size) {
        std::string bytes(size, '\0');
        bytes.replace(offset, frame.size(), frame);
        return bytes;
    }
    static std::string xingFrame(const char* tag, uint32_t frames) {
        std::string frame =
            header(0xFB, 0x90) + std::string(32, '\0') + tag + std::string("\0\0\0\x0F", 4);
        frame += static_cast<char>(frames >> 24);
        frame += static_cast<char>(frames >> 16);
        frame += static_cast<char>(frames >> 8);
        frame += static_cast<char>(frames);
        return frame;
    }

    TempDir dir;
    TagRecord record;
    bool result = false;
};

TEST_F(MpegFactsTest, SearchesOnlyWholeFourByteGroupsBelow4096) {
    EXPECT_EQ(factsOf(withHeaderAt(4092, header(0xFB, 0x90), 8000)).bitrateKbps, 128);
    EXPECT_TRUE(result);
    EXPECT_EQ(factsOf(withHeaderAt(4096, header(0xFB, 0x90), 8000)).bitrateKbps, 0);
    EXPECT_FALSE(result);
    EXPECT_EQ(record.versionBits, 0);
    EXPECT_EQ(factsOf(withHeaderAt(2, header(0xFB, 0x90), 8000)).bitrateKbps, 0);
    EXPECT_EQ(factsOf(withHeaderAt(1, header(0xFB, 0x90), 8000)).bitrateKbps, 0);
    EXPECT_EQ(factsOf(withHeaderAt(8, header(0xFB, 0x90), 16)).bitrateKbps, 128);
    // The first sync wins, even with a better header after it.
    std::string two = withHeaderAt(4, header(0xF3, 0x90), 100);
    two.replace(40, 4, header(0xFB, 0xE0));
    EXPECT_EQ(factsOf(two).bitrateKbps, 80);
    // An ID3v2 tag at the start is not skipped: its sync-free bytes just pass.
    EXPECT_EQ(factsOf("ID3\x04" + std::string(28, 'x') + header(0xFB, 0x50)).bitrateKbps, 64);
}

TEST_F(MpegFactsTest, FindsNothingInShortOrEmptyFiles) {
    EXPECT_EQ(factsOf("").bitrateKbps, 0);
    EXPECT_FALSE(result);
    EXPECT_EQ(factsOf("\xFF\xFB").bitrateKbps, 0);  // a group cut short by the end
    EXPECT_FALSE(record.isXing);
}

struct BitrateCase {
    uint8_t b1;  // sync bits, version and layer
    int index;
    int kbps;
};

class BitrateTables : public MpegFactsTest, public testing::WithParamInterface<BitrateCase> {};

TEST_P(BitrateTables, PickTheTableByVersionAndLayer) {
    const BitrateCase& c = GetParam();
    auto bytes = header(c.b1, static_cast<uint8_t>(c.index << 4)) + std::string(60, '\0');
    EXPECT_EQ(factsOf(bytes).bitrateKbps, c.kbps);
    EXPECT_EQ(record.versionBits, (c.b1 >> 3) & 3);
    EXPECT_EQ(record.layerBits, (c.b1 >> 1) & 3);
    EXPECT_FALSE(record.isXing);
}

INSTANTIATE_TEST_SUITE_P(
    AllTables, BitrateTables,
    testing::Values(BitrateCase{0xFF, 1, 32}, BitrateCase{0xFF, 14, 448},   // MPEG-1 Layer I
                    BitrateCase{0xFD, 9, 160}, BitrateCase{0xFD, 14, 384},  // MPEG-1 Layer II
                    BitrateCase{0xFB, 9, 128}, BitrateCase{0xFB, 14, 320},  // MPEG-1 Layer III
                    BitrateCase{0xF7, 9, 144}, BitrateCase{0xF7, 14, 256},  // MPEG-2 Layer I
                    BitrateCase{0xF3, 9, 80}, BitrateCase{0xF5, 1, 8},      // MPEG-2 II, III
                    BitrateCase{0xE7, 9, 80},                               // MPEG-2.5 Layer I
                    BitrateCase{0xEF, 9, 80},                               // reserved version
                    BitrateCase{0xF9, 9, 80},                               // reserved layer
                    BitrateCase{0xFB, 0, 0},                                // free format
                    BitrateCase{0xFB, 15, 0}));

TEST_F(MpegFactsTest, MpegTwoPointFiveIsFoundButReportedAsFalse) {
    EXPECT_EQ(factsOf(header(0xE3, 0x90) + std::string(60, '\0')).bitrateKbps, 80);
    EXPECT_FALSE(result);
    EXPECT_EQ(record.versionBits, 0);
}

TEST_F(MpegFactsTest, XingHeaderGivesDurationAndAverageRate) {
    std::string bytes = xingFrame("Xing", 1000);
    bytes.resize(1000000, '\0');
    factsOf(bytes);
    EXPECT_TRUE(record.isXing);
    EXPECT_EQ(record.durationMs, 26100);
    EXPECT_EQ(record.bitrateKbps, 306);

    factsOf(xingFrame("XING", 10) + std::string(100, '\0'));
    EXPECT_TRUE(record.isXing);
    EXPECT_EQ(record.durationMs, 261);

    factsOf(xingFrame("Info", 1000) + std::string(100, '\0'));
    EXPECT_FALSE(record.isXing);
    EXPECT_EQ(record.bitrateKbps, 128);
}

// One record reads file after file: no fact of one file stays for the next.
TEST_F(MpegFactsTest, EveryReadStartsFromNoFacts) {
    std::string xing = xingFrame("Xing", 1000);
    xing.resize(1000000, '\0');
    factsOf(xing);
    ASSERT_EQ(record.durationMs, 26100);
    factsOf(header(0xFB, 0x90) + std::string(60, '\0'));
    EXPECT_FALSE(record.isXing);
    EXPECT_EQ(record.durationMs, 0);
    EXPECT_EQ(record.bitrateKbps, 128);
    factsOf(xing);
    factsOf(std::string(100, '\0'));  // no header at all
    EXPECT_EQ(record.durationMs, 0);
    EXPECT_EQ(record.bitrateKbps, 0);
    EXPECT_EQ(record.layerBits, 0);
}

TEST_F(MpegFactsTest, XingHeaderWithNoFramesHasNoRate) {
    factsOf(xingFrame("Xing", 0) + std::string(100, '\0'));
    EXPECT_TRUE(record.isXing);
    EXPECT_EQ(record.durationMs, 0);
    EXPECT_EQ(record.bitrateKbps, 0);
}

TEST_F(MpegFactsTest, AverageRateOfLargeFilesDoesNotOverflow) {
    // A sparse file of 1 GiB: 2^33 bits over 100,000 frames (2,610,000 ms).
    std::filesystem::path path = dir / "big.mp3";
    writeFileBytes(path, xingFrame("Xing", 100000));
    std::filesystem::resize_file(path, 1ull << 30);
    ASSERT_TRUE(record.open(u16(path.string())));
    record.readMpegFacts();
    EXPECT_EQ(record.durationMs, 2610000);
    EXPECT_EQ(record.bitrateKbps, static_cast<int32_t>((8ull << 30) / 2610000));

    // A sparse 7 GiB file whose Xing header counts one frame (26 ms): the rate
    // needs more than 32 bits.
    writeFileBytes(path, xingFrame("Xing", 1));
    std::filesystem::resize_file(path, 7ull << 30);
    ASSERT_TRUE(record.open(u16(path.string())));
    record.readMpegFacts();
    EXPECT_EQ(record.durationMs, 26);
    EXPECT_EQ(record.bitrateKbps, static_cast<int64_t>((56ull << 30) / 26));
}

}  // namespace
