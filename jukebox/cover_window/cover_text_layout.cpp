#include "jukebox/cover_window/cover_text_layout.h"

CoverTextLayout CoverTextLayout::ForClient(QSize client) {
    const int cw = client.width();
    const int ch = client.height();
    CoverTextLayout layout;
    layout.fontHeight = ch / 10;
    layout.origin = QPoint(cw / 20, ch / 20);
    // The clip's right and bottom are the familiar ones, odd as they are: the
    // text keeps a margin on the right and loses its descenders at the bottom.
    const int right = cw - cw / 20 - (cw - cw / 20) / 20;
    const int bottom = (ch - ch / 20) / 20 + (ch - ch / 20) / 10;
    layout.clip = QRect(layout.origin, QPoint(right - 1, bottom - 1));
    layout.strip = QRect(0, ch / 20, cw, ch / 10);
    return layout;
}
