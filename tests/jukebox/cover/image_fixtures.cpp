#include "tests/jukebox/cover/image_fixtures.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <stdexcept>
#include <vector>

#include <jpeglib.h>
#include <png.h>

void putLe32(std::string& bytes, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[offset + size_t(i)] = char((value >> (8 * i)) & 0xFF);
    }
}

void putLe16(std::string& bytes, size_t offset, uint16_t value) {
    bytes[offset] = char(value & 0xFF);
    bytes[offset + 1] = char(value >> 8);
}

namespace {

void appendLe(std::string& out, uint32_t value, int count) {
    for (int i = 0; i < count; ++i) {
        out.push_back(char((value >> (8 * i)) & 0xFF));
    }
}

uint32_t packMasked(QRgb colour, const std::array<uint32_t, 3>& masks) {
    uint32_t pixel = 0;
    int channels[3] = {qRed(colour), qGreen(colour), qBlue(colour)};
    for (int c = 0; c < 3; ++c) {
        uint32_t mask = masks[size_t(c)];
        if (mask == 0) {
            continue;
        }
        int shift = __builtin_ctz(mask);
        uint32_t max = mask >> shift;
        uint32_t value = (uint32_t(channels[c]) * max + 127) / 255;
        pixel |= value << shift;
    }
    return pixel;
}

}  // namespace

std::string makeBmp(const QImage& source, const BmpOptions& options) {
    QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int width = image.width();
    const int height = image.height();
    const int bits = options.bitCount;
    std::vector<QRgb> palette;
    if (bits <= 8) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                QRgb c = image.pixel(x, y) | 0xFF000000;
                if (std::find(palette.begin(), palette.end(), c) == palette.end() &&
                    palette.size() < (size_t(1) << bits)) {
                    palette.push_back(c);
                }
            }
        }
    }
    const bool core = options.headerSize == 12;
    const int entrySize = core ? 3 : 4;
    const int stride = (width * bits + 31) / 32 * 4;
    std::string header;
    appendLe(header, uint32_t(options.headerSize), 4);
    if (core) {
        appendLe(header, uint32_t(width), 2);
        appendLe(header, uint32_t(height), 2);
        appendLe(header, 1, 2);
        appendLe(header, uint32_t(bits), 2);
    } else {
        appendLe(header, uint32_t(width), 4);
        appendLe(header, uint32_t(options.topDown ? -height : height), 4);
        appendLe(header, 1, 2);
        appendLe(header, uint32_t(bits), 2);
        appendLe(header, options.bitfields ? 3 : 0, 4);
        appendLe(header, uint32_t(stride * height), 4);
        appendLe(header, 2835, 4);
        appendLe(header, 2835, 4);
        appendLe(header, uint32_t(palette.size()), 4);
        appendLe(header, 0, 4);
        if (options.headerSize > 40) {
            for (uint32_t mask : options.masks) {
                appendLe(header, options.bitfields ? mask : 0, 4);
            }
            header.resize(size_t(options.headerSize), '\0');
        } else if (options.bitfields) {
            for (uint32_t mask : options.masks) {
                appendLe(header, mask, 4);
            }
        }
    }
    std::string paletteBytes;
    for (QRgb c : palette) {
        paletteBytes.push_back(char(qBlue(c)));
        paletteBytes.push_back(char(qGreen(c)));
        paletteBytes.push_back(char(qRed(c)));
        if (entrySize == 4) {
            paletteBytes.push_back('\0');
        }
    }
    if (core && bits <= 8) {
        paletteBytes.resize(size_t(3) << bits, '\0');
    }
    std::array<uint32_t, 3> masks = options.masks;
    if (!options.bitfields && bits == 32) {
        masks = {0xFF0000, 0xFF00, 0xFF};
    } else if (!options.bitfields && bits == 16) {
        masks = {0x7C00, 0x03E0, 0x001F};
    }
    std::string pixels;
    for (int row = 0; row < height; ++row) {
        int y = options.topDown ? row : height - 1 - row;
        std::string line(size_t(stride), '\0');
        for (int x = 0; x < width; ++x) {
            QRgb c = image.pixel(x, y) | 0xFF000000;
            if (bits <= 8) {
                auto index =
                    uint32_t(std::find(palette.begin(), palette.end(), c) - palette.begin());
                int bitOffset = x * bits;
                line[size_t(bitOffset / 8)] = char(uint8_t(line[size_t(bitOffset / 8)]) |
                                                   (index << (8 - bits - bitOffset % 8)));
            } else if (bits == 24) {
                line[size_t(3 * x)] = char(qBlue(c));
                line[size_t(3 * x + 1)] = char(qGreen(c));
                line[size_t(3 * x + 2)] = char(qRed(c));
            } else {
                uint32_t value = packMasked(c, masks);
                for (int b = 0; b < bits / 8; ++b) {
                    line[size_t(x * bits / 8 + b)] = char((value >> (8 * b)) & 0xFF);
                }
            }
        }
        pixels += line;
    }
    std::string file = "BM";
    uint32_t offset = uint32_t(14 + header.size() + paletteBytes.size());
    appendLe(file, uint32_t(offset + pixels.size()), 4);
    appendLe(file, 0, 4);
    appendLe(file, offset, 4);
    return file + header + paletteBytes + pixels;
}

namespace {

struct JpegErrors {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

[[noreturn]] void jpegFail(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->jump, 1);
}

}  // namespace

std::string makeJpeg(const QImage& source, bool grey, int quality) {
    return makeJpeg(source, JpegOptions{grey, quality});
}

std::string makeJpeg(const QImage& source, const JpegOptions& options) {
    const bool grey = options.grey;
    QImage image = source.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct info{};
    JpegErrors errors{};
    info.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = jpegFail;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&info);
        throw std::runtime_error("jpeg encoding failed");
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    info.input_components = grey ? 1 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, options.quality, TRUE);
    info.arith_code = options.arithmetic ? TRUE : FALSE;
    info.restart_interval = static_cast<unsigned int>(options.restartInterval);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(size_t(image.width()) * 3);
    while (info.next_scanline < info.image_height) {
        const uchar* line = image.constScanLine(int(info.next_scanline));
        if (grey) {
            for (int x = 0; x < image.width(); ++x) {
                row[size_t(x)] = line[3 * x];
            }
        } else {
            std::copy(line, line + row.size(), row.begin());
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string out(reinterpret_cast<const char*>(buffer), size);
    free(buffer);
    return out;
}

namespace {

// The offset of the first marker FF code at or after from; npos when none.
size_t findMarker(const std::string& jpeg, size_t from, auto isWanted) {
    for (size_t i = from; i + 1 < jpeg.size(); ++i) {
        if (uint8_t(jpeg[i]) == 0xFF && isWanted(uint8_t(jpeg[i + 1]))) {
            return i;
        }
    }
    return std::string::npos;
}

}  // namespace

std::string jpegClaimingSize(const std::string& jpeg, int width, int height, size_t scanBytes) {
    // Start-of-frame markers are C0-CF except C4 (Huffman tables), C8 and CC (arithmetic
    // conditioning).
    size_t frame = findMarker(jpeg, 2, [](uint8_t code) {
        return code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC;
    });
    size_t scan = findMarker(jpeg, 2, [](uint8_t code) { return code == 0xDA; });
    if (frame == std::string::npos || scan == std::string::npos) {
        throw std::runtime_error("not a JPEG");
    }
    std::string out = jpeg;
    out[frame + 5] = char(height >> 8);
    out[frame + 6] = char(height & 0xFF);
    out[frame + 7] = char(width >> 8);
    out[frame + 8] = char(width & 0xFF);
    size_t data = scan + 2 + (size_t(uint8_t(out[scan + 2])) << 8 | uint8_t(out[scan + 3]));
    out.resize(std::min(out.size(), data + scanBytes));
    return out + "\xFF\xD9";
}

std::string withWrongRestartMarker(const std::string& jpeg) {
    size_t restart = findMarker(jpeg, 2, [](uint8_t code) { return code == 0xD0; });
    if (restart == std::string::npos) {
        throw std::runtime_error("no restart marker");
    }
    std::string out = jpeg;
    out[restart + 1] = char(0xD3);
    return out;
}

namespace {

void pngWrite(png_structp png, png_bytep data, png_size_t length) {
    static_cast<std::string*>(png_get_io_ptr(png))
        ->append(reinterpret_cast<const char*>(data), length);
}
void pngFlush(png_structp) {}

}  // namespace

std::string makePng(const QImage& source, int colorType, int bitDepth, bool interlaced) {
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    const int height = image.height();
    std::string out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("png encoding failed");
    }
    png_set_write_fn(png, &out, pngWrite, pngFlush);
    png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), bitDepth, colorType,
                 interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    std::vector<QRgb> palette;
    if (colorType == PNG_COLOR_TYPE_PALETTE) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                QRgb c = image.pixel(x, y);
                if (std::find(palette.begin(), palette.end(), c) == palette.end()) {
                    palette.push_back(c);
                }
            }
        }
        std::vector<png_color> entries;
        std::vector<png_byte> alpha;
        for (QRgb c : palette) {
            entries.push_back({png_byte(qRed(c)), png_byte(qGreen(c)), png_byte(qBlue(c))});
            alpha.push_back(png_byte(qAlpha(c)));
        }
        png_set_PLTE(png, info, entries.data(), int(entries.size()));
        png_set_tRNS(png, info, alpha.data(), int(alpha.size()), nullptr);
    }
    png_write_info(png, info);
    std::vector<std::vector<png_byte>> rows(static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        std::vector<int> samples;
        for (int x = 0; x < width; ++x) {
            QRgb c = image.pixel(x, y);
            if (colorType == PNG_COLOR_TYPE_PALETTE) {
                samples.push_back(
                    int(std::find(palette.begin(), palette.end(), c) - palette.begin()));
                continue;
            }
            int grey = qRed(c) >> (8 - std::min(bitDepth, 8));
            switch (colorType) {
                case PNG_COLOR_TYPE_GRAY:
                    samples.push_back(grey);
                    break;
                case PNG_COLOR_TYPE_GRAY_ALPHA:
                    samples.insert(samples.end(), {grey, qAlpha(c)});
                    break;
                case PNG_COLOR_TYPE_RGB:
                    samples.insert(samples.end(), {qRed(c), qGreen(c), qBlue(c)});
                    break;
                default:
                    samples.insert(samples.end(), {qRed(c), qGreen(c), qBlue(c), qAlpha(c)});
                    break;
            }
        }
        std::vector<png_byte>& row = rows[size_t(y)];
        if (bitDepth == 16) {
            for (int s : samples) {
                row.push_back(png_byte(s));
                row.push_back(png_byte(s));
            }
        } else if (bitDepth == 8) {
            row.assign(samples.begin(), samples.end());
        } else {
            row.assign((samples.size() * size_t(bitDepth) + 7) / 8, 0);
            for (size_t i = 0; i < samples.size(); ++i) {
                size_t bit = i * size_t(bitDepth);
                row[bit / 8] |= png_byte(samples[i] << (8 - bitDepth - int(bit % 8)));
            }
        }
    }
    std::vector<png_bytep> pointers;
    for (auto& row : rows) {
        pointers.push_back(row.data());
    }
    png_write_image(png, pointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

std::string pngClaimingSize(int width, int height, bool interlaced) {
    std::string out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("png encoding failed");
    }
    png_set_write_fn(png, &out, pngWrite, pngFlush);
    png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_RGB_ALPHA,
                 interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_chunk(png, reinterpret_cast<png_const_bytep>("IDAT"), nullptr, 0);
    png_write_chunk(png, reinterpret_cast<png_const_bytep>("IEND"), nullptr, 0);
    png_destroy_write_struct(&png, &info);
    return out;
}

QImage testPattern(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(
                x, y,
                qRgb((x * 255) / std::max(1, width - 1), (y * 255) / std::max(1, height - 1),
                     ((x + y) * 255) / std::max(1, width + height - 2)));
        }
    }
    return image;
}
