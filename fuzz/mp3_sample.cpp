#include "fuzz/mp3_sample.h"

#include <QFile>

#include "taglib/tag_record.h"

namespace {

constexpr int kFrameBytes = 417;  // MPEG-1 Layer III, 128 kbit/s, 44.1 kHz
constexpr int kXingOffset = 36;

std::string frames(const Mp3Sample& sample) {
    std::string bytes(size_t(sample.leadingJunk), '\x55');
    for (int i = 0; i < sample.frames; ++i) {
        std::string frame(kFrameBytes, '\0');
        frame[0] = '\xFF';
        frame[1] = char(sample.versionLayer);
        frame[2] = char(sample.bitrateByte);
        frame[3] = '\x64';
        if (i == 0 && sample.xing) {
            frame.replace(kXingOffset, 4, "Xing");
            frame[kXingOffset + 7] = 0x0F;  // flags: frames, bytes, TOC, quality
            const uint32_t count = uint32_t(sample.frames);
            for (int b = 0; b < 4; ++b) {
                frame[size_t(kXingOffset + 8 + b)] = char((count >> (24 - 8 * b)) & 0xFF);
            }
        }
        bytes += frame;
    }
    return bytes;
}

}  // namespace

bool WriteMp3Sample(const QString& path, const Mp3Sample& sample) {
    QFile file(path);
    const std::string bytes = frames(sample);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())) {
        return false;
    }
    file.close();
    if (!sample.tagged) {
        return true;
    }
    TagRecord record;
    record.accessMode = 0;
    if (!record.open(path.toStdU16String())) {
        return false;
    }
    record.codePage = sample.codePage;
    record.title = sample.title;
    record.artist = sample.artist;
    record.album = sample.album;
    record.year = sample.year;
    record.comment = sample.comment;
    record.genreIndex = uint16_t(sample.genreIndex);
    const bool written = record.write();
    return record.close() && written;
}
