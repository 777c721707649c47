#pragma once

#include <QImage>
#include <array>
#include <cstdint>
#include <string>

// Picture files made by the tests, in the forms the readers must accept.

struct BmpOptions {
    int bitCount = 24;       // 1, 4, 8, 16, 24, 32
    bool topDown = false;    // negative height
    int headerSize = 40;     // 12 (old core header), 40, 108, 124
    bool bitfields = false;  // BI_BITFIELDS with the masks below (16 and 32 bits)
    std::array<uint32_t, 3> masks{0x7C00, 0x03E0, 0x001F};  // red, green, blue
};

// Encodes image as a BMP file. Palette depths take the image's colours in order
// of first appearance (at most 2^bitCount of them).
std::string makeBmp(const QImage& image, const BmpOptions& options = {});

// Offsets inside a BMP made by makeBmp with the 40-byte header, for patching.
namespace bmp_offsets {
constexpr int kPixelOffset = 10;
constexpr int kHeaderSize = 14;
constexpr int kWidth = 18;
constexpr int kHeight = 22;
constexpr int kBitCount = 28;
constexpr int kCompression = 30;
constexpr int kColorsUsed = 46;
}  // namespace bmp_offsets

void putLe32(std::string& bytes, size_t offset, uint32_t value);
void putLe16(std::string& bytes, size_t offset, uint16_t value);

struct JpegOptions {
    bool grey = false;
    int quality = 95;
    bool arithmetic = false;  // arithmetic coding instead of Huffman tables
    int restartInterval = 0;  // MCUs between restart markers; 0 for none
};

// A sequential JPEG of image (colour or grey).
std::string makeJpeg(const QImage& image, bool grey = false, int quality = 95);
std::string makeJpeg(const QImage& image, const JpegOptions& options);

// Hostile JPEGs made from a good one: the frame header claims width x height and
// the entropy-coded data is cut after scanBytes and closed with an end marker.
std::string jpegClaimingSize(const std::string& jpeg, int width, int height, size_t scanBytes);
// The first restart marker renumbered, as damage in transit leaves it.
std::string withWrongRestartMarker(const std::string& jpeg);

// A PNG of signature, header (width x height, 8-bit RGBA), an empty data chunk
// and the end chunk: 57 bytes whatever size it claims.
std::string pngClaimingSize(int width, int height, bool interlaced = false);

// A PNG of the given colour type and depth from image; 16-bit samples repeat the
// 8-bit value in both bytes, palette pictures take the image's colours (with
// transparency from alpha through tRNS), grey ones the red channel.
std::string makePng(const QImage& image, int colorType, int bitDepth, bool interlaced = false);

// A smooth picture with distinct colours in each corner.
QImage testPattern(int width, int height);
