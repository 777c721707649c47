#include "jukebox/shell/panel_scroll.h"

#include <algorithm>

int PanelScroll::timerInterval(int periodMs) {
    return std::max(periodMs, kMinPeriodMs);
}

void PanelScroll::setup(int step, int panelWidth) {
    step_ = step;
    panelWidth_ = panelWidth;
    clear();
}

void PanelScroll::clear() {
    offset_ = 0;
    moving_ = false;
    velocity_ = -step_;
}

PanelScroll::Tick PanelScroll::tick(bool allowed) {
    if (!moving_ || !allowed) {
        return Tick::Idle;
    }
    if (offset_ >= 0 && velocity_ > 0) {
        offset_ = 0;
        moving_ = false;
        velocity_ = -step_;
        return Tick::Rest;
    }
    if (textWidth_ + offset_ <= panelWidth_ && velocity_ < 0) {
        moving_ = false;
        velocity_ = step_;
        return Tick::Rest;
    }
    if (velocity_ == 0) {
        return Tick::Idle;  // a zero step never moves; no need to redraw
    }
    offset_ += velocity_;
    return Tick::Moved;
}
