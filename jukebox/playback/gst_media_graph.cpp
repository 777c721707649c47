#include "jukebox/playback/gst_media_graph.h"

#include <gst/app/gstappsink.h>
#include <gst/gst.h>
#include <gst/video/video.h>

#include <QCoreApplication>
#include <QFile>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>

#include "jukebox/playback/gst_filter_inspector.h"
#include "jukebox/playback/video_output_owner.h"

namespace {

constexpr int kMaxErrorText = 160;
constexpr int kSettleSliceMs = 20;
constexpr int kErrorGraceMs = 500;

GraphResult frameworkCode(const GError* error) {
    int domain = 5;
    if (error->domain == GST_CORE_ERROR) {
        domain = 1;
    } else if (error->domain == GST_LIBRARY_ERROR) {
        domain = 2;
    } else if (error->domain == GST_RESOURCE_ERROR) {
        domain = 3;
    } else if (error->domain == GST_STREAM_ERROR) {
        domain = 4;
    }
    return kGraphFrameworkErrorBase | (domain << 8) | (error->code & 0xFF);
}

bool ensureInitialised(QString& error) {
    if (gst_is_initialized()) {
        return true;
    }
    GError* failure = nullptr;
    if (!gst_init_check(nullptr, nullptr, &failure)) {
        error = failure != nullptr ? QString::fromUtf8(failure->message)
                                   : QStringLiteral("The media framework cannot start");
        g_clear_error(&failure);
        return false;
    }
    return true;
}

// The audio sink named by VELORINE_AUDIO_SINK, or null to leave the choice to playbin.
GstElement* audioSinkFromEnvironment() {
    const char* description = std::getenv("VELORINE_AUDIO_SINK");
    if (description == nullptr || *description == '\0') {
        return nullptr;
    }
    GError* failure = nullptr;
    GstElement* sink = gst_parse_bin_from_description(description, TRUE, &failure);
    g_clear_error(&failure);
    return sink;
}

GstElement* makeVideoSink() {
    GstElement* sink = gst_element_factory_make("appsink", "videosink");
    if (sink == nullptr) {
        return nullptr;
    }
    GstCaps* caps = gst_caps_from_string("video/x-raw,format=BGRx");
    g_object_set(sink, "caps", caps, "max-buffers", 2u, "drop", TRUE, nullptr);
    gst_caps_unref(caps);
    return sink;
}

}  // namespace

// Entry points for GStreamer's callbacks; they run on the streaming threads.
struct GstMediaGraph::Callbacks {
    // Every message is dropped here, so none piles up on the bus; a handler that
    // drops a message owns it.
    static GstBusSyncReply busSync(GstBus*, GstMessage* message, gpointer self) {
        static_cast<GstMediaGraph*>(self)->onBusMessage(message);
        gst_message_unref(message);
        return GST_BUS_DROP;
    }
    static GstFlowReturn newSample(GstAppSink* sink, gpointer self) {
        GstSample* sample = gst_app_sink_pull_sample(sink);
        if (sample != nullptr) {
            static_cast<GstMediaGraph*>(self)->takeFrame(sample);
            gst_sample_unref(sample);
        }
        return GST_FLOW_OK;
    }
    static GstFlowReturn newPreroll(GstAppSink* sink, gpointer self) {
        GstSample* sample = gst_app_sink_pull_preroll(sink);
        if (sample != nullptr) {
            static_cast<GstMediaGraph*>(self)->takeFrame(sample);
            gst_sample_unref(sample);
        }
        return GST_FLOW_OK;
    }
};

GstMediaGraph::GstMediaGraph() = default;

GstMediaGraph::~GstMediaGraph() {
    Release();
}

GraphResult GstMediaGraph::fail(GraphResult hr, const QString& text) {
    errorTexts_.insert(hr, text.left(kMaxErrorText));
    return hr;
}

GraphResult GstMediaGraph::noGraph() {
    return fail(kGraphUnexpected, QStringLiteral("There is no graph"));
}

bool GstMediaGraph::buildPipeline() {
    pipeline_ = gst_element_factory_make("playbin", nullptr);
    if (pipeline_ == nullptr) {
        return false;
    }
    gst_object_ref_sink(pipeline_);

    GstElement* videoSink = makeVideoSink();
    if (videoSink != nullptr) {
        GstAppSinkCallbacks callbacks{};
        callbacks.new_sample = &Callbacks::newSample;
        callbacks.new_preroll = &Callbacks::newPreroll;
        gst_app_sink_set_callbacks(GST_APP_SINK_CAST(videoSink), &callbacks, this, nullptr);
        g_object_set(pipeline_, "video-sink", videoSink, nullptr);
    }
    if (GstElement* audioSink = audioSinkFromEnvironment()) {
        g_object_set(pipeline_, "audio-sink", audioSink, nullptr);
    }
    panorama_ = gst_element_factory_make("audiopanorama", "balance");
    if (panorama_ != nullptr) {
        gst_util_set_object_arg(G_OBJECT(panorama_), "method", "simple");
        g_object_set(pipeline_, "audio-filter", panorama_, nullptr);
    }

    GstBus* bus = gst_element_get_bus(pipeline_);
    gst_bus_set_sync_handler(bus, &Callbacks::busSync, this, nullptr);
    gst_object_unref(bus);
    rate_ = 1.0;
    endLatched_ = false;
    errorSeen_ = false;
    return true;
}

void GstMediaGraph::teardownPipeline() {
    if (pipeline_ == nullptr) {
        return;
    }
    // Reaching NULL joins the streaming threads, so no callback runs after this.
    gst_element_set_state(pipeline_, GST_STATE_NULL);
    GstBus* bus = gst_element_get_bus(pipeline_);
    gst_bus_set_sync_handler(bus, nullptr, nullptr, nullptr);
    gst_object_unref(bus);
    gst_object_unref(pipeline_);
    pipeline_ = nullptr;
    panorama_ = nullptr;
    {
        std::lock_guard lock(mutex_);
        for (GstMessage* message : messages_) {
            gst_message_unref(message);
        }
        messages_.clear();
    }
    {
        std::lock_guard lock(frameMutex_);
        pendingFrame_ = QImage();
    }
    events_.clear();
    endLatched_ = false;
}

GraphResult GstMediaGraph::CreateGraph() {
    Release();
    QString error;
    if (!ensureInitialised(error)) {
        return fail(kGraphFail, error);
    }
    if (!buildPipeline()) {
        return fail(kGraphFail, QStringLiteral("The playbin element is not installed"));
    }
    return kGraphOk;
}

void GstMediaGraph::Release() {
    teardownPipeline();
    std::lock_guard lock(mutex_);
    target_ = nullptr;
    owner_ = nullptr;
    outputVisible_ = false;
    fullScreen_ = false;
}

GraphResult GstMediaGraph::QueryInterface(GraphInterface) {
    return pipeline_ != nullptr ? kGraphOk
                                : fail(kGraphNoInterface, QStringLiteral("There is no graph"));
}

GraphResult GstMediaGraph::RenderFile(const QString& path) {
    if (pipeline_ == nullptr) {
        return noGraph();
    }
    GError* failure = nullptr;
    gchar* uri = gst_filename_to_uri(QFile::encodeName(path).constData(), &failure);
    if (uri == nullptr) {
        QString text = failure != nullptr ? QString::fromUtf8(failure->message) : QString();
        g_clear_error(&failure);
        return fail(kGraphInvalidArg, text);
    }
    g_object_set(pipeline_, "uri", uri, nullptr);
    g_free(uri);
    GraphResult hr = changeState(GST_STATE_PAUSED);
    if (GraphSucceeded(hr)) {
        hr = waitSettled(kSettleTimeoutMs);
    }
    processMessages();
    if (GraphFailed(hr)) {
        // What is left is an empty graph, as after CreateGraph, with no thread running.
        QObject* target = nullptr;
        {
            std::lock_guard lock(mutex_);
            target = target_;
        }
        teardownPipeline();
        buildPipeline();
        std::lock_guard lock(mutex_);
        target_ = target;
    }
    return hr;
}

// Returns the error the pipeline reported if there is one, else hr.
GraphResult GstMediaGraph::changeState(int state) {
    if (pipeline_ == nullptr) {
        return noGraph();
    }
    errorSeen_ = false;
    streamError_ = kGraphOk;
    if (gst_element_set_state(pipeline_, static_cast<GstState>(state)) ==
        GST_STATE_CHANGE_FAILURE) {
        return stateChangeFailure();
    }
    return kGraphOk;
}

// The element that failed posts its error from its own thread, at times just after
// the state change has failed: wait a little for it, since it says what went wrong.
GraphResult GstMediaGraph::stateChangeFailure() {
    {
        std::unique_lock lock(mutex_);
        errorArrived_.wait_for(lock, std::chrono::milliseconds(kErrorGraceMs),
                               [this] { return errorSeen_.load(); });
    }
    processMessages();
    return GraphFailed(streamError_)
               ? streamError_
               : fail(kGraphFail, QStringLiteral("The graph cannot change its state"));
}

GraphResult GstMediaGraph::waitSettled(int timeoutMs) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        GstStateChangeReturn state = gst_element_get_state(
            pipeline_, nullptr, nullptr, static_cast<GstClockTime>(kSettleSliceMs) * GST_MSECOND);
        if (state == GST_STATE_CHANGE_SUCCESS || state == GST_STATE_CHANGE_NO_PREROLL) {
            return kGraphOk;
        }
        // A streaming error leaves the change pending; it shows only on the bus.
        if (state == GST_STATE_CHANGE_FAILURE || errorSeen_) {
            return stateChangeFailure();
        }
        if (Clock::now() >= deadline) {
            return fail(kGraphAbort, QStringLiteral("The graph did not get ready in time"));
        }
    }
}

GraphResult GstMediaGraph::GetEventHandle() {
    return pipeline_ != nullptr ? kGraphOk : noGraph();
}

GraphResult GstMediaGraph::SetNotifyWindow(QObject* target) {
    if (pipeline_ == nullptr) {
        return noGraph();
    }
    std::lock_guard lock(mutex_);
    target_ = target;
    return kGraphOk;
}

void GstMediaGraph::onBusMessage(GstMessage* message) {
    const bool error = GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR;
    switch (GST_MESSAGE_TYPE(message)) {
        case GST_MESSAGE_ERROR:
        case GST_MESSAGE_EOS:
        case GST_MESSAGE_DURATION_CHANGED:
        case GST_MESSAGE_BUFFERING:
            break;
        default:
            return;  // nothing the engine or the window acts on
    }
    std::lock_guard lock(mutex_);
    messages_.push_back(gst_message_ref(message));
    if (error) {
        errorSeen_ = true;
        errorArrived_.notify_all();
    }
    if (target_ != nullptr) {
        QCoreApplication::postEvent(target_, new QEvent(kGraphEventType));
    }
}

void GstMediaGraph::postNotice() {
    std::lock_guard lock(mutex_);
    if (target_ != nullptr) {
        QCoreApplication::postEvent(target_, new QEvent(kGraphEventType));
    }
}

void GstMediaGraph::processMessages() {
    std::deque<GstMessage*> taken;
    {
        std::lock_guard lock(mutex_);
        taken.swap(messages_);
    }
    for (GstMessage* message : taken) {
        handleMessage(message);
        gst_message_unref(message);
    }
}

void GstMediaGraph::handleMessage(GstMessage* message) {
    switch (GST_MESSAGE_TYPE(message)) {
        case GST_MESSAGE_ERROR: {
            GError* error = nullptr;
            gst_message_parse_error(message, &error, nullptr);
            GraphResult code = fail(frameworkCode(error), QString::fromUtf8(error->message));
            // The first error says what went wrong; the ones after it follow from it.
            if (GraphSucceeded(streamError_)) {
                streamError_ = code;
            }
            g_clear_error(&error);
            events_.push_back({kEventErrorAbort, code, 0});
            break;
        }
        case GST_MESSAGE_EOS: {
            gint64 position = -1;
            gint64 duration = -1;
            if (pipeline_ != nullptr) {
                gst_element_query_position(pipeline_, GST_FORMAT_TIME, &position);
                gst_element_query_duration(pipeline_, GST_FORMAT_TIME, &duration);
            }
            gint64 end = std::max(position, duration);
            if (end >= 0) {
                endLatched_ = true;
                endPosition_ = end / 100;
            }
            events_.push_back({kEventComplete, 0, 0});
            break;
        }
        case GST_MESSAGE_DURATION_CHANGED:
            events_.push_back({kEventLengthChanged, 0, 0});
            break;
        case GST_MESSAGE_BUFFERING: {
            gint percent = 0;
            gst_message_parse_buffering(message, &percent);
            events_.push_back({kEventBuffering, percent, 0});
            break;
        }
        default:
            break;
    }
}

void GstMediaGraph::queueEvent(const GraphEvent& event) {
    events_.push_back(event);
    postNotice();
}

GraphResult GstMediaGraph::GetEvent(GraphEvent& event) {
    if (pipeline_ == nullptr) {
        return noGraph();
    }
    processMessages();
    if (events_.empty()) {
        return kGraphAbort;
    }
    event = events_.front();
    events_.pop_front();
    return kGraphOk;
}

GraphResult GstMediaGraph::FreeEventParams(const GraphEvent&) {
    return kGraphOk;
}

GraphResult GstMediaGraph::Run() {
    return changeState(GST_STATE_PLAYING);
}

GraphResult GstMediaGraph::Pause() {
    return changeState(GST_STATE_PAUSED);
}

GraphResult GstMediaGraph::Stop() {
    // In READY the position could not be read, so a stopped graph is a paused one
    // at the start.
    GraphResult hr = changeState(GST_STATE_PAUSED);
    if (GraphSucceeded(hr)) {
        hr = seek(rate_, 0);
    }
    return GraphSucceeded(hr) ? waitSettled(kSettleTimeoutMs) : hr;
}

GraphResult GstMediaGraph::StopWhenReady() {
    if (pipeline_ == nullptr) {
        return noGraph();
    }
    errorSeen_ = false;
    streamError_ = kGraphOk;
    return waitSettled(kSettleTimeoutMs);
}

GraphResult GstMediaGraph::SetTimeFormatMediaTime() {
    return pipeline_ != nullptr ? kGraphOk : noGraph();
}

GraphResult GstMediaGraph::GetDuration(GraphTime& duration) {
    if (pipeline_ == nullptr) {
        return noGraph();
    }
    processMessages();
    if (endLatched_) {
        duration = endPosition_;
        return kGraphOk;
    }
    gint64 value = -1;
    if ((!gst_element_query_duration(pipeline_, GST_FORMAT_TIME, &value) || value < 0) &&
        !estimateDuration(value)) {
        return fail(kGraphFail, QStringLiteral("The duration is not known"));
    }
    duration = value / 100;
    return kGraphOk;
}

// An MP3 without a Xing header tells its length only once most of it has played;
// until then the length is estimated from the size and the bitrate.
bool GstMediaGraph::estimateDuration(int64_t& duration) {
    gint64 bytes = -1;
    if (!gst_element_query_duration(pipeline_, GST_FORMAT_BYTES, &bytes) || bytes <= 0) {
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
    duration = static_cast<int64_t>(
        gst_util_uint64_scale(static_cast<guint64>(bytes), 8 * GST_SECOND, bitrate));
    return true;
}

GraphResult GstMediaGraph::GetCurrentPosition(GraphTime& position) {
    if (pipeline_ == nullptr) {
        return noGraph();
    }
    processMessages();
    if (endLatched_) {
        position = endPosition_;
        return kGraphOk;
    }
    gint64 value = -1;
    if (!gst_element_query_position(pipeline_, GST_FORMAT_TIME, &value) || value < 0) {
        return fail(kGraphFail, QStringLiteral("The position is not known"));
    }
    position = value / 100;
    return kGraphOk;
}

GraphResult GstMediaGraph::seek(double rate, GraphTime position) {
    if (pipeline_ == nullptr) {
        return noGraph();
    }
    processMessages();
    // Every seek carries the rate: a plain seek would reset it to 1.
    const auto flags = static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE);
    if (!gst_element_seek(pipeline_, rate, GST_FORMAT_TIME, flags, GST_SEEK_TYPE_SET,
                          static_cast<gint64>(position) * 100, GST_SEEK_TYPE_NONE,
                          GST_CLOCK_TIME_NONE)) {
        return fail(kGraphFail, QStringLiteral("The graph cannot seek"));
    }
    endLatched_ = false;
    return kGraphOk;
}

GraphResult GstMediaGraph::SetPositions(GraphTime current) {
    if (current < 0) {
        return fail(kGraphInvalidArg, QStringLiteral("A position cannot be negative"));
    }
    return seek(rate_, current);
}

GraphResult GstMediaGraph::SetRate(double rate) {
    if (!(rate > 0.0)) {
        return fail(kGraphInvalidArg, QStringLiteral("The rate must be above 0"));
    }
    GraphTime position = 0;
    GraphResult hr = GetCurrentPosition(position);
    if (GraphFailed(hr)) {
        return hr;
    }
    hr = seek(rate, position);
    if (GraphSucceeded(hr)) {
        rate_ = rate;
    }
    return hr;
}

GraphResult GstMediaGraph::PutVolume(long attenuation) {
    if (pipeline_ == nullptr) {
        return noGraph();
    }
    if (attenuation < -10000 || attenuation > 0) {
        return fail(kGraphInvalidArg, QStringLiteral("The volume must lie in -10000..0"));
    }
    double linear = attenuation == -10000 ? 0.0 : std::pow(10.0, attenuation / 2000.0);
    g_object_set(pipeline_, "volume", linear, nullptr);
    return kGraphOk;
}

GraphResult GstMediaGraph::PutBalance(long balance) {
    if (panorama_ == nullptr) {
        return fail(kGraphNoInterface, QStringLiteral("The graph has no balance control"));
    }
    if (balance < -10000 || balance > 10000) {
        return fail(kGraphInvalidArg, QStringLiteral("The balance must lie in -10000..10000"));
    }
    // Negative values attenuate the right channel, positive ones the left.
    double panorama = 0.0;
    if (balance < 0) {
        panorama = std::pow(10.0, balance / 2000.0) - 1.0;
    } else if (balance > 0) {
        panorama = 1.0 - std::pow(10.0, -balance / 2000.0);
    }
    g_object_set(panorama_, "panorama", static_cast<gfloat>(panorama), nullptr);
    return kGraphOk;
}

GraphResult GstMediaGraph::GetVideoSize(int& width, int& height) {
    if (pipeline_ == nullptr) {
        return noGraph();
    }
    GstPad* pad = nullptr;
    g_signal_emit_by_name(pipeline_, "get-video-pad", 0, &pad);
    if (pad == nullptr) {
        return fail(kGraphNoInterface, QStringLiteral("The file has no video stream"));
    }
    GstCaps* caps = gst_pad_get_current_caps(pad);
    gst_object_unref(pad);
    GstVideoInfo info;
    bool known = caps != nullptr && gst_video_info_from_caps(&info, caps);
    if (caps != nullptr) {
        gst_caps_unref(caps);
    }
    if (!known) {
        return fail(kGraphFail, QStringLiteral("The video size is not known yet"));
    }
    width = GST_VIDEO_INFO_WIDTH(&info);
    height = GST_VIDEO_INFO_HEIGHT(&info);
    return kGraphOk;
}

GraphResult GstMediaGraph::PutOwner(VideoOutputOwner* owner) {
    if (pipeline_ == nullptr) {
        return noGraph();
    }
    owner_ = owner;
    return kGraphOk;
}

GraphResult GstMediaGraph::PutWindowState(bool visible) {
    if (pipeline_ == nullptr) {
        return noGraph();
    }
    outputVisible_ = visible;
    return kGraphOk;
}

GraphResult GstMediaGraph::PutFullScreenMode(bool on) {
    if (owner_ == nullptr) {
        return fail(kGraphNoInterface, QStringLiteral("The video output has no window"));
    }
    fullScreen_ = on;
    owner_->setOutputFullScreen(on);
    return kGraphOk;
}

GraphResult GstMediaGraph::GetFullScreenMode(bool& on) {
    if (owner_ == nullptr) {
        return fail(kGraphNoInterface, QStringLiteral("The video output has no window"));
    }
    on = fullScreen_;
    return kGraphOk;
}

GraphResult GstMediaGraph::SetWindowPosition(const QRect& rect) {
    if (owner_ == nullptr) {
        return fail(kGraphNoInterface, QStringLiteral("The video output has no window"));
    }
    outputRect_ = rect;
    owner_->placeOutput(rect);
    return kGraphOk;
}

GraphResult GstMediaGraph::NotifyFullScreenLost() {
    if (!fullScreen_) {
        return kGraphFalse;
    }
    fullScreen_ = false;
    queueEvent({kEventFullScreenLost, 0, 0});
    return kGraphOk;
}

void GstMediaGraph::takeFrame(GstSample* sample) {
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
        std::lock_guard lock(frameMutex_);
        pendingFrame_ = std::move(copy);
    }
    // One queued call at a time; a newer frame simply replaces the waiting one.
    if (!frameNoticePending_.exchange(true)) {
        QMetaObject::invokeMethod(
            &relay_, [this] { deliverFrame(); }, Qt::QueuedConnection);
    }
}

void GstMediaGraph::deliverFrame() {
    QImage frame;
    {
        std::lock_guard lock(frameMutex_);
        frame = std::move(pendingFrame_);
        pendingFrame_ = QImage();
        frameNoticePending_ = false;
    }
    if (!frame.isNull() && owner_ != nullptr && outputVisible_) {
        owner_->presentFrame(frame);
    }
}

GraphResult GstMediaGraph::EnumFilters(QStringList& names) {
    if (pipeline_ == nullptr) {
        return noGraph();
    }
    names = GstFilterInspector::filterNames(pipeline_);
    return kGraphOk;
}

GraphResult GstMediaGraph::GetFilterProperties(const QString& filter,
                                               QList<FilterProperty>& properties) {
    if (pipeline_ == nullptr) {
        return noGraph();
    }
    GstElement* element = GstFilterInspector::findFilter(pipeline_, filter);
    if (element == nullptr) {
        return fail(kGraphInvalidArg, QStringLiteral("No filter is named \"%1\"").arg(filter));
    }
    properties = GstFilterInspector::properties(element);
    gst_object_unref(element);
    return kGraphOk;
}

GraphResult GstMediaGraph::SetFilterProperty(const QString& filter, const QString& property,
                                             const QString& value) {
    if (pipeline_ == nullptr) {
        return noGraph();
    }
    GstElement* element = GstFilterInspector::findFilter(pipeline_, filter);
    if (element == nullptr) {
        return fail(kGraphInvalidArg, QStringLiteral("No filter is named \"%1\"").arg(filter));
    }
    QString error;
    bool set = GstFilterInspector::setProperty(element, property, value, error);
    gst_object_unref(element);
    return set ? kGraphOk : fail(kGraphInvalidArg, error);
}

QString GstMediaGraph::GetErrorText(GraphResult hr) {
    auto found = errorTexts_.constFind(hr);
    if (found != errorTexts_.constEnd()) {
        return *found;
    }
    switch (static_cast<uint32_t>(hr)) {
        case static_cast<uint32_t>(kGraphNotImplemented):
            return QStringLiteral("Not implemented");
        case static_cast<uint32_t>(kGraphNoInterface):
            return QStringLiteral("No such interface supported");
        case static_cast<uint32_t>(kGraphPointer):
            return QStringLiteral("Invalid pointer");
        case static_cast<uint32_t>(kGraphAbort):
            return QStringLiteral("Operation aborted");
        case static_cast<uint32_t>(kGraphFail):
            return QStringLiteral("Unspecified error");
        case static_cast<uint32_t>(kGraphUnexpected):
            return QStringLiteral("There is no graph");
        case static_cast<uint32_t>(kGraphInvalidArg):
            return QStringLiteral("The parameter is incorrect");
        default:
            return QString();
    }
}
