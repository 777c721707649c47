// JPEG through libjpeg's 6b interface: a source manager over the QIODevice and
// an error manager that jumps back instead of ending the process.
#include <QIODevice>
#include <csetjmp>
#include <cstdio>
#include <memory>
#include <new>

#include <jerror.h>
#include <jpeglib.h>

#include "jukebox/cover/picture_decoders.h"

namespace {

constexpr size_t kReadBlock = 65536;
// Progressive pictures keep all their coefficients in memory; a hostile header
// must not make that unbounded.
constexpr long kMaxDecoderMemory = 512L * 1024 * 1024;
// Huffman-coded data spends at least one bit on every 8x8 block of a component
// that a scan codes, and one block of a subsampled component covers at most
// 32x32 pixels: a byte of data stands for at most 8192 pixels. Arithmetic
// coding can spend less on a flat picture and is held to the same bound: its
// decoder goes on with zeros, without a warning, once it meets a marker, so
// without a bound a few bytes would become a picture of any size.
constexpr qint64 kMaxPixelsPerByte = 8 * 32 * 32;

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

struct SourceManager {
    jpeg_source_mgr pub;
    QIODevice* device;
    JOCTET buffer[kReadBlock];
};

[[noreturn]] void onError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Warnings about corrupt data mean the decoder would go on inventing pixels (up
// to the whole declared size), whichever decoder or marker reader found it;
// such a file is no picture. Only the warnings about side information that the
// picture does not depend on are let pass: an unknown JFIF revision or Adobe
// transform code, a bad ICC profile (never used here) and stray bytes between
// two segments, which many cameras leave before the end marker.
bool harmless(int code) {
    return code == JWRN_JFIF_MAJOR || code == JWRN_ADOBE_XFORM || code == JWRN_BOGUS_ICC ||
           code == JWRN_EXTRANEOUS_DATA;
}

void onMessage(j_common_ptr info, int level) {
    if (level < 0 && !harmless(info->err->msg_code)) {
        onError(info);
    }
}

void initSource(j_decompress_ptr) {}

boolean fillInput(j_decompress_ptr info) {
    auto* src = reinterpret_cast<SourceManager*>(info->src);
    qint64 count = src->device->read(reinterpret_cast<char*>(src->buffer), kReadBlock);
    if (count <= 0) {
        // A truncated file is refused rather than completed with grey.
        ERREXIT(info, JERR_INPUT_EOF);
    }
    src->pub.next_input_byte = src->buffer;
    src->pub.bytes_in_buffer = size_t(count);
    return TRUE;
}

void skipInput(j_decompress_ptr info, long count) {
    auto* src = reinterpret_cast<SourceManager*>(info->src);
    while (count > 0) {
        if (size_t(count) <= src->pub.bytes_in_buffer) {
            src->pub.next_input_byte += count;
            src->pub.bytes_in_buffer -= size_t(count);
            return;
        }
        count -= long(src->pub.bytes_in_buffer);
        src->pub.bytes_in_buffer = 0;
        fillInput(info);
    }
}

void termSource(j_decompress_ptr) {}

struct JpegJob {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    SourceManager source{};
    std::vector<JOCTET> row;
    PixelBuffer* out = nullptr;
    qint64 bytesLeft = -1;  // in the source when decoding began; -1 when unknown
};

bool dataCanHold(const JpegJob& job) {
    qint64 pixels = qint64(job.info.image_width) * qint64(job.info.image_height);
    return job.bytesLeft < 0 || pixels <= kMaxPixelsPerByte * job.bytesLeft;
}

void appendRow(JpegJob& job, int components, bool invertedCmyk) {
    const JOCTET* in = job.row.data();
    auto& pixels = job.out->pixels;
    int width = job.out->width;
    // Rows are appended as they arrive, so memory follows the data actually read.
    size_t base = pixels.size();
    pixels.resize(base + size_t(width) * 3);
    JOCTET* o = pixels.data() + base;
    for (int x = 0; x < width; ++x, o += 3) {
        if (components == 1) {
            o[0] = o[1] = o[2] = in[x];
        } else if (components == 3) {
            o[0] = in[3 * x];
            o[1] = in[3 * x + 1];
            o[2] = in[3 * x + 2];
        } else {
            int c = in[4 * x], m = in[4 * x + 1], y = in[4 * x + 2], k = in[4 * x + 3];
            if (!invertedCmyk) {
                c = 255 - c;
                m = 255 - m;
                y = 255 - y;
                k = 255 - k;
            }
            o[0] = JOCTET(c * k / 255);
            o[1] = JOCTET(m * k / 255);
            o[2] = JOCTET(y * k / 255);
        }
    }
}

// Only job is touched after setjmp, and only through the reference.
bool runJpeg(JpegJob& job) {
    if (setjmp(job.errors.jump)) {
        jpeg_destroy_decompress(&job.info);
        return false;
    }
    jpeg_create_decompress(&job.info);
    job.info.mem->max_memory_to_use = kMaxDecoderMemory;
    job.info.src = &job.source.pub;
    jpeg_read_header(&job.info, TRUE);
    if (job.info.image_width > JDIMENSION(ImageCodec::kMaxDimension) ||
        job.info.image_height > JDIMENSION(ImageCodec::kMaxDimension) || !dataCanHold(job)) {
        jpeg_destroy_decompress(&job.info);
        return false;
    }
    bool cmyk = job.info.jpeg_color_space == JCS_CMYK || job.info.jpeg_color_space == JCS_YCCK;
    if (cmyk) {
        job.info.out_color_space = JCS_CMYK;
    } else if (job.info.jpeg_color_space == JCS_GRAYSCALE) {
        job.info.out_color_space = JCS_GRAYSCALE;
    } else {
        job.info.out_color_space = JCS_RGB;
    }
    jpeg_start_decompress(&job.info);
    int components = job.info.output_components;
    job.out->width = int(job.info.output_width);
    job.out->height = int(job.info.output_height);
    job.row.resize(size_t(job.out->width) * size_t(components));
    // Adobe writes CMYK inverted, which is what nearly every CMYK file is.
    bool inverted = job.info.saw_Adobe_marker;
    while (job.info.output_scanline < job.info.output_height) {
        JSAMPROW rows[1] = {job.row.data()};
        jpeg_read_scanlines(&job.info, rows, 1);
        appendRow(job, components, inverted);
    }
    jpeg_finish_decompress(&job.info);
    jpeg_destroy_decompress(&job.info);
    return true;
}

}  // namespace

bool DecodeJpegPicture(QIODevice& source, PixelBuffer& out) {
    auto job = std::make_unique<JpegJob>();
    job->info.err = jpeg_std_error(&job->errors.pub);
    job->errors.pub.error_exit = onError;
    job->errors.pub.emit_message = onMessage;
    job->source.device = &source;
    job->source.pub.init_source = initSource;
    job->source.pub.fill_input_buffer = fillInput;
    job->source.pub.skip_input_data = skipInput;
    job->source.pub.resync_to_restart = jpeg_resync_to_restart;
    job->source.pub.term_source = termSource;
    job->bytesLeft = BytesLeft(source);
    PixelBuffer result;
    job->out = &result;
    bool ok = false;
    try {
        ok = runJpeg(*job);
    } catch (const std::bad_alloc&) {
        // Thrown only by the buffers of this file, between two library calls.
        jpeg_destroy_decompress(&job->info);
    }
    if (!ok || result.width <= 0 || result.height <= 0) {
        out = PixelBuffer();
        return false;
    }
    out = std::move(result);
    return true;
}
