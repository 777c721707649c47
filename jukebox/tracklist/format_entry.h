#pragma once

#include <QString>

#include "jukebox/tracklist/track_entry.h"

// Expands a display format for one entry: %a artist, %n name, %g genre, %d date,
// %s source, %c comment (the letter in any case); "%" before any other character
// gives that character, and a "%" at the very end stays "%". Everything else is
// copied as it is.
QString FormatEntry(const QString& format, const TrackEntry& entry);
