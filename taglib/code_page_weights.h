#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// The candidates of the detector, in the order of CodePageScores.
enum CodePageCandidate : int {
    kUtf8Candidate,
    kBig5Candidate,
    kGbCandidate,
    kShiftJisCandidate,
    kKscCandidate,
    kWesternCandidate,
};

// What one character weighs in text of each candidate code page: its log-probability
// (natural logarithm) against ASCII, which every candidate reads alike and which
// therefore weighs nothing. Every character of the legacy tables is weighed once,
// when the detector first needs them, and kept beside the character itself, so
// that reading a byte sequence and weighing it is one look-up. The detector adds
// what depends on the neighbouring characters.
class CodePageWeights {
public:
    // A character of a legacy table with its weight in hundredths.
    struct Entry {
        char16_t c = 0;  // CodePageTables::kNone: the bytes are no character
        int16_t weight = 0;
    };

    CodePageWeights();
    static const CodePageWeights& instance();

    // A byte 0x80..0xFF on its own.
    const Entry& single(int candidate, uint8_t byte) const {
        return tables_[static_cast<size_t>(candidate)].singles[byte - 0x80u];
    }
    bool isLead(int candidate, uint8_t byte) const {
        return tables_[static_cast<size_t>(candidate)].leads[byte - 0x80u];
    }
    // A lead byte 0x80..0xFF and a trail byte 0x40..0xFF of a double-byte code page.
    const Entry& pair(int candidate, uint8_t lead, uint8_t trail) const {
        return tables_[static_cast<size_t>(candidate)]
            .pairs[(lead - 0x80u) * kTrails + (trail - 0x40u)];
    }
    // A character read as UTF-8 (above ASCII).
    double utf8(char32_t c) const;
    // Western bytes that stand for letters (the apostrophe ’ counts as one).
    bool westernLetter(uint8_t byte) const { return westernLetters_[byte - 0x80u]; }

    // How many of the national sets of common ideographs hold c (0..4).
    static int commonness(char32_t c);

private:
    static constexpr unsigned kTrails = 0xC0;
    struct Table {
        std::array<Entry, 128> singles{};
        std::array<bool, 128> leads{};
        std::vector<Entry> pairs;
    };

    void weighLegacy(int candidate, int codePage);

    std::array<Table, 6> tables_;
    std::array<bool, 128> westernLetters_{};
};
