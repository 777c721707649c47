#include "fuzz/picture_check.h"

#include <QBuffer>
#include <QByteArray>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Pictures are resampled only up to this many pixels: shrinking costs time in
// proportion to the source, and a 16384-square picture would stall the fuzzer
// without reaching any other code.
constexpr long long kMaxScaledPixels = 1 << 20;
constexpr int kWindowWidth = 37;
constexpr int kWindowHeight = 23;

[[noreturn]] void brokenPromise(const char* what, const PixelBuffer& out) {
    std::fprintf(stderr, "picture decoder: %s (width %d, height %d, %zu bytes)\n", what, out.width,
                 out.height, out.pixels.size());
    std::abort();
}

void check(bool decoded, const PixelBuffer& out) {
    if (!decoded) {
        if (out.width != 0 || out.height != 0 || !out.pixels.empty()) {
            brokenPromise("a refused picture left pixels behind", out);
        }
        return;
    }
    if (out.width <= 0 || out.height <= 0 || out.width > ImageCodec::kMaxDimension ||
        out.height > ImageCodec::kMaxDimension) {
        brokenPromise("a picture out of bounds was accepted", out);
    }
    if (out.pixels.size() != size_t(out.width) * size_t(out.height) * 3) {
        brokenPromise("the pixels do not match the size", out);
    }
}

}  // namespace

void DecodeAndCheckPicture(const uint8_t* data, size_t size) {
    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer source(&bytes);
    source.open(QIODevice::ReadOnly);
    const ImageType type = ImageCodec::DetectImageType(source);
    source.seek(0);
    PixelBuffer out;
    const bool decoded = ImageCodec::DecodeImage(source, type, out);
    check(decoded, out);
    if (decoded && static_cast<long long>(out.width) * out.height <= kMaxScaledPixels) {
        std::vector<unsigned char> scaled(size_t(kWindowWidth) * kWindowHeight * 3);
        ImageCodec::ScaleImage(out.pixels.data(), out.width, out.height, scaled.data(),
                               kWindowWidth, kWindowHeight);
        std::vector<unsigned char> grown(size_t(out.width + 3) * size_t(out.height * 2) * 3);
        ImageCodec::ScaleImage(out.pixels.data(), out.width, out.height, grown.data(),
                               out.width + 3, out.height * 2);
    }
}
