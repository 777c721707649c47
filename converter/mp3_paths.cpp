#include "converter/mp3_paths.h"

#include <sys/stat.h>

#include "batchtagger/batch_file_list.h"
#include "jukebox/common/path_functions.h"

bool isFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::vector<std::string> expandMp3Paths(const std::vector<std::string>& arguments) {
    std::vector<std::string> paths;
    paths.reserve(arguments.size());
    for (const std::string& argument : arguments) {
        if (!isFolder(argument)) {
            paths.push_back(argument);
            continue;
        }
        BatchFileList list;
        list.addPath(PathFromLocalBytes(QByteArray::fromStdString(argument)));
        for (const QString& path : list.paths()) {
            paths.push_back(LocalPathBytes(path).toStdString());
        }
    }
    return paths;
}
