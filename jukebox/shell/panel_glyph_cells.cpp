#include "jukebox/shell/panel_glyph_cells.h"

#include <QChar>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <iterator>

namespace {

struct CodeRange {
    char32_t first;
    char32_t last;
};

// East Asian Wide and Fullwidth, in order, by blocks rather than code by code.
constexpr CodeRange kWide[] = {
    {0x1100, 0x115F},    // Hangul Jamo initial consonants
    {0x231A, 0x231B},    // watch, hourglass
    {0x2329, 0x232A},    // angle brackets
    {0x2E80, 0x303E},    // CJK radicals, symbols and punctuation
    {0x3041, 0x33FF},    // kana, bopomofo, Hangul compatibility Jamo, CJK compatibility
    {0x3400, 0x4DBF},    // CJK extension A
    {0x4E00, 0x9FFF},    // CJK unified ideographs
    {0xA000, 0xA4CF},    // Yi
    {0xA960, 0xA97F},    // Hangul Jamo extended A
    {0xAC00, 0xD7A3},    // Hangul syllables
    {0xF900, 0xFAFF},    // CJK compatibility ideographs
    {0xFE10, 0xFE19},    // vertical forms
    {0xFE30, 0xFE6F},    // CJK compatibility forms, small forms
    {0xFF00, 0xFF60},    // full-width forms
    {0xFFE0, 0xFFE6},    // full-width signs
    {0x16FE0, 0x16FE4},  // ideographic symbols
    {0x17000, 0x18CFF},  // Tangut, Khitan
    {0x1B000, 0x1B2FF},  // kana supplement and extensions, Nushu
    {0x1F300, 0x1F64F},  // pictographs, emoticons
    {0x1F680, 0x1F6FF},  // transport and map symbols
    {0x1F900, 0x1F9FF},  // supplemental pictographs
    {0x1FA70, 0x1FAFF},  // pictographs extended A
    {0x20000, 0x2FFFD},  // CJK extensions B to F
    {0x30000, 0x3FFFD},  // CJK extensions G and H
};

char32_t codeAt(QStringView line, qsizetype i) {
    const QChar c = line[i];
    if (c.isHighSurrogate() && i + 1 < line.size() && line[i + 1].isLowSurrogate()) {
        return QChar::surrogateToUcs4(c, line[i + 1]);
    }
    return c.unicode();
}

// Most titles hold only characters the sheet has: one cell each, no cluster to find.
bool onlySheetCharacters(QStringView line) {
    return std::all_of(line.begin(), line.end(),
                       [](QChar c) { return c.unicode() >= 32 && c.unicode() <= 126; });
}

}  // namespace

int SheetGlyphCell(char32_t code) {
    return code >= 32 && code <= 126 ? int(code) - 32 : -1;
}

bool IsWideCharacter(char32_t code) {
    const auto after = std::upper_bound(std::begin(kWide), std::end(kWide), code,
                                        [](char32_t c, const CodeRange& r) { return c < r.first; });
    return after != std::begin(kWide) && code <= std::prev(after)->last;
}

std::vector<PanelGlyphItem> LayOutGlyphCells(QStringView line) {
    std::vector<PanelGlyphItem> items;
    items.reserve(size_t(line.size()));
    if (onlySheetCharacters(line)) {
        for (qsizetype i = 0; i < line.size(); ++i) {
            items.push_back({int(i), 1, line[i].unicode() - 32, i, 1});
        }
        return items;
    }
    int cell = 0;
    auto add = [&](int span, int sheetCell, qsizetype begin, qsizetype length) {
        items.push_back({cell, span, sheetCell, begin, length});
        cell += span;
    };
    // Marks go with the character before them (an "e" with a combining accent is
    // one character on the grid), so the line is taken a grapheme cluster at a time.
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, line.data(), line.size());
    qsizetype begin = 0;
    while (begin < line.size()) {
        qsizetype end = clusters.toNextBoundary();
        if (end <= begin || end > line.size()) {
            end = line.size();  // never stall on a finder that gives up
        }
        const char32_t first = codeAt(line, begin);
        if (end - begin == 1 && SheetGlyphCell(first) >= 0) {
            add(1, SheetGlyphCell(first), begin, 1);
        } else if (!QChar::isPrint(first)) {
            // What no font shows: the sheet's box, one per UTF-16 unit as ever.
            for (qsizetype i = begin; i < end; ++i) {
                add(1, kUnknownGlyphCell, i, 1);
            }
        } else {
            add(IsWideCharacter(first) ? 2 : 1, -1, begin, end - begin);
        }
        begin = end;
    }
    return items;
}

int CountGlyphCells(QStringView line) {
    if (onlySheetCharacters(line)) {
        return int(line.size());
    }
    const std::vector<PanelGlyphItem> items = LayOutGlyphCells(line);
    return items.empty() ? 0 : items.back().cell + items.back().span;
}
