#include "taglib/hangul_model.h"

#include <cmath>

#include "taglib/code_page_converter.h"
#include "taglib/code_page_tables.h"

namespace {

constexpr char32_t kFirstSyllable = 0xAC00;
constexpr char32_t kLastSyllable = 0xD7A3;
constexpr int kVowels = 21;
constexpr int kFinals = 28;

// Rough shares (percent) of the jamo in Korean text, in Unicode order.
constexpr std::array<double, 19> kInitialShare = {12,  1,  7, 9,   0.8, 5,   6,   5,   0.2, 9,
                                                  0.8, 20, 8, 0.2, 2.5, 0.8, 1.5, 1.2, 8};
constexpr std::array<double, kVowels> kVowelShare = {
    25, 4, 0.7, 0.05, 10, 3, 5, 0.5, 9, 2, 0.1, 1, 1, 6, 1, 0.05, 0.7, 0.7, 10, 2, 15};
constexpr std::array<double, kFinals> kFinalShare = {
    55,   5,   0.1, 0.1, 12,   0.1, 0.1, 0.2, 8,   0.1, 0.1,  0.1, 0.05, 0.05,
    0.05, 0.1, 4,   2,   0.05, 1.5, 2,   8,   0.3, 0.3, 0.05, 0.3, 0.3,  0.3};

// Vowels that seldom take a final consonant: ㅒ ㅖ ㅙ ㅚ ㅞ ㅟ ㅢ, and less
// strongly ㅑ ㅘ ㅛ ㅝ ㅠ.
bool rarelyClosed(int vowel) {
    return vowel == 3 || vowel == 7 || vowel == 10 || vowel == 11 || vowel == 15 || vowel == 16 ||
           vowel == 19;
}
bool seldomClosed(int vowel) {
    return vowel == 2 || vowel == 9 || vowel == 12 || vowel == 14 || vowel == 17;
}

}  // namespace

HangulModel::HangulModel() {
    for (size_t i = 0; i < initials_.size(); ++i) {
        initials_[i] = std::log(kInitialShare[i]);
    }
    for (size_t i = 0; i < vowels_.size(); ++i) {
        vowels_[i] = std::log(kVowelShare[i]);
    }
    for (size_t i = 0; i < finals_.size(); ++i) {
        finals_[i] = std::log(kFinalShare[i]);
    }
    // The average ratio over the syllables of KS X 1001, read from the KSC table.
    const CodePageTables::Table* ksc = CodePageTables::instance().table(CodePage::Ksc);
    double sum = 0;
    int count = 0;
    for (unsigned lead = 0xB0; lead <= 0xC8; ++lead) {
        for (unsigned trail = 0xA1; trail <= 0xFE; ++trail) {
            char32_t c = ksc->pair(static_cast<uint8_t>(lead), static_cast<uint8_t>(trail));
            if (c >= kFirstSyllable && c <= kLastSyllable) {
                int index = static_cast<int>(c - kFirstSyllable);
                sum += std::exp(
                    raw(index / (kVowels * kFinals), index / kFinals % kVowels, index % kFinals));
                ++count;
            }
        }
    }
    norm_ = count > 0 ? std::log(sum / count) : 0;
}

const HangulModel& HangulModel::instance() {
    static const HangulModel model;
    return model;
}

double HangulModel::raw(int initial, int vowel, int final) const {
    double value = initials_[static_cast<size_t>(initial)] + vowels_[static_cast<size_t>(vowel)] +
                   finals_[static_cast<size_t>(final)];
    if (final != 0 && rarelyClosed(vowel)) {
        value += std::log(0.2);
    } else if (final != 0 && seldomClosed(vowel)) {
        value += std::log(0.6);
    }
    return value;
}

double HangulModel::bonus(char32_t syllable) const {
    if (syllable < kFirstSyllable || syllable > kLastSyllable) {
        return 0;
    }
    int index = static_cast<int>(syllable - kFirstSyllable);
    return raw(index / (kVowels * kFinals), index / kFinals % kVowels, index % kFinals) - norm_;
}
