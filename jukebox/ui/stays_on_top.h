#pragma once

#include <QWidget>
#include <QWindow>

// Puts a window above all others or back among them. Only the flag changes:
// QWidget::setWindowFlag would hide the window and make its native window anew,
// and on X11 the new one is never drawn on again. The window system is told
// through the existing window (on X11 that sets _NET_WM_STATE_ABOVE); a window
// not made yet takes the flag when it is.
inline void SetStaysOnTop(QWidget& window, bool onTop) {
    if (window.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop) {
        return;
    }
    Qt::WindowFlags flags = window.windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    window.overrideWindowFlags(flags);
    if (QWindow* handle = window.windowHandle()) {
        handle->setFlags(flags);
    }
}
