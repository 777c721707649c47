#include "jukebox/common/text_lines.h"

QStringList ReadLinePieces(QStringView text, qsizetype maxUnits) {
    QStringList pieces;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype limit = std::min(text.size(), start + maxUnits);
        qsizetype lineFeed = text.indexOf(u'\n', start);
        qsizetype end = (lineFeed >= 0 && lineFeed < limit) ? lineFeed + 1 : limit;
        QStringView piece = text.mid(start, end - start);
        start = end;
        qsizetype cut = piece.lastIndexOf(u'\n');
        if (cut >= 0) {
            piece = piece.left(cut);
        }
        cut = piece.lastIndexOf(u'\r');
        if (cut >= 0) {
            piece = piece.left(cut);
        }
        pieces.append(piece.toString());
    }
    return pieces;
}
