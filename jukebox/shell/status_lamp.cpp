#include "jukebox/shell/status_lamp.h"

#include <QPainter>
#include <algorithm>

#include "jukebox/skin/skin_description.h"

CStatusLamp::CStatusLamp(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

void CStatusLamp::setup(const SkinEntry& entry, const QImage& strip) {
    const int h = strip.height() / StateCount;
    for (int i = 0; i < StateCount; ++i) {
        bands_[size_t(i)] = QPixmap::fromImage(strip.copy(0, i * h, strip.width(), h));
    }
    setGeometry(QRect(QPoint(entry.x, entry.y), entry.size));
    setVisible(entry.show == SkinVisible);
    update();
}

void CStatusLamp::setState(int state) {
    state = std::clamp(state, 0, StateCount - 1);
    if (state_ != state) {
        state_ = state;
        update();
    }
}

void CStatusLamp::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, bands_[size_t(state_)]);
}
