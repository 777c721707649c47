#include "taglib/mpeg_frame_scan.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

namespace {

constexpr int kVersion1 = 3;
constexpr int kVersion2 = 2;
constexpr int kVersionReserved = 1;
constexpr int kLayer1 = 3;
constexpr int kLayer2 = 2;
constexpr int kLayer3 = 1;

// Bit rates in kbit/s by index 1..14 (ISO/IEC 11172-3 and 13818-3); 0 and 15 carry
// no length (free format, invalid).
constexpr int kBitrates[5][16] = {
    {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448, 0},  // 1, I
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 0},     // 1, II
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0},      // 1, III
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256, 0},     // 2, I
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},          // 2, II/III
};
constexpr int kSampleRates[3] = {44100, 48000, 32000};  // MPEG-1; MPEG-2 half, 2.5 a quarter

// The first run must begin this close to the end of the ID3v2 tags, and be
// confirmed by this many frames after it; a frame found after damaged data by one.
constexpr int64_t kFirstFrameSearch = 64 * 1024;
constexpr int kFirstRunConfirmations = 3;
constexpr int kResyncConfirmations = 1;
// Damaged data is passed over while there is no more of it than of frames, or this
// much: frames in passing, as in a video file, soon end the walk instead of
// sending it through gigabytes.
constexpr int64_t kJunkAllowance = 256 * 1024;

// A window reload keeps this much before the byte asked for: the walk looks back
// from a frame it is testing by at most a few frame lengths (a frame is at most
// 2881 bytes).
constexpr int64_t kBackMargin = 16 * 1024;

constexpr int kId3v2HeaderSize = 10;
constexpr int kId3v1Size = 128;

int bitrateTable(int versionBits, int layerBits) {
    if (versionBits == kVersion1) {
        return layerBits == kLayer1 ? 0 : (layerBits == kLayer2 ? 1 : 2);
    }
    return layerBits == kLayer1 ? 3 : 4;
}

}  // namespace

bool MpegFrameScan::scanFile(std::string_view localPath, MpegStreamLength& length) {
    const std::string path(localPath);
    // Non-blocking so that a FIFO cannot hang the open; only regular files are read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    bool found = false;
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        found = scanDescriptor(fd, info.st_size, length);
    }
    ::close(fd);
    return found;
}

bool MpegFrameScan::scanDescriptor(int fd, int64_t fileLength, MpegStreamLength& length) {
    if (fd < 0 || fileLength <= 0) {
        return false;
    }
    MpegFrameScan scan(fd, fileLength);
    return scan.walk(length);
}

MpegFrameScan::MpegFrameScan(int fd, int64_t fileLength)
    : fd_(fd), fileLength_(fileLength), window_(kWindowBytes) {}

const uint8_t* MpegFrameScan::bytesAt(int64_t offset, int count) {
    if (offset < 0 || count <= 0 || offset > fileLength_ - count) {
        return nullptr;
    }
    if (offset >= windowStart_ && offset + count <= windowStart_ + windowFill_) {
        return window_.data() + (offset - windowStart_);
    }
    windowStart_ = std::max<int64_t>(0, offset - kBackMargin);
    windowFill_ = 0;
    const int64_t want = std::min<int64_t>(kWindowBytes, fileLength_ - windowStart_);
    while (windowFill_ < want) {
        ssize_t n =
            pread(fd_, window_.data() + windowFill_, static_cast<size_t>(want - windowFill_),
                  static_cast<off_t>(windowStart_ + windowFill_));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;  // an error, or the file got shorter: what was read is all there is
        }
        windowFill_ += n;
    }
    if (offset + count > windowStart_ + windowFill_) {
        return nullptr;
    }
    return window_.data() + (offset - windowStart_);
}

bool MpegFrameScan::headerAt(int64_t offset, Header& header) {
    const uint8_t* b = bytesAt(offset, 4);
    if (b == nullptr || b[0] != 0xFF || (b[1] & 0xE0) != 0xE0) {
        return false;
    }
    header.versionBits = (b[1] >> 3) & 3;
    header.layerBits = (b[1] >> 1) & 3;
    const int bitrateIndex = b[2] >> 4;
    header.sampleRateIndex = (b[2] >> 2) & 3;
    const int padding = (b[2] >> 1) & 1;
    const int emphasis = b[3] & 3;
    if (header.versionBits == kVersionReserved || header.layerBits == 0 ||
        header.sampleRateIndex == 3 || emphasis == 2) {
        return false;
    }
    const int kbps = kBitrates[bitrateTable(header.versionBits, header.layerBits)][bitrateIndex];
    if (kbps == 0) {
        return false;
    }
    const int shift =
        header.versionBits == kVersion1 ? 0 : (header.versionBits == kVersion2 ? 1 : 2);
    header.sampleRate = kSampleRates[header.sampleRateIndex] >> shift;
    const int bitsPerSecond = kbps * 1000;
    if (header.layerBits == kLayer1) {
        header.samples = 384;
        header.length = (12 * bitsPerSecond / header.sampleRate + padding) * 4;
    } else if (header.layerBits == kLayer2 || header.versionBits == kVersion1) {
        header.samples = 1152;
        header.length = 144 * bitsPerSecond / header.sampleRate + padding;
    } else {
        header.samples = 576;  // Layer III of MPEG-2 and 2.5
        header.length = 72 * bitsPerSecond / header.sampleRate + padding;
    }
    return true;
}

bool MpegFrameScan::matchingAt(int64_t offset, Header& header) {
    return headerAt(offset, header) && header.versionBits == first_.versionBits &&
           header.layerBits == first_.layerBits &&
           header.sampleRateIndex == first_.sampleRateIndex && offset + header.length <= end_;
}

// The header at offset is followed by framesAfter more, each where the one before
// it ends, or the chain ends exactly at the end of the audio.
bool MpegFrameScan::confirmedAt(int64_t offset, int framesAfter) {
    int64_t position = offset;
    for (int i = 0; i <= framesAfter; ++i) {
        Header header;
        if (!matchingAt(position, header)) {
            return false;
        }
        position += header.length;
        if (position == end_) {
            return true;
        }
    }
    return true;
}

int64_t MpegFrameScan::skipId3v2Tags() {
    int64_t position = 0;
    for (;;) {
        const uint8_t* b = bytesAt(position, kId3v2HeaderSize);
        if (b == nullptr || std::memcmp(b, "ID3", 3) != 0 || b[3] == 0xFF || b[4] == 0xFF ||
            ((b[6] | b[7] | b[8] | b[9]) & 0x80) != 0) {
            return position;
        }
        const int64_t size = (int64_t{b[6]} << 21) | (b[7] << 14) | (b[8] << 7) | b[9];
        const bool footer = (b[5] & 0x10) != 0;
        position += kId3v2HeaderSize + size + (footer ? kId3v2HeaderSize : 0);
        if (position >= fileLength_) {
            return fileLength_;
        }
    }
}

int64_t MpegFrameScan::audioEnd() {
    const uint8_t* tag = bytesAt(fileLength_ - kId3v1Size, 3);
    return tag != nullptr && std::memcmp(tag, "TAG", 3) == 0 ? fileLength_ - kId3v1Size
                                                             : fileLength_;
}

int64_t MpegFrameScan::findFirstRun(int64_t from) {
    const int64_t last = std::min(end_ - 4, from + kFirstFrameSearch);
    for (int64_t position = from; position <= last; ++position) {
        if (headerAt(position, first_) && confirmedAt(position, kFirstRunConfirmations)) {
            return position;
        }
    }
    return -1;
}

// The next frame at or after from and before limit, confirmed by the frame after
// it; -1 when there is none.
int64_t MpegFrameScan::resync(int64_t from, int64_t limit) {
    int64_t position = from;
    const int64_t last = std::min(end_ - 4, limit - 1);
    while (position <= last) {
        const uint8_t* b = bytesAt(position, 1);
        if (b == nullptr) {
            return -1;
        }
        // Jump to the next 0xFF within what the window holds.
        const int64_t held = std::min(windowStart_ + windowFill_, last + 1) - position;
        const void* sync = std::memchr(b, 0xFF, static_cast<size_t>(held));
        if (sync == nullptr) {
            position += held;
            continue;
        }
        position += static_cast<const uint8_t*>(sync) - b;
        if (confirmedAt(position, kResyncConfirmations)) {
            return position;
        }
        ++position;
    }
    return -1;
}

// Where a Xing or Info header would begin in the Layer III frame at offset: after
// the side information, whose size depends on the version and channel mode.
int64_t MpegFrameScan::xingOffset(int64_t offset, const Header& header) {
    const uint8_t* b = bytesAt(offset, 4);
    const bool mono = b != nullptr && (b[3] >> 6) == 3;
    const int sideInfo = header.versionBits == kVersion1 ? (mono ? 17 : 32) : (mono ? 9 : 17);
    return offset + 4 + sideInfo;
}

// A Layer III frame that holds a Xing or Info header (after the side information)
// or a VBRI header (32 bytes after the frame header) describes the file and
// decodes to nothing.
bool MpegFrameScan::carriesNoAudio(int64_t offset, const Header& header) {
    if (header.layerBits != kLayer3) {
        return false;
    }
    const uint8_t* tag = bytesAt(xingOffset(offset, header), 4);
    if (tag != nullptr && (std::memcmp(tag, "Xing", 4) == 0 || std::memcmp(tag, "Info", 4) == 0)) {
        return true;
    }
    const uint8_t* vbri = bytesAt(offset + 36, 4);
    return vbri != nullptr && std::memcmp(vbri, "VBRI", 4) == 0;
}

// The Xing header's fields that its flags name come in this order: frames (4
// bytes), bytes (4), table of contents (100), quality (4). The LAME extension
// follows: a 9-byte encoder name, then 12 bytes of other fields, then the delay
// and the padding as two 12-bit numbers. Encoders other than LAME and FFmpeg's
// fill these fields with other things.
bool MpegFrameScan::readEncoderGap(int64_t offset, const Header& header) {
    const int64_t tag = xingOffset(offset, header);
    const uint8_t* b = bytesAt(tag, 8);
    if (b == nullptr || (std::memcmp(b, "Xing", 4) != 0 && std::memcmp(b, "Info", 4) != 0)) {
        return false;
    }
    const uint32_t flags = (uint32_t{b[4]} << 24) | (uint32_t{b[5]} << 16) | (b[6] << 8) | b[7];
    if ((flags & 1) == 0) {
        return false;  // without a frame count the tag cannot be matched to the file
    }
    const uint8_t* count = bytesAt(tag + 8, 4);
    if (count == nullptr) {
        return false;
    }
    const int64_t frames =
        (int64_t{count[0]} << 24) | (count[1] << 16) | (count[2] << 8) | count[3];
    const int64_t extension =
        tag + 12 + ((flags & 2) ? 4 : 0) + ((flags & 4) ? 100 : 0) + ((flags & 8) ? 4 : 0);
    const uint8_t* lame = bytesAt(extension, 24);
    if (lame == nullptr || offset + header.length < extension + 24) {
        return false;
    }
    if (std::memcmp(lame, "LAME", 4) != 0 && std::memcmp(lame, "Lavf", 4) != 0 &&
        std::memcmp(lame, "Lavc", 4) != 0) {
        return false;
    }
    taggedFrames_ = frames;
    encoderDelay_ = (lame[21] << 4) | (lame[22] >> 4);
    encoderPadding_ = ((lame[22] & 0x0F) << 8) | lame[23];
    return true;
}

// Only when the tag counts the frames that were walked: a file cut short or
// joined to another after encoding has its padding elsewhere, or none.
void MpegFrameScan::takeOffEncoderGap(MpegStreamLength& length) const {
    const int64_t gap = int64_t{encoderDelay_} + encoderPadding_;
    if (taggedFrames_ != length.frames || gap >= length.frames * first_.samples) {
        return;
    }
    length.encoderDelay = encoderDelay_;
    length.encoderPadding = encoderPadding_;
    length.durationMs -= gap * 1000.0 / first_.sampleRate;
}

bool MpegFrameScan::walk(MpegStreamLength& length) {
    const int64_t start = skipId3v2Tags();
    end_ = audioEnd();
    const int64_t first = findFirstRun(start);
    if (first < 0) {
        return false;
    }
    int64_t position = first;
    int64_t frameBytes = 0;
    int64_t junkBytes = 0;
    if (carriesNoAudio(first, first_)) {
        readEncoderGap(first, first_);
        position += first_.length;
        frameBytes += first_.length;
    }
    MpegStreamLength found;
    while (position < end_) {
        Header header;
        if (matchingAt(position, header)) {
            ++found.frames;
            found.durationMs += header.samples * 1000.0 / header.sampleRate;
            frameBytes += header.length;
            position += header.length;
            continue;
        }
        const int64_t allowed = std::max(frameBytes, kJunkAllowance) - junkBytes;
        const int64_t next = resync(position + 1, position + 1 + allowed);
        if (next < 0) {
            if (end_ - position > allowed) {
                return false;  // more junk than that: frames in passing
            }
            break;  // junk at the end, such as another kind of tag
        }
        junkBytes += next - position;
        position = next;
    }
    // Frames in passing (MPEG audio inside some other container) do not make its length.
    if (found.frames == 0 || frameBytes * 2 < end_ - first) {
        return false;
    }
    takeOffEncoderGap(found);
    length = found;
    return true;
}
