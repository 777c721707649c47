#pragma once

#include <array>

// How likely a Hangul syllable is in Korean text, beside a syllable chosen at random
// from the 2350 of KS X 1001: a log-likelihood ratio built from the share of each
// initial consonant, vowel and final consonant in Korean text. Open syllables and
// plain vowels are common, compound vowels with a final consonant and double
// consonants rare.
class HangulModel {
public:
    HangulModel();
    static const HangulModel& instance();

    // 0 for a character that is no Hangul syllable.
    double bonus(char32_t syllable) const;

private:
    double raw(int initial, int vowel, int final) const;

    std::array<double, 19> initials_{};
    std::array<double, 21> vowels_{};
    std::array<double, 28> finals_{};
    double norm_ = 0;  // makes the ratio average 1 over the KS X 1001 syllables
};
