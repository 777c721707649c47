#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QPainter>

#include <sys/stat.h>

#include <png.h>

#include "jukebox/common/path_functions.h"
#include "jukebox/cover/image_codec.h"
#include "tests/jukebox/cover/child_run.h"
#include "tests/jukebox/cover/image_fixtures.h"
#include "tests/support/temp_dir.h"

namespace {

bool decodeBytes(const std::string& bytes, ImageType type, PixelBuffer& out) {
    QByteArray data(bytes.data(), qsizetype(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    return ImageCodec::DecodeImage(buffer, type, out);
}

QString localPath(const std::filesystem::path& path) {
    return PathFromLocalBytes(QByteArray::fromStdString(path.string()));
}

ImageType detectFile(const std::filesystem::path& path) {
    QFile file(localPath(path));
    return file.open(QIODevice::ReadOnly) ? ImageCodec::DetectImageType(file) : ImageNone;
}

QRgb pixelAt(const PixelBuffer& buffer, int x, int y) {
    const unsigned char* p =
        buffer.pixels.data() + (size_t(y) * size_t(buffer.width) + size_t(x)) * 3;
    return qRgb(p[0], p[1], p[2]);
}

int maxDifference(const PixelBuffer& buffer, const QImage& image) {
    int worst = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            QRgb a = pixelAt(buffer, x, y);
            QRgb b = image.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b))});
        }
    }
    return worst;
}

QImage flatColour(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

TEST(ImageCodec, TypeComesFromContentNotFromName) {
    TempDir dir;
    QImage picture = testPattern(8, 8);
    struct Case {
        const char* name;
        std::string bytes;
        ImageType type;
    } cases[] = {
        {"cover.bmp", makeJpeg(picture), ImageJpeg},
        {"cover.jpg", makePng(picture, PNG_COLOR_TYPE_RGB, 8), ImagePng},
        {"cover.png", makeBmp(picture), ImageBmp},
        {"cover.gif", makeBmp(picture), ImageBmp},
        {"gif.png", std::string("GIF89a\x01\x00\x01\x00\x00\x00\x00;", 14), ImageNone},
        {"tiff.png", std::string("II*\0\x08\0\0\0", 8), ImageNone},
        {"short.jpg", std::string("\xFF\xD8", 2), ImageNone},
        {"pngish.png", std::string("\x89PNG\r\n\x1A", 7), ImageNone},
        {"empty.bmp", std::string(), ImageNone},
    };
    for (const Case& c : cases) {
        writeFileBytes(dir / c.name, c.bytes);
        PixelBuffer out;
        bool decoded = ImageCodec::LoadImageFile(localPath(dir / c.name), out);
        EXPECT_EQ(detectFile(dir / c.name), c.type) << c.name;
        EXPECT_EQ(decoded, c.type != ImageNone) << c.name;
        if (decoded) {
            EXPECT_EQ(out.width, 8) << c.name;
            EXPECT_LE(maxDifference(out, picture), c.type == ImageJpeg ? 40 : 0) << c.name;
        }
    }

    // A folder name that is not UTF-8 is found; a pipe is no picture and is not
    // waited on.
    std::filesystem::create_directories(dir / "Caf\xE9");
    writeFileBytes(dir / "Caf\xE9" / "cover.png", makePng(picture, PNG_COLOR_TYPE_RGB, 8));
    PixelBuffer out;
    EXPECT_TRUE(ImageCodec::LoadImageFile(localPath(dir / "Caf\xE9" / "cover.png"), out));
    ASSERT_EQ(mkfifo((dir / "pipe.jpg").c_str(), 0600), 0);
    auto refused = [&] { return !ImageCodec::LoadImageFile(localPath(dir / "pipe.jpg"), out); };
    EXPECT_TRUE(FinishesInChild(refused, ChildLimits{5}));
    EXPECT_FALSE(ImageCodec::LoadImageFile(localPath(dir / "none.png"), out));
}

TEST(ImageCodec, DetectionReadsFromTheStartWhereverTheSourceStands) {
    QByteArray data = QByteArray::fromStdString(makeBmp(testPattern(2, 2)));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    buffer.seek(5);
    EXPECT_EQ(ImageCodec::DetectImageType(buffer), ImageBmp);
}

TEST(ImageCodec, JpegColourAndGreyGiveRgb) {
    QImage picture = testPattern(33, 17);
    JpegOptions arithmetic;
    arithmetic.arithmetic = true;
    JpegOptions restarts;
    restarts.restartInterval = 1;
    for (const JpegOptions& options : {JpegOptions(), arithmetic, restarts}) {
        PixelBuffer colour;
        ASSERT_TRUE(decodeBytes(makeJpeg(picture, options), ImageJpeg, colour));
        EXPECT_EQ(colour.width, 33);
        EXPECT_EQ(colour.height, 17);
        EXPECT_EQ(colour.pixels.size(), size_t(33 * 17 * 3));
        EXPECT_LE(maxDifference(colour, picture), 40);
    }

    PixelBuffer grey;
    ASSERT_TRUE(decodeBytes(makeJpeg(picture, true), ImageJpeg, grey));
    ASSERT_EQ(grey.pixels.size(), size_t(33 * 17 * 3));
    for (int x = 0; x < 33; x += 8) {
        QRgb p = pixelAt(grey, x, 3);
        EXPECT_EQ(qRed(p), qGreen(p));
        EXPECT_EQ(qGreen(p), qBlue(p));
        EXPECT_NEAR(qRed(p), qRed(picture.pixel(x, 3)), 12);
    }
}

TEST(ImageCodec, EveryPngKindBecomes24Bits) {
    QImage colours(4, 3, QImage::Format_ARGB32);
    const QRgb values[] = {qRgba(255, 0, 0, 255), qRgba(0, 128, 0, 255), qRgba(0, 0, 255, 255),
                           qRgba(200, 200, 200, 255)};
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            colours.setPixel(x, y, values[(x + y) % 4]);
        }
    }
    QImage greys(5, 2, QImage::Format_ARGB32);
    for (int x = 0; x < 5; ++x) {
        greys.setPixel(x, 0, qRgb(255, 255, 255));
        greys.setPixel(x, 1, qRgb(0, 0, 0));
    }
    QImage halfClear = flatColour(3, 3, qRgba(0, 0, 0, 128));

    struct Case {
        const char* name;
        std::string bytes;
        QImage expected;
    } cases[] = {
        {"rgb8", makePng(colours, PNG_COLOR_TYPE_RGB, 8), colours},
        {"rgb16", makePng(colours, PNG_COLOR_TYPE_RGB, 16), colours},
        {"rgba8", makePng(colours, PNG_COLOR_TYPE_RGB_ALPHA, 8), colours},
        {"rgba16", makePng(colours, PNG_COLOR_TYPE_RGB_ALPHA, 16), colours},
        {"palette8", makePng(colours, PNG_COLOR_TYPE_PALETTE, 8), colours},
        {"palette2", makePng(colours, PNG_COLOR_TYPE_PALETTE, 2), colours},
        {"interlaced", makePng(colours, PNG_COLOR_TYPE_RGB, 8, true), colours},
        {"grey1", makePng(greys, PNG_COLOR_TYPE_GRAY, 1), greys},
        {"grey4", makePng(greys, PNG_COLOR_TYPE_GRAY, 4), greys},
        {"grey16", makePng(greys, PNG_COLOR_TYPE_GRAY, 16), greys},
        {"greyAlpha", makePng(greys, PNG_COLOR_TYPE_GRAY_ALPHA, 8), greys},
        // Half-transparent black lies over white as mid grey.
        {"alphaOverWhite", makePng(halfClear, PNG_COLOR_TYPE_RGB_ALPHA, 8),
         flatColour(3, 3, qRgb(127, 127, 127))},
        {"paletteAlpha", makePng(halfClear, PNG_COLOR_TYPE_PALETTE, 8),
         flatColour(3, 3, qRgb(127, 127, 127))},
    };
    for (const Case& c : cases) {
        PixelBuffer out;
        ASSERT_TRUE(decodeBytes(c.bytes, ImagePng, out)) << c.name;
        EXPECT_EQ(out.width, c.expected.width()) << c.name;
        EXPECT_EQ(out.height, c.expected.height()) << c.name;
        EXPECT_EQ(out.pixels.size(), size_t(out.width * out.height * 3)) << c.name;
        EXPECT_LE(maxDifference(out, c.expected), 1) << c.name;
    }
}

TEST(ImageCodec, DamagedOrMismatchedDataGivesNoPicture) {
    QImage picture = testPattern(40, 30);
    std::string jpeg = makeJpeg(picture);
    std::string png = makePng(picture, PNG_COLOR_TYPE_RGB, 8);
    JpegOptions restarts;
    restarts.restartInterval = 1;
    std::string corruptPng = png;
    corruptPng[png.size() / 2] = char(corruptPng[png.size() / 2] ^ 0x55);  // CRC no longer holds
    struct Case {
        const char* name;
        std::string bytes;
        ImageType type;
    } cases[] = {
        {"jpegCutInHalf", jpeg.substr(0, jpeg.size() / 2), ImageJpeg},
        {"jpegHeaderOnly", jpeg.substr(0, 20), ImageJpeg},
        // The decoder would resynchronise and make up the blocks in between.
        {"jpegWrongRestartMarker", withWrongRestartMarker(makeJpeg(picture, restarts)), ImageJpeg},
        {"pngCutInHalf", png.substr(0, png.size() / 2), ImagePng},
        {"pngCorrupt", corruptPng, ImagePng},
        {"pngAsJpeg", png, ImageJpeg},
        {"jpegAsPng", jpeg, ImagePng},
        {"jpegAsBmp", jpeg, ImageBmp},
        {"gif", "GIF89a\x01\x00\x01\x00\x00\x00\x00;", ImageBmp},
        {"anythingAsNone", makeBmp(picture), ImageNone},
    };
    for (const Case& c : cases) {
        PixelBuffer out;
        out.width = 99;
        EXPECT_FALSE(decodeBytes(c.bytes, c.type, out)) << c.name;
        EXPECT_EQ(out.width, 0) << c.name;
        EXPECT_TRUE(out.pixels.empty()) << c.name;
    }
}

TEST(ImageCodec, PicturesOverTheSizeLimitAreRefused) {
    QImage wide(ImageCodec::kMaxDimension + 1, 1, QImage::Format_RGB32);
    wide.fill(Qt::white);
    PixelBuffer out;
    EXPECT_FALSE(decodeBytes(makeJpeg(wide), ImageJpeg, out));
    EXPECT_FALSE(decodeBytes(makePng(wide, PNG_COLOR_TYPE_GRAY, 1), ImagePng, out));
    EXPECT_FALSE(decodeBytes(makeBmp(wide, BmpOptions{1}), ImageBmp, out));
    QImage limit(ImageCodec::kMaxDimension, 1, QImage::Format_RGB32);
    limit.fill(Qt::white);
    EXPECT_TRUE(decodeBytes(makePng(limit, PNG_COLOR_TYPE_GRAY, 1), ImagePng, out));
}

// A header may claim any size up to the limit; what the rest of the file cannot
// hold is refused before memory is set aside for it, and nothing the decoders
// meet may throw out of them or end the program.
TEST(ImageCodec, SizesTheDataCannotHoldAreRefusedBeforeTheirMemoryIsTaken) {
    JpegOptions arithmetic;
    arithmetic.arithmetic = true;
    const std::string arithmeticJpeg = makeJpeg(testPattern(16, 16), arithmetic);
    struct Case {
        const char* name;
        std::string bytes;
        ImageType type;
    } cases[] = {
        {"png", pngClaimingSize(16384, 16384), ImagePng},
        {"interlacedPng", pngClaimingSize(16384, 16384, true), ImagePng},
        // Arithmetic decoding meets the end marker and goes on with zeros, silently.
        {"arithmeticJpeg", jpegClaimingSize(arithmeticJpeg, 16384, 16384, 8), ImageJpeg},
        // An international text chunk after the header that claims 1.3 GB, of which 4 bytes follow.
        {"hugeChunkPng",
         pngClaimingSize(9, 6).insert(33, std::string("\x51\x00\x00\x00iTXtabcd", 12)), ImagePng},
    };
    EXPECT_EQ(cases[0].bytes.size(), 57u);
    for (const Case& c : cases) {
        auto refused = [&] {
            PixelBuffer out;
            return !decodeBytes(c.bytes, c.type, out) && out.pixels.empty();
        };
        EXPECT_TRUE(FinishesInChild(refused, ChildLimits{60, size_t(256) << 20})) << c.name;
    }

    // Data that compresses about as well as the format allows is no reason to refuse.
    QImage white(2000, 2000, QImage::Format_RGB32);
    white.fill(Qt::white);
    const std::string png = makePng(white, PNG_COLOR_TYPE_GRAY, 1);
    EXPECT_GT(white.width() * size_t(white.height()) / 8 / png.size(), 200u);
    PixelBuffer out;
    ASSERT_TRUE(decodeBytes(png, ImagePng, out));
    EXPECT_EQ(out.height, 2000);
    EXPECT_EQ(pixelAt(out, 1999, 1999), qRgb(255, 255, 255));
}

TEST(ImageCodec, OnePixelScalesToAnySize) {
    const unsigned char pixel[3] = {12, 200, 77};
    const std::pair<int, int> sizes[] = {{1, 1}, {7, 3}, {300, 1}, {1, 250}, {123, 321}};
    for (auto [w, h] : sizes) {
        std::vector<unsigned char> out(size_t(w) * size_t(h) * 3, 0);
        ImageCodec::ScaleImage(pixel, 1, 1, out.data(), w, h);
        for (size_t i = 0; i < out.size(); i += 3) {
            ASSERT_EQ(out[i], 12) << w << "x" << h << " at " << i / 3;
            ASSERT_EQ(out[i + 1], 200);
            ASSERT_EQ(out[i + 2], 77);
        }
    }
    // A one-pixel-wide column keeps its rows when widened.
    const unsigned char column[6] = {0, 0, 0, 255, 255, 255};
    std::vector<unsigned char> wide(10 * 2 * 3);
    ImageCodec::ScaleImage(column, 1, 2, wide.data(), 10, 2);
    EXPECT_EQ(wide[0], 0);
    EXPECT_EQ(wide[9 * 3], 0);
    EXPECT_EQ(wide[10 * 3], 255);
    EXPECT_EQ(wide.back(), 255);
}

TEST(ImageCodec, ScalingAveragesWhenShrinkingAndBlendsWhenGrowing) {
    // Four grey pixels 0, 100, 200, 40 in a row (3 bytes each).
    std::vector<unsigned char> row;
    for (int v : {0, 100, 200, 40}) {
        row.insert(row.end(), 3, static_cast<unsigned char>(v));
    }
    std::vector<unsigned char> half(2 * 3);
    ImageCodec::ScaleImage(row.data(), 4, 1, half.data(), 2, 1);
    EXPECT_EQ(half[0], 50);
    EXPECT_EQ(half[3], 120);

    std::vector<unsigned char> same(4 * 3);
    ImageCodec::ScaleImage(row.data(), 4, 1, same.data(), 4, 1);
    EXPECT_EQ(same, row);

    // 0 and 255 grown to 4: ends stay, the middle rises monotonically.
    const unsigned char two[6] = {0, 0, 0, 255, 255, 255};
    std::vector<unsigned char> four(4 * 3);
    ImageCodec::ScaleImage(two, 2, 1, four.data(), 4, 1);
    EXPECT_EQ(four[0], 0);
    EXPECT_EQ(four[9], 255);
    EXPECT_LT(four[3], four[6]);
    EXPECT_GT(four[3], 0);
    EXPECT_LT(four[6], 255);

    // Four bytes per pixel keeps the fourth channel apart.
    const unsigned char rgba[8] = {10, 20, 30, 40, 10, 20, 30, 40};
    std::vector<unsigned char> three(3 * 4);
    ImageCodec::ScaleImage(rgba, 2, 1, three.data(), 3, 1, 4);
    for (size_t i = 0; i < three.size(); i += 4) {
        EXPECT_EQ(three[i + 3], 40);
        EXPECT_EQ(three[i], 10);
    }
}

TEST(ImageCodec, ScalingNothingWritesNothing) {
    unsigned char dst[3] = {1, 2, 3};
    const unsigned char src[3] = {9, 9, 9};
    ImageCodec::ScaleImage(src, 0, 1, dst, 1, 1);
    ImageCodec::ScaleImage(src, 1, 1, dst, 0, 5);
    ImageCodec::ScaleImage(nullptr, 1, 1, dst, 1, 1);
    EXPECT_EQ(dst[0], 1);
}

TEST(ImageCodec, DrawsOneToOneAtThePlaceGiven) {
    PixelBuffer picture;
    ASSERT_TRUE(decodeBytes(makeBmp(testPattern(5, 3)), ImageBmp, picture));
    QImage target(20, 10, QImage::Format_RGB32);
    target.fill(Qt::black);
    {
        QPainter painter(&target);
        ImageCodec::DrawImage(painter, picture.pixels.data(), picture.width, picture.height, 7, 4);
    }
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(target.pixel(7 + x, 4 + y), pixelAt(picture, x, y)) << x << "," << y;
        }
    }
    EXPECT_EQ(target.pixel(6, 4) & 0xFFFFFF, 0u);
    EXPECT_EQ(target.pixel(12, 4) & 0xFFFFFF, 0u);
}

}  // namespace
