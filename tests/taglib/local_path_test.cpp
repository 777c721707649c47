#include <gtest/gtest.h>

#include <string>

#include "taglib/local_path.h"

namespace {

// Names as old disks and archives hold them: each must come back byte for byte.
TEST(LocalPath, EveryByteSequenceComesBackExactly) {
    const std::string names[] = {
        "plain/a.mp3",
        "\xE6\x9C\x88\xE4\xBA\xAE.mp3",      // UTF-8 "月亮"
        "\xA4\xEB\xAB\x47.mp3",              // Big5
        "\xD4\xC2\xC1\xC1.mp3",              // GBK
        "\x8C\x8E.mp3",                      // Shift-JIS
        "\xC0\xAF\xE0\x80\xAF\xED\xA0\x80",  // overlong forms, an encoded surrogate
        "\xF4\x90\x80\x80\xF8\xFF\xFE",      // above U+10FFFF, bytes never in UTF-8
        "\xF0\x9F\x8E\xB5 \xE6\x9C",         // a four-byte character, a cut-off one
        "\xED\xB2\x80",                      // what U+DC80 itself would encode to
    };
    for (const std::string& bytes : names) {
        std::u16string text = LocalPathToUtf16(bytes);
        EXPECT_EQ(Utf16ToLocalPath(text), bytes) << bytes;
    }
    // All 256 byte values after one another, and each alone.
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all += static_cast<char>(b);
        std::string one(1, static_cast<char>(b));
        EXPECT_EQ(Utf16ToLocalPath(LocalPathToUtf16(one)), one) << b;
    }
    EXPECT_EQ(Utf16ToLocalPath(LocalPathToUtf16(all)), all);
}

TEST(LocalPath, ValidUtf8ReadsAsTextAndOtherBytesAsLoneSurrogates) {
    EXPECT_EQ(LocalPathToUtf16("\xE6\x9C\x88/\xF0\x9F\x8E\xB5"), u"月/\U0001F3B5");
    EXPECT_EQ(LocalPathToUtf16("\xA4\xEB"), std::u16string({char16_t(0xDCA4), char16_t(0xDCEB)}));
    // A lone surrogate that no decoded path holds cannot be written as UTF-8.
    EXPECT_EQ(Utf16ToLocalPath(std::u16string({u'a', char16_t(0xD800), u'b'})), "a?b");
    EXPECT_EQ(Utf16ToLocalPath(std::u16string({char16_t(0xDC41)})), "?");
}

}  // namespace
