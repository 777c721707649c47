#pragma once

#include <QString>

// The columns of a dictionary row, numbered as the list shows them.
enum DictionaryColumn {
    ColumnFilename = 0,
    ColumnDisplay = 1,
    ColumnArtist = 2,
    ColumnSource = 3,
    ColumnGenre = 4,
    ColumnDate = 5,
    ColumnComment = 6,
    DictionaryColumnCount = 7,
};

// One row of the mapping dictionary: a bare file name and the six texts a track
// takes from it.
struct DictionaryEntry {
    QString filename;  // key: a file name without folder
    QString display;   // shown in place of a title
    QString artist;
    QString source;
    QString genre;
    QString date;
    QString comment;

    // The text of a column; column must be one of DictionaryColumn.
    const QString& text(int column) const;
    QString& text(int column);

    friend bool operator==(const DictionaryEntry&, const DictionaryEntry&) = default;
};
