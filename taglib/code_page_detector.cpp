#include "taglib/code_page_detector.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "taglib/code_page_tables.h"
#include "taglib/code_page_weights.h"

namespace {

constexpr int kUtf8 = kUtf8Candidate;
constexpr int kShiftJis = kShiftJisCandidate;
constexpr int kKsc = kKscCandidate;
constexpr int kWestern = kWesternCandidate;

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
    float weight = 0;  // on its own (CodePageWeights)
};

bool isAsciiAlnum(char32_t c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
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
    FieldReader(int candidate, std::string_view text, bool mayBeCut, const CodePageWeights& weights)
        : text_(text), mayBeCut_(mayBeCut), candidate_(candidate), weights_(weights) {}

    // The next character; false at the end, at a cut character, or at an invalid
    // sequence.
    bool next(Char& out) {
        if (pos_ >= text_.size() || invalid_) {
            return false;
        }
        auto byte = static_cast<uint8_t>(text_[pos_]);
        if (byte < 0x80) {
            out = {byte, byte, 1, 0};
            ++pos_;
            return true;
        }
        return candidate_ == kUtf8 ? nextUtf8(out) : nextLegacy(byte, out);
    }

    bool invalid() const { return invalid_; }
    int cutBytes() const { return cutBytes_; }

private:
    bool nextLegacy(uint8_t byte, Char& out) {
        if (!weights_.isLead(candidate_, byte)) {
            const CodePageWeights::Entry& entry = weights_.single(candidate_, byte);
            if (entry.c == CodePageTables::kNone) {
                return fail();
            }
            out = {entry.c, byte, 1, entry.weight * 0.01f};
            ++pos_;
            return true;
        }
        if (pos_ + 1 >= text_.size()) {
            return cut(1);
        }
        auto trail = static_cast<uint8_t>(text_[pos_ + 1]);
        if (trail < 0x40) {
            return fail();
        }
        const CodePageWeights::Entry& entry = weights_.pair(candidate_, byte, trail);
        if (entry.c == CodePageTables::kNone) {
            return fail();
        }
        out = {entry.c, static_cast<uint16_t>(byte << 8 | trail), 2, entry.weight * 0.01f};
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
        out = {c, lead, static_cast<uint8_t>(length), static_cast<float>(weights_.utf8(c))};
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
    const CodePageWeights& weights_;
    size_t pos_ = 0;
    bool invalid_ = false;
    int cutBytes_ = 0;
};

// What a character weighs beside its neighbours. East Asian characters glued to
// Latin letters are less likely than with a space between (Japanese mixes them
// most); hanja come as words of their own, seldom between Hangul syllables. In
// Western text a byte above ASCII seldom follows another, and a symbol wedged
// between two letters is rarer still, but Don’t is common.
double contextWeight(int candidate, const Char& ch, const Char* prev, const Char* next,
                     const CodePageWeights& weights) {
    bool letterBefore = prev && isAsciiAlnum(prev->c);
    bool letterAfter = next && isAsciiAlnum(next->c);
    if (candidate == kWestern) {
        double weight = prev && prev->c >= 0x80 ? -4 : 0;
        if (letterBefore && letterAfter) {
            auto byte = static_cast<uint8_t>(ch.code);
            if (!weights.westernLetter(byte)) {
                weight -= 3;
            } else if (ch.c == U'’') {
                weight += 1.5;
            }
        }
        return weight;
    }
    if (candidate == kUtf8 && ch.c < 0x800) {
        return 0;  // Latin, Greek, Cyrillic letters
    }
    double glue = candidate == kShiftJis ? 0.2 : 0.5;
    double weight = (letterBefore ? -glue : 0) + (letterAfter ? -glue : 0);
    if (candidate == kKsc && inRange(ch.code, 0xCAA1, 0xFDFE) &&
        ((prev && isHangulSyllable(prev->c)) || (next && isHangulSyllable(next->c)))) {
        weight -= 1;
    }
    return weight;
}

// The score of one field's text in one candidate; false when the text is not valid
// in it.
bool scoreText(int candidate, std::string_view text, const CodePageWeights& weights,
               double& score) {
    FieldReader reader(candidate, text, text.size() >= kCutWidth, weights);
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
            score += cur->weight +
                     contextWeight(candidate, *cur, prev, haveNext ? next : nullptr, weights);
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

// The scores of one field's text in every candidate.
struct FieldScores {
    std::array<bool, CodePageScores::kCandidateCount> valid{};
    std::array<double, CodePageScores::kCandidateCount> score{};
};

// The fields of an album's tags repeat (the artist, the album) from one file to the
// next, so the last few fields scored are kept by their bytes.
class FieldScoreCache {
public:
    const FieldScores& scores(std::string_view text) {
        if (text.size() > kMaxText) {
            fresh_ = compute(text);
            return fresh_;
        }
        Slot& slot = slots_[hash(text) % slots_.size()];
        if (slot.length != text.size() ||
            std::memcmp(slot.bytes.data(), text.data(), text.size()) != 0) {
            slot.length = text.size();
            std::memcpy(slot.bytes.data(), text.data(), text.size());
            slot.scores = compute(text);
        }
        return slot.scores;
    }

private:
    static constexpr size_t kMaxText = 32;
    struct Slot {
        size_t length = kMaxText + 1;  // matches no text
        std::array<char, kMaxText> bytes{};
        FieldScores scores;
    };

    static size_t hash(std::string_view text) {
        uint32_t value = 2166136261u;  // FNV-1a
        for (char c : text) {
            value = (value ^ static_cast<uint8_t>(c)) * 16777619u;
        }
        return value;
    }

    static FieldScores compute(std::string_view text) {
        const CodePageWeights& weights = CodePageWeights::instance();
        FieldScores result;
        for (int i = 0; i < CodePageScores::kCandidateCount; ++i) {
            auto at = static_cast<size_t>(i);
            result.valid[at] = scoreText(i, text, weights, result.score[at]);
        }
        return result;
    }

    std::array<Slot, 16> slots_;
    FieldScores fresh_;
};

const FieldScores& scoreField(std::string_view text) {
    thread_local FieldScoreCache cache;
    return cache.scores(text);
}

// exp(x) for the terms of a sum of likelihoods; a candidate this far behind adds
// nothing a double can hold beside the best one's 1.
double relativeLikelihood(double x) {
    return x < -40 ? 0 : std::exp(x);
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
            sum += relativeLikelihood(scores.score[at] + kPrior[at] - best);
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
            sum += relativeLikelihood(weights[at] - weights[static_cast<size_t>(top)]);
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
        const FieldScores& field = scoreField(text);
        for (size_t i = 0; i < scores.valid.size(); ++i) {
            scores.valid[i] = scores.valid[i] && field.valid[i];
            scores.score[i] += field.score[i];
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
    FieldReader reader(candidate, text, true, CodePageWeights::instance());
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
