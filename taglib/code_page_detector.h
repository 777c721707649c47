#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "taglib/code_page_converter.h"

// What the text of a tag says about its code page. Each candidate code page is
// either ruled out (a byte sequence that is no character in it) or weighed: the
// score is the log-likelihood of the text in that code page, higher is likelier.
// The scores of several fields or tags add up.
struct CodePageScores {
    static constexpr int kCandidateCount = 6;
    // The candidates, in the order of valid and score. Western (windows-1252) is
    // the ANSI code page, 0.
    static constexpr std::array<int, kCandidateCount> kCandidates = {
        CodePage::Utf8,     CodePage::Big5, CodePage::Gb,
        CodePage::ShiftJis, CodePage::Ksc,  CodePage::Ansi};

    std::array<bool, kCandidateCount> valid = {true, true, true, true, true, true};
    std::array<double, kCandidateCount> score = {};
    // A byte above 0x7F was seen: only then do the candidates read the text
    // differently.
    bool evidence = false;

    void add(const CodePageScores& other);
    // The position of a code page among the candidates, or -1.
    static int indexOf(int codePage);
};

struct CodePageGuess {
    int codePage = CodePage::Ansi;
    // 0..1: how sure the guess is. 0 when the text gave no evidence (plain ASCII,
    // which every candidate reads alike).
    double confidence = 0;
};

// Names the code page of legacy tag text among UTF-8, Big5, GBK, Shift-JIS, KSC and
// Western. It decodes the text in each of them, rules out those in which it is not
// valid, and weighs what remains by how common the characters are by the code
// tables' own blocks (Big5 level 1, GB 2312 level 1, JIS level 1 kanji and kana,
// the KS X 1001 Hangul syllables) and by the national sets of common ideographs
// that hold them. The tables are read from IcuCodePageConverter::instance() at
// the first call, which must therefore not race with other users of that
// converter.
namespace CodePageDetector {

// The text fields of one tag scored together. Each field is its raw bytes, as in
// the block (padding included) or already cut at its end: the text ends at the first
// zero byte and trailing spaces are padding. A field whose text is 30 bytes or
// longer may end in a character cut short, as old tools cut text at 30 bytes.
CodePageScores Score(const std::vector<std::string_view>& fields);
CodePageScores Score(const std::string_view* fields, size_t count);

CodePageGuess Decide(const CodePageScores& scores);

// The number of bytes at the end of text that begin a character the text does not
// complete (0 when it ends in a whole character), in codePage.
int CutLength(int codePage, std::string_view text);

// The length of the text of a field: up to the first zero byte, trailing spaces
// dropped, the first byte always kept (a field of spaces reads as one space).
size_t TextLength(std::string_view field);

}  // namespace CodePageDetector

// The votes of the tags of one folder, read together: a short or ambiguous tag is
// read the way the others are (a two-character artist the way its album is).
//
// A folder is read in two passes. Either score every file's block first
// (TagRecord::scoreBlock) and then read each with TagRecord::vote set; or, cheaper,
// read every file detecting on its own, add each record's codePageScores, and read
// again with vote set only the files for which decide(codePageScores) names
// another code page than the one they were read in (few: most tags are clear).
class CodePageVote {
public:
    // A tag's own reading at least this sure is kept, whatever the folder says.
    static constexpr double kClear = 0.99;

    // Adds one tag's scores; a tag without evidence does not vote.
    void add(const CodePageScores& tag);
    // The code page for the tag own. The folder weighs in only where own is weak
    // or ambiguous, never against a clear own reading, and never for a code page
    // in which own is not valid (a Western tag in a Chinese folder stays Western
    // when only Western reads it).
    CodePageGuess decide(const CodePageScores& own) const;
    bool empty() const { return voters_ == 0; }
    int voters() const { return voters_; }

private:
    std::array<double, CodePageScores::kCandidateCount> votes_ = {};
    int voters_ = 0;
};
