#include "jukebox/shell/engine_host.h"

#include <QEvent>

#include "jukebox/playback/media_engine.h"
#include "jukebox/playback/media_graph.h"

void EngineHost::showWithFade() {
    if (video_ != nullptr) {
        video_->showWithFade();
    }
}

void EngineHost::hideWithFade() {
    if (video_ != nullptr) {
        video_->hideWithFade();
    }
}

VideoOutputOwner* EngineHost::videoOutputOwner() {
    return video_ != nullptr ? video_->videoOutputOwner() : nullptr;
}

void EngineHost::videoOutputBound(bool firstOpen) {
    if (video_ != nullptr) {
        video_->videoOutputBound(firstOpen);
    }
}

void EngineHost::fullScreenLost() {
    if (video_ != nullptr) {
        video_->fullScreenLost();
    }
}

void EngineHost::durationChanged(int durationMs) {
    if (durationListener_) {
        durationListener_(durationMs);
    }
}

void EngineHost::openFinished(bool opened) {
    if (openFinishedListener_) {
        openFinishedListener_(opened);
    }
}

void EngineHost::refreshFilters() {
    if (filtersListener_) {
        filtersListener_();
    }
}

bool EngineHost::event(QEvent* event) {
    if (event->type() == kGraphEventType) {
        if (engine_ != nullptr) {
            engine_->OnGraphEvent();
        }
        return true;
    }
    return QObject::event(event);
}
