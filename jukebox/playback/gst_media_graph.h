#pragma once

#include <QHash>
#include <QImage>
#include <QObject>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>

#include "jukebox/playback/media_graph.h"

typedef struct _GstElement GstElement;
typedef struct _GstMessage GstMessage;
typedef struct _GstSample GstSample;

// The media graph on GStreamer: one playbin whose video goes to an appsink (frames
// are handed to the owner of the output) and whose audio passes an audiopanorama
// for the balance. The audio sink is playbin's choice unless VELORINE_AUDIO_SINK
// names one ("fakesink sync=true" on machines without sound).
class GstMediaGraph : public MediaGraph {
public:
    GstMediaGraph();
    ~GstMediaGraph() override;
    GstMediaGraph(const GstMediaGraph&) = delete;
    GstMediaGraph& operator=(const GstMediaGraph&) = delete;

    GraphResult CreateGraph() override;
    void Release() override;
    GraphResult QueryInterface(GraphInterface which) override;
    GraphResult RenderFile(const QString& path) override;

    GraphResult GetEventHandle() override;
    GraphResult SetNotifyWindow(QObject* target) override;
    GraphResult GetEvent(GraphEvent& event) override;
    GraphResult FreeEventParams(const GraphEvent& event) override;

    GraphResult Run() override;
    GraphResult Pause() override;
    GraphResult Stop() override;
    GraphResult StopWhenReady() override;

    GraphResult SetTimeFormatMediaTime() override;
    GraphResult GetDuration(GraphTime& duration) override;
    GraphResult GetCurrentPosition(GraphTime& position) override;
    GraphResult SetPositions(GraphTime current) override;
    GraphResult SetRate(double rate) override;

    GraphResult PutVolume(long attenuation) override;
    GraphResult PutBalance(long balance) override;

    GraphResult GetVideoSize(int& width, int& height) override;
    GraphResult PutOwner(VideoOutputOwner* owner) override;
    GraphResult PutWindowState(bool visible) override;
    GraphResult PutFullScreenMode(bool on) override;
    GraphResult GetFullScreenMode(bool& on) override;
    GraphResult SetWindowPosition(const QRect& rect) override;
    GraphResult NotifyFullScreenLost() override;

    GraphResult EnumFilters(QStringList& names) override;
    GraphResult GetFilterProperties(const QString& filter,
                                    QList<FilterProperty>& properties) override;
    GraphResult SetFilterProperty(const QString& filter, const QString& property,
                                  const QString& value) override;

    QString GetErrorText(GraphResult hr) override;

    // The playbin, or null without a graph (for inspection).
    GstElement* pipeline() const { return pipeline_; }
    // The element that carries the balance, inside the playbin.
    GstElement* balanceElement() const { return panorama_; }

    // How long a cue or a settling pause may take before it counts as failed.
    static constexpr int kSettleTimeoutMs = 10000;

private:
    bool buildPipeline();
    void teardownPipeline();
    // Records text as the description of hr and returns hr.
    GraphResult fail(GraphResult hr, const QString& text);
    GraphResult noGraph();
    GraphResult changeState(int state);
    GraphResult waitSettled(int timeoutMs);
    GraphResult stateChangeFailure();
    GraphResult seek(double rate, GraphTime position);
    bool estimateDuration(int64_t& duration);  // in nanoseconds
    // Handles the messages the streaming threads queued, on the caller's thread.
    void processMessages();
    void handleMessage(GstMessage* message);
    void queueEvent(const GraphEvent& event);
    void postNotice();
    void deliverFrame();

    // Runs on the streaming threads: queues what the user-interface thread needs.
    void onBusMessage(GstMessage* message);
    void takeFrame(GstSample* sample);
    struct Callbacks;

    GstElement* pipeline_ = nullptr;
    GstElement* panorama_ = nullptr;
    double rate_ = 1.0;
    // At the end of the stream the position is held at max(position, duration) until
    // the next seek, stop or file, so that callers see both equal.
    bool endLatched_ = false;
    GraphTime endPosition_ = 0;
    GraphResult streamError_ = kGraphOk;  // the last error the pipeline posted
    QHash<GraphResult, QString> errorTexts_;
    std::deque<GraphEvent> events_;

    // Shared with the streaming threads.
    std::mutex mutex_;
    std::deque<GstMessage*> messages_;
    QObject* target_ = nullptr;
    std::atomic<bool> errorSeen_{false};
    std::condition_variable errorArrived_;

    VideoOutputOwner* owner_ = nullptr;
    bool outputVisible_ = false;
    bool fullScreen_ = false;
    QRect outputRect_;
    std::mutex frameMutex_;
    QImage pendingFrame_;
    std::atomic<bool> frameNoticePending_{false};
    // Frames reach the user-interface thread as queued calls on this object.
    QObject relay_;
};
