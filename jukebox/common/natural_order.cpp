#include "jukebox/common/natural_order.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// In the folded key a run of digits is this mark, the count of its digits
// without the leading zeros (two units), then those digits: a shorter number
// is a smaller one, and numbers stand where digits stand among other text.
constexpr char16_t kNumberMark = u'0';
// The separator of whole paths, below every other character.
constexpr char16_t kSeparator = 1;
// The first unit of a lone surrogate, after every code point.
constexpr char16_t kLoneSurrogate = 0xFFFF;

// The value of a decimal digit (any script's), or -1.
int digitValue(char16_t unit) {
    if (unit >= u'0' && unit <= u'9') {
        return unit - u'0';
    }
    if (unit < 0x80) {
        return -1;
    }
    return QChar::category(char32_t{unit}) == QChar::Number_DecimalDigit
               ? QChar::digitValue(char32_t{unit})
               : -1;
}

char32_t foldCase(char32_t c) {
    if (c < 0x80) {
        return c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c;
    }
    return QChar::toCaseFolded(c);
}

// Units are kept with their bytes in big-endian order: the keys then compare
// with memcmp, which is what the sort of a large folder spends its time on.
void append(std::u16string& key, char16_t unit) {
    key += qToBigEndian(unit);
}

void appendCount(std::u16string& key, qsizetype count) {
    append(key, static_cast<char16_t>((count >> 16) & 0xFFFF));
    append(key, static_cast<char16_t>(count & 0xFFFF));
}

int compareUnits(const std::u16string& a, const std::u16string& b) {
    const std::size_t common = std::min(a.size(), b.size());
    if (int order = std::memcmp(a.data(), b.data(), common * sizeof(char16_t)); order != 0) {
        return order;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

// UTF-16 units compare in code point order once the units from U+E000 up are
// moved below the surrogates.
void appendCodePoint(std::u16string& key, char32_t c) {
    if (c == u'/') {
        append(key, kSeparator);
    } else if (c < 0xD800) {
        append(key, static_cast<char16_t>(c));
    } else if (c < 0x10000) {
        append(key, static_cast<char16_t>(c - 0x800));
    } else {
        append(key, static_cast<char16_t>(QChar::highSurrogate(c) + 0x2000));
        append(key, static_cast<char16_t>(QChar::lowSurrogate(c) + 0x2000));
    }
}

}  // namespace

NaturalSortKey::NaturalSortKey(const QString& text) : text_(text) {
    const char16_t* units = reinterpret_cast<const char16_t*>(text.utf16());
    const qsizetype size = text.size();
    folded_.reserve(static_cast<std::size_t>(size) + 4);
    qsizetype i = 0;
    while (i < size) {
        const char16_t unit = units[i];
        if (digitValue(unit) >= 0) {
            const qsizetype start = i;
            while (i < size && digitValue(units[i]) == 0) {
                ++i;
            }
            const qsizetype firstSignificant = i;
            while (i < size && digitValue(units[i]) >= 0) {
                ++i;
            }
            append(folded_, kNumberMark);
            appendCount(folded_, i - firstSignificant);
            for (qsizetype d = firstSignificant; d < i; ++d) {
                append(folded_, static_cast<char16_t>(u'0' + digitValue(units[d])));
            }
            appendCount(zeros_, firstSignificant - start);
            continue;
        }
        if (QChar::isHighSurrogate(unit) && i + 1 < size && QChar::isLowSurrogate(units[i + 1])) {
            appendCodePoint(folded_, foldCase(QChar::surrogateToUcs4(unit, units[i + 1])));
            i += 2;
            continue;
        }
        if (QChar::isSurrogate(unit)) {
            append(folded_, kLoneSurrogate);
            append(folded_, unit);
        } else {
            appendCodePoint(folded_, foldCase(unit));
        }
        ++i;
    }
}

std::strong_ordering operator<=>(const NaturalSortKey& a, const NaturalSortKey& b) {
    if (int order = compareUnits(a.folded_, b.folded_); order != 0) {
        return order <=> 0;
    }
    if (int order = compareUnits(a.zeros_, b.zeros_); order != 0) {
        return order <=> 0;
    }
    return QString::compare(a.text_, b.text_, Qt::CaseSensitive) <=> 0;
}

bool NaturalLess(const QString& a, const QString& b) {
    return NaturalSortKey(a) < NaturalSortKey(b);
}

void SortNaturally(QStringList& names) {
    std::vector<NaturalSortKey> keys;
    keys.reserve(static_cast<std::size_t>(names.size()));
    for (const QString& name : names) {
        keys.emplace_back(name);
    }
    // Pointers move cheaper than keys.
    std::vector<const NaturalSortKey*> order;
    order.reserve(keys.size());
    for (const NaturalSortKey& key : keys) {
        order.push_back(&key);
    }
    std::sort(order.begin(), order.end(),
              [](const NaturalSortKey* a, const NaturalSortKey* b) { return *a < *b; });
    for (qsizetype i = 0; i < names.size(); ++i) {
        names[i] = order[static_cast<std::size_t>(i)]->text();
    }
}
