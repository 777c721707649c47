#include <gtest/gtest.h>

#include <QString>

#include <sys/stat.h>

#include "jukebox/cover/bmp_reader.h"
#include "tests/jukebox/cover/child_run.h"
#include "tests/jukebox/cover/image_fixtures.h"
#include "tests/support/temp_dir.h"

namespace {

QImage decode(const std::string& bytes) {
    return BmpReader::decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

// Pixels of a and b, compared one by one so that a failure names the place.
::testing::AssertionResult samePixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return ::testing::AssertionFailure() << "sizes differ: " << a.width() << "x" << a.height()
                                             << " vs " << b.width() << "x" << b.height();
    }
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            QRgb p = a.pixel(x, y) & 0xFFFFFF;
            QRgb q = b.pixel(x, y) & 0xFFFFFF;
            if (p != q) {
                return ::testing::AssertionFailure()
                       << "pixel (" << x << "," << y << "): " << std::hex << p << " vs " << q;
            }
        }
    }
    return ::testing::AssertionSuccess();
}

// Eight colours whose channels are 0 or 255 survive every depth, 5-bit and
// palette ones included; an odd width exercises the row padding.
QImage eightColours(int width, int height) {
    static const QRgb colours[] = {qRgb(0, 0, 0),     qRgb(255, 0, 0),    qRgb(0, 255, 0),
                                   qRgb(0, 0, 255),   qRgb(255, 255, 0),  qRgb(0, 255, 255),
                                   qRgb(255, 0, 255), qRgb(255, 255, 255)};
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, colours[(x * 3 + y * 5 + x * y) % 8]);
        }
    }
    return image;
}

QImage twoColours(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, (x + 2 * y) % 3 ? qRgb(10, 20, 30) : qRgb(250, 128, 1));
        }
    }
    return image;
}

struct FormatCase {
    const char* name;
    BmpOptions options;
    bool twoColourPicture;  // 1-bit pictures take two colours
    bool exactColours;      // 24 and 32 bits keep every colour
};

class BmpFormats : public ::testing::TestWithParam<FormatCase> {};

TEST_P(BmpFormats, DecodesToTheSamePixels) {
    const FormatCase& c = GetParam();
    QImage original = c.twoColourPicture ? twoColours(13, 7)
                      : c.exactColours   ? testPattern(13, 7)
                                         : eightColours(13, 7);
    QImage decoded = decode(makeBmp(original, c.options));
    ASSERT_FALSE(decoded.isNull());
    EXPECT_EQ(decoded.format(), QImage::Format_RGB32);
    EXPECT_TRUE(samePixels(decoded, original));
}

BmpOptions opts(int bits, bool topDown = false, int header = 40, bool bitfields = false,
                std::array<uint32_t, 3> masks = {0x7C00, 0x03E0, 0x001F}) {
    BmpOptions o;
    o.bitCount = bits;
    o.topDown = topDown;
    o.headerSize = header;
    o.bitfields = bitfields;
    o.masks = masks;
    return o;
}

INSTANTIATE_TEST_SUITE_P(
    EveryDepth, BmpFormats,
    ::testing::Values(
        FormatCase{"bits1", opts(1), true, false}, FormatCase{"bits4", opts(4), false, false},
        FormatCase{"bits8", opts(8), false, false}, FormatCase{"bits16", opts(16), false, false},
        FormatCase{"bits24", opts(24), false, true}, FormatCase{"bits32", opts(32), false, true},
        FormatCase{"bits1TopDown", opts(1, true), true, false},
        FormatCase{"bits8TopDown", opts(8, true), false, false},
        FormatCase{"bits24TopDown", opts(24, true), false, true},
        FormatCase{"bits32TopDown", opts(32, true), false, true},
        FormatCase{"bits16Mask565", opts(16, false, 40, true, {0xF800, 0x07E0, 0x001F}), false,
                   false},
        FormatCase{"bits32MasksReversed",
                   opts(32, false, 40, true, {0x000000FF, 0x0000FF00, 0x00FF0000}), false, true},
        FormatCase{"bits32MasksHigh",
                   opts(32, true, 40, true, {0xFF000000, 0x00FF0000, 0x0000FF00}), false, true},
        FormatCase{"bits16MasksInV4Header", opts(16, false, 108, true, {0xF800, 0x07E0, 0x001F}),
                   false, false},
        FormatCase{"bits24V5Header", opts(24, true, 124), false, true},
        FormatCase{"bits24CoreHeader", opts(24, false, 12), false, true},
        FormatCase{"bits8CoreHeader", opts(8, false, 12), false, false},
        FormatCase{"bits4CoreHeader", opts(4, false, 12), false, false}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(BmpReader, ScalesNarrowMaskedChannelsToFullRange) {
    QImage white(1, 1, QImage::Format_RGB32);
    white.fill(qRgb(255, 255, 255));
    // 4 bits of red, 2 of green, 1 of blue: full values must still be 255.
    QImage decoded = decode(makeBmp(white, opts(16, false, 40, true, {0xF000, 0x0C00, 0x0200})));
    ASSERT_FALSE(decoded.isNull());
    EXPECT_EQ(decoded.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(BmpReader, PaletteIndexBeyondTheUsedColoursIsBlack) {
    std::string bytes = makeBmp(twoColours(4, 2), opts(8));
    // The palette claims two colours; a pixel naming colour 200 must not read past it.
    size_t offset = uint8_t(bytes[bmp_offsets::kPixelOffset]);
    bytes[offset] = char(200);
    QImage decoded = decode(bytes);
    ASSERT_FALSE(decoded.isNull());
    EXPECT_EQ(decoded.pixel(0, 1) & 0xFFFFFF, 0u);  // first stored row is the bottom one
}

TEST(BmpReader, ZeroPixelOffsetMeansRightAfterThePalette) {
    QImage original = eightColours(5, 3);
    std::string bytes = makeBmp(original, opts(8));
    putLe32(bytes, bmp_offsets::kPixelOffset, 0);
    EXPECT_TRUE(samePixels(decode(bytes), original));
}

struct DamageCase {
    const char* name;
    void (*damage)(std::string&);
};

class BmpDamage : public ::testing::TestWithParam<DamageCase> {};

TEST_P(BmpDamage, IsRefused) {
    std::string bytes = makeBmp(testPattern(16, 8), opts(24));
    GetParam().damage(bytes);
    EXPECT_TRUE(decode(bytes).isNull());
}

INSTANTIATE_TEST_SUITE_P(
    Hostile, BmpDamage,
    ::testing::Values(
        DamageCase{"notBM", [](std::string& b) { b[0] = 'X'; }},
        DamageCase{"empty", [](std::string& b) { b.clear(); }},
        DamageCase{"onlyFileHeader", [](std::string& b) { b.resize(14); }},
        DamageCase{"truncatedHeader", [](std::string& b) { b.resize(30); }},
        DamageCase{"truncatedPixels", [](std::string& b) { b.resize(b.size() - 1); }},
        DamageCase{"offsetPastEnd",
                   [](std::string& b) { putLe32(b, bmp_offsets::kPixelOffset, 0xFFFFFFF0u); }},
        DamageCase{"rle8", [](std::string& b) { putLe32(b, bmp_offsets::kCompression, 1); }},
        DamageCase{"jpegInside", [](std::string& b) { putLe32(b, bmp_offsets::kCompression, 4); }},
        DamageCase{"bitfieldsAt24Bits",
                   [](std::string& b) { putLe32(b, bmp_offsets::kCompression, 3); }},
        DamageCase{"twoBitsPerPixel",
                   [](std::string& b) { putLe16(b, bmp_offsets::kBitCount, 2); }},
        DamageCase{"zeroWidth", [](std::string& b) { putLe32(b, bmp_offsets::kWidth, 0); }},
        DamageCase{"negativeWidth",
                   [](std::string& b) { putLe32(b, bmp_offsets::kWidth, uint32_t(-16)); }},
        DamageCase{"zeroHeight", [](std::string& b) { putLe32(b, bmp_offsets::kHeight, 0); }},
        DamageCase{"mostNegativeHeight",
                   [](std::string& b) { putLe32(b, bmp_offsets::kHeight, 0x80000000u); }},
        DamageCase{"widthOverLimit",
                   [](std::string& b) { putLe32(b, bmp_offsets::kWidth, 16385); }},
        DamageCase{"heightOverLimitTopDown",
                   [](std::string& b) { putLe32(b, bmp_offsets::kHeight, uint32_t(-16385)); }},
        DamageCase{"absurdSize",
                   [](std::string& b) {
                       putLe32(b, bmp_offsets::kWidth, 16384);
                       putLe32(b, bmp_offsets::kHeight, 16384);
                   }},
        DamageCase{"unknownHeaderSize",
                   [](std::string& b) { putLe32(b, bmp_offsets::kHeaderSize, 41); }},
        DamageCase{"headerLongerThanFile",
                   [](std::string& b) { putLe32(b, bmp_offsets::kHeaderSize, 124); b.resize(100); }}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(BmpReader, RefusesPaletteAndMasksThatRunPastTheEnd) {
    std::string palette = makeBmp(eightColours(4, 4), opts(8));
    putLe32(palette, bmp_offsets::kColorsUsed, 0);  // claims 256 entries
    palette.resize(54 + 8 * 4);
    EXPECT_TRUE(decode(palette).isNull());

    std::string masks = makeBmp(eightColours(2, 2), opts(16, false, 40, true));
    masks.resize(60);  // cut inside the three masks
    EXPECT_TRUE(decode(masks).isNull());

    // A mask with a gap cannot be read as one channel.
    EXPECT_TRUE(
        decode(makeBmp(eightColours(2, 2), opts(16, false, 40, true, {0xF00F, 0x03E0, 0x001F})))
            .isNull());
}

TEST(BmpReader, LargestAllowedSizeIsRead) {
    QImage wide(BmpReader::kMaxDimension, 1, QImage::Format_RGB32);
    wide.fill(qRgb(1, 2, 3));
    QImage decoded = decode(makeBmp(wide, opts(24)));
    ASSERT_EQ(decoded.width(), BmpReader::kMaxDimension);
    EXPECT_EQ(decoded.pixel(BmpReader::kMaxDimension - 1, 0) & 0xFFFFFF, 0x010203u);
}

TEST(BmpReader, LoadsFilesAndRefusesMissingEmptyAndSpecialOnes) {
    TempDir dir;
    QImage original = testPattern(9, 4);
    writeFileBytes(dir / "a.bmp", makeBmp(original));
    writeFileBytes(dir / "empty.bmp", "");
    // A pipe would wait for a writer for ever.
    ASSERT_EQ(mkfifo((dir / "pipe.bmp").c_str(), 0600), 0);
    const QString pipe = QString::fromStdString((dir / "pipe.bmp").string());
    EXPECT_TRUE(FinishesInChild([&] { return BmpReader::load(pipe).isNull(); }, ChildLimits{5}));
    EXPECT_TRUE(
        samePixels(BmpReader::load(QString::fromStdString((dir / "a.bmp").string())), original));
    EXPECT_TRUE(BmpReader::load(QString::fromStdString((dir / "empty.bmp").string())).isNull());
    EXPECT_TRUE(BmpReader::load(QString::fromStdString((dir / "none.bmp").string())).isNull());
}

}  // namespace
