#pragma once

#include <QStringView>
#include <vector>

// One piece of the track panel's line on a glyph-mode skin's grid of cells: a
// character the glyph sheet holds, copied from its cell, or one the sheet lacks
// (with any marks that belong to it), drawn with a font across one cell, or two
// when it is wide (East Asian full width), so that the line stays a whole number
// of cells and scrolls in the grid's rhythm.
struct PanelGlyphItem {
    int cell = 0;         // the first cell it covers, counted from the line's left end
    int span = 1;         // 1, or 2 for a wide character
    int sheetCell = -1;   // the glyph sheet's cell, or -1: drawn with the font
    qsizetype begin = 0;  // its UTF-16 units in the line
    qsizetype length = 1;

    friend bool operator==(const PanelGlyphItem&, const PanelGlyphItem&) = default;
};

// The sheet's cell for characters it cannot show and no font would draw either
// (controls, formatting characters, lone surrogates, private use).
constexpr int kUnknownGlyphCell = 95;

// Codes 32 to 126 have their own cell (code - 32); -1 for any other.
int SheetGlyphCell(char32_t code);

// Characters that take two cells: Hangul, kana, CJK ideographs and symbols, full-width
// forms and the picture characters that terminals also show two columns wide.
bool IsWideCharacter(char32_t code);

// The line's pieces from left to right, cell after cell.
std::vector<PanelGlyphItem> LayOutGlyphCells(QStringView line);

// How many cells the line covers.
int CountGlyphCells(QStringView line);
