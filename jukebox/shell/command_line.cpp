#include "jukebox/shell/command_line.h"

#include <unistd.h>

#include <QByteArray>
#include <QRegularExpression>
#include <QUrl>
#include <cerrno>
#include <vector>

#include "jukebox/common/path_functions.h"

namespace {

QString absoluteAgainst(const QString& path, const QString& folder) {
    if (path.startsWith(u'/') || folder.isEmpty()) {
        return path;
    }
    return folder.endsWith(u'/') ? folder + path : folder + u'/' + path;
}

// An address ("http://...", "https://...", any "scheme://") goes to the player as
// it was given; a file:// URL names a local file. Empty for a plain path.
QString addressOrUrlPath(const QByteArray& argument) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    const QString text = PathFromLocalBytes(argument);
    if (!scheme.match(text).hasMatch()) {
        return QString();
    }
    if (!text.startsWith(QStringLiteral("file:"), Qt::CaseInsensitive)) {
        return text;
    }
    const QString local = LocalPathOfUrl(QUrl::fromEncoded(argument));
    return local.isEmpty() ? text : local;
}

}  // namespace

CommandLine ParseCommandLine(int argc, const char* const* argv, const QString& currentFolder) {
    CommandLine result;
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--minimized") {
            result.minimized = true;
        } else if (!argument.isEmpty() && !argument.startsWith('-')) {
            const QString address = addressOrUrlPath(argument);
            result.files.append(!address.isEmpty()
                                    ? address
                                    : absoluteAgainst(PathFromLocalBytes(argument), currentFolder));
        }
    }
    result.file = result.files.value(0);
    return result;
}

QString CurrentFolder() {
    std::vector<char> buffer(4096);
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE) {
            return QString();
        }
        buffer.resize(buffer.size() * 2);
    }
    return PathFromLocalBytes(QByteArray(buffer.data()));
}
