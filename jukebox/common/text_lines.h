#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// Splits text into lines the way the data files have always been read: a line
// is taken up to and including its line feed but at most maxUnits units at a time
// (a longer line goes on as the next piece); each piece is then cut at its last
// line feed and what remains at its last carriage return. Empty pieces are kept;
// callers decide what an empty line means.
QStringList ReadLinePieces(QStringView text, qsizetype maxUnits = 259);
