#include "jukebox/common/path_functions.h"

#include <sys/stat.h>
#include <QUrl>

#include "taglib/local_path.h"

namespace {
qsizetype lastSeparator(const QString& path) {
    return std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
}
}  // namespace

QString FileNamePart(const QString& path) {
    return path.mid(lastSeparator(path) + 1);
}

QString ExtensionPart(const QString& text) {
    return text.mid(text.lastIndexOf(u'.') + 1);
}

QString FolderPart(const QString& path) {
    return path.left(lastSeparator(path) + 1);
}

bool IsHttpAddress(const QString& path) {
    return path.startsWith(QStringLiteral("http"), Qt::CaseInsensitive);
}

bool FileExists(const QString& path) {
    struct stat info {};
    return !FileNamePart(path).isEmpty() && ::stat(LocalPathBytes(path).constData(), &info) == 0;
}

QString JoinPath(const QString& folder, const QString& name) {
    return folder + u'/' + name;
}

QByteArray LocalPathBytes(const QString& path) {
    // Plain ASCII is its own bytes: a list of 100,000 paths is mostly that.
    if (QtPrivate::isAscii(QStringView(path))) {
        return path.toLatin1();
    }
    return QByteArray::fromStdString(Utf16ToLocalPath(path.toStdU16String()));
}

QString PathFromLocalBytes(const QByteArray& bytes) {
    return QString::fromStdU16String(
        LocalPathToUtf16(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size()))));
}

QString LocalPathOfUrl(const QUrl& url) {
    if (!url.isLocalFile()) {
        return {};
    }
    // toLocalFile() would turn bytes that are not UTF-8 into U+FFFD.
    QByteArray encoded = url.path(QUrl::FullyEncoded).toLatin1();
    return PathFromLocalBytes(QByteArray::fromPercentEncoding(encoded));
}
