#include "id3v1_fixtures.h"

#include <gtest/gtest.h>

#include "taglib/code_page_converter.h"

namespace {
void put(std::string& block, size_t offset, size_t width, const std::string& text, char pad) {
    EXPECT_LE(text.size(), width) << "fixture field too long";
    std::string field = text.substr(0, width);
    field.resize(width, pad);
    block.replace(offset, width, field);
}
}  // namespace

std::string RawBlock::bytes(char pad) const {
    std::string block(128, '\0');
    block.replace(0, 3, "TAG");
    put(block, 3, 30, title, pad);
    put(block, 33, 30, artist, pad);
    put(block, 63, 30, album, pad);
    put(block, 93, 4, year, pad);
    put(block, 97, 30, comment, pad);
    block[127] = static_cast<char>(genre);
    return block;
}

std::string blockField(const std::string& fileBytes, int offset, int width) {
    return fileBytes.substr(fileBytes.size() - 128 + static_cast<size_t>(offset),
                            static_cast<size_t>(width));
}

std::u16string u16(std::string_view text) {
    return utf8ToUtf16(text);
}
std::string utf8(std::u16string_view text) {
    return utf16ToUtf8(text);
}

std::string audioBody(size_t size) {
    std::string body(size, '\0');
    body[0] = '\xFF';
    body[1] = '\xFB';  // MPEG-1, Layer III, no CRC
    body[2] = '\x90';  // bit-rate index 9, 44.1 kHz
    body[3] = '\x00';
    return body;
}
