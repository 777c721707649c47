#include "jukebox/playlists/playlist_writer.h"

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
    : folder_(PlaylistEntryResolver(playlistPath).folder()) {}

QString PlaylistWriter::entryText(const QString& path) const {
    const Kind kind = PlaylistEntryResolver::KindOf(path);
    if (kind != Kind::Relative && kind != Kind::Absolute) {
        return path;  // addresses and Windows paths as they came
    }
    const QString absolute = PlaylistEntryResolver::Absolute(path);
    if (needsFileUrl(absolute)) {
        return fileUrl(absolute);
    }
    const QString relative = relativeText(absolute);
    return relative.isEmpty() ? absolute : relative;
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
        out += "#EXTINF:" + QByteArray::number(item.seconds) + ',' + titleText(item.title) + '\n';
        appendLine(out, entryText(item.path));
    }
    return out;
}

QByteArray PlaylistWriter::pls(const std::vector<PlaylistItem>& items) const {
    QByteArray out("[playlist]\n");
    int number = 0;
    for (const PlaylistItem& item : items) {
        ++number;
        appendLine(out, QStringLiteral("File%1=%2").arg(number).arg(entryText(item.path)));
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
