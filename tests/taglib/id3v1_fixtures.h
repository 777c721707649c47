#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// Raw ID3v1 blocks and MP3 files for the tag tests, built byte by byte.
struct RawBlock {
    std::string title, artist, album, year, comment;  // bytes, already in a code page
    uint8_t genre = 0;
    // Builds the 128 bytes; each field is padded with pad bytes.
    std::string bytes(char pad = ' ') const;
};

// The bytes of field [offset, offset + width) of a 128-byte block at the end of data.
std::string blockField(const std::string& fileBytes, int offset, int width);

std::u16string u16(std::string_view utf8);
std::string utf8(std::u16string_view text);

// A small MPEG-1 Layer III frame header (128 kbit/s, 44.1 kHz) followed by zeros.
std::string audioBody(size_t size = 1000);
