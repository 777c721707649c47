#include "jukebox/common/natural_order.h"

#include <algorithm>
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

void appendCount(std::u16string& key, qsizetype count) {
    key += static_cast<char16_t>((count >> 16) & 0xFFFF);
    key += static_cast<char16_t>(count & 0xFFFF);
}

// UTF-16 units compare in code point order once the units from U+E000 up are
// moved below the surrogates.
void appendCodePoint(std::u16string& key, char32_t c) {
    if (c == u'/') {
        key += kSeparator;
    } else if (c < 0xD800) {
        key += static_cast<char16_t>(c);
    } else if (c < 0x10000) {
        key += static_cast<char16_t>(c - 0x800);
    } else {
        key += static_cast<char16_t>(QChar::highSurrogate(c) + 0x2000);
        key += static_cast<char16_t>(QChar::lowSurrogate(c) + 0x2000);
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
            folded_ += kNumberMark;
            appendCount(folded_, i - firstSignificant);
            for (qsizetype d = firstSignificant; d < i; ++d) {
                folded_ += static_cast<char16_t>(u'0' + digitValue(units[d]));
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
            folded_ += kLoneSurrogate;
            folded_ += unit;
        } else {
            appendCodePoint(folded_, foldCase(unit));
        }
        ++i;
    }
}

std::strong_ordering operator<=>(const NaturalSortKey& a, const NaturalSortKey& b) {
    if (int order = a.folded_.compare(b.folded_); order != 0) {
        return order <=> 0;
    }
    if (int order = a.zeros_.compare(b.zeros_); order != 0) {
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
    std::sort(keys.begin(), keys.end());
    for (qsizetype i = 0; i < names.size(); ++i) {
        names[i] = keys[static_cast<std::size_t>(i)].text();
    }
}
