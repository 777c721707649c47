#include "taglib/code_page_weights.h"

#include <cmath>
#include <string_view>

#include "taglib/code_page_converter.h"
#include "taglib/code_page_tables.h"
#include "taglib/hangul_model.h"

namespace {

bool inRange(unsigned code, unsigned first, unsigned last) {
    return code >= first && code <= last;
}

bool isPrivateUse(char32_t c) {
    return c >= 0xE000 && c <= 0xF8FF;
}

// A block's base weight is its share of the text over its size: Big5 level 1 holds
// 5401 characters, GB 2312 level 1 3755, JIS level 1 2965, the KS X 1001
// syllables 2350; the second levels and extensions hold the rest of the
// characters but little of the text. Characters found in all four national sets
// of common ideographs are the ones text uses most, so they weigh more; a Big5
// character found in no other set is rare.
double ideographBonus(int candidate, char32_t c) {
    int sets = CodePageWeights::commonness(c);
    switch (candidate) {
        case kBig5Candidate:
            return sets == 4 ? 0.8 : sets == 3 ? 0.0 : sets == 2 ? -0.8 : -2.5;
        case kGbCandidate:
            // Simplified forms are in GB 2312 alone and common all the same.
            return sets == 4 ? 0.4 : -0.3;
        case kShiftJisCandidate:
            return sets == 4 ? 0.3 : sets >= 2 ? -0.3 : -0.5;
        default:
            return 0.3 * sets;
    }
}

double big5Weight(char32_t c, unsigned code) {
    if (inRange(code, 0xA440, 0xC67E)) {
        return -8.6 + ideographBonus(kBig5Candidate, c);
    }
    if (inRange(code, 0xC940, 0xF9D5)) {
        return -14;
    }
    if (inRange(code, 0xA140, 0xA1FE)) {
        return -7;  // punctuation and brackets
    }
    if (inRange(code, 0xA240, 0xA3BF)) {
        return -10;  // symbols, Greek, Bopomofo
    }
    return -15;
}

double gbWeight(char32_t c, unsigned code) {
    bool gb2312 = code > 0xFF && (code & 0xFF) >= 0xA1;
    if (gb2312 && inRange(code, 0xB0A1, 0xD7F9)) {
        return -8.2 + ideographBonus(kGbCandidate, c);
    }
    if (gb2312 && inRange(code, 0xD8A1, 0xF7FE)) {
        return -13.8;
    }
    if (inRange(code, 0xA1A1, 0xA1FE)) {
        return -7;  // punctuation and brackets
    }
    if (inRange(code, 0xA3A1, 0xA3FE)) {
        return -8;  // full-width ASCII
    }
    if (gb2312 && inRange(code, 0xA2A1, 0xA9FE)) {
        return -11;  // numerals, kana, Greek, Cyrillic, Pinyin, box drawing
    }
    if (code == 0x80) {
        return -9;  // the euro sign
    }
    return -15;  // the GBK extensions beyond GB 2312
}

double shiftJisWeight(char32_t c, unsigned code) {
    if (code <= 0xFF) {
        return -9;  // half-width katakana
    }
    if (inRange(code, 0x829F, 0x82F1) || inRange(code, 0x8340, 0x8396)) {
        return -6;  // hiragana, katakana
    }
    if (inRange(code, 0x8140, 0x81AC)) {
        return -7;  // punctuation, the long vowel mark, brackets
    }
    if (inRange(code, 0x889F, 0x9872)) {
        return -8.7 + ideographBonus(kShiftJisCandidate, c);
    }
    if (inRange(code, 0x824F, 0x829A)) {
        return -8;  // full-width letters and digits
    }
    if (inRange(code, 0x989F, 0xEAA4)) {
        return -13.4;
    }
    return -12;  // vendor extensions, Greek, Cyrillic, box drawing
}

double kscWeight(char32_t c, unsigned code) {
    if (inRange(code, 0xB0A1, 0xC8FE)) {
        return -7.8 + HangulModel::instance().bonus(c);
    }
    if (c >= 0xAC00 && c <= 0xD7A3) {
        return -16;  // the syllables beyond KS X 1001
    }
    if (inRange(code, 0xCAA1, 0xFDFE)) {
        return -14.7;  // hanja
    }
    if (inRange(code, 0xA1A1, 0xA1FE)) {
        return -7;
    }
    if (inRange(code, 0xA3A1, 0xA3FE)) {
        return -8;
    }
    return -11;
}

bool contains(std::u32string_view set, char32_t c) {
    return set.find(c) != std::u32string_view::npos;
}

// A Western character on its own. Accented letters come one at a time between
// ASCII letters; quotes and dashes are next; other symbols and the control
// characters of the bytes windows-1252 leaves unassigned are rare.
double westernWeight(char32_t c) {
    if (contains(U"éèàüöäóáíñçøåêâôúßëïîûæœ", c)) {
        return -4.5;
    }
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) {
        return -6.5;  // capitals
    }
    if ((c >= 0xDF && c <= 0xFF && c != 0xF7) || contains(U"ŠšŽžŒœŸ", c)) {
        return -5.5;
    }
    if (contains(U"’‘“”–—…", c)) {
        return -5.5;
    }
    if (contains(U"€™©®°«»·¿¡", c)) {
        return -7.5;
    }
    if (c >= 0x80 && c <= 0x9F) {
        return -14;
    }
    return c == 0xAD ? -12 : -10;  // the soft hyphen, other symbols
}

bool isWesternLetter(char32_t c) {
    return (c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7) || contains(U"ŠšŽžŒœŸ’", c);
}

}  // namespace

CodePageWeights::CodePageWeights() {
    weighLegacy(kBig5Candidate, CodePage::Big5);
    weighLegacy(kGbCandidate, CodePage::Gb);
    weighLegacy(kShiftJisCandidate, CodePage::ShiftJis);
    weighLegacy(kKscCandidate, CodePage::Ksc);
    weighLegacy(kWesternCandidate, CodePage::Ansi);
    const CodePageTables::Table* western = CodePageTables::instance().table(CodePage::Ansi);
    for (unsigned byte = 0x80; byte <= 0xFF; ++byte) {
        westernLetters_[byte - 0x80] = isWesternLetter(western->single(static_cast<uint8_t>(byte)));
    }
}

const CodePageWeights& CodePageWeights::instance() {
    static const CodePageWeights weights;
    return weights;
}

int CodePageWeights::commonness(char32_t c) {
    static constexpr std::array<int, 16> kBits = {0, 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4};
    return kBits[CodePageTables::instance().commonSets(c) & 0xFu];
}

void CodePageWeights::weighLegacy(int candidate, int codePage) {
    const CodePageTables::Table* source = CodePageTables::instance().table(codePage);
    auto weight = [&](char16_t c, unsigned code) {
        if (isPrivateUse(c)) {
            return -15.0;  // the user-defined areas
        }
        switch (candidate) {
            case kBig5Candidate:
                return big5Weight(c, code);
            case kGbCandidate:
                return gbWeight(c, code);
            case kShiftJisCandidate:
                return shiftJisWeight(c, code);
            case kKscCandidate:
                return kscWeight(c, code);
            default:
                return westernWeight(c);
        }
    };
    auto weigh = [&](char16_t c, unsigned code) {
        if (c == CodePageTables::kNone) {
            return Entry{c, 0};
        }
        return Entry{c, static_cast<int16_t>(std::lround(weight(c, code) * 100))};
    };
    Table& table = tables_[static_cast<size_t>(candidate)];
    for (unsigned byte = 0x80; byte <= 0xFF; ++byte) {
        table.singles[byte - 0x80] = weigh(source->single(static_cast<uint8_t>(byte)), byte);
        table.leads[byte - 0x80] = source->isLead(static_cast<uint8_t>(byte));
    }
    if (!source->doubleByte) {
        return;
    }
    table.pairs.assign(128 * kTrails, Entry{CodePageTables::kNone, 0});
    for (unsigned lead = 0x80; lead <= 0xFF; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFF; ++trail) {
            char16_t c = source->pair(static_cast<uint8_t>(lead), static_cast<uint8_t>(trail));
            table.pairs[(lead - 0x80) * kTrails + (trail - 0x40)] = weigh(c, lead << 8 | trail);
        }
    }
}

double CodePageWeights::utf8(char32_t c) const {
    if (c >= 0x4E00 && c <= 0x9FFF) {
        return -8.5 + ideographBonus(kUtf8Candidate, c);
    }
    if (c >= 0xAC00 && c <= 0xD7A3) {
        return -7.5 + HangulModel::instance().bonus(c);
    }
    if (c >= 0x3040 && c <= 0x30FF) {
        return -5.5;  // kana
    }
    if (c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7) {
        return -5;  // accented Latin letters
    }
    if (c >= 0x2000 && c <= 0x206F) {
        return -5;  // quotes, dashes
    }
    if (c >= 0x3000 && c <= 0x303F) {
        return -6;  // CJK punctuation
    }
    if (c >= 0xFF00 && c <= 0xFFEF) {
        return -7;  // full-width forms
    }
    if ((c >= 0x80 && c <= 0x9F) || isPrivateUse(c)) {
        return -15;
    }
    return -9;
}
