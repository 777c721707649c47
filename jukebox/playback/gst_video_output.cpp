#include "jukebox/playback/gst_video_output.h"

#include <gst/app/gstappsink.h>
#include <gst/gst.h>
#include <gst/video/video.h>

#include "jukebox/playback/video_output_owner.h"

struct GstVideoOutput::Callbacks {
    static GstFlowReturn newSample(GstAppSink* sink, gpointer self) {
        if (GstSample* sample = gst_app_sink_pull_sample(sink)) {
            static_cast<GstVideoOutput*>(self)->takeFrame(sample);
            gst_sample_unref(sample);
        }
        return GST_FLOW_OK;
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
    return sink;
}

void GstVideoOutput::reset() {
    owner_ = nullptr;
    visible_ = false;
    fullScreen_ = false;
    rect_ = QRect();
    std::lock_guard lock(mutex_);
    pending_ = QImage();
}

void GstVideoOutput::setOwner(VideoOutputOwner* owner) {
    VideoOutputOwner* before = owner_;
    owner_ = owner;
    if (before != nullptr && before != owner) {
        before->dropPicture();
    }
}

void GstVideoOutput::setVisible(bool visible) {
    visible_ = visible;
    if (!visible && owner_ != nullptr) {
        owner_->dropPicture();
    }
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
    return true;
}

bool GstVideoOutput::loseFullScreen() {
    const bool was = fullScreen_;
    fullScreen_ = false;
    return was;
}

void GstVideoOutput::takeFrame(GstSample* sample) {
    GstVideoInfo info;
    GstCaps* caps = gst_sample_get_caps(sample);
    GstBuffer* buffer = gst_sample_get_buffer(sample);
    if (caps == nullptr || buffer == nullptr || !gst_video_info_from_caps(&info, caps)) {
        return;
    }
    GstVideoFrame frame;
    if (!gst_video_frame_map(&frame, &info, buffer, GST_MAP_READ)) {
        return;
    }
    QImage image(static_cast<const uchar*>(GST_VIDEO_FRAME_PLANE_DATA(&frame, 0)),
                 GST_VIDEO_FRAME_WIDTH(&frame), GST_VIDEO_FRAME_HEIGHT(&frame),
                 GST_VIDEO_FRAME_PLANE_STRIDE(&frame, 0), QImage::Format_RGB32);
    QImage copy = image.copy();  // the buffer goes back to the pipeline below
    gst_video_frame_unmap(&frame);
    {
        std::lock_guard lock(mutex_);
        pending_ = std::move(copy);
    }
    // One queued call at a time; a newer frame simply replaces the waiting one.
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
        owner_->presentFrame(frame);
    }
}
