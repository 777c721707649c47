#include "jukebox/cover/bmp_reader.h"

#include <sys/mman.h>
#include <unistd.h>

#include <QFile>
#include <array>
#include <bit>
#include <cstdint>
#include <new>

#include "jukebox/cover/regular_file.h"

namespace {

// Compression codes of the info header that we read.
constexpr quint32 kBiRgb = 0;
constexpr quint32 kBiBitfields = 3;

// Sizes of the header kinds: the old core header, the info header and its
// later extensions (with masks, with alpha mask, V4, V5).
constexpr quint32 kCoreHeader = 12;
constexpr quint32 kInfoHeader = 40;
constexpr qsizetype kFileHeader = 14;

bool isKnownHeaderSize(quint32 size) {
    return size == kCoreHeader || size == kInfoHeader || size == 52 || size == 56 || size == 108 ||
           size == 124;
}

// Little-endian reads that check the bounds of the file.
class Bytes {
public:
    explicit Bytes(QByteArrayView data)
        : data_(reinterpret_cast<const uchar*>(data.data())), size_(data.size()) {}

    bool has(qint64 offset, qint64 count) const {
        return offset >= 0 && count >= 0 && offset <= size_ && count <= size_ - offset;
    }
    quint16 u16(qint64 offset) const {
        return has(offset, 2) ? quint16(data_[offset] | data_[offset + 1] << 8) : 0;
    }
    quint32 u32(qint64 offset) const {
        if (!has(offset, 4)) {
            return 0;
        }
        return quint32(data_[offset]) | quint32(data_[offset + 1]) << 8 |
               quint32(data_[offset + 2]) << 16 | quint32(data_[offset + 3]) << 24;
    }
    const uchar* at(qint64 offset) const { return data_ + offset; }
    qint64 size() const { return size_; }

private:
    const uchar* data_;
    qint64 size_;
};

// One colour channel of a masked pixel, scaled to 8 bits.
struct Channel {
    quint32 mask = 0;
    int shift = 0;
    int bits = 0;

    // False for a mask whose bits are not contiguous.
    bool set(quint32 m) {
        mask = m;
        if (m == 0) {
            return true;
        }
        shift = std::countr_zero(m);
        quint32 field = m >> shift;
        bits = std::popcount(field);
        return (field & (field + 1)) == 0;
    }
    uint value(quint32 pixel) const {
        if (bits == 0) {
            return 0;
        }
        quint32 v = (pixel & mask) >> shift;
        if (bits >= 8) {
            return v >> (bits - 8);
        }
        quint32 max = (1u << bits) - 1;
        return (v * 255 + max / 2) / max;
    }
};

struct Layout {
    int width = 0;
    int height = 0;  // always positive
    bool topDown = false;
    int bitCount = 0;
    quint32 compression = kBiRgb;
    std::array<Channel, 3> channels;  // red, green, blue for 16 and 32 bits
    std::array<QRgb, 256> palette{};
    int paletteSize = 0;
    qint64 pixelOffset = 0;
    qint64 stride = 0;
};

bool readPalette(const Bytes& bytes, qint64 offset, int entrySize, quint32 used, Layout& layout) {
    int maximum = 1 << layout.bitCount;
    int count = (used == 0 || used > quint32(maximum)) ? maximum : int(used);
    if (!bytes.has(offset, qint64(count) * entrySize)) {
        return false;
    }
    for (int i = 0; i < count; ++i) {
        const uchar* p = bytes.at(offset + qint64(i) * entrySize);
        layout.palette[i] = qRgb(p[2], p[1], p[0]);
    }
    layout.paletteSize = count;
    return true;
}

bool readLayout(const Bytes& bytes, Layout& layout) {
    if (!bytes.has(0, kFileHeader + 4) || bytes.u16(0) != 0x4D42) {
        return false;
    }
    quint32 headerSize = bytes.u32(kFileHeader);
    if (!isKnownHeaderSize(headerSize) || !bytes.has(kFileHeader, headerSize)) {
        return false;
    }
    qint64 afterHeader = kFileHeader + headerSize;
    qint64 paletteOffset = afterHeader;
    int paletteEntrySize = 4;
    quint32 colorsUsed = 0;
    qint64 width = 0;
    qint64 height = 0;
    if (headerSize == kCoreHeader) {
        width = bytes.u16(18);
        height = bytes.u16(20);
        layout.bitCount = bytes.u16(24);
        paletteEntrySize = 3;
        if (layout.bitCount == 16 || layout.bitCount == 32) {
            return false;
        }
    } else {
        width = qint32(bytes.u32(18));
        height = qint32(bytes.u32(22));
        layout.bitCount = bytes.u16(28);
        layout.compression = bytes.u32(30);
        colorsUsed = bytes.u32(46);
    }
    switch (layout.bitCount) {
        case 1:
        case 4:
        case 8:
        case 16:
        case 24:
        case 32:
            break;
        default:
            return false;
    }
    if (layout.compression == kBiBitfields) {
        if (layout.bitCount != 16 && layout.bitCount != 32) {
            return false;
        }
        // The plain info header keeps its three masks after it; later headers
        // hold them inside.
        qint64 maskOffset = kFileHeader + kInfoHeader;
        if (headerSize == kInfoHeader) {
            if (!bytes.has(maskOffset, 12)) {
                return false;
            }
            paletteOffset += 12;
        }
        for (int i = 0; i < 3; ++i) {
            if (!layout.channels[i].set(bytes.u32(maskOffset + 4 * i))) {
                return false;
            }
        }
    } else if (layout.compression != kBiRgb) {
        return false;
    } else if (layout.bitCount == 16) {
        layout.channels[0].set(0x7C00);
        layout.channels[1].set(0x03E0);
        layout.channels[2].set(0x001F);
    } else if (layout.bitCount == 32) {
        layout.channels[0].set(0x00FF0000);
        layout.channels[1].set(0x0000FF00);
        layout.channels[2].set(0x000000FF);
    }

    if (height < 0) {
        layout.topDown = true;
        height = -height;
    }
    if (width <= 0 || height <= 0 || width > BmpReader::kMaxDimension ||
        height > BmpReader::kMaxDimension) {
        return false;
    }
    layout.width = int(width);
    layout.height = int(height);

    if (layout.bitCount <= 8 &&
        !readPalette(bytes, paletteOffset, paletteEntrySize, colorsUsed, layout)) {
        return false;
    }
    qint64 paletteEnd = layout.bitCount <= 8
                            ? paletteOffset + qint64(layout.paletteSize) * paletteEntrySize
                            : paletteOffset;
    // Some writers leave the offset at zero; the pixels then follow the palette.
    quint32 offset = bytes.u32(10);
    layout.pixelOffset = offset != 0 ? qint64(offset) : paletteEnd;
    layout.stride = (qint64(layout.width) * layout.bitCount + 31) / 32 * 4;
    return bytes.has(layout.pixelOffset, layout.stride * layout.height);
}

void decodeRow(const uchar* src, const Layout& layout, QRgb* dst) {
    auto fromPalette = [&](uint index) {
        return index < uint(layout.paletteSize) ? layout.palette[index] : qRgb(0, 0, 0);
    };
    auto fromMasks = [&](quint32 pixel) {
        return qRgb(layout.channels[0].value(pixel), layout.channels[1].value(pixel),
                    layout.channels[2].value(pixel));
    };
    const int width = layout.width;
    switch (layout.bitCount) {
        case 1:
            for (int x = 0; x < width; ++x) {
                dst[x] = fromPalette((src[x >> 3] >> (7 - (x & 7))) & 1);
            }
            break;
        case 4:
            for (int x = 0; x < width; ++x) {
                dst[x] = fromPalette((x & 1) ? src[x >> 1] & 0x0F : src[x >> 1] >> 4);
            }
            break;
        case 8:
            for (int x = 0; x < width; ++x) {
                dst[x] = fromPalette(src[x]);
            }
            break;
        case 16:
            for (int x = 0; x < width; ++x) {
                dst[x] = fromMasks(quint32(src[2 * x] | src[2 * x + 1] << 8));
            }
            break;
        case 24:
            for (int x = 0; x < width; ++x, src += 3) {
                dst[x] = qRgb(src[2], src[1], src[0]);
            }
            break;
        case 32:
            for (int x = 0; x < width; ++x, src += 4) {
                dst[x] = fromMasks(quint32(src[0]) | quint32(src[1]) << 8 | quint32(src[2]) << 16 |
                                   quint32(src[3]) << 24);
            }
            break;
        default:
            break;
    }
}

}  // namespace

QImage BmpReader::decode(QByteArrayView data) {
    Bytes bytes(data);
    Layout layout;
    if (!readLayout(bytes, layout)) {
        return {};
    }
    QImage image(layout.width, layout.height, QImage::Format_RGB32);
    if (image.isNull()) {
        return {};
    }
    for (int y = 0; y < layout.height; ++y) {
        int fileRow = layout.topDown ? y : layout.height - 1 - y;
        decodeRow(bytes.at(layout.pixelOffset + fileRow * layout.stride), layout,
                  reinterpret_cast<QRgb*>(image.scanLine(y)));
    }
    return image;
}

QImage BmpReader::load(const QString& path) {
    qint64 size = 0;
    int fd = OpenRegularFileDescriptor(path, &size);
    if (fd < 0) {
        return {};
    }
    // Mapping spares a copy of large bitmaps (and, at every skin load, the
    // calls a QFile would make); where a file system cannot map, the file is read.
    if (size > 0) {
        void* mapped = ::mmap(nullptr, size_t(size), PROT_READ, MAP_PRIVATE, fd, 0);
        if (mapped != MAP_FAILED) {
            ::close(fd);
            QImage image = decode(QByteArrayView(static_cast<const char*>(mapped), size));
            ::munmap(mapped, size_t(size));
            return image;
        }
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {};
    }
    try {
        return decode(file.readAll());
    } catch (const std::bad_alloc&) {
        return {};
    }
}
