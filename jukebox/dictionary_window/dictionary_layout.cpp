#include "jukebox/dictionary_window/dictionary_layout.h"

DictionaryLayout::Placement DictionaryLayout::Place(QSize client) {
    const int cx = client.width();
    const int cy = client.height();
    const QSize button(kButtonWidth, kButtonHeight);
    Placement placed;
    placed.list = QRect(0, 0, cx - 6, cy - 32);
    placed.save = QRect(QPoint(cx - 57, cy - 25), button);
    placed.close = QRect(QPoint(cx - 27, cy - 25), button);
    return placed;
}
