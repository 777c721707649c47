// The tag record over real files: open's rules, reading, writing, removing, the
// genre byte, the code-page markers and the ID3v1.1 track number.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "id3v1_fixtures.h"
#include "taglib/tag_record.h"
#include "tests/support/temp_dir.h"

namespace {

std::string padded(std::string text, size_t width) {
    text.resize(width, ' ');
    return text;
}

class TagRecordTest : public testing::Test {
protected:
    std::filesystem::path makeFile(const std::string& name, const std::string& bytes) {
        std::filesystem::path path = dir / name;
        writeFileBytes(path, bytes);
        return path;
    }
    static std::u16string native(const std::filesystem::path& path) { return u16(path.string()); }
    // Reads the file with a fresh read-only record in codePage.
    static bool readWith(const std::filesystem::path& path, TagRecord& record, int codePage) {
        record.codePage = codePage;
        return record.open(native(path)) && record.read();
    }

    TempDir dir;
};

TEST_F(TagRecordTest, OpenLooksOnlyAtTheLastThreeLetters) {
    std::string body = audioBody();
    TagRecord record;
    EXPECT_TRUE(record.open(native(makeFile("song.mp3", body))));
    EXPECT_TRUE(record.open(native(makeFile("SONG.MP3", body))));
    EXPECT_TRUE(record.open(native(makeFile("songmp3", body))));
    EXPECT_TRUE(record.open(native(makeFile("Song.Mp3", body))));
    EXPECT_FALSE(record.open(native(makeFile("song.mp4", body))));
    EXPECT_FALSE(record.open(native(makeFile("song.mp3.txt", body))));
    EXPECT_FALSE(record.open(u"p3"));
    EXPECT_FALSE(record.open(u""));
    EXPECT_FALSE(record.open(native(dir / "missing.mp3")));
    EXPECT_FALSE(record.isOpen);
    std::filesystem::create_directory(dir / "folder.mp3");
    EXPECT_FALSE(record.open(native(dir / "folder.mp3")));
}

TEST_F(TagRecordTest, OpenResetsTheTextsWhateverItsOutcome) {
    RawBlock block{"Title", "Artist", "", "", "", 17};
    auto path = makeFile("a.mp3", audioBody() + block.bytes());
    TagRecord record;
    ASSERT_TRUE(readWith(path, record, CodePage::Utf8));
    EXPECT_EQ(record.genreIndex, 17);
    EXPECT_FALSE(record.open(u"nothing.wav"));
    EXPECT_EQ(record.title, u"");
    EXPECT_EQ(record.artist, u"");
    EXPECT_EQ(record.genreIndex, TagRecord::kGenreNeverRead);
}

TEST_F(TagRecordTest, ReadsEveryFieldOfABlock) {
    RawBlock block{"Abc", "The Artist", "Album", "1999", "Nice", 10};
    auto path = makeFile("a.mp3", audioBody() + block.bytes());
    TagRecord record;
    ASSERT_TRUE(readWith(path, record, CodePage::Ansi));
    EXPECT_EQ(record.title, u"Abc");
    EXPECT_EQ(record.artist, u"The Artist");
    EXPECT_EQ(record.album, u"Album");
    EXPECT_EQ(record.year, u"1999");
    EXPECT_EQ(record.comment, u"Nice");
    EXPECT_EQ(record.genreIndex, 10);
    EXPECT_EQ(record.genreText, u"New Age");

    std::u16string out;
    EXPECT_TRUE(record.fieldByCode(fourCC("INAM"), out));
    EXPECT_EQ(out, u"Abc");
    EXPECT_TRUE(record.fieldByCode(fourCC("IART"), out));
    EXPECT_EQ(out, u"The Artist");
    EXPECT_TRUE(record.fieldByCode(fourCC("ISRC"), out));
    EXPECT_EQ(out, u"Album");
    EXPECT_TRUE(record.fieldByCode(fourCC("ICRD"), out));
    EXPECT_EQ(out, u"1999");
    EXPECT_TRUE(record.fieldByCode(fourCC("ICMT"), out));
    EXPECT_EQ(out, u"Nice");
    EXPECT_TRUE(record.fieldByCode(fourCC("IGNR"), out));
    EXPECT_EQ(out, u"New Age");
    EXPECT_FALSE(record.fieldByCode(fourCC("IXXX"), out));
    EXPECT_EQ(out, u"");
}

TEST_F(TagRecordTest, FilesWithoutABlockReadAsEmpty) {
    TagRecord record;
    // "tag" in lower case is not a block; neither is a file shorter than a block.
    std::string lowerTag = RawBlock{"Title", "", "", "", "", 3}.bytes();
    lowerTag[0] = 't';
    for (const std::string& bytes :
         {audioBody(), audioBody() + lowerTag, std::string("TAG"), std::string()}) {
        auto path = makeFile("x.mp3", bytes);
        ASSERT_TRUE(record.open(native(path)));
        EXPECT_FALSE(record.read());
        EXPECT_EQ(record.title, u"");
        EXPECT_EQ(record.genreIndex, 0);
        EXPECT_EQ(record.genreText, u"");
    }
}

TEST_F(TagRecordTest, GenreByteFoldsOnReadAndUnfoldsOnWriteForEveryValue) {
    for (int byte = 0; byte < 256; ++byte) {
        RawBlock block{"T", "", "", "", "", static_cast<uint8_t>(byte)};
        auto path = makeFile("g.mp3", audioBody(200) + block.bytes());
        TagRecord record;
        record.accessMode = 2;
        ASSERT_TRUE(record.open(native(path)));
        ASSERT_TRUE(record.read());
        // 148..255 fold to 48..155: the markers 248..254 to 148..154, and the
        // unused 148..247 onto the table's own 48..147.
        int expectedIndex = byte > 147 ? byte - 100 : byte;
        EXPECT_EQ(record.genreIndex, expectedIndex) << byte;
        std::u16string expectedName =
            expectedIndex <= 147 ? TagRecord::genreName(expectedIndex) : std::u16string(u"Unknown");
        EXPECT_EQ(record.genreText, expectedName) << byte;
        ASSERT_TRUE(record.write());
        record.close();
        int expectedByte = byte >= 148 && byte <= 247 ? byte - 100 : byte;
        EXPECT_EQ(static_cast<uint8_t>(readFileBytes(path).back()), expectedByte) << byte;
    }
}

TEST_F(TagRecordTest, GenreNamesCoverTheTableAndTheMarkers) {
    EXPECT_EQ(TagRecord::genreName(0), u"Blues");
    EXPECT_EQ(TagRecord::genreName(79), u"Hard Rock");
    EXPECT_EQ(TagRecord::genreName(80), u"Folk");
    EXPECT_EQ(TagRecord::genreName(100), u"Humour");
    EXPECT_EQ(TagRecord::genreName(147), u"Synthpop");
    EXPECT_EQ(TagRecord::genreName(148), u"Unknown");
    EXPECT_EQ(TagRecord::genreName(248), u"BIG5");
    EXPECT_EQ(TagRecord::genreName(249), u"SJIS");
    EXPECT_EQ(TagRecord::genreName(250), u"GB");
    EXPECT_EQ(TagRecord::genreName(251), u"KSC");
    EXPECT_EQ(TagRecord::genreName(252), u"");
    EXPECT_EQ(TagRecord::genreName(253), u"");
    EXPECT_EQ(TagRecord::genreName(254), u"UTF-8");
    EXPECT_EQ(TagRecord::genreName(255), u"Unknown");
    EXPECT_EQ(TagRecord::genreName(-1), u"Unknown");
    EXPECT_EQ(TagRecord::genreName(65535), u"Unknown");
}

struct MarkerCase {
    uint8_t genreByte;
    int chosenWithAutoTranslate;
};

class CodePageMarkers : public TagRecordTest, public testing::WithParamInterface<MarkerCase> {};

TEST_P(CodePageMarkers, ChooseTheCodePageOnlyWhenAskedTo) {
    const MarkerCase& c = GetParam();
    auto path = makeFile("m.mp3", audioBody() + RawBlock{"x", "", "", "", "", c.genreByte}.bytes());
    TagRecord record;
    record.defaultCodePage = CodePage::Ksc;

    record.selectCodePage = true;
    record.autoTranslate = true;
    ASSERT_TRUE(readWith(path, record, CodePage::Gb));
    EXPECT_EQ(record.codePage, c.chosenWithAutoTranslate);

    record.autoTranslate = false;
    ASSERT_TRUE(readWith(path, record, CodePage::Gb));
    EXPECT_EQ(record.codePage, CodePage::Ansi);

    record.selectCodePage = false;
    record.autoTranslate = true;
    ASSERT_TRUE(readWith(path, record, CodePage::Gb));
    EXPECT_EQ(record.codePage, CodePage::Gb);
}

INSTANTIATE_TEST_SUITE_P(
    EveryMarker, CodePageMarkers,
    testing::Values(MarkerCase{248, CodePage::Big5}, MarkerCase{249, CodePage::ShiftJis},
                    MarkerCase{250, CodePage::Gb}, MarkerCase{251, CodePage::Ksc},
                    MarkerCase{252, CodePage::Ksc}, MarkerCase{253, CodePage::Ksc},
                    MarkerCase{254, CodePage::Utf8}, MarkerCase{255, CodePage::Ksc},
                    MarkerCase{17, CodePage::Ksc}));

TEST_F(TagRecordTest, ABig5MarkedBlockReadsAsUnicode) {
    RawBlock block{"\xA4\xA4\xA4\xE5", "", "", "", "", 248};
    auto path = makeFile("b.mp3", audioBody() + block.bytes());
    TagRecord record;
    record.selectCodePage = true;
    record.autoTranslate = true;
    ASSERT_TRUE(readWith(path, record, CodePage::Utf8));
    EXPECT_EQ(record.title, u16("中文"));
    EXPECT_EQ(record.genreIndex, 148);
    EXPECT_EQ(record.genreText, u"Unknown");
}

TEST_F(TagRecordTest, WriteAppendsABlockOrReplacesTheOldOne) {
    std::string body = audioBody(1000);
    auto path = makeFile("w.mp3", body);
    TagRecord record;
    record.accessMode = 2;
    ASSERT_TRUE(record.open(native(path)));
    record.title = u"Abc";
    record.genreIndex = 10;
    ASSERT_TRUE(record.write());
    record.close();
    std::string bytes = readFileBytes(path);
    ASSERT_EQ(bytes.size(), body.size() + 128);
    EXPECT_EQ(bytes.substr(0, body.size()), body);
    EXPECT_EQ(bytes.substr(body.size(), 3), "TAG");
    EXPECT_EQ(blockField(bytes, 3, 30), padded("Abc", 30));
    EXPECT_EQ(blockField(bytes, 33, 30), std::string(1, '\0') + std::string(29, ' '));
    EXPECT_EQ(blockField(bytes, 93, 4), std::string(1, '\0') + "   ");
    EXPECT_EQ(bytes.back(), '\x0A');

    ASSERT_TRUE(record.open(native(path)));
    ASSERT_TRUE(record.read());
    record.title = u"Longer title";
    record.genreIndex = 148;
    ASSERT_TRUE(record.write());
    record.close();
    bytes = readFileBytes(path);
    ASSERT_EQ(bytes.size(), body.size() + 128);
    EXPECT_EQ(blockField(bytes, 3, 30), padded("Longer title", 30));
    EXPECT_EQ(static_cast<uint8_t>(bytes.back()), 248);
}

TEST_F(TagRecordTest, AShortFileGetsABlockAfterItsLastByte) {
    auto path = makeFile("short.mp3", "12345");
    TagRecord record;
    record.accessMode = 2;
    ASSERT_TRUE(record.open(native(path)));
    EXPECT_FALSE(record.read());
    record.artist = u"Me";
    ASSERT_TRUE(record.write());
    record.close();
    std::string bytes = readFileBytes(path);
    ASSERT_EQ(bytes.size(), 5u + 128);
    EXPECT_EQ(bytes.substr(0, 8), "12345TAG");
}

TEST_F(TagRecordTest, AReadOnlyRecordNeverTouchesTheFile) {
    std::string original = audioBody() + RawBlock{"Keep", "", "", "", "", 1}.bytes();
    auto path = makeFile("ro.mp3", original);
    TagRecord record;  // read-only by default
    ASSERT_TRUE(record.open(native(path)));
    ASSERT_TRUE(record.read());
    record.title = u"Changed";
    EXPECT_FALSE(record.write());
    EXPECT_FALSE(record.removeTag());
    record.close();
    EXPECT_EQ(readFileBytes(path), original);
}

TEST_F(TagRecordTest, ReadWriteRecordRefusesAReadOnlyFile) {
    auto path = makeFile("locked.mp3", audioBody());
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    TagRecord record;
    record.accessMode = 3;
    if (geteuid() != 0) {  // root may write anything
        EXPECT_FALSE(record.open(native(path)));
    }
}

TEST_F(TagRecordTest, AWriteCutShortLeavesTheFileAsItWas) {
    std::string plain = audioBody(1000);
    std::string tagged = audioBody(1000) + RawBlock{"Old", "", "", "", "", 3}.bytes();
    auto appendPath = makeFile("append.mp3", plain);
    auto replacePath = makeFile("replace.mp3", tagged);
    TagRecord record;
    record.accessMode = 2;
    {
        FileSizeLimit limit(1000 + 64);  // half of an appended block fits
        ASSERT_TRUE(record.open(native(appendPath)));
        record.title = u"New";
        EXPECT_FALSE(record.write());
        record.close();
        ASSERT_TRUE(record.open(native(replacePath)));
        ASSERT_TRUE(record.read());
        record.title = u"New";
        EXPECT_FALSE(record.write());
        record.close();
    }
    EXPECT_EQ(readFileBytes(appendPath), plain);
    EXPECT_EQ(readFileBytes(replacePath), tagged);
}

TEST_F(TagRecordTest, RemoveTagCutsOnlyARealBlock) {
    std::string body = audioBody(500);
    auto tagged = makeFile("t.mp3", body + RawBlock{"x", "", "", "", "", 0}.bytes());
    auto plain = makeFile("p.mp3", body);
    TagRecord record;
    record.accessMode = 2;
    ASSERT_TRUE(record.open(native(tagged)));
    EXPECT_TRUE(record.removeTag());
    record.close();
    EXPECT_EQ(readFileBytes(tagged), body);

    ASSERT_TRUE(record.open(native(plain)));
    EXPECT_TRUE(record.removeTag());
    record.close();
    EXPECT_EQ(readFileBytes(plain), body);
}

TEST_F(TagRecordTest, RewritingNormalisesPaddingAndKeepsTheText) {
    RawBlock block{"Abc", "Zero padded", "", "", "", 5};
    std::string bytes = audioBody() + block.bytes('\0');
    auto path = makeFile("n.mp3", bytes);
    TagRecord record;
    record.accessMode = 2;
    ASSERT_TRUE(readWith(path, record, CodePage::Ansi));
    ASSERT_TRUE(record.write());
    record.close();
    std::string after = readFileBytes(path);
    EXPECT_EQ(blockField(after, 3, 30), padded("Abc", 30));
    EXPECT_EQ(blockField(after, 33, 30), padded("Zero padded", 30));
    ASSERT_TRUE(readWith(path, record, CodePage::Ansi));
    EXPECT_EQ(record.title, u"Abc");
    EXPECT_EQ(record.artist, u"Zero padded");
}

TEST_F(TagRecordTest, AnId3v11TrackNumberSurvivesARewriteWhenTheCommentLeavesRoom) {
    RawBlock block{"Song", "", "", "", "", 0};
    std::string blockBytes = block.bytes();
    blockBytes.replace(97, 30, padded("Short", 28) + std::string(1, '\0') + "\x07");
    auto path = makeFile("v11.mp3", audioBody() + blockBytes);

    TagRecord record;
    record.accessMode = 2;
    ASSERT_TRUE(readWith(path, record, CodePage::Ansi));
    EXPECT_EQ(record.comment, u"Short");
    ASSERT_TRUE(record.write());
    record.close();
    EXPECT_EQ(readFileBytes(path), audioBody() + blockBytes);

    ASSERT_TRUE(readWith(path, record, CodePage::Ansi));
    record.comment = std::u16string(28, u'c');
    ASSERT_TRUE(record.write());
    record.close();
    std::string after = readFileBytes(path);
    EXPECT_EQ(blockField(after, 97, 30), std::string(28, 'c') + std::string(1, '\0') + "\x07");
    ASSERT_TRUE(readWith(path, record, CodePage::Ansi));
    EXPECT_EQ(record.comment, std::u16string(28, u'c'));

    // A comment that needs all 30 bytes wins over the track number.
    record.accessMode = 2;
    ASSERT_TRUE(readWith(path, record, CodePage::Ansi));
    record.comment = std::u16string(29, u'd');
    ASSERT_TRUE(record.write());
    record.close();
    EXPECT_EQ(blockField(readFileBytes(path), 97, 30), padded(std::string(29, 'd'), 30));
}

TEST_F(TagRecordTest, WriteFieldsEncodesOnlyTheChosenFields) {
    // Latin-1 and Shift-JIS bytes that UTF-8 cannot decode, a zero-padded album and
    // an ID3v1.1 track number.
    RawBlock block{"Caf\xE9 Noir", "\x82\xB3\x82\xAD", "", "1999", "", 17};
    std::string blockBytes = block.bytes();
    blockBytes.replace(63, 30, std::string("Alb") + std::string(27, '\0'));
    blockBytes.replace(97, 30, padded("Short", 28) + std::string(1, '\0') + "\x07");
    std::string expected = audioBody() + blockBytes;
    auto path = makeFile("p.mp3", expected);
    TagRecord record;
    record.accessMode = 2;
    auto writeOnly = [&](unsigned fields, auto change) {
        ASSERT_TRUE(readWith(path, record, CodePage::Utf8));
        change();
        EXPECT_TRUE(record.writeFields(fields));
        record.close();
    };
    auto put = [&](size_t offset, const std::string& bytes) {
        expected.replace(expected.size() - 128 + offset, bytes.size(), bytes);
    };

    writeOnly(TagRecord::kYearField, [&] { record.year = u"2001"; });
    put(93, "2001");
    EXPECT_EQ(readFileBytes(path), expected);
    writeOnly(TagRecord::kGenreField, [&] { record.genreIndex = 148; });
    put(127, "\xF8");
    EXPECT_EQ(readFileBytes(path), expected);
    // A written comment keeps the track number as a whole write does.
    writeOnly(TagRecord::kCommentField | TagRecord::kTitleField, [&] {
        record.comment = u"Long";
        record.title = u"Neu";
    });
    put(97, padded("Long", 28));
    put(3, padded("Neu", 30));
    EXPECT_EQ(readFileBytes(path), expected);
    writeOnly(0, [&] { record.artist = u"Nobody"; });
    EXPECT_EQ(readFileBytes(path), expected);

    // A file without a block starts from an empty one with genre 0.
    auto bare = makeFile("bare.mp3", audioBody());
    ASSERT_TRUE(record.open(native(bare)));
    record.artist = u"Me";
    record.genreIndex = 5;
    EXPECT_TRUE(record.writeFields(TagRecord::kArtistField));
    record.close();
    std::string empty30 = std::string(1, '\0') + std::string(29, ' ');
    EXPECT_EQ(readFileBytes(bare), audioBody() + "TAG" + empty30 + padded("Me", 30) + empty30 +
                                       std::string(1, '\0') + "   " + empty30 +
                                       std::string(1, '\0'));

    TagRecord readOnly;
    ASSERT_TRUE(readOnly.open(native(bare)));
    EXPECT_FALSE(readOnly.writeFields(TagRecord::kTitleField));
}

TEST_F(TagRecordTest, AZeroTrackByteIsNotATrackNumber) {
    RawBlock block{"Song", "", "", "", "", 0};
    std::string blockBytes = block.bytes('\0');
    auto path = makeFile("v10.mp3", audioBody() + blockBytes);
    TagRecord record;
    record.accessMode = 2;
    ASSERT_TRUE(readWith(path, record, CodePage::Ansi));
    record.comment = u"Hi";
    ASSERT_TRUE(record.write());
    record.close();
    EXPECT_EQ(blockField(readFileBytes(path), 97, 30), padded("Hi", 30));
}

}  // namespace
