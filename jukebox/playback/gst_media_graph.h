#pragma once

#include <QByteArray>
#include <QHash>
#include <QTimer>
#include <deque>

#include "jukebox/playback/gst_bus_queue.h"
#include "jukebox/playback/gst_stream_time.h"
#include "jukebox/playback/gst_video_output.h"
#include "jukebox/playback/media_graph.h"

typedef struct _GstElement GstElement;
typedef struct _GstMessage GstMessage;

// The media graph on GStreamer: one playbin whose video goes to a sink that draws
// into the video window, or to an appsink whose frames are handed to the owner of
// the output (see GstVideoOutput), and whose audio passes an audiopanorama
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
    GraphResult BeginRenderFile(const QString& path) override;

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
    GraphResult GetEndOfStream(bool& ended) override;
    GraphResult SetPositions(GraphTime current) override;
    GraphResult SetRate(double rate) override;

    GraphResult PutVolume(long attenuation) override;
    GraphResult PutBalance(long balance) override;

    GraphResult GetVideoStreamCount(int& count) override;
    GraphResult GetVideoSize(int& width, int& height) override;
    GraphResult PutOwner(VideoOutputOwner* owner) override;
    GraphResult PutWindowState(bool visible) override;
    GraphResult PutFullScreenMode(bool on) override;
    GraphResult GetFullScreenMode(bool& on) override;
    GraphResult SetWindowPosition(const QRect& rect) override;
    GraphResult NotifyFullScreenLost() override;
    // The sink is chosen here, before the file is rendered: one that draws into the
    // owner's native window when one starts (VELORINE_VIDEO_SINK may name it), else
    // the appsink the graph was made with.
    GraphResult PrepareVideoOutput(VideoOutputOwner* owner) override;
    GraphResult GetVideoStatistics(VideoStatistics& statistics) override;

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
    // For tests: the time a render begun with BeginRenderFile may take.
    void setBackgroundCueTimeoutMs(int ms) { cueTimeoutMs_ = ms; }

private:
    bool buildPipeline();
    void teardownPipeline();
    // Records text as the description of hr and returns hr.
    GraphResult fail(GraphResult hr, const QString& text);
    GraphResult noGraph();
    GraphResult setSource(const QString& path, QByteArray& localFile);
    GraphResult changeState(int state);
    GraphResult waitSettled(int timeoutMs);
    GraphResult stateChangeFailure();
    GraphResult seek(double rate, GraphTime position);
    GraphResult seekIgnored(GraphTime position);
    void restartStream();
    // The end of a render begun with BeginRenderFile.
    void endCue(GraphResult result);
    void cueTimedOut();
    void emptyGraph();
    // Handles the messages the streaming threads queued, on the caller's thread.
    void processMessages();
    void handleMessage(GstMessage* message);
    void queueEvent(const GraphEvent& event);
    GraphResult noOutputWindow();
    // A paused picture that was scaled anew is decoded again at its place.
    void redrawPaused();

    GstElement* pipeline_ = nullptr;
    GstElement* panorama_ = nullptr;
    double rate_ = 1.0;
    GstStreamTime time_;
    GraphResult streamError_ = kGraphOk;  // the first error the pipeline posted
    QHash<GraphResult, QString> errorTexts_;
    std::deque<GraphEvent> events_;

    // A render going on in the background: its file (for the time), whether it
    // ended and how (seen in a message, acted on once the messages are handled),
    // and its time limit.
    bool cuePending_ = false;
    bool cueEnded_ = false;
    GraphResult cueResult_ = kGraphOk;
    QByteArray cueLocalFile_;
    int cueTimeoutMs_ = kSettleTimeoutMs;
    QTimer cueTimer_;
    // Sizes follow one another while the user resizes: one redraw after the last.
    QTimer redrawTimer_;
    static constexpr int kRedrawDelayMs = 150;

    // The parts the streaming threads reach.
    GstBusQueue bus_;
    GstVideoOutput output_;
};
