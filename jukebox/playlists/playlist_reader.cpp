#include "jukebox/playlists/playlist_reader.h"

#include <algorithm>

#include "jukebox/common/path_functions.h"
#include "jukebox/playlists/playlist_bytes.h"
#include "jukebox/playlists/playlist_format.h"

namespace {

// A line that can be a path: not too long for one, and without NUL bytes.
bool canBePath(QByteArrayView line) {
    return !line.isEmpty() && line.size() <= PlaylistReader::kMaxLineBytes && !line.contains('\0');
}

bool startsWithNoCase(QByteArrayView text, QByteArrayView prefix) {
    return text.size() >= prefix.size() &&
           text.first(prefix.size()).compare(prefix, Qt::CaseInsensitive) == 0;
}

// The N of a "FileN" key; false for any other key. Digits past 18 would overflow
// and no list is that long: such a key is passed over.
bool plsFileNumber(QByteArrayView key, quint64& number) {
    if (!startsWithNoCase(key, "file") || key.size() == 4 || key.size() > 4 + 18) {
        return false;
    }
    number = 0;
    for (char c : key.sliced(4)) {
        if (c < '0' || c > '9') {
            return false;
        }
        number = number * 10 + static_cast<quint64>(c - '0');
    }
    return true;
}

}  // namespace

PlaylistReader::Status PlaylistReader::open(const QString& playlistPath) {
    text_.clear();
    pos_ = 0;
    plsFiles_.clear();
    plsNext_ = 0;
    resolver_ = PlaylistEntryResolver(playlistPath);
    pls_ = PlaylistFormatOf(playlistPath) == PlaylistFormat::Pls;
    QByteArray bytes;
    switch (ReadPlaylistBytes(playlistPath, kMaxBytes, bytes)) {
        case PlaylistBytesRead::Ok:
            break;
        case PlaylistBytesRead::CannotOpen:
            return Status::CannotOpen;
        case PlaylistBytesRead::TooLarge:
            return Status::TooLarge;
    }
    text_ = PlaylistText(bytes);
    if (pls_) {
        collectPlsFiles();
    }
    return Status::Ok;
}

bool PlaylistReader::next(QString& entry) {
    QByteArrayView line;
    while (pls_ ? nextPlsFile(line) : nextM3uLine(line)) {
        entry = resolver_.resolve(PathFromLocalBytes(line.toByteArray()));
        // A NUL (from a file URL's "%00") ends a name on Linux: it names no file.
        if (!entry.isEmpty() && !entry.contains(QChar(u'\0'))) {
            return true;
        }
    }
    return false;
}

bool PlaylistReader::nextM3uLine(QByteArrayView& line) {
    while (NextPlaylistLine(text_, pos_, line)) {
        const QByteArrayView trimmed = TrimmedPlaylistLine(line);
        // Blank lines, #EXTM3U, #EXTINF and every other directive.
        if (trimmed.isEmpty() || trimmed.startsWith('#')) {
            continue;
        }
        if (canBePath(line)) {
            return true;
        }
    }
    return false;
}

bool PlaylistReader::nextPlsFile(QByteArrayView& line) {
    if (plsNext_ >= plsFiles_.size()) {
        return false;
    }
    const PlsFile& file = plsFiles_[plsNext_++];
    line = QByteArrayView(text_.constData() + file.offset, file.length);
    return true;
}

// The FileN entries of the [playlist] section (or of a file without sections),
// ordered by N as the format means, whatever their order in the file; entries of
// the same N keep theirs. NumberOfEntries is not trusted: every FileN counts.
void PlaylistReader::collectPlsFiles() {
    bool inPlaylist = true;
    QByteArrayView line;
    while (NextPlaylistLine(text_, pos_, line)) {
        const QByteArrayView trimmed = TrimmedPlaylistLine(line);
        if (trimmed.startsWith('[')) {
            inPlaylist = trimmed.compare("[playlist]", Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = trimmed.indexOf('=');
        quint64 number = 0;
        if (!inPlaylist || equals < 0 ||
            !plsFileNumber(TrimmedPlaylistLine(trimmed.first(equals)), number)) {
            continue;
        }
        const QByteArrayView value = TrimmedPlaylistLine(trimmed.sliced(equals + 1));
        if (canBePath(value)) {
            plsFiles_.push_back({number, value.data() - text_.constData(), value.size()});
        }
    }
    std::stable_sort(plsFiles_.begin(), plsFiles_.end(),
                     [](const PlsFile& a, const PlsFile& b) { return a.number < b.number; });
}
