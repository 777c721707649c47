#include "jukebox/skin/skin_files.h"

#include <filesystem>
#include <system_error>

#include "jukebox/common/path_functions.h"

QString SkinFilePath(const QString& folder, const QString& name) {
    const QString exact = folder + u'/' + name;
    if (FileExists(exact)) {
        return exact;
    }
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path listed(LocalPathBytes(folder).toStdString());
    for (fs::directory_iterator it(listed, error), end; !error && it != end; it.increment(error)) {
        std::error_code kindError;
        if (it->is_directory(kindError)) {
            continue;
        }
        const QString candidate =
            PathFromLocalBytes(QByteArray::fromStdString(it->path().filename().string()));
        if (candidate.compare(name, Qt::CaseInsensitive) == 0) {
            return folder + u'/' + candidate;
        }
    }
    return exact;
}
