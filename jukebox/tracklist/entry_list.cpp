#include "jukebox/tracklist/entry_list.h"

#include <algorithm>

void EntryList::indexPath(const QString& path) {
    const qsizetype before = paths_.size();
    paths_.insert(path);
    if (paths_.size() == before) {
        ++extraCounts_[path];
    }
}

void EntryList::unindexPath(const QString& path) {
    auto extra = extraCounts_.find(path);
    if (extra == extraCounts_.end()) {
        paths_.remove(path);
    } else if (--extra.value() == 0) {
        extraCounts_.erase(extra);
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
        paths_.reserve(count);
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

void EntryList::removeIndices(const std::vector<int>& ascending) {
    if (ascending.empty()) {
        return;
    }
    ++revision_;
    // Compact in place: every kept entry moves at most once.
    size_t write = static_cast<size_t>(ascending.front());
    size_t next = 0;
    for (size_t read = write; read < entries_.size(); ++read) {
        if (next < ascending.size() && static_cast<size_t>(ascending[next]) == read) {
            unindexPath(entries_[read].path);
            ++next;
            continue;
        }
        entries_[write++] = std::move(entries_[read]);
    }
    entries_.resize(write);
}

void EntryList::exchange(int a, int b) {
    ++revision_;
    std::swap(entries_[static_cast<size_t>(a)], entries_[static_cast<size_t>(b)]);
}

void EntryList::clear() {
    ++revision_;
    entries_.clear();
    entries_.shrink_to_fit();
    paths_.clear();
    extraCounts_.clear();
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
