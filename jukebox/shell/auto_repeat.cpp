#include "jukebox/shell/auto_repeat.h"

void AutoRepeat::press() {
    held_ = true;
    clickPending_ = true;
    if (enabled_) {
        firstRunning_ = true;
    }
}

bool AutoRepeat::release() {
    held_ = false;
    repeatRunning_ = false;
    firstRunning_ = false;
    const bool click = clickPending_;
    clickPending_ = false;
    return click;
}

void AutoRepeat::cancel() {
    held_ = false;
    clickPending_ = false;
    firstRunning_ = false;
    repeatRunning_ = false;
}

void AutoRepeat::firstTimeout() {
    if (!firstRunning_) {
        return;
    }
    firstRunning_ = false;
    clickPending_ = false;
    repeatRunning_ = true;
}
