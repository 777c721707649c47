#include "jukebox/tracklist/entry_list.h"

#include <algorithm>

void EntryList::indexPath(const QString& path) {
    ++pathCounts_[path];
}

void EntryList::unindexPath(const QString& path) {
    auto it = pathCounts_.find(path);
    if (it != pathCounts_.end() && --it.value() == 0) {
        pathCounts_.erase(it);
    }
}

// Titles and paths are nearly all different: pooling them would cost more
// than it saves.
void EntryList::share(TrackEntry& entry) {
    texts_.intern(entry.artist);
    texts_.intern(entry.source);
    texts_.intern(entry.genre);
    texts_.intern(entry.date);
    texts_.intern(entry.comment);
}

void EntryList::reserve(int count) {
    if (count > 0) {
        entries_.reserve(static_cast<size_t>(count));
        pathCounts_.reserve(count);
    }
}

void EntryList::append(TrackEntry entry) {
    ++revision_;
    share(entry);
    indexPath(entry.path);
    entries_.push_back(std::move(entry));
}

void EntryList::replace(int index, TrackEntry entry) {
    ++revision_;
    share(entry);
    TrackEntry& slot = entries_[static_cast<size_t>(index)];
    if (slot.path != entry.path) {
        unindexPath(slot.path);
        indexPath(entry.path);
    }
    slot = std::move(entry);
}

void EntryList::removeFrom(int index, int count) {
    if (index < 0 || index >= this->count() || count <= 0) {
        return;
    }
    ++revision_;
    int end = std::min(this->count(), index + count);
    for (int i = index; i < end; ++i) {
        unindexPath(at(i).path);
    }
    entries_.erase(entries_.begin() + index, entries_.begin() + end);
}

bool EntryList::prune(const std::vector<int>& ascending, const std::function<bool()>& between,
                      Parts& pruned) const {
    pruned = {};
    pruned.entries.reserve(entries_.size() - std::min(entries_.size(), ascending.size()));
    // A fresh index of the paths that stay: taking the others out of the old one
    // would change it before the switch, and costs more.
    pruned.pathCounts.reserve(static_cast<qsizetype>(pruned.entries.capacity()));
    size_t next = 0;
    for (size_t read = 0; read < entries_.size(); ++read) {
        if (next < ascending.size() && static_cast<size_t>(ascending[next]) == read) {
            ++next;
        } else {
            pruned.entries.push_back(entries_[read]);  // the texts are shared, not copied
            ++pruned.pathCounts[entries_[read].path];
        }
        if ((read + 1) % kSlice == 0 && !between()) {
            return false;
        }
    }
    return true;
}

void EntryList::adopt(Parts& pruned) {
    ++revision_;
    std::swap(entries_, pruned.entries);
    pathCounts_.swap(pruned.pathCounts);
}

void EntryList::exchange(int a, int b) {
    ++revision_;
    std::swap(entries_[static_cast<size_t>(a)], entries_[static_cast<size_t>(b)]);
}

void EntryList::clear(Parts& old) {
    ++revision_;
    old.entries = std::move(entries_);
    entries_ = {};
    old.pathCounts = std::move(pathCounts_);
    pathCounts_ = {};
    texts_.clear();
}

bool EntryList::reorder(const std::vector<int>& order, const std::function<bool()>& between,
                        std::vector<TrackEntry>& retired) {
    std::vector<TrackEntry> sorted;
    sorted.reserve(entries_.size());
    // Copies share the texts: a copy costs a few counts, not the texts again.
    for (int from : order) {
        sorted.push_back(entries_[static_cast<size_t>(from)]);
        if (sorted.size() % kSlice == 0 && !between()) {
            return false;
        }
    }
    ++revision_;
    std::swap(entries_, sorted);
    retired = std::move(sorted);
    return true;
}

int EntryList::firstIndexOfPath(const QString& path) const {
    if (!containsPath(path)) {
        return -1;
    }
    auto it = std::find_if(entries_.begin(), entries_.end(),
                           [&](const TrackEntry& entry) { return entry.path == path; });
    return static_cast<int>(it - entries_.begin());
}
