#include <gtest/gtest.h>

#include <QString>

#include "jukebox/skin/spec_parser.h"
#include "tests/support/recording_ui_service.h"

namespace {

class SpecParserTest : public ::testing::Test {
protected:
    void parse(const std::string& text) {
        SpecParser(ui).parse(QByteArrayView(text.data(), qsizetype(text.size())), skin);
    }
    const SkinEntry& mainEntry(SkinKeyword keyword) const { return skin.main.entry(keyword); }
    QStringList errorsAt(std::initializer_list<int> lines) const {
        QStringList out;
        for (int line : lines) {
            out << QStringLiteral("spec.txt parse error at line %1").arg(line);
        }
        return out;
    }

    RecordingUiService ui;
    SkinDescription skin;
};

TEST_F(SpecParserTest, KeywordsSectionsAndLettersIgnoreCase) {
    parse("[main]\nPLAY V 10 20 30 40\nStop i 1 2 3 4\n[Alt]\nplay v 10 20 30 40\n");
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(u'|').toStdString();
    const SkinEntry& upper = mainEntry(SkinPlay);
    const SkinEntry& lower = skin.alternate.entry(SkinPlay);
    for (const SkinEntry* e : {&upper, &lower}) {
        EXPECT_EQ(e->show, SkinVisible);
        EXPECT_EQ(e->x, 10);
        EXPECT_EQ(e->y, 20);
        EXPECT_EQ(e->w, 30);
        EXPECT_EQ(e->h, 40);
    }
    EXPECT_EQ(mainEntry(SkinStop).show, SkinHidden);
    EXPECT_EQ(skin.alternate.entry(SkinStop).show, SkinNotDescribed);
}

TEST_F(SpecParserTest, EveryKindOfLineSetsItsFields) {
    parse(
        "[MAIN]\n"
        "volume v v 5 6 00FF00 zz00ff 123456\n"
        "time v 7 8\n"
        "tag i 9 10\n"
        "anim v 11 12 8 125\n"
        "track v f 1 2 300 20 -3 40 102030 a0b0c0\n"
        "[ALT]\n"
        "track v b 4 5 100 10 2 50\n");
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(u'|').toStdString();
    const SkinEntry& volume = mainEntry(SkinVolume);
    EXPECT_EQ(volume.orient, SkinVertical);
    EXPECT_EQ(volume.x, 5);
    EXPECT_EQ(volume.y, 6);
    EXPECT_EQ(volume.c1, qRgb(0, 255, 0));
    EXPECT_EQ(volume.c2, qRgb(0, 0, 255));  // z counts as 0
    EXPECT_EQ(volume.c3, qRgb(0x12, 0x34, 0x56));
    EXPECT_EQ(mainEntry(SkinTime).x, 7);
    EXPECT_EQ(mainEntry(SkinTag).show, SkinHidden);
    EXPECT_EQ(mainEntry(SkinAnim).frames, 8);
    EXPECT_EQ(mainEntry(SkinAnim).ms, 125);
    const SkinEntry& track = mainEntry(SkinTrack);
    EXPECT_EQ(track.fontMode, SkinFontText);
    EXPECT_EQ(track.w, 300);
    EXPECT_EQ(track.step, -3);
    EXPECT_EQ(track.period, 40);
    EXPECT_EQ(track.bg, qRgb(0x10, 0x20, 0x30));
    EXPECT_EQ(track.fg, qRgb(0xA0, 0xB0, 0xC0));
    const SkinEntry& glyphs = skin.alternate.entry(SkinTrack);
    EXPECT_EQ(glyphs.fontMode, SkinGlyphs);
    EXPECT_EQ(glyphs.bg, qRgb(0, 0, 0));  // a glyph line states no colours
}

TEST_F(SpecParserTest, TokenCountsOtherThanTheKeywordTakesAreReported) {
    struct Case {
        const char* line;
        bool reported;
    } cases[] = {
        {"play v 10 20 30 40", false},
        {"play v 10 20 30 40 50", true},
        {"play v 10 20 30", true},
        {"balance v h 1 2 000000 111111 222222", false},
        {"balance v h 1 2 000000 111111", true},
        {"balance v h 1 2 000000 111111 222222 333333", true},
        {"time v 1 2", false},
        {"time v 1 2 3", true},
        {"pm v 1", true},
        {"anim v 1 2 3 4", false},
        {"anim v 1 2 3", true},
        {"track v b 1 2 3 4 5 6", false},
        {"track v b 1 2 3 4 5 6 7", true},
        {"track v b 1 2 3 4 5", true},
        // A font-mode track line is not counted, whatever it holds.
        {"track v f 1 2 3 4 5 6 000000 ffffff", false},
        {"track v f 1 2 3 4 5 6 000000", false},
        {"track v f 1 2 3 4 5 6 000000 ffffff 1 2 3 4 5", false},
        {"play v 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15", true},
    };
    for (const Case& c : cases) {
        ui.messages.clear();
        parse(std::string("[MAIN]\n") + c.line + "\n");
        EXPECT_EQ(ui.messages, c.reported ? errorsAt({2}) : QStringList()) << c.line;
    }
}

TEST_F(SpecParserTest, ReportedLinesKeepWhatTheySet) {
    parse("[MAIN]\nplay v 10 20 30 40 99\nstop v 5 6\ntrack v f 1 2 3 4 5 6 00ff00\n");
    EXPECT_EQ(ui.messages, errorsAt({2, 3}));
    const SkinEntry& play = mainEntry(SkinPlay);
    EXPECT_EQ(play.show, SkinVisible);
    EXPECT_EQ((std::array{play.x, play.y, play.w, play.h}), (std::array{10, 20, 30, 40}));
    // Missing tokens read as 0.
    EXPECT_EQ(mainEntry(SkinStop).x, 5);
    EXPECT_EQ(mainEntry(SkinStop).w, 0);
    EXPECT_EQ(mainEntry(SkinTrack).bg, qRgb(0, 255, 0));
    EXPECT_EQ(mainEntry(SkinTrack).fg, qRgb(0, 0, 0));
}

TEST_F(SpecParserTest, BadLettersKeepTheOldValueButStillSetTheNumbers) {
    parse(
        "[MAIN]\n"
        "play i 1 1 1 1\n"
        "play x 10 20 30 40\n"
        "volume v h 0 0 000000 000000 000000\n"
        "volume v q 3 4 ff0000 00ff00 0000ff\n"
        "track v b 1 1 1 1 1 1\n"
        "track v z 7 8 9 10 11 12\n"
        "pm vv 5 5\n");
    EXPECT_EQ(ui.messages, errorsAt({3, 5, 7, 8}));
    const SkinEntry& play = mainEntry(SkinPlay);
    EXPECT_EQ(play.show, SkinHidden);
    EXPECT_EQ((std::array{play.x, play.y, play.w, play.h}), (std::array{10, 20, 30, 40}));
    const SkinEntry& volume = mainEntry(SkinVolume);
    EXPECT_EQ(volume.orient, SkinHorizontal);
    EXPECT_EQ(volume.x, 3);
    EXPECT_EQ(volume.c3, qRgb(0, 0, 255));
    EXPECT_EQ(mainEntry(SkinTrack).fontMode, SkinGlyphs);
    EXPECT_EQ(mainEntry(SkinTrack).x, 7);
    EXPECT_EQ(mainEntry(SkinPm).show, SkinNotDescribed);
    EXPECT_EQ(mainEntry(SkinPm).x, 5);
}

TEST_F(SpecParserTest, LinesBeforeTheFirstSectionAndUnknownKeywordsAreIgnored) {
    parse(
        "[Name]\nBlue\nplay v 1 2 3 4\nplay x\n[MAIN]\nplays v 1 2 3 4\n[Controls]\n"
        "pause v 1 2 3 4\n");
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(u'|').toStdString();
    EXPECT_EQ(mainEntry(SkinPlay).show, SkinNotDescribed);
    EXPECT_EQ(mainEntry(SkinPause).show, SkinVisible);
}

TEST_F(SpecParserTest, SkippedLinesStillCountForLineNumbers) {
    // Line 2 a comment, 3 empty, 4 too short, 5 CR LF ended, 6 blanks only.
    parse(
        "[MAIN]\n# play v\n\nab\r\nplay v 1 2 3 4\r\n     \nstop v 1\n#stop v 1\n"
        "pause v\n");
    EXPECT_EQ(ui.messages, errorsAt({7, 9}));
    EXPECT_EQ(mainEntry(SkinPlay).h, 4);
}

TEST_F(SpecParserTest, LongLinesAreReadInPiecesOf1023Characters) {
    std::string first = "play v 1 2 3 4";
    first.resize(SpecParser::kMaxLineLength, ' ');
    parse("[MAIN]\n" + first + "stop v 5 6 7 8\npm v 1\n");
    // The second piece is line 3, so the pm error is on line 4.
    EXPECT_EQ(ui.messages, errorsAt({4}));
    EXPECT_EQ(mainEntry(SkinPlay).w, 3);
    EXPECT_EQ(mainEntry(SkinStop).show, SkinVisible);
    EXPECT_EQ(mainEntry(SkinStop).h, 8);
}

TEST_F(SpecParserTest, OverlongTokensAreCutNotSplit) {
    // 2 digits and 68 letters: one token of 63 characters, so six tokens in all.
    parse("[MAIN]\nplay v 10 20 30 40" + std::string(68, 'x') + "\n");
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(u'|').toStdString();
    EXPECT_EQ(mainEntry(SkinPlay).h, 40);
    EXPECT_EQ(SpecParser::splitTokens(QString(100, u'k')).at(0).size(), 63);
    EXPECT_EQ(SpecParser::splitTokens(QStringLiteral(" a\tb  c ")),
              (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
}

TEST(SpecParserValues, NumbersAndColoursAreReadLeniently) {
    struct NumberCase {
        const char* token;
        int value;
    } numbers[] = {{"12", 12},
                   {"-5", -5},
                   {"+7", 7},
                   {"12abc", 12},
                   {"abc", 0},
                   {"", 0},
                   {"-", 0},
                   {"0x10", 0},
                   {"007", 7},
                   {"1-2", 1},
                   {"99999999999", 2147483647},
                   {"-99999999999", -2147483647 - 1}};
    for (const NumberCase& c : numbers) {
        EXPECT_EQ(SpecParser::readNumber(QString::fromLatin1(c.token)), c.value) << c.token;
    }
    struct ColourCase {
        const char* token;
        QRgb value;
    } colours[] = {{"00FF00", qRgb(0, 255, 0)},
                   {"zz00ff", qRgb(0, 0, 255)},
                   {"FfEeDd", qRgb(255, 238, 221)},
                   {"ff", qRgb(255, 0, 0)},
                   {"", qRgb(0, 0, 0)},
                   {"#12345", qRgb(0x01, 0x23, 0x45)},
                   {"g1g1g1", qRgb(1, 1, 1)},
                   {"1234567", qRgb(0x12, 0x34, 0x56)}};
    for (const ColourCase& c : colours) {
        EXPECT_EQ(SpecParser::readColour(QString::fromLatin1(c.token)), c.value) << c.token;
    }
}

TEST_F(SpecParserTest, ALaterFileOverwritesOnlyWhatItStates) {
    parse("[MAIN]\nplay v 1 2 3 4\nstop v 5 6 7 8\n");
    parse("[MAIN]\nplay i 9 9 9 9\n");
    EXPECT_EQ(mainEntry(SkinPlay).show, SkinHidden);
    EXPECT_EQ(mainEntry(SkinStop).show, SkinVisible);
    EXPECT_EQ(mainEntry(SkinStop).x, 5);
}

}  // namespace
