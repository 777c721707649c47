#include "jukebox/tracklist_window/dialog_folder.h"

#include <sys/stat.h>
#include <QDir>

#include "jukebox/common/path_functions.h"

namespace {

// The folder part of a path without its last separator ("/" stays "/").
QString folderOf(const QString& path) {
    QString folder = FolderPart(path);
    if (folder.size() > 1) {
        folder.chop(1);
    }
    return folder;
}

// Names that are not UTF-8 travel as lone surrogates, which a file dialog
// would turn into other names; relative paths and addresses name no folder.
bool usable(const QString& folder) {
    if (!folder.startsWith(u'/') || !folder.isValidUtf16()) {
        return false;
    }
    struct stat info {};
    return ::stat(LocalPathBytes(folder).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

QString DialogFolder::StartFor(const QString& currentTrackPath) const {
    const QString trackFolder = folderOf(currentTrackPath);
    if (usable(trackFolder)) {
        return trackFolder;
    }
    if (usable(lastUsed_)) {
        return lastUsed_;
    }
    return QDir::homePath();
}

void DialogFolder::Chose(const QString& path) {
    const QString folder = folderOf(path);
    if (!folder.isEmpty()) {
        lastUsed_ = folder;
    }
}
