#include "jukebox/cover/image_codec.h"

#include <QFile>
#include <QIODevice>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstring>
#include <new>

#include "jukebox/cover/bmp_reader.h"
#include "jukebox/cover/picture_decoders.h"
#include "jukebox/cover/regular_file.h"

ImageType ImageCodec::DetectImageType(QIODevice& source) {
    if (!source.seek(0)) {
        return ImageNone;
    }
    QByteArray head = source.read(8);
    static const char kPng[] = "\x89PNG\r\n\x1A\n";
    if (head.size() == 8 && std::memcmp(head.constData(), kPng, 8) == 0) {
        return ImagePng;
    }
    if (head.startsWith("\xFF\xD8\xFF")) {
        return ImageJpeg;
    }
    if (head.startsWith("BM")) {
        return ImageBmp;
    }
    return ImageNone;
}

namespace {

bool decodeBmp(QIODevice& source, PixelBuffer& out) {
    QImage image = BmpReader::decode(source.readAll());
    if (image.isNull()) {
        return false;
    }
    out.width = image.width();
    out.height = image.height();
    out.pixels.resize(size_t(out.width) * size_t(out.height) * 3);
    unsigned char* o = out.pixels.data();
    for (int y = 0; y < out.height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < out.width; ++x, o += 3) {
            o[0] = static_cast<unsigned char>(qRed(row[x]));
            o[1] = static_cast<unsigned char>(qGreen(row[x]));
            o[2] = static_cast<unsigned char>(qBlue(row[x]));
        }
    }
    return true;
}

// The source pixels that make up one destination pixel along one axis, with
// weights in 1/65536 that add up to 65536.
struct Taps {
    std::vector<int> first;  // per destination index: offset into index/weight
    std::vector<int> count;
    std::vector<int> index;
    std::vector<int> weight;
};

constexpr int kOne = 65536;

void addTap(Taps& taps, int index, double weight) {
    taps.index.push_back(index);
    taps.weight.push_back(int(std::lround(weight * kOne)));
}

// Makes the taps of each destination index so that they sum to exactly kOne.
void normalise(Taps& taps, int start) {
    int sum = 0;
    for (size_t i = size_t(start); i < taps.weight.size(); ++i) {
        sum += taps.weight[i];
    }
    taps.weight.back() += kOne - sum;
}

Taps makeTaps(int from, int to) {
    Taps taps;
    taps.first.resize(size_t(to));
    taps.count.resize(size_t(to));
    double scale = double(from) / double(to);
    for (int d = 0; d < to; ++d) {
        int start = int(taps.index.size());
        if (to >= from) {
            // Growing: linear between the two nearest source centres.
            double centre = (d + 0.5) * scale - 0.5;
            int left = int(std::floor(centre));
            double t = centre - left;
            int a = std::clamp(left, 0, from - 1);
            int b = std::clamp(left + 1, 0, from - 1);
            addTap(taps, a, 1.0 - t);
            addTap(taps, b, t);
        } else {
            // Shrinking: each source pixel by the share of it that the
            // destination pixel covers.
            double lo = d * scale;
            double hi = (d + 1) * scale;
            for (int s = int(std::floor(lo)); s < hi && s < from; ++s) {
                double cover = std::min(hi, s + 1.0) - std::max(lo, double(s));
                if (cover > 0) {
                    addTap(taps, s, cover / scale);
                }
            }
        }
        normalise(taps, start);
        taps.first[size_t(d)] = start;
        taps.count[size_t(d)] = int(taps.index.size()) - start;
    }
    return taps;
}

}  // namespace

bool ImageCodec::DecodeImage(QIODevice& source, ImageType type, PixelBuffer& out) {
    out = PixelBuffer();
    bool ok = false;
    try {
        switch (type) {
            case ImageBmp:
                ok = decodeBmp(source, out);
                break;
            case ImageJpeg:
                ok = DecodeJpegPicture(source, out);
                break;
            case ImagePng:
                ok = DecodePngPicture(source, out);
                break;
            case ImageNone:
                break;
        }
    } catch (const std::bad_alloc&) {
        // A picture too large for the memory at hand is simply no picture.
        ok = false;
    }
    if (!ok) {
        out = PixelBuffer();
    }
    return ok;
}

bool ImageCodec::LoadImageFile(const QString& path, PixelBuffer& out) {
    out = PixelBuffer();
    QFile file;
    if (!OpenRegularFile(path, file)) {
        return false;
    }
    ImageType type = DetectImageType(file);
    return type != ImageNone && file.seek(0) && DecodeImage(file, type, out);
}

void ImageCodec::ScaleImage(const unsigned char* src, int width, int height, unsigned char* dst,
                            int newWidth, int newHeight, int bytesPerPixel) {
    if (src == nullptr || dst == nullptr || width <= 0 || height <= 0 || newWidth <= 0 ||
        newHeight <= 0 || bytesPerPixel <= 0) {
        return;
    }
    Taps across = makeTaps(width, newWidth);
    Taps down = makeTaps(height, newHeight);
    const size_t channels = size_t(bytesPerPixel);
    // Horizontal pass into rows of fixed-point values, then the vertical pass.
    std::vector<qint64> wide(size_t(newWidth) * size_t(height) * channels);
    for (int y = 0; y < height; ++y) {
        const unsigned char* row = src + size_t(y) * size_t(width) * channels;
        qint64* out = wide.data() + size_t(y) * size_t(newWidth) * channels;
        for (int x = 0; x < newWidth; ++x) {
            for (size_t c = 0; c < channels; ++c) {
                qint64 sum = 0;
                for (int t = 0; t < across.count[size_t(x)]; ++t) {
                    size_t k = size_t(across.first[size_t(x)] + t);
                    sum += qint64(across.weight[k]) * row[size_t(across.index[k]) * channels + c];
                }
                out[size_t(x) * channels + c] = sum;
            }
        }
    }
    const size_t rowLength = size_t(newWidth) * channels;
    for (int y = 0; y < newHeight; ++y) {
        unsigned char* out = dst + size_t(y) * rowLength;
        for (size_t i = 0; i < rowLength; ++i) {
            qint64 sum = 0;
            for (int t = 0; t < down.count[size_t(y)]; ++t) {
                size_t k = size_t(down.first[size_t(y)] + t);
                sum += qint64(down.weight[k]) * wide[size_t(down.index[k]) * rowLength + i];
            }
            qint64 value = (sum + qint64(kOne) * kOne / 2) / (qint64(kOne) * kOne);
            out[i] = static_cast<unsigned char>(std::clamp<qint64>(value, 0, 255));
        }
    }
}

void ImageCodec::DrawImage(QPainter& painter, const unsigned char* pixels, int width, int height,
                           int x, int y) {
    if (pixels == nullptr || width <= 0 || height <= 0) {
        return;
    }
    QImage image(pixels, width, height, qsizetype(width) * 3, QImage::Format_RGB888);
    painter.drawImage(QPoint(x, y), image);
}
