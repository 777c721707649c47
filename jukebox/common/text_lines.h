#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// Splits text into lines the way the data files (tracklists, the dictionary, the
// extension lists) are read: a line ends at a line feed and is then cut at its
// last carriage return, so CR LF and LF ends both work. Lines are taken whole,
// however long, so that every line the jukebox writes reads back as it was. Text
// that holds no line feed at all (written by tools that end lines with CR alone)
// is split at every carriage return instead. Empty lines are kept (callers decide
// what an empty line means); the empty rest after the last line end is not a line.
QStringList ReadLines(QStringView text);

// Splits text into lines the way skin files have always been read: a line is taken
// up to and including its line feed but at most maxUnits units at a time (a longer
// line goes on as the next piece); each piece is then cut at its last line feed and
// what remains at its last carriage return. Empty pieces are kept.
QStringList ReadLinePieces(QStringView text, qsizetype maxUnits = 259);
