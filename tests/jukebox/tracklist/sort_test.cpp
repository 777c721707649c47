// Sorting by the six keys, against the adjacent-exchange sort it must equal.
#include <random>

#include "jukebox/tracklist/entry_sorter.h"
#include "tests/jukebox/tracklist/tracklist_fixture.h"

namespace {

// The reference: the bubble sort the list has always been sorted with, written
// out with its own comparison.
QString referenceKey(const TrackEntry& entry, SortKey key) {
    switch (key) {
        case SortKey::Fullpath:
            return entry.path;
        case SortKey::Path:
            return entry.path.left(
                std::max(entry.path.lastIndexOf(u'/'), entry.path.lastIndexOf(u'\\')) + 1);
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

std::u16string foldAsciiOnly(const QString& text) {
    std::u16string out = text.toStdU16String();
    for (char16_t& c : out) {
        if (c >= u'A' && c <= u'Z') {
            c = static_cast<char16_t>(c + 32);
        }
    }
    return out;
}

void referenceBubbleSort(std::vector<TrackEntry>& entries, SortKey key) {
    for (size_t last = entries.size() - 1; last >= 1; --last) {
        bool swapped = false;
        for (size_t j = 0; j < last; ++j) {
            auto kj = foldAsciiOnly(referenceKey(entries[j], key));
            auto kn = foldAsciiOnly(referenceKey(entries[j + 1], key));
            if (kj > kn ||
                (kj == kn && foldAsciiOnly(entries[j].name) > foldAsciiOnly(entries[j + 1].name))) {
                std::swap(entries[j], entries[j + 1]);
                swapped = true;
            }
        }
        if (!swapped) {
            break;
        }
    }
}

const SortKey kAllKeys[] = {SortKey::Fullpath, SortKey::Path,   SortKey::Name,
                            SortKey::Genre,    SortKey::Source, SortKey::Artist};

// Texts from a small alphabet, so that ties, prefixes and case pairs are common.
QString randomText(std::mt19937& random, int maxLength) {
    static const char16_t kLetters[] = u"abAB/\u00e9\u00c9 z";
    std::uniform_int_distribution<int> length(0, maxLength);
    std::uniform_int_distribution<int> letter(0, 8);
    QString text;
    for (int i = length(random); i > 0; --i) {
        text += QChar(kLetters[letter(random)]);
    }
    return text;
}

std::vector<TrackEntry> randomEntries(std::mt19937& random, int count) {
    std::vector<TrackEntry> entries;
    for (int i = 0; i < count; ++i) {
        TrackEntry entry;
        entry.path = randomText(random, 4) + QStringLiteral("#%1").arg(i);  // tells them apart
        entry.name = randomText(random, 2);
        entry.artist = randomText(random, 2);
        entry.genre = randomText(random, 1);
        entry.source = randomText(random, 3);
        entries.push_back(entry);
    }
    return entries;
}

TEST(EntrySorter, EqualsTheBubbleSortOnRandomListsWithTies) {
    std::mt19937 random(20240601);
    for (int round = 0; round < 40; ++round) {
        std::vector<TrackEntry> entries = randomEntries(random, 1 + round * 7);
        for (SortKey key : kAllKeys) {
            std::vector<TrackEntry> expected = entries;
            referenceBubbleSort(expected, key);
            auto order = EntrySorter::SortedOrder(entries, key, nullptr);
            ASSERT_TRUE(order.has_value());
            ASSERT_EQ(order->size(), entries.size());
            for (size_t i = 0; i < entries.size(); ++i) {
                ASSERT_EQ(entries[static_cast<size_t>((*order)[i])].path, expected[i].path)
                    << "round " << round << " key " << static_cast<int>(key) << " at " << i;
            }
        }
    }
}

TEST(EntrySorter, FoldsOnlyAToZ) {
    struct Case {
        const char16_t* a;
        const char16_t* b;
        int sign;
    };
    const Case cases[] = {
        {u"b", u"B", 0},
        {u"Abc", u"aBC", 0},
        {u"\u00e9", u"\u00c9", 1},  // accented letters are not folded
        {u"ab", u"abc", -1},
        {u"Z", u"a", 1},  // folded, "z" is above "a"
        {u"_", u"a", -1},
        {u"[", u"a", -1},  // "[" lies between "Z" and "a": folding puts letters above it
        {u"", u"", 0},
        // Bytes of names that are not UTF-8 (U+DC80 + byte) are units like any other.
        {u"\xDCC4.mp3", u"\xDCE4.mp3", -1},
        {u"\xDCC1", u"z", 1},
    };
    for (const Case& c : cases) {
        int result = EntrySorter::CompareFolded(c.a, c.b);
        EXPECT_EQ((result > 0) - (result < 0), c.sign)
            << QString::fromUtf16(c.a).toStdString() << " vs "
            << QString::fromUtf16(c.b).toStdString();
    }
}

using SortTest = TracklistTest;

TEST_F(SortTest, SortsByKeyThenNameAndKeepsTheCurrentTrack) {
    const char16_t* rows[][3] = {
        // path, name, artist
        {u"/m/b/2.mp3", u"Zed", u"b"},
        {u"/m/a/1.mp3", u"alpha", u"B"},
        {u"/m/b/1.mp3", u"Beta", u"\u00c9"},
        {u"/m/a/2.mp3", u"Gamma", u"\u00e9"},
    };
    for (auto& row : rows) {
        TrackEntry entry;
        entry.path = QString::fromUtf16(row[0]);
        entry.name = QString::fromUtf16(row[1]);
        entry.artist = QString::fromUtf16(row[2]);
        store.AppendEntry(entry);
    }
    store.setCurrentIndex(2);  // /m/b/1.mp3
    store.SortByKey(SortKey::Artist);
    // b and B are equal and fall back to the names; É sorts below é.
    EXPECT_EQ(storePaths(),
              QStringList({QStringLiteral("/m/a/1.mp3"), QStringLiteral("/m/b/2.mp3"),
                           QStringLiteral("/m/b/1.mp3"), QStringLiteral("/m/a/2.mp3")}));
    EXPECT_EQ(store.currentIndex(), 2);
    EXPECT_EQ(
        observer.events,
        QStringList({QStringLiteral("busy 1"), QStringLiteral("bits +4"), QStringLiteral("popup 4"),
                     QStringLiteral("bits -4"), QStringLiteral("popup 4"), QStringLiteral("busy 0"),
                     QStringLiteral("select -1"), QStringLiteral("refill 4"),
                     QStringLiteral("select 2"), QStringLiteral("details")}));
    EXPECT_EQ(observer.lines[0], QStringLiteral("B - alpha"));

    store.SortByKey(SortKey::Path);  // by folder, then name
    EXPECT_EQ(storePaths(),
              QStringList({QStringLiteral("/m/a/1.mp3"), QStringLiteral("/m/a/2.mp3"),
                           QStringLiteral("/m/b/1.mp3"), QStringLiteral("/m/b/2.mp3")}));
    EXPECT_EQ(store.currentIndex(), 2);
    EXPECT_TRUE(observer.matching(QStringLiteral("title")).isEmpty());  // not marked

    // Without a current track the number is left as it is.
    store.setCurrentIndex(9);
    store.SortByKey(SortKey::Fullpath);
    EXPECT_EQ(store.currentIndex(), 9);
}

TEST_F(SortTest, AbortLeavesTheListAsItWasWithTheCurrentTrackCurrent) {
    std::mt19937 random(7);
    std::vector<TrackEntry> entries = randomEntries(random, 3000);
    for (const TrackEntry& entry : entries) {
        store.AppendEntry(entry);
    }
    QStringList before = storePaths();
    store.setCurrentIndex(1234);
    ui.onDispatch = [&] { store.RequestAbort(); };
    store.SortByKey(SortKey::Artist);
    EXPECT_EQ(ui.dispatchCount, 1);  // stopped at the first look
    EXPECT_EQ(storePaths(), before);
    EXPECT_EQ(store.currentIndex(), 1234);
    EXPECT_FALSE(store.abortRequested());
    EXPECT_FALSE(store.busy());

    // Not stopped, a long sort dispatches again and again.
    ui.onDispatch = nullptr;
    store.SortEntries(SortKey::Artist);
    EXPECT_GT(ui.dispatchCount, 10);
    EXPECT_NE(storePaths(), before);
}

TEST_F(SortTest, EditsWhileSortingStopTheSort) {
    std::mt19937 random(11);
    for (const TrackEntry& entry : randomEntries(random, 3000)) {
        store.AppendEntry(entry);
    }
    // Every text the sort was reading is freed, and the array grows.
    ui.onDispatch = [&] {
        ui.onDispatch = nullptr;
        for (int i = 0; i < 3000; ++i) {
            TrackEntry fresh;
            fresh.path = QStringLiteral("new %1").arg(i);
            store.ReplaceEntry(i, fresh);
        }
        appendEntries({QStringLiteral("appended")});
    };
    store.SortEntries(SortKey::Artist);
    QStringList paths = storePaths();
    ASSERT_EQ(paths.size(), 3001);
    EXPECT_EQ(paths[0], QStringLiteral("new 0"));
    EXPECT_EQ(paths[2999], QStringLiteral("new 2999"));
    EXPECT_EQ(paths[3000], QStringLiteral("appended"));
}

TEST_F(SortTest, EmptyListIsNotSorted) {
    store.SortEntries(SortKey::Name);
    EXPECT_TRUE(observer.events.isEmpty());
}

}  // namespace
