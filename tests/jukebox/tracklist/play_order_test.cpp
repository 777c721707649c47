// Play order: next, previous, random, the attempt limit.
#include "jukebox/tracklist/random_generator.h"
#include "tests/jukebox/tracklist/tracklist_fixture.h"

namespace {

class PlayOrderTest : public TracklistTest {
protected:
    // Entries whose playable marks are given by the string ("1" playable, "0" not).
    void makeList(const std::string& marks) {
        for (size_t i = 0; i < marks.size(); ++i) {
            appendEntries({QStringLiteral("/t%1.mp3").arg(i)}, marks[i] == '1' ? 1 : 0);
        }
    }
    static constexpr bool kLoop = true;
    static constexpr bool kRandom = true;
};

TEST(RandomGenerator, RunsTheKnownSequence) {
    RandomGenerator random(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358};
    for (int value : expected) {
        EXPECT_EQ(random.next(), value);
    }
    random.seed(0xFFFFFFFFu);  // wraps modulo 2^32
    EXPECT_EQ(random.next(), static_cast<int>(((0xFFFFFFFFu * 214013u + 2531011u) >> 16) & 32767));
}

TEST_F(PlayOrderTest, NextAndPreviousInListOrder) {
    struct Case {
        std::string marks;
        int current;
        bool next;  // NextTrack, else PreviousTrack
        int expected;
    };
    const Case cases[] = {
        {"11111", 4, true, 0},    // wraps to the top
        {"11111", -1, true, 0},   // no current track: the first entry
        {"11111", -1, false, 0},  // backwards from none: entry 0 too
        {"101", 0, true, 2},      // skips what cannot be played
        {"11111", 9, true, 0},    // past the end: wraps
        {"10011", 4, false, 3},  {"10011", 3, false, 0},
        {"11111", 0, false, 0},  // the top stays the top
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.marks + " from " + std::to_string(c.current));
        store.RemoveEntries(0, store.EntryCount());
        makeList(c.marks);
        store.setCurrentIndex(c.current);
        observer.events.clear();
        EXPECT_TRUE(c.next ? store.NextTrack(!kLoop, !kRandom)
                           : store.PreviousTrack(!kLoop, !kRandom));
        EXPECT_EQ(store.currentIndex(), c.expected);
        EXPECT_EQ(observer.events, QStringList({QStringLiteral("select %1").arg(c.expected),
                                                QStringLiteral("details")}));
    }
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(PlayOrderTest, EmptyListAndLoopModeDoNotMove) {
    EXPECT_FALSE(store.NextTrack(!kLoop, !kRandom));
    EXPECT_FALSE(store.PreviousTrack(kLoop, kRandom));
    makeList("000");
    store.setCurrentIndex(1);
    EXPECT_TRUE(store.NextTrack(kLoop, !kRandom));
    EXPECT_TRUE(store.PreviousTrack(kLoop, kRandom));
    EXPECT_EQ(store.currentIndex(), 1);
    EXPECT_TRUE(observer.events.isEmpty());
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(PlayOrderTest, GivesUpAfter99Candidates) {
    makeList("00000");
    store.setCurrentIndex(3);
    EXPECT_FALSE(store.NextTrack(!kLoop, !kRandom));
    EXPECT_EQ(ui.messages, QStringList({QStringLiteral("Tried 100 searches, none playable")}));
    EXPECT_EQ(store.currentIndex(), 3);

    // Only entry 2 can be played: from 2 backwards entry 0 is tried until the limit.
    store.RemoveEntries(0, 5);
    makeList("001");
    store.setCurrentIndex(0);
    ASSERT_TRUE(store.NextTrack(!kLoop, !kRandom));
    EXPECT_EQ(store.currentIndex(), 2);
    ui.messages.clear();
    EXPECT_FALSE(store.PreviousTrack(!kLoop, !kRandom));
    EXPECT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(store.currentIndex(), 2);
    EXPECT_TRUE(observer.matching(QStringLiteral("select")).size() == 1);
}

TEST_F(PlayOrderTest, RandomPicksSpanTheWholeListAndCountTheirDraws) {
    // More entries than 65537, where n * 32767 no longer fits 32 bits.
    const int n = 100000;
    for (int i = 0; i < n; ++i) {
        TrackEntry entry;
        entry.playable = 1;
        store.AppendEntry(entry);
    }
    store.seedRandom(12345);
    RandomGenerator reference(12345);
    int highest = 0;
    for (int i = 0; i < 500; ++i) {
        int expected = static_cast<int>(int64_t{n} * reference.next() / 32767);
        if (expected == n) {
            continue;  // the candidate past the end cannot be played: drawn again
        }
        ASSERT_TRUE(store.NextTrack(!kLoop, kRandom));
        ASSERT_EQ(store.currentIndex(), expected);
        highest = std::max(highest, expected);
    }
    EXPECT_GT(highest, 65537);

    // With nothing playable, exactly 100 numbers are drawn (99 candidates examined).
    store.RemoveEntries(0, n);
    makeList("0000000000");
    store.seedRandom(777);
    EXPECT_FALSE(store.NextTrack(!kLoop, kRandom));
    for (int i = 0; i < 10; ++i) {
        TrackEntry entry = store.EntryAt(i);
        entry.playable = 1;
        store.ReplaceEntry(i, entry);
    }
    RandomGenerator after(777);
    for (int i = 0; i < 100; ++i) {
        after.next();
    }
    int expected = 10 * after.next() / 32767;
    ASSERT_LT(expected, 10);
    ASSERT_TRUE(store.NextTrack(!kLoop, kRandom));
    EXPECT_EQ(store.currentIndex(), expected);
}

}  // namespace
