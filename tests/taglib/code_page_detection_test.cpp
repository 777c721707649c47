// How a read chooses its code page when asked to detect it, how a field cut inside
// a character reads, and how the tags of a folder vote.
#include <gtest/gtest.h>

#include <random>

#include "id3v1_fixtures.h"
#include "taglib/code_page_detector.h"
#include "taglib/tag_record.h"
#include "tests/support/temp_dir.h"

namespace {

// "我的未來不是夢" in Big5: plainly Traditional Chinese.
const std::string kBig5Title = "\xA7\xDA\xAA\xBA\xA5\xBC\xA8\xD3\xA4\xA3\xAC\x4F\xB9\xDA";

class DetectingRead : public testing::Test {
protected:
    TagRecord& readBlock(const RawBlock& block) {
        std::filesystem::path path = dir / ("t" + std::to_string(files++) + ".mp3");
        writeFileBytes(path, audioBody() + block.bytes());
        EXPECT_TRUE(record.open(u16(path.string())));
        EXPECT_TRUE(record.read());
        return record;
    }

    TempDir dir;
    TagRecord record;
    int files = 0;
};

TEST_F(DetectingRead, AMarkerComesFirstThenDetectionThenTheChosenCodePage) {
    using Source = TagRecord::CodePageSource;
    record.defaultCodePage = CodePage::Ksc;
    record.selectCodePage = true;
    record.autoTranslate = true;
    record.autoDetect = true;
    // A GB marker wins over what the text looks like.
    readBlock({kBig5Title, "", "", "", "", 250});
    EXPECT_EQ(record.codePage, CodePage::Gb);
    EXPECT_EQ(record.codePageSource, Source::Marker);
    // Without a marker of a code page (a genre, 252) the text decides.
    for (uint8_t genre : {12, 252}) {
        readBlock({kBig5Title, "", "", "", "", genre});
        EXPECT_EQ(record.codePage, CodePage::Big5);
        EXPECT_EQ(record.codePageSource, Source::Detected);
        EXPECT_EQ(record.title, u16("我的未來不是夢"));
        EXPECT_GE(record.codePageConfidence, CodePageVote::kClear);
        EXPECT_TRUE(record.codePageScores.evidence);
    }
    // Markers are honoured only when asked to; detection still applies.
    for (bool select : {false, true}) {
        record.selectCodePage = select;
        record.autoTranslate = !select;
        readBlock({kBig5Title, "", "", "", "", 250});
        EXPECT_EQ(record.codePage, CodePage::Big5);
        EXPECT_EQ(record.codePageSource, Source::Detected);
    }
    // Without detection the old choice stands: the default, or the caller's.
    record.autoDetect = false;
    record.selectCodePage = true;
    record.autoTranslate = true;
    readBlock({kBig5Title, "", "", "", "", 12});
    EXPECT_EQ(record.codePage, CodePage::Ksc);
    EXPECT_EQ(record.codePageSource, Source::Given);
    EXPECT_FALSE(record.codePageScores.evidence);
    record.selectCodePage = false;
    record.codePage = CodePage::Gb;
    readBlock({kBig5Title, "", "", "", "", 248});
    EXPECT_EQ(record.codePage, CodePage::Gb);
    EXPECT_EQ(record.codePageSource, Source::Given);
    // Plain ASCII gives no evidence: every code page reads it alike.
    record.autoDetect = true;
    readBlock({"Queen", "Bohemian Rhapsody", "", "1975", "", 12});
    EXPECT_EQ(record.codePage, CodePage::Ansi);
    EXPECT_EQ(record.codePageSource, Source::Detected);
    EXPECT_EQ(record.codePageConfidence, 0);
    EXPECT_FALSE(record.codePageScores.evidence);
    // A file without a block leaves nothing of the read before.
    readBlock({kBig5Title, "", "", "", "", 12});
    writeFileBytes(dir / "none.mp3", audioBody());
    ASSERT_TRUE(record.open(u16((dir / "none.mp3").string())));
    EXPECT_FALSE(record.read());
    EXPECT_EQ(record.codePageSource, Source::Given);
    EXPECT_FALSE(record.codePageScores.evidence);
}

TEST_F(DetectingRead, AFieldCutInsideACharacterReadsUpToTheCut) {
    // Fourteen Big5 characters and a space fill 29 bytes; the 30th is the first
    // byte of 中, cut off.
    std::string big5;
    std::u16string whole;
    for (int i = 0; i < 14; ++i) {
        big5 += "\xA4\xE5";  // 文
        whole += u'文';
    }
    std::string cutBig5 = big5 + " \xA4";
    // "a" and nine three-byte characters are 28 bytes; two bytes of a tenth follow.
    std::string cutUtf8 = "a";
    std::u16string wholeUtf8 = u"a";
    for (int i = 0; i < 9; ++i) {
        cutUtf8 += "\xE6\x96\x87";
        wholeUtf8 += u'文';
    }
    cutUtf8 += "\xE6\x96";
    ASSERT_EQ(cutBig5.size(), 30u);
    ASSERT_EQ(cutUtf8.size(), 30u);
    record.autoDetect = true;
    readBlock({cutBig5, "", "", "", "", 12});
    EXPECT_EQ(record.codePage, CodePage::Big5);
    EXPECT_EQ(record.title, whole);  // the space before the cut is padding too
    readBlock({cutUtf8, "", "", "", "", 12});
    EXPECT_EQ(record.codePage, CodePage::Utf8);
    EXPECT_EQ(record.title, wholeUtf8);
    // Without detection a cut character still reads as a replacement character.
    record.autoDetect = false;
    record.codePage = CodePage::Big5;
    readBlock({cutBig5, "", "", "", "", 12});
    EXPECT_EQ(record.title, whole + u" \uFFFD");
}

// Scores as a tag might give them: every candidate valid unless named.
CodePageScores scores(std::initializer_list<std::pair<int, double>> given,
                      std::initializer_list<int> invalid = {}) {
    CodePageScores result;
    result.evidence = true;
    for (double& score : result.score) {
        score = -60;
    }
    for (auto [codePage, score] : given) {
        result.score[static_cast<size_t>(CodePageScores::indexOf(codePage))] = score;
    }
    for (int codePage : invalid) {
        result.valid[static_cast<size_t>(CodePageScores::indexOf(codePage))] = false;
    }
    return result;
}

TEST(CodePageVote, TheFolderDecidesOnlyWhereATagIsUnsure) {
    CodePageVote folder;
    EXPECT_TRUE(folder.empty());
    for (int i = 0; i < 5; ++i) {
        folder.add(scores({{CodePage::Gb, -20}, {CodePage::Ksc, -35}}));
    }
    CodePageScores noEvidence;
    folder.add(noEvidence);  // does not vote
    EXPECT_EQ(folder.voters(), 5);

    // An ambiguous tag reads as its folder does.
    CodePageScores unsure = scores({{CodePage::Ksc, -15}, {CodePage::Gb, -16}});
    EXPECT_EQ(CodePageDetector::Decide(unsure).codePage, CodePage::Ksc);
    EXPECT_LT(CodePageDetector::Decide(unsure).confidence, CodePageVote::kClear);
    EXPECT_EQ(folder.decide(unsure).codePage, CodePage::Gb);
    // A clear reading stands against the folder.
    CodePageScores korean = scores({{CodePage::Ksc, -40}, {CodePage::Gb, -55}});
    EXPECT_EQ(folder.decide(korean).codePage, CodePage::Ksc);
    // The folder never picks a code page in which the tag is not valid.
    CodePageScores western =
        scores({{CodePage::Ansi, -9}, {CodePage::Ksc, -8.5}}, {CodePage::Gb, CodePage::Big5});
    EXPECT_EQ(folder.decide(western).codePage, CodePage::Ansi);
    // Plain ASCII takes the folder's code page; its text reads the same in any.
    EXPECT_EQ(folder.decide(noEvidence).codePage, CodePage::Gb);
    EXPECT_EQ(CodePageVote().decide(noEvidence).codePage, CodePage::Ansi);
}

TEST(CodePageDetectorRobustness, AnyBytesGiveAValidGuess) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 40);
    CodePageVote vote;
    for (int i = 0; i < 20000; ++i) {
        std::string fields[3];
        for (std::string& field : fields) {
            field.resize(static_cast<size_t>(length(random)));
            for (char& c : field) {
                c = static_cast<char>(byte(random));
            }
        }
        std::vector<std::string_view> views(std::begin(fields), std::end(fields));
        CodePageScores tag = CodePageDetector::Score(views);
        CodePageGuess guess = vote.decide(tag);
        vote.add(tag);
        int index = CodePageScores::indexOf(guess.codePage);
        ASSERT_GE(index, 0);
        EXPECT_TRUE(tag.valid[static_cast<size_t>(index)]);
        EXPECT_TRUE(tag.valid[static_cast<size_t>(CodePageScores::indexOf(CodePage::Ansi))]);
        EXPECT_GE(guess.confidence, 0);
        EXPECT_LE(guess.confidence, 1);
        for (int codePage : CodePageScores::kCandidates) {
            int cut = CodePageDetector::CutLength(codePage, fields[0]);
            EXPECT_GE(cut, 0);
            EXPECT_LE(static_cast<size_t>(cut), std::min<size_t>(fields[0].size(), 3));
        }
    }
}

}  // namespace
