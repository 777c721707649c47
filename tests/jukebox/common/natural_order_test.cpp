// The natural order of names in a folder: numbers by value, case ignored, and
// a total order for any text, bytes that are not UTF-8 included.
#include <gtest/gtest.h>

#include <QStringList>
#include <algorithm>
#include <random>

#include "jukebox/common/natural_order.h"
#include "jukebox/common/path_functions.h"

namespace {

using namespace Qt::StringLiterals;

QStringList sorted(QStringList names) {
    std::mt19937 random(7);
    std::shuffle(names.begin(), names.end(), random);
    SortNaturally(names);
    return names;
}

TEST(NaturalOrder, NumbersByValueWithoutRegardToCase) {
    // Each list is in the expected order; sorting a shuffled copy restores it.
    const QStringList cases[] = {
        {u"1 - Intro.mp3"_s, u"2 - x.mp3"_s, u"3.mp3"_s, u"9.mp3"_s, u"10 - y.mp3"_s, u"11.mp3"_s,
         u"12.mp3"_s, u"100.mp3"_s},
        {u"apple.mp3"_s, u"Banana.mp3"_s, u"cherry.mp3"_s, u"DATE.mp3"_s},
        // Numbers longer than any machine word.
        {u"t 99999999999999999999999.mp3"_s, u"t 100000000000000000000000.mp3"_s},
        // Several runs: the first difference decides.
        {u"CD1 track2.mp3"_s, u"cd1 Track10.mp3"_s, u"CD2 track1.mp3"_s, u"cd10 track1.mp3"_s},
        // Leading zeros only break ties, fewer first; the value comes first.
        {u"0.mp3"_s, u"00.mp3"_s, u"7.mp3"_s, u"07.mp3"_s, u"007.mp3"_s, u"8.mp3"_s, u"010.mp3"_s},
        // Equal but for case: upper case first, every time.
        {u"SONG.mp3"_s, u"Song.mp3"_s, u"song.mp3"_s, u"songs.mp3"_s},
        // A name before its longer names; digits after space and the dot, before letters.
        {u"a"_s, u"a - b"_s, u"a.mp3"_s, u"a1"_s, u"a2.mp3"_s, u"ab"_s},
        // Whole paths folder by folder.
        {u"/m/Album/2.mp3"_s, u"/m/Album/10.mp3"_s, u"/m/Album 2/1.mp3"_s, u"/m/Album10/1.mp3"_s},
        // Digits of other scripts count by value; other text by code point,
        // U+10000 and up after the BMP.
        {u"中"_s, u"第２話"_s, u"第3話"_s, u"第１０話"_s, u"ｚ"_s, u"𠀀"_s},
    };
    for (const QStringList& expected : cases) {
        EXPECT_EQ(sorted(expected), expected) << expected.join(u" | ").toStdString();
    }
}

TEST(NaturalOrder, TotalAndStableForAnyText) {
    // Names from bytes that are not UTF-8 (GBK, a cut sequence) after all text.
    const QString gbk = PathFromLocalBytes("\xD6\xD0\xCE\xC4.mp3");
    const QString cut = PathFromLocalBytes("\xE4\xB8.mp3");
    const QStringList expected{u"a.mp3"_s, u"b.mp3"_s, u"中文.mp3"_s, u"😀.mp3"_s, gbk, cut};
    EXPECT_EQ(sorted(expected), expected);

    // Every pair in exactly one order, transitive, and equal only when the
    // texts are: a sort can rely on it for any names.
    QStringList names = expected;
    names << u""_s << u"0"_s << u"00"_s << u"A1"_s << u"a01"_s << u"a1"_s << u"a1b"_s
          << u"a\u0000"_s << u"a\u0001"_s << u"a/"_s << u"ß"_s << u"SS"_s << QString(QChar(0xD800))
          << QString(QChar(0xDFFF)) << u"\uFFFF"_s << u"\uE000"_s << u"１"_s << u"1"_s;
    std::vector<NaturalSortKey> keys;
    for (const QString& name : names) {
        keys.emplace_back(name);
    }
    for (const NaturalSortKey& a : keys) {
        EXPECT_TRUE((a <=> a) == 0);
        for (const NaturalSortKey& b : keys) {
            EXPECT_EQ((a < b) + (b < a) + (a == b), 1)
                << a.text().toStdString() << " / " << b.text().toStdString();
            EXPECT_EQ(a == b, a.text() == b.text());
            for (const NaturalSortKey& c : keys) {
                if (a < b && b < c) {
                    EXPECT_TRUE(a < c) << a.text().toStdString() << " / " << c.text().toStdString();
                }
            }
        }
    }
    EXPECT_TRUE(NaturalLess(u"2 - x"_s, u"10 - y"_s));
    EXPECT_FALSE(NaturalLess(u"10 - y"_s, u"2 - x"_s));
}

}  // namespace
