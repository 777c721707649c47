#include "jukebox/ui/window_fader.h"

#include <QWidget>
#include <utility>

WindowFader::WindowFader(QWidget* window)
    : QObject(window), window_(window), animation_(window, "windowOpacity") {
    animation_.setDuration(kFadeMs);
    connect(&animation_, &QPropertyAnimation::finished, this, &WindowFader::finished);
}

void WindowFader::fadeOut(std::function<void()> then) {
    then_ = std::move(then);
    if (running() && animation_.endValue().toDouble() == 0.0) {
        return;
    }
    animation_.stop();
    animation_.setStartValue(window_->windowOpacity());
    animation_.setEndValue(0.0);
    animation_.start();
}

void WindowFader::fadeIn() {
    animation_.stop();
    then_ = nullptr;
    animation_.setStartValue(window_->windowOpacity());
    animation_.setEndValue(1.0);
    animation_.start();
}

void WindowFader::finish() {
    if (!running()) {
        return;
    }
    animation_.setCurrentTime(animation_.duration());  // emits finished
}

void WindowFader::finished() {
    if (then_) {
        auto then = std::exchange(then_, nullptr);
        then();
    }
}
