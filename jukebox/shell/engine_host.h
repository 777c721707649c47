#pragma once

#include <QObject>
#include <functional>
#include <utility>

#include "jukebox/playback/media_engine_window.h"

class MediaEngine;

// What the media engine needs of a video window, while the jukebox has none:
// the graph's events reach the engine, a better duration reaches whoever shows
// it, and a video file plays its sound only (no picture is painted anywhere).
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

    void showWithFade() override {}
    void hideWithFade() override {}
    QObject* graphEventTarget() override { return this; }
    VideoOutputOwner* videoOutputOwner() override { return nullptr; }
    void videoOutputBound(bool) override {}
    void fullScreenLost() override {}
    void refreshFilters() override;
    void durationChanged(int durationMs) override;

    bool event(QEvent* event) override;

private:
    MediaEngine* engine_ = nullptr;
    std::function<void(int)> durationListener_;
    std::function<void()> filtersListener_;
};
