#include "jukebox/shell/command_line.h"

#include <unistd.h>

#include <QByteArray>
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

}  // namespace

CommandLine ParseCommandLine(int argc, const char* const* argv, const QString& currentFolder) {
    CommandLine result;
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--minimized") {
            result.minimized = true;
        } else if (!argument.isEmpty() && !argument.startsWith('-')) {
            result.files.append(absoluteAgainst(PathFromLocalBytes(argument), currentFolder));
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
