// Pictures of every kind the readers accept, small: bitmaps of each depth and
// header, JPEG in colour and grey, PNG of each colour type and depth.
#include <png.h>

#include "fuzz/seeds/seed_sets.h"
#include "fuzz/seeds/seed_writer.h"
#include "tests/jukebox/cover/image_fixtures.h"

namespace {

using namespace std::string_view_literals;

void bitmaps(SeedWriter& out) {
    const QImage picture = testPattern(13, 7);
    const QImage twoColours = testPattern(2, 1).scaled(9, 5);
    const char* target = "bmp";
    out.seed(target, "rgb24.bmp", makeBmp(picture));
    out.seed(target, "rgb24-top-down.bmp", makeBmp(picture, BmpOptions{24, true}));
    out.seed(target, "mono.bmp", makeBmp(twoColours, BmpOptions{1}));
    out.seed(target, "pal4.bmp", makeBmp(twoColours, BmpOptions{4, true}));
    out.seed(target, "pal8-core.bmp", makeBmp(picture, BmpOptions{8, false, 12}));
    out.seed(target, "rgb16.bmp", makeBmp(picture, BmpOptions{16}));
    out.seed(target, "masked16.bmp",
             makeBmp(picture, BmpOptions{16, true, 40, true, {0xF800, 0x07E0, 0x001F}}));
    out.seed(target, "rgb32-v4.bmp", makeBmp(picture, BmpOptions{32, false, 108}));
    out.seed(target, "masked32-v5.bmp",
             makeBmp(picture, BmpOptions{32, false, 124, true, {0xFF0000, 0xFF00, 0xFF}}));
    // Header sizes, compressions, plane and depth, extreme sizes: with their zeros.
    for (std::string_view token :
         {"BM"sv, "\x0C\x00\x00\x00"sv, "\x28\x00\x00\x00"sv, "\x6C\x00\x00\x00"sv,
          "\x7C\x00\x00\x00"sv, "\x03\x00\x00\x00"sv, "\x01\x00\x18\x00"sv, "\xFF\xFF\xFF\xFF"sv,
          "\x00\x40\x00\x00"sv}) {
        out.token(target, token);
    }
}

void jpegs(SeedWriter& out) {
    const QImage picture = testPattern(19, 11);
    const char* target = "jpeg";
    out.seed(target, "colour.jpg", makeJpeg(picture));
    out.seed(target, "grey.jpg", makeJpeg(picture, true));
    out.seed(target, "low-quality.jpg", makeJpeg(testPattern(33, 2), false, 10));
    out.seed(target, "one-pixel.jpg", makeJpeg(testPattern(1, 1)));
    for (const char* token :
         {"\xFF\xD8\xFF", "\xFF\xC0", "\xFF\xC1", "\xFF\xC2", "\xFF\xC4", "\xFF\xCC", "\xFF\xDA",
          "\xFF\xDB", "\xFF\xDD", "\xFF\xD9", "\xFF\xE0", "\xFF\xE1", "\xFF\xEE", "\xFF\xFE",
          "JFIF", "Adobe", "Exif"}) {
        out.token(target, token);
    }
}

void pngs(SeedWriter& out) {
    const QImage picture = testPattern(9, 6);
    const QImage twoColours = testPattern(2, 1).scaled(9, 6);
    const char* target = "png";
    out.seed(target, "rgb8.png", makePng(picture, PNG_COLOR_TYPE_RGB, 8));
    out.seed(target, "rgba16.png", makePng(picture, PNG_COLOR_TYPE_RGB_ALPHA, 16));
    out.seed(target, "palette8-trns.png", makePng(picture, PNG_COLOR_TYPE_PALETTE, 8));
    out.seed(target, "palette1.png", makePng(twoColours, PNG_COLOR_TYPE_PALETTE, 1));
    out.seed(target, "grey2.png", makePng(picture, PNG_COLOR_TYPE_GRAY, 2));
    out.seed(target, "grey16.png", makePng(picture, PNG_COLOR_TYPE_GRAY, 16));
    out.seed(target, "grey-alpha-interlaced.png",
             makePng(picture, PNG_COLOR_TYPE_GRAY_ALPHA, 8, true));
    out.seed(target, "rgb8-interlaced.png", makePng(picture, PNG_COLOR_TYPE_RGB, 8, true));
    for (const char* token :
         {"\x89PNG\r\n\x1A\n", "IHDR", "PLTE", "IDAT", "IEND", "tRNS", "gAMA", "cHRM", "sRGB",
          "iCCP", "sBIT", "bKGD", "pHYs", "tEXt", "zTXt", "iTXt", "acTL", "fcTL"}) {
        out.token(target, token);
    }
}

}  // namespace

void AddPictureSeeds(SeedWriter& out) {
    bitmaps(out);
    jpegs(out);
    pngs(out);
}
