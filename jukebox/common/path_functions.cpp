#include "jukebox/common/path_functions.h"

#include <QFileInfo>

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
    return !FileNamePart(path).isEmpty() && QFileInfo::exists(path);
}

QString JoinPath(const QString& folder, const QString& name) {
    return folder + u'/' + name;
}
