#include "jukebox/video_window/video_surface.h"

CVideoSurface::CVideoSurface(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_NativeWindow);
    setAttribute(Qt::WA_PaintOnScreen);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Never a child that takes the keys: they belong to the video window.
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(false);
    hide();
}

void CVideoSurface::paintEvent(QPaintEvent*) {
    if (exposed_) {
        exposed_();
    }
}
