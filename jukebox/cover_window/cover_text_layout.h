#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a status text goes over the cover: a font a tenth of the client's
// height, the text's top-left corner, the rectangle it is clipped to, and the
// strip of the window it can touch (the part to repaint when it ends).
struct CoverTextLayout {
    int fontHeight = 0;  // of the whole character cell, in pixels
    QPoint origin;
    QRect clip;
    QRect strip;

    static CoverTextLayout ForClient(QSize client);
};
