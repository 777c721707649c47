#include "taglib/code_page_detector.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

#include "taglib/code_page_tables.h"
#include "taglib/hangul_model.h"

namespace {

constexpr int kUtf8 = 0;
constexpr int kBig5 = 1;
constexpr int kGb = 2;
constexpr int kShiftJis = 3;
constexpr int kKsc = 4;
constexpr int kWestern = 5;

// Old tools cut text at the 30 bytes of an ID3v1 field, possibly inside a character.
constexpr size_t kCutWidth = 30;

// Plain Latin text with accented letters must stay Western: a wrong CJK reading
// destroys text that was right, so Western wins a tie by this much.
constexpr std::array<double, CodePageScores::kCandidateCount> kPrior = {0, 0, 0, 0, 0, 1.0};

// A tag's vote on a folder is its log-posterior, but no tag can veto a code page
// by more than this (an English title in a Chinese album).
constexpr double kVoteFloor = -12;

// One character of a field as a candidate reads it.
struct Char {
    char32_t c = 0;
    uint16_t code = 0;  // the byte, or lead and trail byte, in the code page
    uint8_t bytes = 0;
};

bool isAsciiAlnum(char32_t c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isIdeograph(char32_t c) {
    return c >= 0x4E00 && c <= 0x9FFF;
}

bool isHangulSyllable(char32_t c) {
    return c >= 0xAC00 && c <= 0xD7A3;
}

bool inRange(uint16_t code, uint16_t first, uint16_t last) {
    return code >= first && code <= last;
}

// Decodes one field in one candidate, a character at a time.
class FieldReader {
public:
    FieldReader(int candidate, std::string_view text, bool mayBeCut)
        : text_(text), mayBeCut_(mayBeCut), candidate_(candidate) {
        if (candidate != kUtf8) {
            table_ = CodePageTables::instance().table(CodePageScores::kCandidates[candidate]);
        }
    }

    // The next character; false at the end, at a cut character, or at an invalid
    // sequence.
    bool next(Char& out) {
        if (pos_ >= text_.size() || invalid_) {
            return false;
        }
        auto byte = static_cast<uint8_t>(text_[pos_]);
        if (byte < 0x80) {
            out = {byte, byte, 1};
            ++pos_;
            return true;
        }
        return candidate_ == kUtf8 ? nextUtf8(out) : nextLegacy(byte, out);
    }

    bool invalid() const { return invalid_; }
    int cutBytes() const { return cutBytes_; }

private:
    bool nextLegacy(uint8_t byte, Char& out) {
        if (!table_->isLead(byte)) {
            char16_t c = table_->single(byte);
            if (c == CodePageTables::kNone) {
                return fail();
            }
            out = {c, byte, 1};
            ++pos_;
            return true;
        }
        if (pos_ + 1 >= text_.size()) {
            return cut(1);
        }
        auto trail = static_cast<uint8_t>(text_[pos_ + 1]);
        char16_t c = table_->pair(byte, trail);
        if (c == CodePageTables::kNone) {
            return fail();
        }
        out = {c, static_cast<uint16_t>(byte << 8 | trail), 2};
        pos_ += 2;
        return true;
    }

    bool nextUtf8(Char& out) {
        auto lead = static_cast<uint8_t>(text_[pos_]);
        int length = 0;
        char32_t c = 0;
        uint8_t low = 0x80;
        uint8_t high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            c = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            c = lead & 0x0Fu;
            low = lead == 0xE0 ? 0xA0 : 0x80;   // no overlong forms
            high = lead == 0xED ? 0x9F : 0xBF;  // no surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            c = lead & 0x07u;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return fail();
        }
        for (int i = 1; i < length; ++i) {
            if (pos_ + static_cast<size_t>(i) >= text_.size()) {
                return cut(i);
            }
            auto byte = static_cast<uint8_t>(text_[pos_ + static_cast<size_t>(i)]);
            if (byte < low || byte > high) {
                return fail();
            }
            low = 0x80;
            high = 0xBF;
            c = c << 6 | (byte & 0x3Fu);
        }
        out = {c, lead, static_cast<uint8_t>(length)};
        pos_ += static_cast<size_t>(length);
        return true;
    }

    bool cut(int bytes) {
        if (!mayBeCut_) {
            return fail();
        }
        cutBytes_ = bytes;
        pos_ = text_.size();
        return false;
    }

    bool fail() {
        invalid_ = true;
        return false;
    }

    std::string_view text_;
    bool mayBeCut_;
    int candidate_;
    const CodePageTables::Table* table_ = nullptr;
    size_t pos_ = 0;
    bool invalid_ = false;
    int cutBytes_ = 0;
};

// How many of the national sets of common ideographs hold c (0..4).
int commonness(char32_t c) {
    uint8_t sets = CodePageTables::instance().commonSets(c);
    return std::popcount(sets);
}

// The weights below are log-probabilities (natural logarithm) of one character in
// text of a code page, measured against ASCII, which every candidate reads alike
// and which therefore weighs nothing. A block's base weight is its share of the
// text over its size: Big5 level 1 holds 5401 characters, GB 2312 level 1 3755,
// JIS level 1 2965, the KS X 1001 syllables 2350; the second levels and
// extensions hold the rest of the characters but little of the text. Characters
// found in all four national sets of common ideographs are the ones text uses
// most, so they weigh more; a Big5 character found in no other set is rare.
double ideographBonus(int candidate, char32_t c) {
    int sets = commonness(c);
    switch (candidate) {
        case kBig5:
            return sets == 4 ? 0.8 : sets == 3 ? 0.0 : sets == 2 ? -0.8 : -2.5;
        case kGb:
            // Simplified forms are in GB 2312 alone and common all the same.
            return sets == 4 ? 0.4 : -0.3;
        case kShiftJis:
            return sets == 4 ? 0.3 : sets >= 2 ? -0.3 : -0.5;
        default:
            return 0.3 * sets;
    }
}

double big5Weight(const Char& ch) {
    if (inRange(ch.code, 0xA440, 0xC67E)) {
        return -8.6 + ideographBonus(kBig5, ch.c);
    }
    if (inRange(ch.code, 0xC940, 0xF9D5)) {
        return -14;
    }
    if (inRange(ch.code, 0xA140, 0xA1FE)) {
        return -7;  // punctuation and brackets
    }
    if (inRange(ch.code, 0xA240, 0xA3BF)) {
        return -10;  // symbols, Greek, Bopomofo
    }
    return -15;
}

double gbWeight(const Char& ch) {
    bool gb2312 = (ch.code & 0xFF) >= 0xA1 && ch.bytes == 2;
    if (gb2312 && inRange(ch.code, 0xB0A1, 0xD7F9)) {
        return -8.2 + ideographBonus(kGb, ch.c);
    }
    if (gb2312 && inRange(ch.code, 0xD8A1, 0xF7FE)) {
        return -13.8;
    }
    if (inRange(ch.code, 0xA1A1, 0xA1FE)) {
        return -7;  // punctuation and brackets
    }
    if (inRange(ch.code, 0xA3A1, 0xA3FE)) {
        return -8;  // full-width ASCII
    }
    if (gb2312 && inRange(ch.code, 0xA2A1, 0xA9FE)) {
        return -11;  // numerals, kana, Greek, Cyrillic, Pinyin, box drawing
    }
    if (ch.code == 0x80) {
        return -9;  // the euro sign
    }
    return -15;  // the GBK extensions beyond GB 2312
}

double shiftJisWeight(const Char& ch) {
    if (ch.bytes == 1) {
        return -9;  // half-width katakana
    }
    if (inRange(ch.code, 0x829F, 0x82F1) || inRange(ch.code, 0x8340, 0x8396)) {
        return -6;  // hiragana, katakana
    }
    if (inRange(ch.code, 0x8140, 0x81AC)) {
        return -7;  // punctuation, the long vowel mark, brackets
    }
    if (inRange(ch.code, 0x889F, 0x9872)) {
        return -8.7 + ideographBonus(kShiftJis, ch.c);
    }
    if (inRange(ch.code, 0x824F, 0x829A)) {
        return -8;  // full-width letters and digits
    }
    if (inRange(ch.code, 0x989F, 0xEAA4)) {
        return -13.4;
    }
    return -12;  // vendor extensions, Greek, Cyrillic, box drawing
}

double kscWeight(const Char& ch, const Char* prev, const Char* next) {
    if (inRange(ch.code, 0xB0A1, 0xC8FE)) {
        return -7.8 + HangulModel::instance().bonus(ch.c);
    }
    if (isHangulSyllable(ch.c)) {
        return -16;  // the syllables beyond KS X 1001
    }
    if (inRange(ch.code, 0xCAA1, 0xFDFE)) {
        // Hanja come as words of their own, seldom between Hangul syllables.
        bool amidHangul =
            (prev && isHangulSyllable(prev->c)) || (next && isHangulSyllable(next->c));
        return amidHangul ? -15.7 : -14.7;
    }
    if (inRange(ch.code, 0xA1A1, 0xA1FE)) {
        return -7;
    }
    if (inRange(ch.code, 0xA3A1, 0xA3FE)) {
        return -8;
    }
    return -11;
}

double utf8Weight(const Char& ch) {
    char32_t c = ch.c;
    if (isIdeograph(c)) {
        return -8.5 + ideographBonus(kUtf8, c);
    }
    if (isHangulSyllable(c)) {
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
    if (c >= 0x80 && c <= 0x9F) {
        return -15;
    }
    return -9;
}

bool isCommonAccentedLetter(char32_t c) {
    static constexpr std::u32string_view kCommon = U"éèàüöäóáíñçøåêâôúßëïîûæœ";
    return kCommon.find(c) != std::u32string_view::npos;
}

double westernWeight(const Char& ch, const Char* prev, const Char* next) {
    char32_t c = ch.c;
    bool betweenLetters = prev && next && isAsciiAlnum(prev->c) && isAsciiAlnum(next->c);
    double weight = -10;
    bool letter = false;
    if (isCommonAccentedLetter(c)) {
        weight = -4.5;
        letter = true;
    } else if (c >= 0xC0 && c <= 0xDE && c != 0xD7) {
        weight = -6.5;  // capitals
        letter = true;
    } else if ((c >= 0xDF && c <= 0xFF && c != 0xF7) ||
               std::u32string_view(U"ŠšŽžŒœŸ").find(c) != std::u32string_view::npos) {
        weight = -5.5;
        letter = true;
    } else if (c == U'’') {
        weight = betweenLetters ? -4 : -5.5;  // Don’t
        letter = true;
    } else if (std::u32string_view(U"‘“”–—…").find(c) != std::u32string_view::npos) {
        weight = -5.5;
    } else if (std::u32string_view(U"€™©®°«»·¿¡").find(c) != std::u32string_view::npos) {
        weight = -7.5;
    } else if (c >= 0x80 && c <= 0x9F) {
        weight = -14;  // control characters: bytes windows-1252 leaves unassigned
    } else if (c == 0xAD) {
        weight = -12;  // soft hyphen
    }
    // In Western text a byte above ASCII seldom follows another; a symbol wedged
    // between two letters is rarer still.
    if (prev && prev->c >= 0x80) {
        weight -= 4;
    }
    if (!letter && betweenLetters) {
        weight -= 3;
    }
    return weight;
}

double characterWeight(int candidate, const Char& ch, const Char* prev, const Char* next) {
    if ((ch.c >= 0xE000 && ch.c <= 0xF8FF) || ch.c == 0xFFFD) {
        return -15;  // private use: user-defined areas of the tables
    }
    double weight = 0;
    switch (candidate) {
        case kUtf8:
            weight = utf8Weight(ch);
            break;
        case kBig5:
            weight = big5Weight(ch);
            break;
        case kGb:
            weight = gbWeight(ch);
            break;
        case kShiftJis:
            weight = shiftJisWeight(ch);
            break;
        case kKsc:
            weight = kscWeight(ch, prev, next);
            break;
        default:
            return westernWeight(ch, prev, next);
    }
    // East Asian characters glued to Latin letters are less likely than with a space
    // between (Japanese mixes them most).
    if (candidate != kUtf8 || ch.c >= 0x800) {
        double glue = candidate == kShiftJis ? 0.2 : 0.5;
        weight -= prev && isAsciiAlnum(prev->c) ? glue : 0;
        weight -= next && isAsciiAlnum(next->c) ? glue : 0;
    }
    return weight;
}

// The score of one field's text in one candidate; false when the text is not valid
// in it.
bool scoreText(int candidate, std::string_view text, double& score) {
    FieldReader reader(candidate, text, text.size() >= kCutWidth);
    Char window[3];
    Char* prev = nullptr;
    Char* cur = &window[0];
    Char* next = &window[1];
    Char* spare = &window[2];
    bool haveCur = reader.next(*cur);
    score = 0;
    while (haveCur) {
        bool haveNext = reader.next(*next);
        if (cur->c >= 0x80) {
            score += characterWeight(candidate, *cur, prev, haveNext ? next : nullptr);
        }
        Char* old = prev ? prev : spare;
        prev = cur;
        cur = next;
        next = old;
        haveCur = haveNext;
    }
    if (reader.invalid()) {
        return false;
    }
    if (int cut = reader.cutBytes(); cut > 0) {
        // A cut character costs what its lead byte does: a UTF-8 lead of an
        // accented Latin letter is common, any other lead byte less so.
        auto lead = static_cast<uint8_t>(text[text.size() - static_cast<size_t>(cut)]);
        bool latinLead = candidate == kUtf8 && (lead == 0xC2 || lead == 0xC3);
        score -= latinLead ? 3 : 5;
    }
    return true;
}

std::array<double, CodePageScores::kCandidateCount> logPosteriors(const CodePageScores& scores) {
    std::array<double, CodePageScores::kCandidateCount> result{};
    double best = -std::numeric_limits<double>::infinity();
    for (int i = 0; i < CodePageScores::kCandidateCount; ++i) {
        if (scores.valid[static_cast<size_t>(i)]) {
            best = std::max(best,
                            scores.score[static_cast<size_t>(i)] + kPrior[static_cast<size_t>(i)]);
        }
    }
    double sum = 0;
    for (int i = 0; i < CodePageScores::kCandidateCount; ++i) {
        auto at = static_cast<size_t>(i);
        if (scores.valid[at]) {
            sum += std::exp(scores.score[at] + kPrior[at] - best);
        }
    }
    double norm = best + std::log(sum);
    for (int i = 0; i < CodePageScores::kCandidateCount; ++i) {
        auto at = static_cast<size_t>(i);
        result[at] = scores.valid[at] ? scores.score[at] + kPrior[at] - norm
                                      : -std::numeric_limits<double>::infinity();
    }
    return result;
}

// The best of the candidates valid in valid by the weights, with its share of their
// sum as the confidence.
CodePageGuess best(const std::array<bool, CodePageScores::kCandidateCount>& valid,
                   const std::array<double, CodePageScores::kCandidateCount>& weights) {
    int top = -1;
    for (int i = 0; i < CodePageScores::kCandidateCount; ++i) {
        auto at = static_cast<size_t>(i);
        if (valid[at] && (top < 0 || weights[at] > weights[static_cast<size_t>(top)])) {
            top = i;
        }
    }
    if (top < 0) {
        return {CodePage::Ansi, 0};
    }
    double sum = 0;
    for (int i = 0; i < CodePageScores::kCandidateCount; ++i) {
        auto at = static_cast<size_t>(i);
        if (valid[at]) {
            sum += std::exp(weights[at] - weights[static_cast<size_t>(top)]);
        }
    }
    return {CodePageScores::kCandidates[static_cast<size_t>(top)], 1 / sum};
}

}  // namespace

void CodePageScores::add(const CodePageScores& other) {
    for (size_t i = 0; i < valid.size(); ++i) {
        valid[i] = valid[i] && other.valid[i];
        score[i] += other.score[i];
    }
    evidence = evidence || other.evidence;
}

int CodePageScores::indexOf(int codePage) {
    auto found = std::find(kCandidates.begin(), kCandidates.end(), codePage);
    return found == kCandidates.end() ? -1 : static_cast<int>(found - kCandidates.begin());
}

namespace CodePageDetector {

size_t TextLength(std::string_view field) {
    size_t end = std::min(field.find('\0'), field.size());
    while (end > 1 && field[end - 1] == ' ') {
        --end;
    }
    return end;
}

CodePageScores Score(const std::string_view* fields, size_t count) {
    CodePageScores scores;
    for (size_t f = 0; f < count; ++f) {
        std::string_view text = fields[f].substr(0, TextLength(fields[f]));
        bool plain = std::all_of(text.begin(), text.end(),
                                 [](char c) { return static_cast<uint8_t>(c) < 0x80; });
        if (plain) {
            continue;  // read alike in every candidate
        }
        scores.evidence = true;
        for (int i = 0; i < CodePageScores::kCandidateCount; ++i) {
            auto at = static_cast<size_t>(i);
            double score = 0;
            if (scores.valid[at] && scoreText(i, text, score)) {
                scores.score[at] += score;
            } else {
                scores.valid[at] = false;
            }
        }
    }
    return scores;
}

CodePageScores Score(const std::vector<std::string_view>& fields) {
    return Score(fields.data(), fields.size());
}

CodePageGuess Decide(const CodePageScores& scores) {
    if (!scores.evidence) {
        return {CodePage::Ansi, 0};
    }
    std::array<double, CodePageScores::kCandidateCount> weights{};
    for (size_t i = 0; i < weights.size(); ++i) {
        weights[i] = scores.score[i] + kPrior[i];
    }
    return best(scores.valid, weights);
}

int CutLength(int codePage, std::string_view text) {
    int candidate = CodePageScores::indexOf(codePage);
    if (candidate < 0 || candidate == kWestern) {
        return 0;
    }
    FieldReader reader(candidate, text, true);
    Char ch;
    while (reader.next(ch)) {
    }
    return reader.cutBytes();
}

}  // namespace CodePageDetector

void CodePageVote::add(const CodePageScores& tag) {
    if (!tag.evidence) {
        return;
    }
    auto posteriors = logPosteriors(tag);
    for (size_t i = 0; i < votes_.size(); ++i) {
        votes_[i] += std::max(posteriors[i], kVoteFloor);
    }
    ++voters_;
}

CodePageGuess CodePageVote::decide(const CodePageScores& own) const {
    CodePageGuess guess = CodePageDetector::Decide(own);
    if (empty() || (own.evidence && guess.confidence >= kClear)) {
        return guess;
    }
    std::array<double, CodePageScores::kCandidateCount> weights = votes_;
    if (own.evidence) {
        auto posteriors = logPosteriors(own);
        for (size_t i = 0; i < weights.size(); ++i) {
            weights[i] += posteriors[i];
        }
    }
    CodePageGuess voted = best(own.valid, weights);
    return own.evidence ? voted : CodePageGuess{voted.codePage, 0};
}
