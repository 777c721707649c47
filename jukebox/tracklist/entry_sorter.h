#pragma once

#include <QStringView>
#include <functional>
#include <optional>
#include <vector>

#include "jukebox/tracklist/track_entry.h"

// The keys of the sort menu, by their command numbers.
enum class SortKey {
    Path = 3301,
    Name = 3302,
    Genre = 3303,
    Source = 3304,
    Artist = 3305,
    Fullpath = 3307,
};

// Orders entries by a key text, then by name, comparing UTF-16 code units after
// folding A-Z to a-z (no other letters are folded). Equal entries keep their order,
// so the result is the one an adjacent-exchange sort on the same rule gives.
class EntrySorter {
public:
    // Polled during the sort; true stops it.
    using StopCheck = std::function<bool()>;

    // The sorted order (new position i takes old entry order[i]), or nothing when
    // stop returned true; stop is polled every few hundred comparisons.
    static std::optional<std::vector<int>> SortedOrder(const std::vector<TrackEntry>& entries,
                                                       SortKey key, const StopCheck& stop);

    // The text an entry is sorted by.
    static QStringView KeyText(const TrackEntry& entry, SortKey key);
    // <0, 0, >0 as a is below, equal to or above b after folding A-Z.
    static int CompareFolded(QStringView a, QStringView b);
};
