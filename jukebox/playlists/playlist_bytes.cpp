#include "jukebox/playlists/playlist_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "jukebox/common/path_functions.h"

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool startsWith(const QByteArray& bytes, QByteArrayView mark) {
    return bytes.startsWith(mark);
}

QByteArray utf16ToUtf8(const QByteArray& bytes, bool bigEndian) {
    QString text(static_cast<qsizetype>((bytes.size() - 2) / 2), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto first = static_cast<uint8_t>(bytes[2 + 2 * i]);
        const auto second = static_cast<uint8_t>(bytes[3 + 2 * i]);
        text[i] =
            QChar(static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first));
    }
    return text.toUtf8();
}

}  // namespace

PlaylistBytesRead ReadPlaylistBytes(const QString& path, qint64 maxBytes, QByteArray& bytes) {
    bytes.clear();
    // Non-blocking, so that a FIFO cannot hang the open; only regular files are read.
    const int fd = ::open(LocalPathBytes(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return PlaylistBytesRead::CannotOpen;
    }
    struct stat info {};
    PlaylistBytesRead result = PlaylistBytesRead::Ok;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        result = PlaylistBytesRead::CannotOpen;
    } else if (info.st_size > maxBytes) {
        result = PlaylistBytesRead::TooLarge;
    } else {
        bytes.reserve(static_cast<qsizetype>(info.st_size));
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0) {
                result = PlaylistBytesRead::CannotOpen;
                break;
            }
            if (n == 0) {
                break;
            }
            // A file that grows while it is read is held to the same limit.
            if (bytes.size() + n > maxBytes) {
                result = PlaylistBytesRead::TooLarge;
                break;
            }
            bytes.append(buffer, n);
        }
    }
    ::close(fd);
    if (result != PlaylistBytesRead::Ok) {
        bytes.clear();
        bytes.squeeze();
    }
    return result;
}

QByteArray PlaylistText(const QByteArray& bytes) {
    if (startsWith(bytes, "\xEF\xBB\xBF")) {
        return bytes.mid(3);
    }
    if (startsWith(bytes, "\xFF\xFE")) {
        return utf16ToUtf8(bytes, false);
    }
    if (startsWith(bytes, "\xFE\xFF")) {
        return utf16ToUtf8(bytes, true);
    }
    return bytes;
}

bool NextPlaylistLine(const QByteArray& text, qsizetype& pos, QByteArrayView& line) {
    const qsizetype size = text.size();
    if (pos >= size) {
        return false;
    }
    const char* data = text.constData();
    qsizetype end = pos;
    while (end < size && data[end] != '\n' && data[end] != '\r') {
        ++end;
    }
    line = QByteArrayView(data + pos, end - pos);
    if (end < size && data[end] == '\r' && end + 1 < size && data[end + 1] == '\n') {
        ++end;
    }
    pos = end + 1;
    return true;
}

QByteArrayView TrimmedPlaylistLine(QByteArrayView line) {
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && isBlank(line[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(line[end - 1])) {
        --end;
    }
    return line.sliced(begin, end - begin);
}
