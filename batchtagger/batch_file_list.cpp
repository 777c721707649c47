#include "batchtagger/batch_file_list.h"

#include <sys/stat.h>

#include <QByteArray>
#include <QDir>
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
    return addOne(NaturalSortKey(path), visited);
}

int BatchFileList::addPaths(const QStringList& paths) {
    std::set<FolderId> visited;
    int added = 0;
    for (const QString& path : paths) {
        added += addOne(NaturalSortKey(path), visited);
    }
    return added;
}

int BatchFileList::addOne(NaturalSortKey path, std::set<FolderId>& visited, bool notFolder) {
    QString name = FileNamePart(path.text());
    if (name == u"." || name == u"..") {
        return 0;
    }
    FolderId id;
    if (!notFolder && folderId(path.text(), id)) {
        return visited.insert(id).second ? addFolder(path.text(), visited) : 0;
    }
    QString key = path.text().toCaseFolded();
    auto it = items_.lower_bound(key);
    if (it != items_.end() && it->first.startsWith(key)) {
        return 0;  // an item begins with this path
    }
    if (ExtensionPart(path.text()).compare(u"mp3", Qt::CaseInsensitive) != 0) {
        return 0;
    }
    items_.emplace_hint(it, std::move(key), path.text());
    // A folder's files come in list order: each usually goes at the end.
    order_.emplace_hint(order_.end(), std::move(path));
    pathsStale_ = true;
    return 1;
}

int BatchFileList::addFolder(const QString& folder, std::set<FolderId>& visited) {
    struct Entry {
        NaturalSortKey path;
        bool plainFile;
    };
    std::vector<Entry> entries;
    std::error_code error;
    // Entry names are bytes and stay so: old disks carry names in GBK or Big5.
    std::filesystem::directory_iterator it(LocalPathBytes(folder).toStdString(), error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        QString name =
            PathFromLocalBytes(QByteArray::fromStdString(it->path().filename().native()));
        // The listing tells plain files from the rest without asking again.
        std::error_code typeError;
        entries.push_back(
            Entry{NaturalSortKey(JoinPath(folder, name)), it->is_regular_file(typeError)});
    }
    // Walked in the order the list shows, so that which of two names that
    // begin alike joins does not depend on the file system's order. The key
    // made for the walk is the one the list keeps.
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.path < b.path; });
    int added = 0;
    for (Entry& entry : entries) {
        added += addOne(std::move(entry.path), visited, entry.plainFile);
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
    rows_.clear();
    paths_.reserve(static_cast<qsizetype>(order_.size()));
    rows_.reserve(order_.size());
    for (auto it = order_.begin(); it != order_.end(); ++it) {
        paths_.append(it->text());
        rows_.push_back(it);
    }
    pathsStale_ = false;
}

const QStringList& BatchFileList::paths() const {
    refreshSnapshot();
    return paths_;
}

int BatchFileList::rowOf(const QString& path) const {
    auto item = items_.find(path.toCaseFolded());
    if (item == items_.end()) {
        return -1;
    }
    refreshSnapshot();
    const NaturalSortKey key(item->second);
    auto row =
        std::lower_bound(rows_.begin(), rows_.end(), key,
                         [](Order::const_iterator a, const NaturalSortKey& b) { return *a < b; });
    if (row == rows_.end() || !(**row == key)) {
        return -1;
    }
    return static_cast<int>(row - rows_.begin());
}

int BatchFileList::removeRows(QList<int> rows) {
    refreshSnapshot();
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    int firstRemoved = -1;
    for (int row : rows) {
        if (row < 0 || row >= static_cast<int>(rows_.size())) {
            continue;
        }
        if (firstRemoved < 0) {
            firstRemoved = row;
        }
        items_.erase(paths_[row].toCaseFolded());
        order_.erase(rows_[static_cast<std::size_t>(row)]);  // the others stay valid
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

QStringList BatchFileList::pathsFromArguments(const QList<QByteArray>& arguments,
                                              const QString& currentFolder) {
    QStringList paths;
    for (const QByteArray& argument : arguments) {
        if (argument.isEmpty()) {
            continue;
        }
        QString path = PathFromLocalBytes(argument);
        if (!path.startsWith(u'/')) {
            path = JoinPath(currentFolder, path);
        }
        paths.append(QDir::cleanPath(path));
    }
    return paths;
}
