#include "jukebox/playback/gst_media_graph.h"

#include <gst/gst.h>
#include <gst/video/video.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>

#include "jukebox/playback/gst_filter_inspector.h"
#include "jukebox/playback/gst_media_source.h"
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

// MP3s are decoded by mpg123. Decoders of equal rank are tried in name order,
// so libav's avdec_mp3 would be taken, and libav brings all of FFmpeg's
// libraries into the process (about 30 MB resident) for a format mpg123 decodes
// just as well. libav still decodes what only it can.
void preferMpg123ForMp3() {
    GstElementFactory* mpg123 = gst_element_factory_find("mpg123audiodec");
    if (mpg123 == nullptr) {
        return;
    }
    guint rank = gst_plugin_feature_get_rank(GST_PLUGIN_FEATURE(mpg123));
    for (const char* rival : {"avdec_mp3", "avdec_mp3float"}) {
        if (GstElementFactory* other = gst_element_factory_find(rival)) {
            rank = std::max(rank, gst_plugin_feature_get_rank(GST_PLUGIN_FEATURE(other)) + 1);
            gst_object_unref(other);
        }
    }
    gst_plugin_feature_set_rank(GST_PLUGIN_FEATURE(mpg123), rank);
    gst_object_unref(mpg123);
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
    preferMpg123ForMp3();
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

}  // namespace

GstMediaGraph::GstMediaGraph() {
    cueTimer_.setSingleShot(true);
    QObject::connect(&cueTimer_, &QTimer::timeout, &cueTimer_, [this] { cueTimedOut(); });
    // A decoder or converter that dropped a late frame says so once per frame;
    // the sink's own drops are in its counts.
    bus_.setQosHandler([this](GstMessage* message) {
        GstFormat format = GST_FORMAT_UNDEFINED;
        gst_message_parse_qos_stats(message, &format, nullptr, nullptr);
        if (format == GST_FORMAT_BUFFERS && !output_.isSink(GST_MESSAGE_SRC(message))) {
            output_.droppedUpstream();
        }
    });
    redrawTimer_.setSingleShot(true);
    redrawTimer_.setInterval(kRedrawDelayMs);
    QObject::connect(&redrawTimer_, &QTimer::timeout, &redrawTimer_, [this] { redrawPaused(); });
}

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

    // Never playbin's own choice of video sink: without a display it can crash.
    // PrepareVideoOutput may put one that draws into the window in its place.
    if (GstElement* videoSink = output_.makeSink()) {
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

    bus_.attach(pipeline_);
    streamError_ = kGraphOk;
    rate_ = 1.0;
    time_.forget();
    return true;
}

void GstMediaGraph::teardownPipeline() {
    if (pipeline_ == nullptr) {
        return;
    }
    // Reaching NULL joins the streaming threads, so no callback runs after this.
    gst_element_set_state(pipeline_, GST_STATE_NULL);
    bus_.detach(pipeline_);
    cuePending_ = false;
    cueEnded_ = false;
    cueTimer_.stop();
    redrawTimer_.stop();
    gst_object_unref(pipeline_);
    pipeline_ = nullptr;
    panorama_ = nullptr;
    output_.reset();
    events_.clear();
    time_.forget();
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
    bus_.setTarget(nullptr);
}

GraphResult GstMediaGraph::QueryInterface(GraphInterface) {
    return pipeline_ != nullptr ? kGraphOk
                                : fail(kGraphNoInterface, QStringLiteral("There is no graph"));
}

// Points the playbin at path; localFile gets its bytes, empty for an address.
GraphResult GstMediaGraph::setSource(const QString& path, QByteArray& localFile) {
    if (pipeline_ == nullptr) {
        return noGraph();
    }
    GstMediaSource source;
    QString error;
    GraphResult resolved = ResolveGstMediaSource(path, source, error);
    if (GraphFailed(resolved)) {
        return fail(resolved, error);
    }
    g_object_set(pipeline_, "uri", source.uri.constData(), nullptr);
    localFile = source.localFile;
    return kGraphOk;
}

GraphResult GstMediaGraph::RenderFile(const QString& path) {
    QByteArray localFile;
    if (const GraphResult set = setSource(path, localFile); GraphFailed(set)) {
        return set;
    }
    GraphResult hr = changeState(GST_STATE_PAUSED);
    if (GraphSucceeded(hr)) {
        hr = waitSettled(kSettleTimeoutMs);
    }
    processMessages();
    if (GraphFailed(hr)) {
        emptyGraph();
        return hr;
    }
    time_.cued(pipeline_, localFile);
    return hr;
}

// What is left after a failed render is an empty graph, as after CreateGraph, with
// no thread running.
void GstMediaGraph::emptyGraph() {
    teardownPipeline();
    buildPipeline();
}

GraphResult GstMediaGraph::BeginRenderFile(const QString& path) {
    if (const GraphResult set = setSource(path, cueLocalFile_); GraphFailed(set)) {
        return set;
    }
    cuePending_ = true;
    cueEnded_ = false;
    bus_.keepAsyncDone(true);
    switch (gst_element_set_state(pipeline_, GST_STATE_PAUSED)) {
        case GST_STATE_CHANGE_FAILURE: {
            cuePending_ = false;
            // The element that failed has posted its error by now, or nearly.
            GraphResult hr = stateChangeFailure();
            emptyGraph();
            return hr;
        }
        case GST_STATE_CHANGE_ASYNC:
            cueTimer_.start(cueTimeoutMs_);
            break;
        default:
            // Settled at once (a live source does not preroll): said as any end is.
            cueEnded_ = true;
            cueResult_ = kGraphOk;
            bus_.notify();
            break;
    }
    return kGraphOk;
}

void GstMediaGraph::endCue(GraphResult result) {
    cuePending_ = false;
    cueEnded_ = false;
    cueTimer_.stop();
    bus_.keepAsyncDone(false);
    if (GraphSucceeded(result)) {
        time_.cued(pipeline_, cueLocalFile_);
    } else {
        emptyGraph();
    }
    events_.push_back({kEventRenderComplete, result, 0});
    bus_.notify();
}

void GstMediaGraph::cueTimedOut() {
    processMessages();  // it may have ended just now
    if (cuePending_) {
        endCue(fail(kGraphAbort, QStringLiteral("The graph did not get ready in time")));
    }
}

GraphResult GstMediaGraph::changeState(int state) {
    if (pipeline_ == nullptr) {
        return noGraph();
    }
    if (gst_element_set_state(pipeline_, static_cast<GstState>(state)) ==
        GST_STATE_CHANGE_FAILURE) {
        return stateChangeFailure();
    }
    return kGraphOk;
}

// The element that failed posts its error from its own thread, at times just after
// the state change has failed: wait a little for it, since it says what went wrong.
GraphResult GstMediaGraph::stateChangeFailure() {
    bus_.waitForError(kErrorGraceMs);
    processMessages();
    return GraphFailed(streamError_)
               ? streamError_
               : fail(kGraphFail, QStringLiteral("The graph cannot change its state"));
}

GraphResult GstMediaGraph::waitSettled(int timeoutMs) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        // A streaming error leaves a change pending for ever; it shows only on the
        // bus. A pipeline that posted an error stays broken until the next file.
        if (bus_.errorSeen()) {
            return stateChangeFailure();
        }
        GstStateChangeReturn state = gst_element_get_state(
            pipeline_, nullptr, nullptr, static_cast<GstClockTime>(kSettleSliceMs) * GST_MSECOND);
        if (state == GST_STATE_CHANGE_SUCCESS || state == GST_STATE_CHANGE_NO_PREROLL) {
            return kGraphOk;
        }
        if (state == GST_STATE_CHANGE_FAILURE) {
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
    bus_.setTarget(target);
    return kGraphOk;
}

void GstMediaGraph::processMessages() {
    for (GstMessage* message : bus_.take()) {
        handleMessage(message);
        gst_message_unref(message);
    }
    // After the loop: a failed cue replaces the pipeline the messages came from.
    if (cuePending_ && cueEnded_) {
        endCue(cueResult_);
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
            if (cuePending_) {
                if (!cueEnded_) {
                    cueEnded_ = true;
                    cueResult_ = code;
                }
            } else {
                events_.push_back({kEventErrorAbort, code, 0});
            }
            break;
        }
        case GST_MESSAGE_ASYNC_DONE:
            if (cuePending_ && !cueEnded_) {
                cueEnded_ = true;
                cueResult_ = kGraphOk;
            }
            break;
        case GST_MESSAGE_EOS:
            time_.endOfStream();
            events_.push_back({kEventComplete, 0, 0});
            break;
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
    bus_.notify();
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
    GraphResult hr = changeState(GST_STATE_PLAYING);
    if (GraphSucceeded(hr)) {
        time_.started(rate_);
    }
    return hr;
}

GraphResult GstMediaGraph::Pause() {
    GraphResult hr = changeState(GST_STATE_PAUSED);
    time_.paused();
    return hr;
}

GraphResult GstMediaGraph::Stop() {
    // In READY the position could not be read, so a stopped graph is a paused one
    // at the start.
    GraphResult hr = Pause();
    if (GraphSucceeded(hr)) {
        hr = seek(rate_, 0);
    }
    return GraphSucceeded(hr) ? waitSettled(kSettleTimeoutMs) : hr;
}

GraphResult GstMediaGraph::StopWhenReady() {
    if (pipeline_ == nullptr) {
        return noGraph();
    }
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
    return time_.duration(duration) ? kGraphOk
                                    : fail(kGraphFail, QStringLiteral("The duration is not known"));
}

GraphResult GstMediaGraph::GetCurrentPosition(GraphTime& position) {
    if (pipeline_ == nullptr) {
        return noGraph();
    }
    processMessages();
    return time_.position(position) ? kGraphOk
                                    : fail(kGraphFail, QStringLiteral("The position is not known"));
}

GraphResult GstMediaGraph::GetEndOfStream(bool& ended) {
    if (pipeline_ == nullptr) {
        return noGraph();
    }
    processMessages();
    GraphTime position = 0;
    time_.position(position);  // the own clock latches the end when it reads it
    ended = time_.atEnd();
    return kGraphOk;
}

GraphResult GstMediaGraph::seek(double rate, GraphTime position) {
    if (pipeline_ == nullptr) {
        return noGraph();
    }
    processMessages();
    // Every seek carries the rate: a plain seek would reset it to 1.
    const auto flags = static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE);
    GstEvent* event =
        gst_event_new_seek(rate, GST_FORMAT_TIME, flags, GST_SEEK_TYPE_SET,
                           static_cast<gint64>(position) * 100, GST_SEEK_TYPE_NONE, -1);
    const guint32 seqnum = gst_event_get_seqnum(event);
    output_.keepSinkCounts();
    if (!gst_element_send_event(pipeline_, event)) {
        return time_.ownClock() ? seekIgnored(position)
                                : fail(kGraphFail, QStringLiteral("The graph cannot seek"));
    }
    // A flushing seek makes the pipeline preroll again. Waiting for that keeps a
    // seek synchronous, and an end of stream posted before it must not latch the
    // old end again: the position read right after a seek is the new one. An end
    // that the seek caused (it went to the end) carries the seek's number and is
    // the end: the track is over.
    GraphResult settled = waitSettled(kSettleTimeoutMs);
    bus_.dropEndOfStream(seqnum);
    time_.moved(position, rate);
    return settled;
}

// A pipeline that cannot place its file cannot seek in it either. Our own clock
// takes the target, so that position and end stay consistent, and a seek to the
// start starts the stream over. kGraphFalse: the seek itself did not happen.
GraphResult GstMediaGraph::seekIgnored(GraphTime position) {
    if (position == 0) {
        restartStream();
    }
    bus_.dropEndOfStream();
    time_.moved(position, rate_);
    return kGraphFalse;
}

void GstMediaGraph::restartStream() {
    GstState state = GST_STATE_PAUSED;
    GstState pending = GST_STATE_VOID_PENDING;
    gst_element_get_state(pipeline_, &state, &pending, 0);
    const GstState target = pending != GST_STATE_VOID_PENDING ? pending : state;
    output_.keepSinkCounts();
    gst_element_set_state(pipeline_, GST_STATE_READY);
    if (GraphSucceeded(changeState(target))) {
        waitSettled(kSettleTimeoutMs);
    }
}

GraphResult GstMediaGraph::SetPositions(GraphTime current) {
    if (current < 0) {
        return fail(kGraphInvalidArg, QStringLiteral("A position cannot be negative"));
    }
    return seek(rate_, current);
}

GraphResult GstMediaGraph::SetRate(double rate) {
    if (!(rate > 0.0) || !std::isfinite(rate)) {
        return fail(kGraphInvalidArg, QStringLiteral("The rate must be a number above 0"));
    }
    GraphTime position = 0;
    GraphResult hr = GetCurrentPosition(position);
    if (GraphFailed(hr)) {
        return hr;
    }
    hr = seek(rate, position);
    if (hr == kGraphFalse) {
        return fail(kGraphFail, QStringLiteral("The graph cannot change the rate of this file"));
    }
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

GraphResult GstMediaGraph::GetVideoStreamCount(int& count) {
    if (pipeline_ == nullptr) {
        return noGraph();
    }
    gint streams = 0;
    g_object_get(pipeline_, "n-video", &streams, nullptr);
    count = streams;
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
    output_.setOwner(owner);
    return kGraphOk;
}

GraphResult GstMediaGraph::PutWindowState(bool visible) {
    if (pipeline_ == nullptr) {
        return noGraph();
    }
    output_.setVisible(visible);
    return kGraphOk;
}

GraphResult GstMediaGraph::noOutputWindow() {
    return fail(kGraphNoInterface, QStringLiteral("The video output has no window"));
}

GraphResult GstMediaGraph::PutFullScreenMode(bool on) {
    return output_.setFullScreen(on) ? kGraphOk : noOutputWindow();
}

GraphResult GstMediaGraph::GetFullScreenMode(bool& on) {
    if (output_.owner() == nullptr) {
        return noOutputWindow();
    }
    on = output_.fullScreen();
    return kGraphOk;
}

GraphResult GstMediaGraph::SetWindowPosition(const QRect& rect) {
    if (!output_.place(rect)) {
        return noOutputWindow();
    }
    if (output_.takeRescaled()) {
        redrawTimer_.start();
    }
    return kGraphOk;
}

// A flushing seek to where the picture stands, not waited for: the paused
// pipeline prerolls again, and the new frame comes at the new size.
void GstMediaGraph::redrawPaused() {
    if (pipeline_ == nullptr || cuePending_ || time_.atEnd()) {
        return;
    }
    GstState state = GST_STATE_NULL;
    GstState pending = GST_STATE_VOID_PENDING;
    gst_element_get_state(pipeline_, &state, &pending, 0);
    gint64 position = 0;
    if (state != GST_STATE_PAUSED || pending != GST_STATE_VOID_PENDING ||
        !gst_element_query_position(pipeline_, GST_FORMAT_TIME, &position)) {
        return;
    }
    const auto flags = static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE);
    output_.keepSinkCounts();
    gst_element_send_event(
        pipeline_, gst_event_new_seek(rate_, GST_FORMAT_TIME, flags, GST_SEEK_TYPE_SET, position,
                                      GST_SEEK_TYPE_NONE, -1));
}

GraphResult GstMediaGraph::PrepareVideoOutput(VideoOutputOwner* owner) {
    if (pipeline_ == nullptr) {
        return noGraph();
    }
    GstState state = GST_STATE_NULL;
    gst_element_get_state(pipeline_, &state, nullptr, 0);
    if (state != GST_STATE_NULL || owner == nullptr) {
        return kGraphFalse;  // a sink can only be changed before the file is rendered
    }
    const char* wanted = std::getenv("VELORINE_VIDEO_SINK");
    GstElement* sink = output_.makeWindowSink(owner, owner->outputWindowHandle(),
                                              QString::fromUtf8(wanted != nullptr ? wanted : ""));
    if (sink == nullptr) {
        return kGraphFalse;
    }
    g_object_set(pipeline_, "video-sink", sink, nullptr);
    if (output_.convertsItself()) {
        constexpr guint kNativeVideo = 0x40;  // GST_PLAY_FLAG_NATIVE_VIDEO
        guint flags = 0;
        g_object_get(pipeline_, "flags", &flags, nullptr);
        g_object_set(pipeline_, "flags", flags | kNativeVideo, nullptr);
    }
    return kGraphOk;
}

GraphResult GstMediaGraph::GetVideoStatistics(VideoStatistics& statistics) {
    int streams = 0;
    if (const GraphResult hr = GetVideoStreamCount(streams); GraphFailed(hr)) {
        return hr;
    }
    if (streams == 0) {
        return fail(kGraphNoInterface, QStringLiteral("The file has no video stream"));
    }
    statistics = output_.statistics();
    return kGraphOk;
}

GraphResult GstMediaGraph::NotifyFullScreenLost() {
    if (!output_.loseFullScreen()) {
        return kGraphFalse;
    }
    queueEvent({kEventFullScreenLost, 0, 0});
    return kGraphOk;
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

// Every failure records its text, so a code without one was never returned here.
QString GstMediaGraph::GetErrorText(GraphResult hr) {
    return errorTexts_.value(hr);
}
