#include "jukebox/playback/gst_video_output.h"

#include <gst/app/gstappsink.h>
#include <gst/gst.h>
#include <gst/video/video.h>
#include <gst/video/videooverlay.h>

#include <QSet>

#include "jukebox/playback/gst_picture_convert.h"
#include "jukebox/playback/video_output_owner.h"
#include "jukebox/playback/video_sink_choice.h"

struct GstVideoOutput::Callbacks {
    static GstFlowReturn newSample(GstAppSink* sink, gpointer self) {
        if (GstSample* sample = gst_app_sink_pull_sample(sink)) {
            static_cast<GstVideoOutput*>(self)->takeFrame(sample);
            gst_sample_unref(sample);
        }
        return GST_FLOW_OK;
    }
    static GstPadProbeReturn inputEvent(GstPad*, GstPadProbeInfo* info, gpointer self) {
        GstEvent* event = GST_PAD_PROBE_INFO_EVENT(info);
        if (event != nullptr && GST_EVENT_TYPE(event) == GST_EVENT_CAPS) {
            GstCaps* caps = nullptr;
            gst_event_parse_caps(event, &caps);
            if (caps != nullptr) {
                static_cast<GstVideoOutput*>(self)->takeInputCaps(caps);
            }
        }
        return GST_PAD_PROBE_OK;
    }
    // The cued picture, and after a seek in pause the picture at the new position.
    static GstFlowReturn newPreroll(GstAppSink* sink, gpointer self) {
        if (GstSample* sample = gst_app_sink_pull_preroll(sink)) {
            static_cast<GstVideoOutput*>(self)->takeFrame(sample);
            gst_sample_unref(sample);
        }
        return GST_FLOW_OK;
    }
};

namespace {

// Sinks that could not start on a display (no XVideo adaptor, no GL), by sink
// and display: they are not tried again there.
QSet<QString>& sinksThatFailed() {
    static QSet<QString> failed;
    return failed;
}

QString onDisplay(const QString& sink) {
    return sink + u'@' + qEnvironmentVariable("DISPLAY");
}

// The sink, a reference of our own, when it reaches READY (it opens the display
// there); null when it is not installed or cannot start here.
GstElement* startableSink(const QString& name) {
    if (sinksThatFailed().contains(onDisplay(name))) {
        return nullptr;
    }
    GstElement* sink = gst_element_factory_make(name.toUtf8().constData(), "videosink");
    if (sink == nullptr) {
        sinksThatFailed().insert(onDisplay(name));
        return nullptr;
    }
    gst_object_ref_sink(sink);
    const bool started = gst_element_set_state(sink, GST_STATE_READY) != GST_STATE_CHANGE_FAILURE;
    gst_element_set_state(sink, GST_STATE_NULL);
    if (!started) {
        sinksThatFailed().insert(onDisplay(name));
        gst_object_unref(sink);
        return nullptr;
    }
    return sink;
}

template <typename T>
void dropReference(T*& object) {
    if (object != nullptr) {
        gst_object_unref(object);
        object = nullptr;
    }
}

bool hasProperty(GstElement* element, const char* name) {
    return g_object_class_find_property(G_OBJECT_GET_CLASS(element), name) != nullptr;
}

// converter ! picture converter ! capsfilter ! sink in one bin (floating), for
// a sink that cannot scale: each frame is written once, at the picture's size,
// straight into the sink's shared-memory buffers. The general converter only
// scales (common video stays in its 4:2:0 format, and passes untouched at the
// video's own size) and brings other formats to one the picture converter takes;
// that one makes the BGRx the sink shows, at a fraction of the general
// converter's cost. Without it the general converter does all. Null when the
// converter is missing.
GstElement* scalingBin(GstElement* sink, GstElement*& capsFilter, GstPad*& input) {
    GstElement* convert = gst_element_factory_make("videoconvertscale", nullptr);
    GstElement* picture = GstPictureConvert::Register()
                              ? gst_element_factory_make(GstPictureConvert::kFactory, nullptr)
                              : nullptr;
    GstElement* caps = gst_element_factory_make("capsfilter", "picturesize");
    if (convert == nullptr || caps == nullptr) {
        for (GstElement* element : {convert, picture, caps}) {
            if (element != nullptr) {
                gst_object_unref(gst_object_ref_sink(element));
            }
        }
        return nullptr;
    }
    // A new size is set from the window's thread while a frame of the old one
    // may be on its way: the filter lets that through until the converters
    // have taken the new size, where it would otherwise stop the stream.
    gst_util_set_object_arg(G_OBJECT(caps), "caps-change-mode", "delayed");
    GstElement* bin = gst_bin_new("videooutput");
    gst_bin_add_many(GST_BIN(bin), convert, caps, sink, nullptr);
    bool linked = false;
    if (picture != nullptr) {
        gst_bin_add(GST_BIN(bin), picture);
        linked = gst_element_link_many(convert, picture, caps, sink, nullptr);
    } else {
        linked = gst_element_link_many(convert, caps, sink, nullptr);
    }
    if (!linked) {
        gst_object_unref(gst_object_ref_sink(bin));
        return nullptr;
    }
    input = gst_element_get_static_pad(convert, "sink");
    gst_element_add_pad(bin, gst_ghost_pad_new("sink", input));
    capsFilter = GST_ELEMENT(gst_object_ref(caps));
    return bin;
}

}  // namespace

GstElement* GstVideoOutput::makeSink() {
    GstElement* sink = gst_element_factory_make("appsink", "videosink");
    if (sink == nullptr) {
        return nullptr;
    }
    // BGRx is QImage's RGB32 on little-endian machines; two frames at most wait.
    GstCaps* caps = gst_caps_from_string("video/x-raw,format=BGRx");
    g_object_set(sink, "caps", caps, "max-buffers", 2u, "drop", TRUE, nullptr);
    gst_caps_unref(caps);
    GstAppSinkCallbacks callbacks{};
    callbacks.new_sample = &Callbacks::newSample;
    callbacks.new_preroll = &Callbacks::newPreroll;
    gst_app_sink_set_callbacks(GST_APP_SINK_CAST(sink), &callbacks, this, nullptr);
    dropReference(sink_);
    sink_ = GST_ELEMENT(gst_object_ref(sink));
    sinkName_ = VideoSinkChoice::kAppSink;
    return sink;
}

GstElement* GstVideoOutput::makeWindowSink(VideoOutputOwner* owner, quintptr handle,
                                           const QString& wanted) {
    if (owner == nullptr || handle == 0 || windowSink_ != nullptr) {
        return nullptr;
    }
    for (const QString& name : VideoSinkChoice::Candidates(wanted, true)) {
        if (!VideoSinkChoice::DrawsIntoWindow(name)) {
            break;  // the appsink, which the graph has already
        }
        GstElement* sink = startableSink(name);
        if (sink == nullptr) {
            continue;
        }
        // The window's events are Qt's; the window asks for a redraw when it
        // is exposed or resized.
        if (hasProperty(sink, "handle-events")) {
            g_object_set(sink, "handle-events", FALSE, nullptr);
        }
        if (hasProperty(sink, "force-aspect-ratio")) {
            g_object_set(sink, "force-aspect-ratio", TRUE, nullptr);
        }
        gst_video_overlay_set_window_handle(GST_VIDEO_OVERLAY(sink), handle);
        GstElement* element = sink;
        GstElement* caps = nullptr;
        GstPad* input = nullptr;
        if (!VideoSinkChoice::ScalesItself(name)) {
            element = scalingBin(sink, caps, input);
            if (element == nullptr) {
                gst_object_unref(sink);
                continue;
            }
        }
        dropReference(sink_);
        sink_ = GST_ELEMENT(gst_object_ref(sink));
        sinkName_ = name;
        windowSink_ = sink;  // our own reference
        windowOwner_ = owner;
        scaleCaps_ = caps;
        if (input != nullptr) {
            gst_pad_add_probe(input, GST_PAD_PROBE_TYPE_EVENT_DOWNSTREAM, &Callbacks::inputEvent,
                              this, nullptr);
            gst_object_unref(input);
        }
        return element;
    }
    return nullptr;
}

void GstVideoOutput::reset() {
    owner_ = nullptr;
    visible_ = false;
    fullScreen_ = false;
    rect_ = QRect();
    dropReference(sink_);
    dropReference(windowSink_);
    sinkName_.clear();
    windowOwner_ = nullptr;
    {
        std::lock_guard lock(scaleMutex_);
        dropReference(scaleCaps_);
        scaleInput_ = scaleArea_ = scaledTo_ = QSize();
        rescaled_ = false;
    }
    toldDrawing_ = false;
    painted_ = 0;
    replaced_ = 0;
    keptRendered_ = keptDropped_ = 0;
    droppedUpstream_ = 0;
    std::lock_guard lock(mutex_);
    pending_ = QImage();
}

void GstVideoOutput::setOwner(VideoOutputOwner* owner) {
    VideoOutputOwner* before = owner_;
    owner_ = owner;
    followDrawing();
    if (before != nullptr && before != owner) {
        before->dropPicture();
    }
}

void GstVideoOutput::setVisible(bool visible) {
    visible_ = visible;
    followDrawing();
    if (!visible && owner_ != nullptr) {
        owner_->dropPicture();
    }
}

void GstVideoOutput::followDrawing() {
    const bool drawing = drawsItself() && visible_ && owner_ != nullptr && owner_ == windowOwner_;
    if (drawing == toldDrawing_) {
        return;
    }
    toldDrawing_ = drawing;
    windowOwner_->setOutputDrawsItself(drawing);
}

bool GstVideoOutput::setFullScreen(bool on) {
    if (owner_ == nullptr) {
        return false;
    }
    fullScreen_ = on;
    owner_->setOutputFullScreen(on);
    return true;
}

bool GstVideoOutput::place(const QRect& rect) {
    if (owner_ == nullptr) {
        return false;
    }
    rect_ = rect;
    owner_->placeOutput(rect);
    // Placing waits for the window system and runs the window's events meanwhile:
    // a resize among them (the window going full screen) places the output anew,
    // and this older area must not undo that newer one's picture size.
    if (rect_ != rect) {
        return true;
    }
    if (toldDrawing_) {
        scaleFor(rect.size());
        // The window's size is the sink's to read now: the last picture is
        // drawn again, centred, with fresh black bars.
        gst_video_overlay_expose(GST_VIDEO_OVERLAY(windowSink_));
    }
    return true;
}

void GstVideoOutput::scaleFor(QSize area) {
    std::lock_guard lock(scaleMutex_);
    scaleArea_ = area;
    // The cued picture was made before the window was placed: a new size
    // reaches a paused picture only with a frame decoded anew.
    rescaled_ = applyScale() || rescaled_;
}

// With scaleMutex_ held: the caps filter asks for the picture's size in the
// window (the video's own size before the window is known). True when it changed.
bool GstVideoOutput::applyScale() {
    if (scaleCaps_ == nullptr || scaleInput_.isEmpty()) {
        return false;
    }
    const QSize area = scaleArea_.isEmpty() ? scaleInput_ : scaleArea_;
    const QSize size = VideoSinkChoice::PictureSizeIn(scaleInput_, scaleParN_, scaleParD_, area);
    if (size.isEmpty() || size == scaledTo_) {
        return false;
    }
    scaledTo_ = size;
    GstCaps* caps =
        gst_caps_new_simple("video/x-raw", "width", G_TYPE_INT, size.width(), "height", G_TYPE_INT,
                            size.height(), "pixel-aspect-ratio", GST_TYPE_FRACTION, 1, 1, nullptr);
    g_object_set(scaleCaps_, "caps", caps, nullptr);
    gst_caps_unref(caps);
    return true;
}

// On the streaming thread, before the converter takes the decoded format: the
// picture's size is set before the first frame is made, so that the sink never
// asks for frames of its window's shape.
void GstVideoOutput::takeInputCaps(GstCaps* caps) {
    GstVideoInfo info;
    if (!gst_video_info_from_caps(&info, caps)) {
        return;
    }
    std::lock_guard lock(scaleMutex_);
    scaleInput_ = QSize(GST_VIDEO_INFO_WIDTH(&info), GST_VIDEO_INFO_HEIGHT(&info));
    scaleParN_ = GST_VIDEO_INFO_PAR_N(&info);
    scaleParD_ = GST_VIDEO_INFO_PAR_D(&info);
    applyScale();
}

bool GstVideoOutput::loseFullScreen() {
    const bool was = fullScreen_;
    fullScreen_ = false;
    return was;
}

namespace {

// The sink's own counts since its last flush.
void sinkCounts(GstElement* sink, guint64& rendered, guint64& dropped) {
    rendered = dropped = 0;
    if (sink == nullptr) {
        return;
    }
    GstStructure* stats = nullptr;
    g_object_get(sink, "stats", &stats, nullptr);
    if (stats != nullptr) {
        gst_structure_get_uint64(stats, "rendered", &rendered);
        gst_structure_get_uint64(stats, "dropped", &dropped);
        gst_structure_free(stats);
    }
}

}  // namespace

void GstVideoOutput::keepSinkCounts() {
    guint64 rendered = 0;
    guint64 dropped = 0;
    sinkCounts(sink_, rendered, dropped);
    keptRendered_ += rendered;
    keptDropped_ += dropped;
}

VideoStatistics GstVideoOutput::statistics() const {
    VideoStatistics statistics;
    statistics.sink = sinkName_;
    guint64 rendered = 0;
    guint64 dropped = 0;
    sinkCounts(sink_, rendered, dropped);
    dropped += keptDropped_ + droppedUpstream_;
    if (windowSink_ != nullptr) {
        statistics.shown = rendered + keptRendered_;
        statistics.dropped = dropped;
    } else {
        // The appsink hands on every frame; what counts is what was painted.
        statistics.shown = painted_;
        statistics.dropped = dropped + replaced_;
    }
    return statistics;
}

void GstVideoOutput::takeFrame(GstSample* sample) {
    GstVideoInfo info;
    GstCaps* caps = gst_sample_get_caps(sample);
    GstBuffer* buffer = gst_sample_get_buffer(sample);
    if (caps == nullptr || buffer == nullptr || !gst_video_info_from_caps(&info, caps)) {
        return;
    }
    // The image is the mapped buffer itself, not a copy: the buffer stays with the
    // image and goes back to the pipeline when the last copy of it is gone.
    auto* frame = new GstVideoFrame;
    if (!gst_video_frame_map(frame, &info, buffer, GST_MAP_READ)) {
        delete frame;
        return;
    }
    QImage image(
        static_cast<const uchar*>(GST_VIDEO_FRAME_PLANE_DATA(frame, 0)),
        GST_VIDEO_FRAME_WIDTH(frame), GST_VIDEO_FRAME_HEIGHT(frame),
        GST_VIDEO_FRAME_PLANE_STRIDE(frame, 0), QImage::Format_RGB32,
        [](void* mapped) {
            auto* done = static_cast<GstVideoFrame*>(mapped);
            gst_video_frame_unmap(done);
            delete done;
        },
        frame);
    bool replacing = false;
    {
        std::lock_guard lock(mutex_);
        replacing = !pending_.isNull();
        pending_ = std::move(image);
    }
    // One queued call at a time; a newer frame replaces the waiting one, which
    // counts as dropped.
    if (replacing) {
        ++replaced_;
    }
    if (!deliveryQueued_.exchange(true)) {
        QMetaObject::invokeMethod(
            &relay_, [this] { deliverFrame(); }, Qt::QueuedConnection);
    }
}

void GstVideoOutput::deliverFrame() {
    QImage frame;
    {
        std::lock_guard lock(mutex_);
        frame = std::move(pending_);
        pending_ = QImage();
        deliveryQueued_ = false;
    }
    if (!frame.isNull() && owner_ != nullptr && visible_) {
        ++painted_;
        owner_->presentFrame(frame);
    }
}
