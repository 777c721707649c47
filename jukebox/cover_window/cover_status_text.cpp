#include "jukebox/cover_window/cover_status_text.h"

#include <algorithm>

CoverStatusText::CoverStatusText(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    timer_.setInterval(kDefaultDelayMs);
    connect(&timer_, &QTimer::timeout, this, &CoverStatusText::End);
}

void CoverStatusText::setDelayMs(int ms) {
    timer_.setInterval(std::max(0, ms));
}

void CoverStatusText::Show(const QString& text) {
    text_ = text;
    shown_ = true;
    timer_.start();  // restarts a running delay
    Q_EMIT changed();
}

void CoverStatusText::End() {
    timer_.stop();
    if (!shown_) {
        return;
    }
    shown_ = false;
    text_.clear();
    Q_EMIT changed();
}
