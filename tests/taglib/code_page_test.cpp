// Field conversion between block bytes and UTF-16: trimming, padding, every code
// page's round trip, substitutes, and cutting only between whole characters.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "id3v1_fixtures.h"
#include "taglib/tag_record.h"

namespace {

std::u16string decode(int codePage, const std::string& field) {
    TagRecord record;
    record.codePage = codePage;
    std::u16string out = u"stale";
    record.decodeField(out, reinterpret_cast<const uint8_t*>(field.data()),
                       static_cast<int>(field.size()));
    return out;
}

std::string encode(int codePage, std::u16string_view text, int width) {
    TagRecord record;
    record.codePage = codePage;
    std::string out(static_cast<size_t>(width), 'x');
    record.encodeField(reinterpret_cast<uint8_t*>(out.data()), text, width);
    return out;
}

std::string padded(std::string text, size_t width) {
    text.resize(width, ' ');
    return text;
}

TEST(FieldDecode, TrimsTrailingSpacesAndZerosButNeverTheFirstByte) {
    EXPECT_EQ(decode(CodePage::Utf8, std::string(30, ' ')), u" ");
    EXPECT_EQ(decode(CodePage::Utf8, padded("Abc", 30)), u"Abc");
    EXPECT_EQ(decode(CodePage::Utf8, std::string("Abc\0\0 \0 ", 9)), u"Abc");
    // Inner spaces stay; the text ends at the first zero byte.
    EXPECT_EQ(decode(CodePage::Utf8, padded("A  b", 30)), u"A  b");
    EXPECT_EQ(decode(CodePage::Utf8, std::string("Ab\0cd", 5)), u"Ab");
    EXPECT_EQ(decode(CodePage::Utf8, std::string("Ab  \0\x07", 6)), u"Ab");
    EXPECT_EQ(decode(CodePage::Utf8, std::string(" \0zz", 4)), u" ");
    EXPECT_EQ(decode(CodePage::Utf8, std::string("\0Hidden text", 12)), u"");
    EXPECT_EQ(decode(CodePage::Utf8, std::string(30, '\0')), u"");
}

TEST(FieldEncode, PadsWithSpacesAndKeepsTheZeroOfAnEmptyField) {
    EXPECT_EQ(encode(CodePage::Utf8, u"", 30), std::string(1, '\0') + std::string(29, ' '));
    EXPECT_EQ(encode(CodePage::Utf8, u"Abc", 30), padded("Abc", 30));
    EXPECT_EQ(encode(CodePage::Utf8, u"1999", 4), "1999");
    // Trailing spaces of the text become padding and do not come back.
    std::string field = encode(CodePage::Utf8, u"Abc   ", 30);
    EXPECT_EQ(field, padded("Abc", 30));
    EXPECT_EQ(decode(CodePage::Utf8, field), u"Abc");
    // Text after an embedded terminator is not written.
    EXPECT_EQ(encode(CodePage::Utf8, std::u16string(u"Ab\0cd", 5), 30), padded("Ab", 30));
}

struct RoundTripCase {
    int codePage;
    const char* textUtf8;
    std::string bytes;
};

class CodePageRoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(CodePageRoundTrip, EncodesToTheWindowsBytesAndDecodesBack) {
    const RoundTripCase& c = GetParam();
    std::u16string text = u16(c.textUtf8);
    std::string field = encode(c.codePage, text, 30);
    EXPECT_EQ(field, padded(c.bytes, 30));
    EXPECT_EQ(utf8(decode(c.codePage, field)), c.textUtf8);
}

INSTANTIATE_TEST_SUITE_P(
    AllCodePages, CodePageRoundTrip,
    testing::Values(RoundTripCase{CodePage::Big5, "中文歌", "\xA4\xA4\xA4\xE5\xBA\x71"},
                    RoundTripCase{CodePage::Gb, "中文", "\xD6\xD0\xCE\xC4"},
                    RoundTripCase{CodePage::ShiftJis, "日本ｱ", "\x93\xFA\x96\x7B\xB1"},
                    RoundTripCase{CodePage::Ksc, "한국", "\xC7\xD1\xB1\xB9"},
                    RoundTripCase{CodePage::Utf8, "中é", "\xE4\xB8\xAD\xC3\xA9"},
                    RoundTripCase{CodePage::Ansi, "Café €", "Caf\xE9 \x80"}));

TEST(FieldEncode, WritesAQuestionMarkForEachCharacterTheCodePageLacks) {
    EXPECT_EQ(encode(CodePage::Ansi, u16("a中b"), 30), padded("a?b", 30));
    EXPECT_EQ(encode(CodePage::Big5, u16("x😀y"), 30), padded("x??y", 30));
    // A zero-width space is dropped silently by ICU's own substitute; Windows
    // writes "?".
    EXPECT_EQ(encode(CodePage::Ansi, u"a\u200Bb", 30), padded("a?b", 30));
    // An unpaired surrogate cannot be written in any code page.
    EXPECT_EQ(encode(CodePage::Utf8, std::u16string(u"a") + char16_t(0xD800) + u"b", 30),
              padded("a?b", 30));
}

TEST(FieldDecode, GivesReplacementCharactersForBytesInvalidInTheCodePage) {
    // Big5 bytes read as UTF-8: no failure, replacement characters instead.
    std::u16string text = decode(CodePage::Utf8, padded("\xA4\xA4\xA4\xE5", 30));
    ASSERT_FALSE(text.empty());
    for (char16_t c : text) {
        EXPECT_EQ(c, 0xFFFD);
    }
    // A lead byte with no trail byte at the end of the field.
    EXPECT_EQ(decode(CodePage::Big5, std::string("A\xA4", 2)), u"A\uFFFD");
}

TEST(FieldEncode, CutsLongTextBetweenWholeCharacters) {
    // Eleven 3-byte characters: ten fill the field exactly.
    std::u16string eleven(11, u'中');
    std::string field = encode(CodePage::Utf8, eleven, 30);
    EXPECT_EQ(decode(CodePage::Utf8, field), std::u16string(10, u'中'));
    // Four Big5 characters into the 4-byte year: the first two.
    EXPECT_EQ(encode(CodePage::Big5, u16("中文中文"), 4), "\xA4\xA4\xA4\xE5");
    // "ab" and ten 3-byte characters (32 bytes): the tenth would be cut in two, so
    // it is left out and its bytes are padding.
    std::u16string mixed = u"ab" + std::u16string(10, u'中');
    field = encode(CodePage::Utf8, mixed, 30);
    EXPECT_EQ(decode(CodePage::Utf8, field), u"ab" + std::u16string(9, u'中'));
    EXPECT_EQ(field.substr(29), " ");
    // A character above U+FFFF (4 bytes in UTF-8) is never split either.
    std::u16string smileys;
    for (int i = 0; i < 8; ++i) {
        smileys += u16("😀");
    }
    EXPECT_EQ(decode(CodePage::Utf8, encode(CodePage::Utf8, smileys, 30)), smileys.substr(0, 14));
}

TEST(FieldEncode, CutsTextLongerThanAnyBufferInsteadOfLeavingTheFieldEmpty) {
    std::u16string huge(5000, u'字');
    std::string field = encode(CodePage::Gb, huge, 30);
    EXPECT_EQ(decode(CodePage::Gb, field), std::u16string(15, u'字'));
    EXPECT_EQ(encode(CodePage::Utf8, std::u16string(200, u'x'), 30), std::string(30, 'x'));
}

TEST(FieldDecode, YearFieldHoldsAtMostFourCharacters) {
    EXPECT_EQ(decode(CodePage::Ansi, "2024"), u"2024");
    EXPECT_EQ(decode(CodePage::Big5, "\xA4\xA4\xA4\xE5"), u16("中文"));
}

}  // namespace
