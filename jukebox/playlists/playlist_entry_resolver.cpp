#include "jukebox/playlists/playlist_entry_resolver.h"

#include <unistd.h>
#include <QDir>
#include <QUrl>
#include <memory>

#include "jukebox/common/path_functions.h"

namespace {

bool isAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isSchemeChar(QChar c) {
    return isAsciiLetter(c) || (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.';
}

bool hasScheme(const QString& entry) {
    if (entry.isEmpty() || !isAsciiLetter(entry[0])) {
        return false;
    }
    qsizetype i = 1;
    while (i < entry.size() && isSchemeChar(entry[i])) {
        ++i;
    }
    return QStringView(entry).mid(i).startsWith(u"://");
}

QString currentFolder() {
    std::unique_ptr<char, decltype(&::free)> cwd(::getcwd(nullptr, 0), &::free);
    return cwd ? PathFromLocalBytes(QByteArray(cwd.get())) : QStringLiteral("/");
}

// The bytes of a file URL that QUrl would take for syntax or decode with loss
// (spaces, "#" and "?", which mean nothing in a local path, bytes that are not
// ASCII) are percent-encoded first; "%" stays, so encoded URLs pass unchanged.
QString encodedFileUrl(const QString& entry) {
    const QByteArray bytes = LocalPathBytes(entry);
    QByteArray encoded;
    encoded.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<uint8_t>(c);
        if (b <= 0x20 || b >= 0x7F || c == '#' || c == '?' || c == '"' || c == '<' || c == '>' ||
            c == '\\' || c == '^' || c == '`' || c == '{' || c == '|' || c == '}') {
            encoded += '%';
            encoded += QByteArray::number(b, 16).rightJustified(2, '0').toUpper();
        } else {
            encoded += c;
        }
    }
    return QString::fromLatin1(encoded);
}

// "\" made "/". In a name that is not UTF-8 (GBK, Big5, Shift-JIS bytes) the
// second byte of a double-byte character may be 0x5C, which is no separator: a
// byte 0x81..0xFE takes the next byte with it.
QString windowsSeparators(const QString& entry, bool doubleByteAware) {
    QByteArray bytes = LocalPathBytes(entry);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<uint8_t>(bytes[i]);
        if (doubleByteAware && b >= 0x81 && b <= 0xFE) {
            ++i;
        } else if (b == '\\') {
            bytes[i] = '/';
        }
    }
    return PathFromLocalBytes(bytes);
}

bool holdsRawBytes(const QString& text) {
    for (QChar c : text) {
        if (c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF) {
            return true;
        }
    }
    return false;
}

}  // namespace

PlaylistEntryResolver::PlaylistEntryResolver(const QString& playlistPath) {
    const QString absolute = Absolute(playlistPath);
    folder_ = QDir::cleanPath(absolute.left(absolute.lastIndexOf(u'/') + 1));
}

PlaylistEntryResolver::Kind PlaylistEntryResolver::KindOf(const QString& entry) {
    if (entry.startsWith(u'/')) {
        return Kind::Absolute;
    }
    if (entry.startsWith(QStringLiteral("file:"), Qt::CaseInsensitive)) {
        return Kind::FileUrl;
    }
    if (hasScheme(entry)) {
        return Kind::Address;
    }
    if (entry.startsWith(u'\\') ||
        (entry.size() >= 2 && isAsciiLetter(entry[0]) && entry[1] == u':')) {
        return Kind::Foreign;
    }
    return Kind::Relative;
}

QString PlaylistEntryResolver::Absolute(const QString& path) {
    if (path.startsWith(u'/')) {
        return path;
    }
    const QString folder = currentFolder();
    return folder.endsWith(u'/') ? folder + path : folder + u'/' + path;
}

QString PlaylistEntryResolver::resolve(const QString& entry) const {
    switch (KindOf(entry)) {
        case Kind::Relative:
            return fromRelative(entry);
        case Kind::FileUrl:
            return fromFileUrl(entry);
        case Kind::Absolute:
        case Kind::Address:
        case Kind::Foreign:
            break;
    }
    return entry;
}

QString PlaylistEntryResolver::fromFileUrl(const QString& entry) const {
    const QString path = LocalPathOfUrl(QUrl(encodedFileUrl(entry), QUrl::TolerantMode));
    if (path.isEmpty() || path.startsWith(u'/')) {
        return path;
    }
    return joined(path);  // "file:a.mp3", relative after all
}

QString PlaylistEntryResolver::fromRelative(const QString& entry) const {
    const QString written = joined(entry);
    if (!entry.contains(u'\\') || FileExists(written)) {
        return written;
    }
    const bool rawBytes = holdsRawBytes(entry);
    const QString converted = joined(windowsSeparators(entry, rawBytes));
    if (!rawBytes || FileExists(converted)) {
        return converted;
    }
    // A Shift-JIS half-width kana (0xA1..0xDF) is one byte: the plain way may fit.
    const QString plain = joined(windowsSeparators(entry, false));
    return FileExists(plain) ? plain : converted;
}

QString PlaylistEntryResolver::joined(const QString& relative) const {
    return QDir::cleanPath(folder_ + u'/' + relative);
}
