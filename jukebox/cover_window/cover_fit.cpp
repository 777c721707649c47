#include "jukebox/cover_window/cover_fit.h"

QRect FitCoverRect(QSize picture, QSize client) {
    const int w = picture.width();
    const int h = picture.height();
    const int cw = client.width();
    const int ch = client.height();
    if (w <= 0 || h <= 0 || cw <= 0 || ch <= 0) {
        return {};
    }
    bool same = false;
    bool wider = false;
    if (cw == ch) {
        // A square client compares the picture's sides themselves.
        same = w == h;
        wider = w > h;
    } else {
        const double pictureRatio = static_cast<double>(w) / h;
        const double clientRatio = static_cast<double>(cw) / ch;
        same = pictureRatio == clientRatio;
        wider = pictureRatio > clientRatio;
    }
    if (same) {
        return QRect(0, 0, cw, ch);
    }
    if (wider) {
        const int dh = static_cast<int>(static_cast<double>(cw) / w * h);
        return QRect(0, (ch - dh) / 2, cw, dh);
    }
    const int dw = static_cast<int>(static_cast<double>(ch) / h * w);
    return QRect((cw - dw) / 2, 0, dw, ch);
}
