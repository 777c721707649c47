#include "jukebox/tracklist/entry_sorter.h"

#include <algorithm>

namespace {

// Runs this short are sorted by insertion before merging.
constexpr size_t kRunLength = 32;
// Comparisons between two polls of the stop check.
constexpr int kPollInterval = 256;

char16_t fold(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
}

// Views into the entries' own texts: nothing is copied for the sort.
struct SortItem {
    QStringView key;
    QStringView name;
};

class Sorter {
public:
    Sorter(std::vector<SortItem> items, const EntrySorter::StopCheck& stop)
        : items_(std::move(items)), stop_(stop) {}

    bool sort(std::vector<int>& order);

private:
    bool less(int a, int b) {
        if (--untilPoll_ == 0) {
            untilPoll_ = kPollInterval;
            stopped_ = stopped_ || (stop_ && stop_());
        }
        if (stopped_) {
            return false;  // the texts may be gone: only finish moving indices
        }
        const SortItem& x = items_[static_cast<size_t>(a)];
        const SortItem& y = items_[static_cast<size_t>(b)];
        int c = EntrySorter::CompareFolded(x.key, y.key);
        if (c == 0) {
            c = EntrySorter::CompareFolded(x.name, y.name);
        }
        return c < 0;
    }
    void insertionSort(int* first, int* last);
    void merge(const int* left, const int* mid, const int* right, int* out);

    std::vector<SortItem> items_;
    const EntrySorter::StopCheck& stop_;
    int untilPoll_ = kPollInterval;
    bool stopped_ = false;
};

void Sorter::insertionSort(int* first, int* last) {
    for (int* i = first + 1; i < last; ++i) {
        int value = *i;
        int* j = i;
        // Strictly less: an equal item stays behind the ones before it.
        while (j > first && less(value, *(j - 1))) {
            *j = *(j - 1);
            --j;
        }
        *j = value;
    }
}

void Sorter::merge(const int* left, const int* mid, const int* right, int* out) {
    const int* a = left;
    const int* b = mid;
    while (a < mid && b < right) {
        // Take from the right run only when strictly less: that keeps equal items
        // in their old order.
        *out++ = less(*b, *a) ? *b++ : *a++;
    }
    out = std::copy(a, mid, out);
    std::copy(b, right, out);
}

bool Sorter::sort(std::vector<int>& order) {
    const size_t n = order.size();
    for (size_t start = 0; start < n && !stopped_; start += kRunLength) {
        insertionSort(order.data() + start, order.data() + std::min(n, start + kRunLength));
    }
    std::vector<int> buffer(n);
    int* from = order.data();
    int* to = buffer.data();
    for (size_t width = kRunLength; width < n && !stopped_; width *= 2) {
        for (size_t left = 0; left < n && !stopped_; left += 2 * width) {
            size_t mid = std::min(n, left + width);
            size_t right = std::min(n, left + 2 * width);
            merge(from + left, from + mid, from + right, to + left);
        }
        std::swap(from, to);
    }
    if (stopped_) {
        return false;
    }
    if (from != order.data()) {
        std::copy(from, from + n, order.data());
    }
    return true;
}

}  // namespace

int EntrySorter::CompareFolded(QStringView a, QStringView b) {
    const qsizetype common = std::min(a.size(), b.size());
    const char16_t* x = a.utf16();
    const char16_t* y = b.utf16();
    for (qsizetype i = 0; i < common; ++i) {
        char16_t p = fold(x[i]);
        char16_t q = fold(y[i]);
        if (p != q) {
            return p < q ? -1 : 1;
        }
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

QStringView EntrySorter::KeyText(const TrackEntry& entry, SortKey key) {
    switch (key) {
        case SortKey::Fullpath:
            return entry.path;
        case SortKey::Path: {
            // FolderPart, without a copy of every path.
            const QStringView path(entry.path);
            return path.left(std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/')) + 1);
        }
        case SortKey::Name:
            return entry.name;
        case SortKey::Genre:
            return entry.genre;
        case SortKey::Source:
            return entry.source;
        case SortKey::Artist:
            return entry.artist;
    }
    return {};
}

std::optional<std::vector<int>> EntrySorter::SortedOrder(const std::vector<TrackEntry>& entries,
                                                         SortKey key, const StopCheck& stop) {
    std::vector<SortItem> items;
    items.reserve(entries.size());
    for (const TrackEntry& entry : entries) {
        if (items.size() % kPollInterval == 0 && items.size() > 0 && stop && stop()) {
            return std::nullopt;
        }
        items.push_back({KeyText(entry, key), entry.name});
    }
    std::vector<int> order(entries.size());
    for (size_t i = 0; i < order.size(); ++i) {
        order[i] = static_cast<int>(i);
    }
    Sorter sorter(std::move(items), stop);
    if (!sorter.sort(order)) {
        return std::nullopt;
    }
    return order;
}
