#pragma once

class QObject;
class VideoOutputOwner;

// What the media engine asks of the video window that owns it.
class MediaEngineWindow {
public:
    virtual ~MediaEngineWindow() = default;

    // Shows or hides the window with a 200 ms fade.
    virtual void showWithFade() = 0;
    virtual void hideWithFade() = 0;

    // The object that is told (kGraphEventType) when the graph has events, and then
    // calls MediaEngine::OnGraphEvent.
    virtual QObject* graphEventTarget() = 0;
    // The window the video output paints into.
    virtual VideoOutputOwner* videoOutputOwner() = 0;
    // The output of a video file is bound and its native size is known: the window
    // takes its first size (firstOpen) and fits the picture, or shows it full screen.
    virtual void videoOutputBound(bool firstOpen) = 0;
    // The output left full-screen mode by itself: the window goes back to windowed mode.
    virtual void fullScreenLost() = 0;

    // A new graph was opened: the filters dialog lists its filters again.
    virtual void refreshFilters() = 0;
    // The duration of the open file became known better while it played (the
    // position slider takes its range from it).
    virtual void durationChanged(int durationMs) = 0;
    // A pending open (MediaEngine::BeginOpen) ended: opened, the file is cued as
    // after OpenMedia; else it failed (a notice was shown) and the graph is empty.
    // Not called when the open was cancelled.
    virtual void openFinished(bool opened) { (void)opened; }
};
