#include "batchtagger/batch_file_list.h"

#include <sys/stat.h>

#include <QByteArray>
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "jukebox/common/path_functions.h"

namespace {

using FolderId = std::pair<quint64, quint64>;

// The device and inode of a folder (links followed), so that a link back to a
// folder above does not make the walk endless.
bool folderId(const QString& path, FolderId& id) {
    struct stat info {};
    if (::stat(LocalPathBytes(path).constData(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        return false;
    }
    id = {static_cast<quint64>(info.st_dev), static_cast<quint64>(info.st_ino)};
    return true;
}

}  // namespace

int BatchFileList::addPath(const QString& path) {
    std::set<FolderId> visited;
    return addOne(path, visited);
}

int BatchFileList::addPaths(const QStringList& paths) {
    std::set<FolderId> visited;
    int added = 0;
    for (const QString& path : paths) {
        added += addOne(path, visited);
    }
    return added;
}

int BatchFileList::addOne(const QString& path, std::set<FolderId>& visited, bool notFolder) {
    QString name = FileNamePart(path);
    if (name == u"." || name == u"..") {
        return 0;
    }
    FolderId id;
    if (!notFolder && folderId(path, id)) {
        return visited.insert(id).second ? addFolder(path, visited) : 0;
    }
    QString key = path.toCaseFolded();
    auto it = items_.lower_bound(key);
    if (it != items_.end() && it->first.startsWith(key)) {
        return 0;  // an item begins with this path
    }
    if (ExtensionPart(path).compare(u"mp3", Qt::CaseInsensitive) != 0) {
        return 0;
    }
    items_.emplace_hint(it, std::move(key), path);
    pathsStale_ = true;
    return 1;
}

int BatchFileList::addFolder(const QString& folder, std::set<FolderId>& visited) {
    std::error_code error;
    // Entry names are bytes and stay so: old disks carry names in GBK or Big5.
    std::filesystem::directory_iterator it(LocalPathBytes(folder).toStdString(), error);
    int added = 0;
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        QString name =
            PathFromLocalBytes(QByteArray::fromStdString(it->path().filename().native()));
        // The listing tells plain files from the rest without asking again.
        std::error_code typeError;
        bool plainFile = it->is_regular_file(typeError);
        added += addOne(JoinPath(folder, name), visited, plainFile);
    }
    return added;
}

bool BatchFileList::holdsItemBeginningWith(const QString& path) const {
    QString key = path.toCaseFolded();
    auto it = items_.lower_bound(key);
    return it != items_.end() && it->first.startsWith(key);
}

void BatchFileList::refreshSnapshot() const {
    if (!pathsStale_) {
        return;
    }
    paths_.clear();
    keys_.clear();
    paths_.reserve(static_cast<qsizetype>(items_.size()));
    keys_.reserve(static_cast<qsizetype>(items_.size()));
    for (const auto& [key, path] : items_) {
        keys_.append(key);
        paths_.append(path);
    }
    pathsStale_ = false;
}

const QStringList& BatchFileList::paths() const {
    refreshSnapshot();
    return paths_;
}

int BatchFileList::rowOf(const QString& path) const {
    refreshSnapshot();
    QString key = path.toCaseFolded();
    auto it = std::lower_bound(keys_.begin(), keys_.end(), key);
    if (it == keys_.end() || *it != key) {
        return -1;
    }
    return static_cast<int>(it - keys_.begin());
}

int BatchFileList::removeRows(QList<int> rows) {
    refreshSnapshot();
    const QStringList& all = keys_;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    int firstRemoved = -1;
    for (int row : rows) {
        if (row < 0 || row >= all.size()) {
            continue;
        }
        if (firstRemoved < 0) {
            firstRemoved = row;
        }
        items_.erase(all[row]);
    }
    if (firstRemoved < 0) {
        return -1;
    }
    pathsStale_ = true;
    if (items_.empty()) {
        return -1;
    }
    return std::min(firstRemoved, count() - 1);
}
