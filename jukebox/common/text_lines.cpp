#include "jukebox/common/text_lines.h"

QStringList ReadLines(QStringView text) {
    QStringList lines;
    const char16_t end = text.contains(u'\n') ? u'\n' : u'\r';
    // Sized once: a list grown by doubling holds up to twice the room, and
    // both arrays at each step.
    lines.reserve(text.count(QChar(end)) + 1);
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype stop = text.indexOf(end, start);
        if (stop < 0) {
            stop = text.size();
        }
        QStringView line = text.sliced(start, stop - start);
        start = stop + 1;
        if (end == u'\n') {
            const qsizetype cut = line.lastIndexOf(u'\r');
            if (cut >= 0) {
                line = line.first(cut);
            }
        }
        lines.append(line.toString());
    }
    return lines;
}

QStringList ReadLinePieces(QStringView text, qsizetype maxUnits) {
    QStringList pieces;
    qsizetype start = 0;
    while (start < text.size()) {
        // Only the next piece is searched for its line feed: text without line
        // feeds would otherwise be searched to its end once for every piece.
        QStringView piece = text.mid(start, std::min(maxUnits, text.size() - start));
        qsizetype lineFeed = piece.indexOf(u'\n');
        start += lineFeed >= 0 ? lineFeed + 1 : piece.size();
        // A piece holds at most one line feed, its last unit: cut there, then at
        // the last carriage return.
        if (lineFeed >= 0) {
            piece = piece.left(lineFeed);
        }
        qsizetype cut = piece.lastIndexOf(u'\r');
        if (cut >= 0) {
            piece = piece.left(cut);
        }
        pieces.append(piece.toString());
    }
    return pieces;
}
