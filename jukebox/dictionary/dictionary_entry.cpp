#include "jukebox/dictionary/dictionary_entry.h"

const QString& DictionaryEntry::text(int column) const {
    switch (column) {
        case ColumnDisplay:
            return display;
        case ColumnArtist:
            return artist;
        case ColumnSource:
            return source;
        case ColumnGenre:
            return genre;
        case ColumnDate:
            return date;
        case ColumnComment:
            return comment;
        default:
            return filename;
    }
}

QString& DictionaryEntry::text(int column) {
    return const_cast<QString&>(std::as_const(*this).text(column));
}
