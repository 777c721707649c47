#pragma once

#include <QObject>
#include <functional>
#include <utility>

#include "jukebox/playback/media_engine_window.h"

class MediaEngine;

// Where the media engine's news go: the graph's events reach the engine, a
// better duration reaches whoever shows it, and the video part goes to the video
// window once there is one (before that a video file plays its sound only).
class EngineHost : public QObject, public MediaEngineWindow {
    Q_OBJECT
public:
    explicit EngineHost(QObject* parent = nullptr) : QObject(parent) {}

    void setEngine(MediaEngine* engine) { engine_ = engine; }
    void setDurationListener(std::function<void(int)> listener) {
        durationListener_ = std::move(listener);
    }
    void setFiltersListener(std::function<void()> listener) {
        filtersListener_ = std::move(listener);
    }
    // Told when an open the engine began without waiting (an address) has ended.
    void setOpenFinishedListener(std::function<void(bool)> listener) {
        openFinishedListener_ = std::move(listener);
    }

    void setVideoWindow(MediaEngineWindow* video) { video_ = video; }

    void showWithFade() override;
    void hideWithFade() override;
    QObject* graphEventTarget() override { return this; }
    VideoOutputOwner* videoOutputOwner() override;
    void videoOutputBound(bool firstOpen) override;
    void fullScreenLost() override;
    void refreshFilters() override;
    void durationChanged(int durationMs) override;
    void openFinished(bool opened) override;

    bool event(QEvent* event) override;

private:
    MediaEngine* engine_ = nullptr;
    MediaEngineWindow* video_ = nullptr;
    std::function<void(int)> durationListener_;
    std::function<void()> filtersListener_;
    std::function<void(bool)> openFinishedListener_;
};
