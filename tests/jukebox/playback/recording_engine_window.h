#pragma once

#include <QImage>
#include <QObject>
#include <QRect>
#include <QStringList>
#include <functional>

#include "jukebox/playback/media_engine_window.h"
#include "jukebox/playback/video_output_owner.h"

class MediaEngine;

// The video window as the engine and the graph see it, for tests: it records what
// it is asked to do, keeps the frames it is given, and hands graph events to the
// engine as the real window does.
class RecordingEngineWindow : public QObject, public MediaEngineWindow, public VideoOutputOwner {
public:
    void setEngine(MediaEngine* engine) { engine_ = engine; }

    void showWithFade() override { calls.append(QStringLiteral("showWithFade")); }
    void hideWithFade() override { calls.append(QStringLiteral("hideWithFade")); }
    QObject* graphEventTarget() override { return this; }
    VideoOutputOwner* videoOutputOwner() override { return this; }
    void videoOutputBound(bool firstOpen) override;
    void fullScreenLost() override { calls.append(QStringLiteral("fullScreenLost")); }
    void refreshFilters() override { calls.append(QStringLiteral("refreshFilters")); }
    void durationChanged(int durationMs) override;
    void openFinished(bool opened) override;

    void presentFrame(const QImage& frame) override;
    void placeOutput(const QRect& rect) override {
        outputRect = rect;
        if (placing) {
            placing(rect);
        }
    }
    void setOutputFullScreen(bool on) override { outputFullScreen = on; }
    quintptr outputWindowHandle() override { return nativeWindow; }
    void setOutputDrawsItself(bool on) override;

    bool event(QEvent* event) override;

    QStringList calls;
    int frameCount = 0;
    QImage lastFrame;
    QRect outputRect;
    bool outputFullScreen = false;
    quintptr nativeWindow = 0;  // what the window offers a sink to draw into
    // Runs while the output is placed, as the real window's wait for the window
    // system runs its events (a resize among them may place the output anew).
    std::function<void(const QRect&)> placing;
    bool outputDrawsItself = false;
    int graphNotices = 0;

private:
    MediaEngine* engine_ = nullptr;
};
