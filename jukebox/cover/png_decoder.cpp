// PNG through libpng: every colour type and depth is turned into 8-bit RGBA by
// libpng's own transformations, and alpha is then laid over white.
#include <QIODevice>
#include <csetjmp>
#include <memory>
#include <new>

#include <png.h>

#include "jukebox/cover/picture_decoders.h"

namespace {

// Deflate codes at most 258 bytes in two bits, so compressed data never
// stands for more than 1032 times its size.
constexpr qint64 kMaxInflation = 1032;
// The largest chunk other than picture data that a cover may hold (colour
// profiles and texts are a few kilobytes to a megabyte).
constexpr png_alloc_size_t kMaxChunkBytes = 8 << 20;

void readFromDevice(png_structp png, png_bytep data, png_size_t length) {
    auto* device = static_cast<QIODevice*>(png_get_io_ptr(png));
    if (device->read(reinterpret_cast<char*>(data), qint64(length)) != qint64(length)) {
        png_error(png, "truncated");
    }
}

void onError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

void onWarning(png_structp, png_const_charp) {}

struct PngJob {
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::vector<png_byte> rgba;
    std::vector<png_bytep> rows;
    PixelBuffer* out = nullptr;
};

// Appends count RGBA pixels to the picture as RGB over white.
void appendOverWhite(PixelBuffer& out, const png_byte* in, size_t count) {
    size_t base = out.pixels.size();
    out.pixels.resize(base + count * 3);
    unsigned char* o = out.pixels.data() + base;
    for (size_t i = 0; i < count; ++i, in += 4, o += 3) {
        unsigned alpha = in[3];
        for (int c = 0; c < 3; ++c) {
            o[c] = static_cast<unsigned char>((in[c] * alpha + 255 * (255 - alpha) + 127) / 255);
        }
    }
}

int channelsOf(int colorType) {
    switch (colorType) {
        case PNG_COLOR_TYPE_GRAY_ALPHA:
            return 2;
        case PNG_COLOR_TYPE_RGB:
            return 3;
        case PNG_COLOR_TYPE_RGB_ALPHA:
            return 4;
        default:
            return 1;
    }
}

// Whether the data after the header can hold the picture's rows as stored (each
// with its filter byte; interlacing only adds to them).
bool dataCanHold(qint64 bytesLeft, png_uint_32 width, png_uint_32 height, int depth,
                 int colorType) {
    if (bytesLeft < 0) {
        return true;
    }
    qint64 rowBytes = (qint64(width) * channelsOf(colorType) * depth + 7) / 8;
    return qint64(height) * (1 + rowBytes) <= kMaxInflation * bytesLeft;
}

void setTransformations(PngJob& job, int depth, int colorType) {
    if (colorType == PNG_COLOR_TYPE_PALETTE) {
        png_set_palette_to_rgb(job.png);
    }
    if ((colorType & PNG_COLOR_MASK_COLOR) == 0 && depth < 8) {
        png_set_expand_gray_1_2_4_to_8(job.png);
    }
    if (png_get_valid(job.png, job.info, PNG_INFO_tRNS)) {
        png_set_tRNS_to_alpha(job.png);
    }
    if (depth == 16) {
        png_set_strip_16(job.png);
    }
    if ((colorType & PNG_COLOR_MASK_COLOR) == 0) {
        png_set_gray_to_rgb(job.png);
    }
    png_set_filler(job.png, 0xFF, PNG_FILLER_AFTER);
}

// An interlaced picture fills every row in several passes, so it is read whole;
// any other is read a row at a time, and memory follows the data actually read.
// A read error jumps out of here: everything that owns memory lives in job.
void readPixels(PngJob& job, png_uint_32 width, png_uint_32 height, bool interlaced) {
    const size_t rowBytes = size_t(width) * 4;
    if (!interlaced) {
        job.rgba.resize(rowBytes);
        for (png_uint_32 y = 0; y < height; ++y) {
            png_read_row(job.png, job.rgba.data(), nullptr);
            appendOverWhite(*job.out, job.rgba.data(), width);
        }
        return;
    }
    job.rgba.resize(rowBytes * height);
    job.rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y) {
        job.rows[y] = job.rgba.data() + size_t(y) * rowBytes;
    }
    png_read_image(job.png, job.rows.data());
    appendOverWhite(*job.out, job.rgba.data(), size_t(width) * height);
}

// Only job is touched after setjmp, and only through the reference.
bool runPng(PngJob& job, QIODevice& source) {
    if (setjmp(png_jmpbuf(job.png))) {
        return false;
    }
    png_set_read_fn(job.png, &source, readFromDevice);
    png_set_user_limits(job.png, ImageCodec::kMaxDimension, ImageCodec::kMaxDimension);
    // libpng takes memory for a whole chunk as its header claims, before reading
    // it: 60 bytes could ask for 2 GB. The cap below does not hold for every
    // chunk in the libpng we build on, so the chunks of free size that a cover
    // never needs (texts, colour profiles, palette suggestions, Exif) are also
    // skipped unread, which takes no memory at all.
    png_set_chunk_malloc_max(job.png, kMaxChunkBytes);
    static const png_byte kSkipped[] = "iCCP\0iTXt\0tEXt\0zTXt\0sPLT\0eXIf";
    png_set_keep_unknown_chunks(job.png, PNG_HANDLE_CHUNK_NEVER, kSkipped,
                                int(sizeof kSkipped / 5));
    png_read_info(job.png, job.info);
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int depth = 0;
    int colorType = 0;
    int interlace = 0;
    png_get_IHDR(job.png, job.info, &width, &height, &depth, &colorType, &interlace, nullptr,
                 nullptr);
    if (!dataCanHold(BytesLeft(source), width, height, depth, colorType)) {
        return false;
    }
    setTransformations(job, depth, colorType);
    bool interlaced = interlace != PNG_INTERLACE_NONE;
    if (interlaced) {
        png_set_interlace_handling(job.png);
    }
    png_read_update_info(job.png, job.info);
    if (png_get_rowbytes(job.png, job.info) != size_t(width) * 4) {
        return false;
    }
    job.out->width = int(width);
    job.out->height = int(height);
    readPixels(job, width, height, interlaced);
    png_read_end(job.png, nullptr);
    return true;
}

}  // namespace

bool DecodePngPicture(QIODevice& source, PixelBuffer& out) {
    auto job = std::make_unique<PngJob>();
    job->png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, onError, onWarning);
    if (job->png == nullptr) {
        return false;
    }
    job->info = png_create_info_struct(job->png);
    PixelBuffer result;
    job->out = &result;
    bool ok = false;
    try {
        ok = job->info != nullptr && runPng(*job, source);
    } catch (const std::bad_alloc&) {
        ok = false;
    }
    png_destroy_read_struct(&job->png, &job->info, nullptr);
    if (!ok || result.width <= 0 || result.height <= 0) {
        out = PixelBuffer();
        return false;
    }
    out = std::move(result);
    return true;
}
