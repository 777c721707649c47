#include "jukebox/playback/gst_stream_time.h"

#include <gst/gst.h>

#include <algorithm>
#include <cmath>

#include "taglib/mpeg_frame_scan.h"

namespace {

constexpr gint64 kNsPerGraphUnit = 100;

}  // namespace

GstStreamTime::GstStreamTime(StreamClock::Now now) : clock_(std::move(now)) {}

void GstStreamTime::cued(GstElement* pipeline, const QByteArray& localFile) {
    forget();
    pipeline_ = pipeline;
    MpegStreamLength length;
    if (!localFile.isEmpty() &&
        MpegFrameScan::scanFile(std::string_view(localFile.constData(), localFile.size()),
                                length)) {
        counted_ = std::llround(length.durationMs * kGraphUnitsPerMs);
    }
    GraphTime position = 0;
    ownClock_ = !pipelinePosition(position);
}

void GstStreamTime::forget() {
    pipeline_ = nullptr;
    counted_ = -1;
    ownClock_ = false;
    clock_.reset();
    endLatched_ = false;
}

bool GstStreamTime::pipelinePosition(GraphTime& position) const {
    gint64 value = -1;
    if (pipeline_ == nullptr || !gst_element_query_position(pipeline_, GST_FORMAT_TIME, &value) ||
        value < 0) {
        return false;
    }
    position = value / kNsPerGraphUnit;
    return true;
}

bool GstStreamTime::pipelineDuration(GraphTime& duration) const {
    gint64 value = -1;
    if (pipeline_ == nullptr || !gst_element_query_duration(pipeline_, GST_FORMAT_TIME, &value) ||
        value < 0) {
        return false;
    }
    duration = value / kNsPerGraphUnit;
    return true;
}

// From the size and the bit rate the pipeline read in the stream's tags.
bool GstStreamTime::estimateDuration(GraphTime& duration) const {
    gint64 bytes = -1;
    if (pipeline_ == nullptr || !gst_element_query_duration(pipeline_, GST_FORMAT_BYTES, &bytes) ||
        bytes <= 0) {
        return false;
    }
    GstTagList* tags = nullptr;
    g_signal_emit_by_name(pipeline_, "get-audio-tags", 0, &tags);
    if (tags == nullptr) {
        return false;
    }
    guint bitrate = 0;
    if (!gst_tag_list_get_uint(tags, GST_TAG_BITRATE, &bitrate) || bitrate == 0) {
        gst_tag_list_get_uint(tags, GST_TAG_NOMINAL_BITRATE, &bitrate);
    }
    gst_tag_list_unref(tags);
    if (bitrate == 0) {
        return false;
    }
    duration = static_cast<GraphTime>(
        gst_util_uint64_scale(static_cast<guint64>(bytes), 8 * GST_SECOND, bitrate) /
        kNsPerGraphUnit);
    return true;
}

bool GstStreamTime::duration(GraphTime& duration) {
    if (endLatched_) {
        duration = endPosition_;
        return true;
    }
    if (counted_ >= 0) {
        duration = counted_;
        return true;
    }
    return pipelineDuration(duration) || estimateDuration(duration);
}

GraphTime GstStreamTime::ownPosition() {
    GraphTime position = clock_.position();
    GraphTime end = 0;
    if (duration(end) && position >= end) {
        position = end;
    }
    return position;
}

void GstStreamTime::latchEnd(GraphTime end) {
    endLatched_ = true;
    endPosition_ = end;
}

bool GstStreamTime::position(GraphTime& position) {
    if (endLatched_) {
        position = endPosition_;
        return true;
    }
    if (!ownClock_) {
        return pipelinePosition(position);
    }
    position = ownPosition();
    GraphTime end = 0;
    if (duration(end) && position >= end) {
        latchEnd(end);
    }
    return true;
}

void GstStreamTime::endOfStream() {
    GraphTime position = -1;
    if (ownClock_) {
        position = ownPosition();
    } else {
        pipelinePosition(position);
    }
    GraphTime end = -1;
    duration(end);
    end = std::max(position, end);
    if (end >= 0) {
        latchEnd(end);
    }
}

void GstStreamTime::started(double rate) {
    clock_.start(rate);
}

void GstStreamTime::paused() {
    clock_.stop();
}

void GstStreamTime::moved(GraphTime position, double rate) {
    endLatched_ = false;
    if (clock_.running()) {
        clock_.reset(position);
        clock_.start(rate);
    } else {
        clock_.reset(position);
    }
}
