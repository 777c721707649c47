#pragma once

#include <QEvent>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <cstdint>

#include "jukebox/playback/filter_property.h"

class QObject;
class VideoOutputOwner;

// A result code in the manner of the graph service: negative means failure.
using GraphResult = int32_t;

constexpr GraphResult kGraphOk = 0;
constexpr GraphResult kGraphFalse = 1;
constexpr GraphResult kGraphNoInterface = static_cast<GraphResult>(0x80004002u);
constexpr GraphResult kGraphAbort = static_cast<GraphResult>(0x80004004u);
constexpr GraphResult kGraphFail = static_cast<GraphResult>(0x80004005u);
constexpr GraphResult kGraphUnexpected = static_cast<GraphResult>(0x8000FFFFu);
constexpr GraphResult kGraphInvalidArg = static_cast<GraphResult>(0x80070057u);
// The codes of errors the media framework reported itself: this base, plus the
// error's domain (1 core, 2 library, 3 resource, 4 stream) times 256, plus its code.
constexpr GraphResult kGraphFrameworkErrorBase = static_cast<GraphResult>(0x80470000u);

constexpr bool GraphFailed(GraphResult hr) {
    return hr < 0;
}
constexpr bool GraphSucceeded(GraphResult hr) {
    return hr >= 0;
}

// Time on the graph's side is counted in 100-nanosecond units.
using GraphTime = int64_t;
constexpr GraphTime kGraphUnitsPerMs = 10000;

// The graph's interfaces that the engine asks for before it uses them.
enum class GraphInterface { Events, Control, Seeking, Audio, BasicVideo, VideoWindow };

// The codes of graph events.
enum GraphEventCode : long {
    kEventComplete = 0x01,        // the end of the stream was reached
    kEventErrorAbort = 0x03,      // playback stopped on an error; param1 is its code
    kEventPaused = 0x0E,          // a pause or seek has settled
    kEventBuffering = 0x11,       // param1 is the fill level in percent
    kEventFullScreenLost = 0x12,  // the output left full-screen mode by itself
    kEventLengthChanged = 0x1E,   // the duration is known better now
    // A render begun with BeginRenderFile has ended; param1 is its result code.
    kEventRenderComplete = 0x8001,
};

// How the picture of the open file fares: the element that shows it, the frames
// it showed and those it dropped (late, or replaced by a newer one before they
// were shown).
struct VideoStatistics {
    QString sink;
    quint64 shown = 0;
    quint64 dropped = 0;
};

struct GraphEvent {
    long code = 0;
    intptr_t param1 = 0;
    intptr_t param2 = 0;
};

// The window message number under which a graph announces pending events, and the
// event type it is posted as. The event carries nothing: the receiver takes the
// events with GetEvent until there are none.
constexpr int kGraphEventMessage = 3234;
constexpr QEvent::Type kGraphEventType =
    static_cast<QEvent::Type>(QEvent::User + kGraphEventMessage);

// The filter graph as the media engine sees it: exactly the platform operations it
// needs, in the platform's units (100-ns time, hundredths of a decibel for volume
// -10000..0 and balance -10000..10000). Every operation returns a result code,
// negative on failure. Calls come from the user-interface thread only.
class MediaGraph {
public:
    virtual ~MediaGraph() = default;

    // Creates an empty graph, releasing any previous one.
    virtual GraphResult CreateGraph() = 0;
    // Drops the graph and everything it holds. Harmless without a graph.
    virtual void Release() = 0;
    virtual GraphResult QueryInterface(GraphInterface which) = 0;

    // Builds the graph for a file and cues it, so that duration and video size can
    // be read when it returns.
    virtual GraphResult RenderFile(const QString& path) = 0;
    // The same without waiting: kGraphOk means the graph is being built and cued
    // in the background (an address may take long to answer, or never). When
    // that ends, settled, failed or out of time, the graph posts
    // kEventRenderComplete with the result; a failure leaves the graph empty, as
    // a failed RenderFile does. Releasing the graph drops a pending render.
    virtual GraphResult BeginRenderFile(const QString& path) = 0;

    // Events: GetEventHandle makes the graph collect its events; SetNotifyWindow
    // names the object that gets a kGraphEventType event when some are pending (none
    // stops the notices). GetEvent takes the next one without waiting.
    virtual GraphResult GetEventHandle() = 0;
    virtual GraphResult SetNotifyWindow(QObject* target) = 0;
    virtual GraphResult GetEvent(GraphEvent& event) = 0;
    virtual GraphResult FreeEventParams(const GraphEvent& event) = 0;

    // Transport.
    virtual GraphResult Run() = 0;
    virtual GraphResult Pause() = 0;
    virtual GraphResult Stop() = 0;
    // Returns once a pending pause (after a pause or a seek) has settled.
    virtual GraphResult StopWhenReady() = 0;

    // Time. Only the media time format (100-ns units) is offered.
    virtual GraphResult SetTimeFormatMediaTime() = 0;
    virtual GraphResult GetDuration(GraphTime& duration) = 0;
    virtual GraphResult GetCurrentPosition(GraphTime& position) = 0;
    // Whether the stream has ended: position and duration are then held equal at
    // the end until the next seek, stop or file.
    virtual GraphResult GetEndOfStream(bool& ended) = 0;
    // Moves the current position; the stop position is left alone.
    virtual GraphResult SetPositions(GraphTime current) = 0;
    virtual GraphResult SetRate(double rate) = 0;

    // Audio, in hundredths of a decibel.
    virtual GraphResult PutVolume(long attenuation) = 0;
    virtual GraphResult PutBalance(long balance) = 0;

    // Video: how many video streams the rendered file has, the native picture
    // size, and the output that shows it.
    virtual GraphResult GetVideoStreamCount(int& count) = 0;
    virtual GraphResult GetVideoSize(int& width, int& height) = 0;
    virtual GraphResult PutOwner(VideoOutputOwner* owner) = 0;
    virtual GraphResult PutWindowState(bool visible) = 0;
    virtual GraphResult PutFullScreenMode(bool on) = 0;
    virtual GraphResult GetFullScreenMode(bool& on) = 0;
    virtual GraphResult SetWindowPosition(const QRect& rect) = 0;
    // Before a video file is rendered: the window the output will be bound to,
    // so that an output that draws into a window of its own can be given it
    // before its first picture. Nothing changes when it cannot.
    virtual GraphResult PrepareVideoOutput(VideoOutputOwner* owner) {
        (void)owner;
        return kGraphOk;
    }
    virtual GraphResult GetVideoStatistics(VideoStatistics& statistics) {
        (void)statistics;
        return kGraphNoInterface;
    }
    // The owner tells the output it left full-screen mode by itself (the user
    // switched away); the graph then posts kEventFullScreenLost.
    virtual GraphResult NotifyFullScreenLost() = 0;

    // The filters of the graph that have at least one input, by name, sorted; one
    // filter's properties; setting one from its text form.
    virtual GraphResult EnumFilters(QStringList& names) = 0;
    virtual GraphResult GetFilterProperties(const QString& filter,
                                            QList<FilterProperty>& properties) = 0;
    virtual GraphResult SetFilterProperty(const QString& filter, const QString& property,
                                          const QString& value) = 0;

    // A description of a code, at most 160 characters; empty when there is none.
    virtual QString GetErrorText(GraphResult hr) = 0;
};
