#pragma once

#include <QImage>
#include <QObject>
#include <QRect>
#include <atomic>
#include <mutex>

class VideoOutputOwner;
typedef struct _GstElement GstElement;
typedef struct _GstSample GstSample;

// The video output of a GStreamer graph: an appsink whose decoded frames reach the
// owner on the user-interface thread, and the window state the engine gives the
// output (shown or hidden, full screen, where the picture goes).
class GstVideoOutput {
public:
    GstVideoOutput() = default;
    GstVideoOutput(const GstVideoOutput&) = delete;
    GstVideoOutput& operator=(const GstVideoOutput&) = delete;

    // A new appsink (a floating reference) that feeds this output, or null when the
    // element is not installed. Playbin takes it as its video sink.
    GstElement* makeSink();
    // Forgets the owner, its settings and any frame on its way: the graph is gone and
    // its streaming threads have ended.
    void reset();

    VideoOutputOwner* owner() const { return owner_; }
    // An owner let go of, and one the output is hidden in, lose the picture.
    void setOwner(VideoOutputOwner* owner);
    void setVisible(bool visible);
    bool fullScreen() const { return fullScreen_; }
    // These need an owner; false without one.
    bool setFullScreen(bool on);
    bool place(const QRect& rect);
    // The owner says full-screen mode ended by itself; true when it was on.
    bool loseFullScreen();

private:
    struct Callbacks;
    // On a streaming thread: keeps the newest frame and asks for its delivery.
    void takeFrame(GstSample* sample);
    void deliverFrame();

    VideoOutputOwner* owner_ = nullptr;
    bool visible_ = false;
    bool fullScreen_ = false;
    QRect rect_;

    std::mutex mutex_;
    QImage pending_;
    std::atomic<bool> deliveryQueued_{false};
    // Frames reach the user-interface thread as queued calls on this object.
    QObject relay_;
};
