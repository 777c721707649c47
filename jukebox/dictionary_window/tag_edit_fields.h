#pragma once

#include <QString>
#include <array>
#include <vector>

#include "jukebox/dictionary/dictionary_entry.h"

class DictionaryStore;

// What the tag editor shows and gives back, and which rows get which texts:
// the caption, the six texts in the dialog's top-to-bottom order and their
// "Change" ticks. Plain code, so that the rule is tested without the dialog.
struct TagEditFields {
    static constexpr int kFieldCount = 6;
    // The column each field sets; the Filename is never among them.
    static constexpr std::array<int, kFieldCount> kColumns{
        ColumnDisplay, ColumnArtist, ColumnSource, ColumnGenre, ColumnDate, ColumnComment};

    QString caption;
    std::array<QString, kFieldCount> texts;
    std::array<bool, kFieldCount> change{};

    // The label of a field ("Display", "Artist", ...).
    static QString Label(int field);
    // One row: its Filename in the caption and its texts. None or several:
    // "Multi-Tag Edit" and empty texts. Nothing ticked.
    static TagEditFields ForRows(const DictionaryStore& store, const std::vector<int>& rows);
    // Every given row, in row order, takes the text of each ticked field (an
    // empty text empties the column); unticked columns stay as they were.
    void applyTo(DictionaryStore& store, std::vector<int> rows) const;
};
