#include "jukebox/playlists/playlist_writer.h"

#include <sys/stat.h>
#include <QDir>

#include "jukebox/common/path_functions.h"
#include "jukebox/common/whole_file.h"
#include "jukebox/playlists/playlist_entry_resolver.h"
#include "jukebox/playlists/playlist_format.h"

namespace {

using Kind = PlaylistEntryResolver::Kind;

// True when the path cannot be one line of UTF-8 text that reads back as
// itself: bytes that are not UTF-8 (held as U+DC80..U+DCFF), a line break, a
// backslash.
bool needsFileUrl(const QString& path) {
    for (QChar c : path) {
        const char16_t u = c.unicode();
        // A backslash is part of a Linux name, but read back from plain text it
        // would be taken for a Windows separator when the file is missing.
        if ((u >= 0xDC80 && u <= 0xDCFF) || u == u'\n' || u == u'\r' || u == u'\\') {
            return true;
        }
    }
    return false;
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

bool hasOuterBlank(const QString& text) {
    return !text.isEmpty() && (isBlank(text.front()) || isBlank(text.back()));
}

QString fileUrl(const QString& absolute) {
    return QStringLiteral("file://") +
           QString::fromLatin1(LocalPathBytes(absolute).toPercentEncoding("/"));
}

// A title is one line of UTF-8: only a hint for other players, so bytes of a
// file name that are not UTF-8 may become "?" there.
QByteArray titleText(QString title) {
    title.replace(u'\r', u' ');
    title.replace(u'\n', u' ');
    return title.toUtf8();
}

// A line whose text is a path or address keeps its bytes.
void appendLine(QByteArray& out, const QString& line) {
    out += LocalPathBytes(line);
    out += '\n';
}

}  // namespace

PlaylistWriter::PlaylistWriter(const QString& playlistPath)
    : resolver_(playlistPath), folder_(resolver_.folder()) {}

QString PlaylistWriter::entryText(const QString& path) const {
    PlaylistItem item;
    item.path = path;
    return entryText(item, false);
}

QString PlaylistWriter::entryText(const PlaylistItem& item, bool pls) const {
    const Kind kind = PlaylistEntryResolver::KindOf(item.path);
    if (kind != Kind::Relative && kind != Kind::Absolute) {
        return item.path;  // addresses and Windows paths as they came
    }
    const QString absolute = PlaylistEntryResolver::Absolute(item.path);
    QString text = writtenText(item, absolute);
    if (text.isEmpty()) {
        if (needsFileUrl(absolute)) {
            return fileUrl(absolute);
        }
        text = relativeText(absolute);
        const bool cameRelative = !item.written.isEmpty() &&
                                  PlaylistEntryResolver::KindOf(item.written) == Kind::Relative;
        if (text.isEmpty() && (cameRelative || FileExists(absolute))) {
            text = upwardText(absolute);
        }
        if (text.isEmpty()) {
            text = absolute;
        }
    }
    if (pls && hasOuterBlank(text)) {
        return fileUrl(absolute);
    }
    return text;
}

// The entry as the playlist that brought it wrote it (relative, absolute or as a
// file URL), when saved to the folder it was written for and it still names the
// same path; else empty.
QString PlaylistWriter::writtenText(const PlaylistItem& item, const QString& absolute) const {
    if (item.written.isEmpty() || item.writtenFolder != folder_ ||
        resolver_.resolve(item.written) != absolute) {
        return {};
    }
    return item.written;
}

// The path relative to the playlist's folder by way of "..", or empty. Where the
// file is there, the way must lead to that very file: through a linked folder,
// ".." is not where the text says.
QString PlaylistWriter::upwardText(const QString& absolute) const {
    if (QDir::cleanPath(absolute) != absolute) {
        return {};
    }
    const QString relative = QDir(folder_).relativeFilePath(absolute);
    if (!relative.startsWith(QStringLiteral("../")) ||
        PlaylistEntryResolver::KindOf(relative) != Kind::Relative) {
        return {};
    }
    struct stat there {};
    struct stat way {};
    if (::stat(LocalPathBytes(absolute).constData(), &there) == 0) {
        const QByteArray joined = LocalPathBytes(folder_ + u'/' + relative);
        if (::stat(joined.constData(), &way) != 0 || way.st_dev != there.st_dev ||
            way.st_ino != there.st_ino) {
            return {};
        }
    }
    return relative;
}

// The path relative to the playlist's folder, or empty when it does not lie under
// it. Only a clean path ("a/b", no "." or ".." or "//") is made relative, so that
// reading it back gives the same text.
QString PlaylistWriter::relativeText(const QString& absolute) const {
    const QString prefix = folder_.endsWith(u'/') ? folder_ : folder_ + u'/';
    if (!absolute.startsWith(prefix) || absolute.size() == prefix.size() ||
        QDir::cleanPath(absolute) != absolute) {
        return {};
    }
    const QString relative = absolute.mid(prefix.size());
    // What would read back as a comment, an address or a Windows path is marked
    // as a relative path.
    const bool ambiguous = relative.startsWith(u'#') || relative.startsWith(u' ') ||
                           relative.startsWith(u'\t') ||
                           PlaylistEntryResolver::KindOf(relative) != Kind::Relative;
    return ambiguous ? QStringLiteral("./") + relative : relative;
}

QByteArray PlaylistWriter::m3u8(const std::vector<PlaylistItem>& items) const {
    QByteArray out("#EXTM3U\n");
    for (const PlaylistItem& item : items) {
        if (!item.infoLine.isEmpty()) {
            out += item.infoLine + '\n';
        } else {
            out +=
                "#EXTINF:" + QByteArray::number(item.seconds) + ',' + titleText(item.title) + '\n';
        }
        appendLine(out, entryText(item, false));
    }
    return out;
}

QByteArray PlaylistWriter::pls(const std::vector<PlaylistItem>& items) const {
    QByteArray out("[playlist]\n");
    int number = 0;
    for (const PlaylistItem& item : items) {
        ++number;
        appendLine(out, QStringLiteral("File%1=%2").arg(number).arg(entryText(item, true)));
        out += "Title" + QByteArray::number(number) + '=' + titleText(item.title) + '\n';
        appendLine(out, QStringLiteral("Length%1=%2").arg(number).arg(item.seconds));
    }
    appendLine(out, QStringLiteral("NumberOfEntries=%1").arg(number));
    appendLine(out, QStringLiteral("Version=2"));
    return out;
}

bool PlaylistWriter::Save(const QString& playlistPath, const std::vector<PlaylistItem>& items) {
    const PlaylistWriter writer(playlistPath);
    const bool pls = PlaylistFormatOf(playlistPath) == PlaylistFormat::Pls;
    return SaveFileWhole(playlistPath, pls ? writer.pls(items) : writer.m3u8(items));
}
