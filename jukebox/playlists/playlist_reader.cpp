#include "jukebox/playlists/playlist_reader.h"

#include <algorithm>
#include <functional>

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

// The N of a "<name>N" key ("FileN", "TitleN", "LengthN"); false for any other
// key. Digits past 18 would overflow and no list is that long: such a key is
// passed over.
bool plsKeyNumber(QByteArrayView key, QByteArrayView name, quint64& number) {
    if (!startsWithNoCase(key, name) || key.size() == name.size() ||
        key.size() > name.size() + 18) {
        return false;
    }
    number = 0;
    for (char c : key.sliced(name.size())) {
        if (c < '0' || c > '9') {
            return false;
        }
        number = number * 10 + static_cast<quint64>(c - '0');
    }
    return true;
}

// Every "key=value" line of the [playlist] section (or of a file without
// sections), both trimmed.
void forEachPlsKey(const QByteArray& text,
                   const std::function<void(QByteArrayView, QByteArrayView)>& visit) {
    bool inPlaylist = true;
    qsizetype pos = 0;
    QByteArrayView line;
    while (NextPlaylistLine(text, pos, line)) {
        const QByteArrayView trimmed = TrimmedPlaylistLine(line);
        if (trimmed.startsWith('[')) {
            inPlaylist = trimmed.compare("[playlist]", Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = trimmed.indexOf('=');
        if (inPlaylist && equals >= 0) {
            visit(TrimmedPlaylistLine(trimmed.first(equals)),
                  TrimmedPlaylistLine(trimmed.sliced(equals + 1)));
        }
    }
}

// A length in whole seconds as players write it ("215", "-1", "215.6"); -1 when
// the text does not begin with one.
int secondsOf(QByteArrayView text) {
    qsizetype end = text.startsWith('-') ? 1 : 0;
    while (end < text.size() && end < 10 && text[end] >= '0' && text[end] <= '9') {
        ++end;
    }
    bool ok = false;
    const int seconds = text.first(end).toByteArray().toInt(&ok);
    return ok ? seconds : -1;
}

// "#EXTINF:<length> <attributes>,<title>": the title begins after the first comma
// that no quoted attribute value holds.
void takeExtinf(QByteArrayView line, PlaylistItem& item) {
    const QByteArrayView rest = line.sliced(qstrlen("#EXTINF:"));
    bool quoted = false;
    qsizetype comma = -1;
    for (qsizetype i = 0; i < rest.size() && comma < 0; ++i) {
        if (rest[i] == '"') {
            quoted = !quoted;
        } else if (rest[i] == ',' && !quoted) {
            comma = i;
        }
    }
    item.infoGiven = true;
    item.infoLine = line.toByteArray();
    item.seconds = secondsOf(TrimmedPlaylistLine(rest));
    item.title = comma < 0 ? QString() : PathFromLocalBytes(rest.sliced(comma + 1).toByteArray());
}

}  // namespace

PlaylistReader::Status PlaylistReader::open(const QString& playlistPath) {
    text_.clear();
    pos_ = 0;
    plsFiles_.clear();
    plsInfo_.clear();
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
    PlaylistItem item;
    const bool found = next(item);
    entry = item.path;
    return found;
}

bool PlaylistReader::next(PlaylistItem& item) {
    QByteArrayView line;
    for (;;) {
        item = PlaylistItem();
        if (!(pls_ ? nextPlsFile(line, item) : nextM3uLine(line, item))) {
            return false;
        }
        item.written = PathFromLocalBytes(line.toByteArray());
        item.writtenFolder = resolver_.folder();
        item.path = resolver_.resolve(item.written);
        // A NUL (from a file URL's "%00") ends a name on Linux: it names no file.
        if (!item.path.isEmpty() && !item.path.contains(QChar(u'\0'))) {
            return true;
        }
    }
}

bool PlaylistReader::nextM3uLine(QByteArrayView& line, PlaylistItem& item) {
    while (NextPlaylistLine(text_, pos_, line)) {
        const QByteArrayView trimmed = TrimmedPlaylistLine(line);
        if (startsWithNoCase(trimmed, "#EXTINF:")) {
            takeExtinf(trimmed, item);  // for the entry that follows it
            continue;
        }
        // Blank lines, #EXTM3U and every other directive.
        if (trimmed.isEmpty() || trimmed.startsWith('#')) {
            continue;
        }
        if (canBePath(line)) {
            return true;
        }
        item = PlaylistItem();  // its #EXTINF went with it
    }
    return false;
}

bool PlaylistReader::nextPlsFile(QByteArrayView& line, PlaylistItem& item) {
    if (plsNext_ >= plsFiles_.size()) {
        return false;
    }
    const PlsInfo& info = plsInfo_[plsNext_];
    const PlsFile& file = plsFiles_[plsNext_++];
    line = QByteArrayView(text_.constData() + file.offset, file.length);
    if (info.given) {
        item.infoGiven = true;
        item.seconds = info.seconds;
        if (info.titleOffset >= 0) {
            item.title = PathFromLocalBytes(
                QByteArray(text_.constData() + info.titleOffset, info.titleLength));
        }
    }
    return true;
}

// The FileN entries of the [playlist] section (or of a file without sections),
// ordered by N as the format means, whatever their order in the file; entries of
// the same N keep theirs. NumberOfEntries is not trusted: every FileN counts.
void PlaylistReader::collectPlsFiles() {
    forEachPlsKey(text_, [this](QByteArrayView key, QByteArrayView value) {
        quint64 number = 0;
        if (plsKeyNumber(key, "file", number) && canBePath(value)) {
            plsFiles_.push_back({number, value.data() - text_.constData(), value.size()});
        }
    });
    std::stable_sort(plsFiles_.begin(), plsFiles_.end(), byNumber);
    collectPlsInfo();
}

// TitleN and LengthN, for the FileN entries of the same N only: a hostile file of
// titles alone costs nothing.
void PlaylistReader::collectPlsInfo() {
    plsInfo_.assign(plsFiles_.size(), PlsInfo());
    forEachPlsKey(text_, [this](QByteArrayView key, QByteArrayView value) {
        quint64 number = 0;
        const bool title = plsKeyNumber(key, "title", number);
        if (!title && !plsKeyNumber(key, "length", number)) {
            return;
        }
        auto [first, last] =
            std::equal_range(plsFiles_.begin(), plsFiles_.end(), PlsFile{number, 0, 0}, byNumber);
        for (auto it = first; it != last; ++it) {
            PlsInfo& info = plsInfo_[static_cast<std::size_t>(it - plsFiles_.begin())];
            info.given = true;
            if (title) {
                info.titleOffset = value.data() - text_.constData();
                info.titleLength = value.size();
            } else {
                info.seconds = secondsOf(value);
            }
        }
    });
}
