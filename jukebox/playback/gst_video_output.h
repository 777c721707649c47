#pragma once

#include <QImage>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QString>
#include <atomic>
#include <mutex>
#include <utility>

#include "jukebox/playback/media_graph.h"

class VideoOutputOwner;
typedef struct _GstElement GstElement;
typedef struct _GstCaps GstCaps;
typedef struct _GstSample GstSample;

// The video output of a GStreamer graph, and the window state the engine gives
// it (shown or hidden, full screen, where the picture goes). The picture either
// reaches the owner as frames from an appsink, painted on the user-interface
// thread, or a sink draws it into the owner's native window itself (see
// VideoSinkChoice); the window then only places that sink.
class GstVideoOutput {
public:
    GstVideoOutput() = default;
    GstVideoOutput(const GstVideoOutput&) = delete;
    GstVideoOutput& operator=(const GstVideoOutput&) = delete;

    // A new appsink (a floating reference) that feeds this output, or null when the
    // element is not installed. Playbin takes it as its video sink.
    GstElement* makeSink();
    // A sink for playbin that draws into the native window handle, the
    // first of the candidates that starts on this display (wanted as for
    // VideoSinkChoice::Candidates), or null when none does; the appsink stays then.
    // owner is the window the handle belongs to.
    GstElement* makeWindowSink(VideoOutputOwner* owner, quintptr handle, const QString& wanted);
    // Whether the window sink comes with its own converter and scaler, so that
    // playbin need not put its own in front (which would scale to the window's
    // shape, not the picture's).
    bool convertsItself() const { return scaleCaps_ != nullptr; }
    // Forgets the owner, its settings, the sinks and any frame on its way: the graph
    // is gone and its streaming threads have ended.
    void reset();

    VideoOutputOwner* owner() const { return owner_; }
    // An owner let go of, and one the output is hidden in, lose the picture.
    void setOwner(VideoOutputOwner* owner);
    void setVisible(bool visible);
    bool fullScreen() const { return fullScreen_; }
    // These need an owner; false without one.
    bool setFullScreen(bool on);
    bool place(const QRect& rect);
    // Whether the picture's size changed since last asked: a paused sink shows
    // the new size only with a frame decoded anew.
    bool takeRescaled() {
        std::lock_guard lock(scaleMutex_);
        return std::exchange(rescaled_, false);
    }
    // The owner says full-screen mode ended by itself; true when it was on.
    bool loseFullScreen();

    // The frames shown and dropped since the sink was made.
    VideoStatistics statistics() const;
    // A flush (a seek, a restart) sets the sink's own counts back to zero: they
    // are kept before it.
    void keepSinkCounts();
    // An element before the sink dropped a frame to catch up (a QoS message);
    // on a streaming thread.
    void droppedUpstream() { ++droppedUpstream_; }
    // Whether element is the sink in use (its own drops are in its counts).
    bool isSink(const void* element) const { return element != nullptr && element == sink_; }

private:
    struct Callbacks;
    // On a streaming thread: keeps the newest frame and asks for its delivery.
    void takeFrame(GstSample* sample);
    void deliverFrame();
    bool drawsItself() const { return windowSink_ != nullptr; }
    // Tells the owner whether the sink draws into its window now.
    void followDrawing();
    // A sink that does not scale gets frames of the picture's size in area.
    void scaleFor(QSize area);
    bool applyScale();
    void takeInputCaps(GstCaps* caps);

    VideoOutputOwner* owner_ = nullptr;
    bool visible_ = false;
    bool fullScreen_ = false;
    QRect rect_;

    // The sink in use (appsink or window sink) and its name, for the statistics.
    GstElement* sink_ = nullptr;
    QString sinkName_;
    // A sink that draws into a window: the window's owner, and the caps filter in
    // front of a sink that cannot scale (null for one that can).
    GstElement* windowSink_ = nullptr;
    VideoOutputOwner* windowOwner_ = nullptr;
    // The scaling is reached from the streaming thread too (the decoded format
    // arrives there): guarded by scaleMutex_, with the decoded size and pixel
    // shape, the window's area and the size asked for.
    std::mutex scaleMutex_;
    GstElement* scaleCaps_ = nullptr;
    QSize scaleInput_;
    int scaleParN_ = 1;
    int scaleParD_ = 1;
    QSize scaleArea_;
    QSize scaledTo_;
    bool rescaled_ = false;
    bool toldDrawing_ = false;

    std::mutex mutex_;
    QImage pending_;
    std::atomic<bool> deliveryQueued_{false};
    // Painted frames, and those a newer one replaced before they were painted.
    std::atomic<quint64> painted_{0};
    std::atomic<quint64> replaced_{0};
    // The sink's counts before its last flush (kept on the user-interface
    // thread), and the frames elements before it dropped (streaming threads).
    quint64 keptRendered_ = 0;
    quint64 keptDropped_ = 0;
    std::atomic<quint64> droppedUpstream_{0};
    // Frames reach the user-interface thread as queued calls on this object.
    QObject relay_;
};
