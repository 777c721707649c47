#include "jukebox/playback/stream_clock.h"

#include <cmath>

StreamClock::StreamClock(Now now) : now_(std::move(now)) {}

void StreamClock::reset(GraphTime position) {
    origin_ = position;
    running_ = false;
}

void StreamClock::start(double rate) {
    if (running_) {
        origin_ = this->position();
    }
    since_ = now_();
    rate_ = rate;
    running_ = true;
}

void StreamClock::stop() {
    origin_ = position();
    running_ = false;
}

GraphTime StreamClock::position() const {
    if (!running_) {
        return origin_;
    }
    const auto elapsed = std::chrono::duration_cast<std::chrono::nanoseconds>(now_() - since_);
    return origin_ + static_cast<GraphTime>(std::llround(elapsed.count() / 100.0 * rate_));
}
