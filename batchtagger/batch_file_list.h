#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <map>
#include <set>
#include <vector>

#include "jukebox/common/natural_order.h"

// The MP3 paths dropped on the batch editor, in natural order: without regard
// to case, numbers by value ("2 - x" before "10 - y"), folder by folder.
//
// A file is left out when the list already holds an item that begins with its
// path (compared without regard to case), which also keeps duplicates out. The
// items are kept in a tree keyed by their case-folded paths: the items beginning
// with a path then follow one another from the first key not less than the path's,
// so the test is one lookup; a second tree keeps them in list order. A folder of
// thousands of files is listed in n log n.
class BatchFileList {
public:
    // Adds a dropped path: a folder with every MP3 file below it, a file when its
    // extension is "mp3" in any case. Returns how many items were added.
    int addPath(const QString& path);
    int addPaths(const QStringList& paths);

    // The items in list order.
    const QStringList& paths() const;
    int count() const { return static_cast<int>(items_.size()); }
    // The row of an item, or -1.
    int rowOf(const QString& path) const;

    // Removes the items at rows (any order, out-of-range rows ignored). Returns the
    // row to select afterwards: the one now at the first removed row, or the last
    // one when that is past the end; -1 when nothing remains or nothing was removed.
    int removeRows(QList<int> rows);

    bool holdsItemBeginningWith(const QString& path) const;

    // The paths named on a command line (as bytes: old disks carry names in GBK or
    // Big5), each made absolute against currentFolder and cleaned, so that "." or
    // "../Old" are walked as the folders they name.
    static QStringList pathsFromArguments(const QList<QByteArray>& arguments,
                                          const QString& currentFolder);

private:
    // The file test of one path (given with its key of the list order); visited
    // holds the folders entered in this drop. A folder walk already knows which
    // of its entries are plain files and says so with notFolder, which saves
    // asking the file system again.
    int addOne(NaturalSortKey path, std::set<std::pair<quint64, quint64>>& visited,
               bool notFolder = false);
    int addFolder(const QString& folder, std::set<std::pair<quint64, quint64>>& visited);

    void refreshSnapshot() const;

    using Order = std::set<NaturalSortKey>;
    std::map<QString, QString> items_;  // case-folded path -> path
    Order order_;                       // the same items in list order
    // The items in list order, and where each stands in order_, made again
    // after a change.
    mutable QStringList paths_;
    mutable std::vector<Order::const_iterator> rows_;
    mutable bool pathsStale_ = false;
};
