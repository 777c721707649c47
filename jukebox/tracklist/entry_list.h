#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "jukebox/tracklist/text_pool.h"
#include "jukebox/tracklist/track_entry.h"

// The tracklist's entries in display order, with an index of how many entries
// hold each path, kept in step with every edit, so that the duplicate test of a
// large list costs no scan. Every entry that joins shares its repeated texts
// (artist, album, genre, year, comment) with the entries that hold them already.
class EntryList {
public:
    int count() const { return static_cast<int>(entries_.size()); }
    bool isEmpty() const { return entries_.empty(); }
    const TrackEntry& at(int index) const { return entries_[static_cast<size_t>(index)]; }
    const std::vector<TrackEntry>& entries() const { return entries_; }

    // Room for count entries, so that a long load grows the list once.
    void reserve(int count);
    void append(TrackEntry entry);
    void replace(int index, TrackEntry entry);
    // Removes count entries from index on (fewer when the end comes first).
    void removeFrom(int index, int count);
    // The list as it is left when the entries at the given indices (ascending,
    // distinct, in range) go: the entries that stay and their path index, made
    // beside the list a slice at a time, between() called after each slice. The
    // list itself does not change; adopt() puts them in its place at once.
    // between() false stops it and gives false.
    // Every path held, and for a path held more than once the number of
    // further entries: nearly all paths are held once, and a set costs a
    // quarter less than a count beside each of them.
    struct PathIndex {
        QSet<QString> paths;
        QHash<QString, int> extraCounts;
        void add(const QString& path);
        void remove(const QString& path);
    };
    struct Parts {
        std::vector<TrackEntry> entries;
        PathIndex index;
    };
    bool prune(const std::vector<int>& ascending, const std::function<bool()>& between,
               Parts& pruned) const;
    // pruned, made from the list as it is now, takes its place; the old entries
    // and index go back in pruned, for the caller to let go of when it suits.
    void adopt(Parts& pruned);
    void exchange(int a, int b);
    // Empties the list; the entries and their index go to old, to let go of
    // when it suits: for a long list that takes a while.
    void clear(Parts& old);
    // Puts the entries in a new order: new position i takes old entry order[i].
    // order must be a permutation of 0 .. count - 1. The new array is made
    // beside the old one a slice at a time, between() called after each slice,
    // so that the entries stay as they were until the new order takes their
    // place at once. When between() returns false before the switch, nothing
    // changes and the result is false. The old array is handed to retired, for
    // the caller to let go of when it suits (all its texts are shared).
    bool reorder(const std::vector<int>& order, const std::function<bool()>& between,
                 std::vector<TrackEntry>& retired);
    // Entries copied per slice of a reorder or a removal.
    static constexpr size_t kSlice = 4096;

    // Changes with every edit, so a long reader can tell that the entries moved.
    unsigned revision() const { return revision_; }

    // True when some entry's path equals path exactly (case matters).
    bool containsPath(const QString& path) const { return index_.paths.contains(path); }
    // The first index whose path equals path exactly, or -1.
    int firstIndexOfPath(const QString& path) const;

private:
    void share(TrackEntry& entry);

    std::vector<TrackEntry> entries_;
    PathIndex index_;
    TextPool texts_;
    static constexpr int kSharedFields = 5;
    std::array<QString, kSharedFields> lastShared_;  // pooled, so never pruned while here
    unsigned revision_ = 0;
};
