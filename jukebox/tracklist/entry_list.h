#pragma once

#include <QHash>
#include <QString>
#include <vector>

#include "jukebox/tracklist/track_entry.h"

// The tracklist's entries in display order, with an index of how many entries
// hold each path, kept in step with every edit, so that the duplicate test of a
// large list costs no scan.
class EntryList {
public:
    int count() const { return static_cast<int>(entries_.size()); }
    bool isEmpty() const { return entries_.empty(); }
    const TrackEntry& at(int index) const { return entries_[static_cast<size_t>(index)]; }
    const std::vector<TrackEntry>& entries() const { return entries_; }

    void append(TrackEntry entry);
    // Room for count entries in all, so that a load of a long list grows nothing.
    void reserve(int count);
    void replace(int index, TrackEntry entry);
    // Removes count entries from index on (fewer when the end comes first).
    void removeFrom(int index, int count);
    // Removes the entries at the given indices, which are ascending, distinct and
    // in range, in one pass.
    void removeIndices(const std::vector<int>& ascending);
    void exchange(int a, int b);
    void clear();
    // Puts the entries in a new order: new position i takes old entry order[i].
    // order must be a permutation of 0 .. count - 1.
    void reorder(const std::vector<int>& order);

    // Changes with every edit, so a long reader can tell that the entries moved.
    unsigned revision() const { return revision_; }

    // True when some entry's path equals path exactly (case matters).
    bool containsPath(const QString& path) const { return pathCounts_.contains(path); }
    // The first index whose path equals path exactly, or -1.
    int firstIndexOfPath(const QString& path) const;

private:
    void indexPath(const QString& path);
    void unindexPath(const QString& path);

    std::vector<TrackEntry> entries_;
    QHash<QString, int> pathCounts_;
    unsigned revision_ = 0;
};
