#pragma once

#include <QString>
#include <QStringList>
#include <compare>
#include <string>

// The order in which the contents of a folder are listed and walked, as file
// managers list them:
// - without regard to case ("apple" and "Banana" in alphabet order);
// - a run of decimal digits by its value, so "2 - x" comes before "10 - y",
//   however many digits it has;
// - other characters by code point (CJK names too); "/" before every character
//   a name can hold, so whole paths sort folder by folder; a byte that is not
//   UTF-8 (held as a lone surrogate) after every character.
// Names that are equal so far are told apart by their leading zeros ("7"
// before "07") and at last by their exact text (upper case first), so the
// order is total and the same on every run, for any text.
//
// The key is made once per name; comparing two keys makes nothing new.
class NaturalSortKey {
public:
    explicit NaturalSortKey(const QString& text);

    const QString& text() const { return text_; }

    friend std::strong_ordering operator<=>(const NaturalSortKey& a, const NaturalSortKey& b);
    friend bool operator==(const NaturalSortKey& a, const NaturalSortKey& b) {
        return a.text_ == b.text_;
    }

private:
    // Both with their units' bytes in big-endian order.
    std::u16string folded_;  // case folded, digit runs by value, in code point order
    std::u16string zeros_;   // the number of leading zeros of each run of digits
    QString text_;
};

// True when a comes before b. Makes both keys: for sorting many names use
// SortNaturally.
bool NaturalLess(const QString& a, const QString& b);
// Sorts the names into natural order.
void SortNaturally(QStringList& names);
