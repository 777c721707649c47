#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>

#include "jukebox/playback/filter_property.h"
#include "jukebox/playback/media_graph.h"

class MediaEngineWindow;
class UiService;

// How an open went: Pending means an address is still being opened, and the
// window hears the end through MediaEngineWindow::openFinished.
enum class OpenResult { Failed, Opened, Pending };

// Plays one media file at a time through a media graph: builds the graph for a
// file, runs, pauses, stops and seeks it, reports time in milliseconds, and maps the
// user's volume (0..100) and balance (-100..100) onto the graph's logarithmic scale.
// The video window owns it and forwards to it; the main window is its other client.
// Failures of the graph are shown through the UI service.
class MediaEngine {
public:
    enum EngineState { Running = 1, Stopped = 2, Paused = 4 };
    // The class of an extension: 1 video, 2 audio, 0 neither.
    using Classifier = std::function<int(const QString& extension)>;

    MediaEngine(MediaGraph& graph, MediaEngineWindow& window, UiService& ui, Classifier classify);
    ~MediaEngine();
    MediaEngine(const MediaEngine&) = delete;
    MediaEngine& operator=(const MediaEngine&) = delete;

    // Builds and renders a graph for path and leaves it cued (Paused). A local
    // file (a path or a file:// URL) is opened before this returns. An address
    // is not waited for: this is BeginOpen(path) == OpenResult::Opened, false
    // while it is pending; the window hears the end through openFinished.
    bool OpenMedia(const QString& path);
    // Opens a local file as OpenMedia does (Opened or Failed). An address (http
    // and every other "scheme://" but file://) starts opening and returns Pending
    // without waiting; the window's openFinished tells how it ended, after the
    // same steps as OpenMedia. A failed open of either kind shows one notice.
    OpenResult BeginOpen(const QString& path);
    // A Pending open is under way.
    bool opening() const { return opening_; }
    // Drops a pending open silently, with its graph; openFinished does not come.
    // ReleaseGraph, the next open and Stop do the same.
    void CancelOpen();
    // Detaches the video output and releases the graph.
    void ReleaseGraph();
    bool HasGraph() const { return hasGraph_; }

    // These do nothing without a graph, and nothing, silently, on the empty graph
    // a failed open leaves or while an open is pending (Stop cancels it).
    void Run();
    void Pause();
    void Stop();
    void Rewind();
    // A target beyond the known duration seeks to the end.
    void SeekTo(int ms);
    // False, with the rate left as it was, for a rate that is not finite, not above
    // 0 or above kMaxRate, without a graph, or when the graph refuses it.
    bool SetRate(double rate);

    // 0 without a graph; the last position read when the graph cannot say.
    int GetPositionMs();
    // The duration read at the last open (it outlives the graph).
    int GetDurationMs() const;
    // The stream of the open file has ended: position and duration are held equal
    // at the end (the end-of-track poll moves on; the duration read at the open
    // may differ by a few ms until the engine has heard of the end).
    bool AtEnd();

    void SetVolume(int volume);
    int GetVolume() const { return volumeLevel_ + 100; }
    void SetBalance(int balance);
    int GetBalance() const { return balance_; }

    // Shows "Operation Failed, HRESULT %X\n" and the graph's text for hr when hr is
    // negative. When the graph has no text, what (the operation) is named instead.
    void ReportError(GraphResult hr, const QString& what = QString());

    // Takes every pending graph event (the window calls it on kGraphEventType).
    void OnGraphEvent();

    // For the video window: switch the output to or from full screen (false without a
    // graph), place the picture, and pass on that full-screen mode was lost.
    bool SetOutputFullScreen(bool on);
    void FitOutput(const QRect& clientRect);
    void OutputLostFullScreen();
    // How the current file's picture fares; false without a cued file or when
    // the graph cannot say.
    bool GetVideoStatistics(VideoStatistics& statistics);

    // For the filters dialog: the current graph's filters and their properties.
    // False without a graph or when the graph cannot answer.
    bool EnumFilters(QStringList& names);
    bool GetFilterProperties(const QString& filter, QList<FilterProperty>& properties);
    bool SetFilterProperty(const QString& filter, const QString& property, const QString& value);

    int engineState() const { return engineState_; }
    GraphTime duration() const { return duration_; }
    int videoWidth() const { return videoWidth_; }
    int videoHeight() const { return videoHeight_; }
    bool firstOpen() const { return firstOpen_; }

    // The failure message's longest platform text.
    static constexpr int kMaxErrorText = 160;
    // The fastest rate offered; beyond it the graph cannot keep up anyway.
    static constexpr double kMaxRate = 16.0;

private:
    static bool isAddress(const QString& path);
    bool openLocal(const QString& path);
    OpenResult beginAddressOpen(const QString& path);
    // The steps every open begins with; false (told) when no graph could be made.
    bool startOpen(const QString& path, int mediaClass, QStringList& notes);
    // The steps after the graph was rendered: it ends cued.
    void finishOpen(int mediaClass);
    void openFailed(QStringList& notes, const QString& why, const QString& path);
    void tell(QStringList& notes);
    int classOf(const QString& path) const;
    bool endPendingOpen(GraphResult result);
    // A graph with a file in it: what the transport acts on.
    bool cued() const { return hasGraph_ && rendered_ && !opening_; }
    bool CreateGraph();
    void BindVideoOutput();
    bool query(GraphInterface which);
    bool report(GraphResult hr, const QString& what);
    void readDuration(bool forgetOnFailure);
    void logVideoStatistics();

    MediaGraph& graph_;
    MediaEngineWindow& window_;
    UiService& ui_;
    Classifier classify_;

    bool hasGraph_ = false;
    bool rendered_ = false;  // the graph holds a file, not only an empty graph
    bool opening_ = false;
    int pendingClass_ = 0;  // of the address being opened
    QString pendingPath_;
    // While an open runs, its failure reports are gathered here to be shown as
    // one notice; null otherwise.
    QStringList* notes_ = nullptr;
    int engineState_ = Stopped;
    GraphTime duration_ = 0;
    int videoWidth_ = 0;
    int videoHeight_ = 0;
    int volumeLevel_ = 0;  // volume - 100, so -100..0
    int balance_ = 0;
    bool firstOpen_ = true;
    int lastPositionMs_ = 0;
};
