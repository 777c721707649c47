#include "jukebox/shell/skin_button.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>

#include "jukebox/skin/skin_description.h"

CSkinButton::CSkinButton(int id, bool autoRepeat, QWidget* parent)
    : QWidget(parent), id_(id), repeat_(autoRepeat) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Precise timers: a coarse one may fire a few percent early, and the
    // first repeat must not come before 600 ms.
    firstTimer_.setTimerType(Qt::PreciseTimer);
    firstTimer_.setInterval(AutoRepeat::FirstDelayMs);
    repeatTimer_.setTimerType(Qt::PreciseTimer);
    repeatTimer_.setInterval(AutoRepeat::RepeatMs);
    connect(&firstTimer_, &QTimer::timeout, this, &CSkinButton::onFirstTimer);
    connect(&repeatTimer_, &QTimer::timeout, this, &CSkinButton::onRepeatTimer);
    hide();
}

void CSkinButton::setup(const SkinEntry& entry, const QImage& panel, int faceHeight) {
    for (int band = 0; band < ButtonBandIndex::Count; ++band) {
        const QRect source(entry.x, entry.y + band * faceHeight, entry.w, entry.h);
        // QImage::copy takes an empty rectangle for the whole image.
        bands_[size_t(band)] =
            source.isEmpty() ? QPixmap() : QPixmap::fromImage(panel.copy(source));
    }
    setGeometry(entry.x, entry.y, entry.w, entry.h);
    setVisible(entry.show == SkinVisible);
    update();
}

void CSkinButton::setOn(bool on) {
    if (on_ != on) {
        on_ = on;
        update();
    }
}

void CSkinButton::setAppActive(bool active) {
    if (appActive_ != active) {
        appActive_ = active;
        update();
    }
}

void CSkinButton::clearHoverUnlessUnderCursor() {
    if (hover_ && !rect().contains(mapFromGlobal(QCursor::pos()))) {
        setHover(false);
    }
}

int CSkinButton::band() const {
    return ButtonBand(repeat_.held(), hover_, on_, appActive_);
}

void CSkinButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, bands_[size_t(band())]);
}

void CSkinButton::enterEvent(QEnterEvent*) {
    setHover(true);
}

void CSkinButton::leaveEvent(QEvent*) {
    leave();
}

void CSkinButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    repeat_.press();
    syncTimers();
    update();
}

void CSkinButton::mouseMoveEvent(QMouseEvent* event) {
    // While the left button is held the move events come here even outside
    // the button; leaving ends the press as leaving without it ends the hover.
    if (repeat_.held() && !rect().contains(event->position().toPoint())) {
        leave();
    }
}

void CSkinButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const bool click = repeat_.release();
    syncTimers();
    update();
    if (click && rect().contains(event->position().toPoint())) {
        Q_EMIT command(id_);
    }
}

void CSkinButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // The double click takes the place of the second press: the first click of
    // the pair gave its command, this gives one more, and its release none.
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    Q_EMIT command(id_);
}

void CSkinButton::onFirstTimer() {
    repeat_.firstTimeout();
    syncTimers();
}

void CSkinButton::onRepeatTimer() {
    if (repeat_.repeatTimeout()) {
        Q_EMIT command(id_);
    }
}

void CSkinButton::leave() {
    const bool wasHeld = repeat_.held();
    repeat_.cancel();
    syncTimers();
    if (hover_ || wasHeld) {
        hover_ = false;
        update();
    }
}

void CSkinButton::syncTimers() {
    if (repeat_.firstTimerRunning() != firstTimer_.isActive()) {
        repeat_.firstTimerRunning() ? firstTimer_.start() : firstTimer_.stop();
    }
    if (repeat_.repeatTimerRunning() != repeatTimer_.isActive()) {
        repeat_.repeatTimerRunning() ? repeatTimer_.start() : repeatTimer_.stop();
    }
}

void CSkinButton::setHover(bool hover) {
    if (hover_ != hover) {
        hover_ = hover;
        update();
    }
}
