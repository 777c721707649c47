#include "jukebox/tracklist/entry_list.h"

#include <algorithm>

void EntryList::PathIndex::add(const QString& path) {
    const qsizetype before = paths.size();
    paths.insert(path);
    if (paths.size() == before) {
        ++extraCounts[path];
    }
}

void EntryList::PathIndex::remove(const QString& path) {
    auto extra = extraCounts.find(path);
    if (extra == extraCounts.end()) {
        paths.remove(path);
    } else if (--extra.value() == 0) {
        extraCounts.erase(extra);
    }
}

// Titles and paths are nearly all different: pooling them would cost more
// than it saves.
// The tracks of an album follow each other: a text equal to the one shared
// last in its field is taken from there without a lookup in the pool.
void EntryList::share(TrackEntry& entry) {
    QString* texts[kSharedFields] = {&entry.artist, &entry.source, &entry.genre, &entry.date,
                                     &entry.comment};
    for (int i = 0; i < kSharedFields; ++i) {
        QString& text = *texts[i];
        QString& last = lastShared_[i];
        if (!text.isEmpty() && text == last) {
            text = last;
        } else {
            texts_.intern(text);
            last = text;
        }
    }
}

void EntryList::reserve(int count) {
    if (count > 0) {
        entries_.reserve(static_cast<size_t>(count));
        index_.paths.reserve(count);
    }
}

void EntryList::append(TrackEntry entry) {
    ++revision_;
    share(entry);
    index_.add(entry.path);
    entries_.push_back(std::move(entry));
}

void EntryList::replace(int index, TrackEntry entry) {
    ++revision_;
    share(entry);
    TrackEntry& slot = entries_[static_cast<size_t>(index)];
    if (slot.path != entry.path) {
        index_.remove(slot.path);
        index_.add(entry.path);
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
        index_.remove(at(i).path);
    }
    entries_.erase(entries_.begin() + index, entries_.begin() + end);
}

bool EntryList::prune(const std::vector<int>& ascending, const std::function<bool()>& between,
                      Parts& pruned) const {
    pruned = {};
    pruned.entries.reserve(entries_.size() - std::min(entries_.size(), ascending.size()));
    // A fresh index of the paths that stay: taking the others out of the old one
    // would change it before the switch, and costs more.
    pruned.index.paths.reserve(static_cast<qsizetype>(pruned.entries.capacity()));
    size_t next = 0;
    for (size_t read = 0; read < entries_.size(); ++read) {
        if (next < ascending.size() && static_cast<size_t>(ascending[next]) == read) {
            ++next;
        } else {
            pruned.entries.push_back(entries_[read]);  // the texts are shared, not copied
            pruned.index.add(entries_[read].path);
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
    std::swap(index_, pruned.index);
}

void EntryList::exchange(int a, int b) {
    ++revision_;
    std::swap(entries_[static_cast<size_t>(a)], entries_[static_cast<size_t>(b)]);
}

void EntryList::clear(Parts& old) {
    ++revision_;
    old.entries = std::move(entries_);
    entries_ = {};
    old.index = std::move(index_);
    index_ = {};
    lastShared_ = {};
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
