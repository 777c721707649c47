#pragma once

#include <QPoint>
#include <QWidget>

// Puts a window above all others or back among them, where and as visible as it
// was: changing the flag hides the window and may forget its place.
inline void SetStaysOnTop(QWidget& window, bool onTop) {
    if (window.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop) {
        return;
    }
    const bool wasVisible = window.isVisible();
    const QPoint origin = window.pos();
    window.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    window.move(origin);
    if (wasVisible) {
        window.show();
    }
}
