#include "jukebox/shell/anim_lamp.h"

#include <QPainter>

#include "jukebox/skin/skin_description.h"

CAnimLamp::CAnimLamp(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&timer_, &QTimer::timeout, this, &CAnimLamp::tick);
    hide();
}

void CAnimLamp::setup(const SkinEntry& entry, const QImage& strip) {
    frames_.clear();
    const int count = entry.frames > 0 ? entry.frames : 0;
    const int h = count > 0 ? strip.height() / count : 0;
    for (int i = 0; i < count; ++i) {
        frames_.push_back(QPixmap::fromImage(strip.copy(0, i * h, strip.width(), h)));
    }
    if (frame_ >= count) {
        frame_ = 0;
    }
    timer_.setInterval(entry.ms);
    setGeometry(QRect(QPoint(entry.x, entry.y), entry.size));
    setVisible(entry.show == SkinVisible);
    syncTimer();
    update();
}

void CAnimLamp::setRunning(bool running) {
    running_ = running;
    syncTimer();
}

void CAnimLamp::paintEvent(QPaintEvent*) {
    if (frames_.empty()) {
        return;
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, frames_[size_t(frame_)]);
}

void CAnimLamp::showEvent(QShowEvent*) {
    syncTimer();
}

void CAnimLamp::hideEvent(QHideEvent*) {
    syncTimer();
}

void CAnimLamp::tick() {
    if (frames_.empty()) {
        return;
    }
    frame_ = (frame_ + 1) % int(frames_.size());
    update();
}

// Ticks only while running and shown (a stopped animation keeps its frame and
// costs nothing), and never with a period of 0 ms, which would spin.
void CAnimLamp::syncTimer() {
    const bool tick = running_ && isVisible() && timer_.interval() > 0 && !frames_.empty();
    if (tick && !timer_.isActive()) {
        timer_.start();
    } else if (!tick) {
        timer_.stop();
    }
}
