#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <deque>
#include <initializer_list>

#include "jukebox/playback/media_graph.h"

// A media graph for tests: records every call as text ("RenderFile(/a.mp3)",
// "Query(Seeking)") and answers from what the test scripted.
class FakeMediaGraph : public MediaGraph {
public:
    // The next results of an operation, by the name its calls are recorded under
    // ("Run", "Query(Audio)"); an operation with none left succeeds.
    void script(const QString& operation, std::initializer_list<GraphResult> next);
    // The calls without the interface queries.
    QStringList operations() const;

    GraphResult CreateGraph() override;
    void Release() override;
    GraphResult QueryInterface(GraphInterface which) override;
    GraphResult RenderFile(const QString& path) override;
    GraphResult BeginRenderFile(const QString& path) override;
    GraphResult GetEventHandle() override { return record(u"GetEventHandle"); }
    GraphResult SetNotifyWindow(QObject* target) override;
    GraphResult GetEvent(GraphEvent& event) override;
    GraphResult FreeEventParams(const GraphEvent& event) override;
    GraphResult Run() override { return record(u"Run"); }
    GraphResult Pause() override { return record(u"Pause"); }
    GraphResult Stop() override { return record(u"Stop"); }
    GraphResult StopWhenReady() override { return record(u"StopWhenReady"); }
    GraphResult SetTimeFormatMediaTime() override { return record(u"SetTimeFormatMediaTime"); }
    GraphResult GetDuration(GraphTime& value) override;
    GraphResult GetCurrentPosition(GraphTime& value) override;
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
    GraphResult NotifyFullScreenLost() override { return record(u"NotifyFullScreenLost"); }
    GraphResult PrepareVideoOutput(VideoOutputOwner* owner) override;
    GraphResult GetVideoStatistics(VideoStatistics& statistics) override;
    GraphResult EnumFilters(QStringList& names) override;
    GraphResult GetFilterProperties(const QString& filter,
                                    QList<FilterProperty>& properties) override;
    GraphResult SetFilterProperty(const QString& filter, const QString& property,
                                  const QString& value) override;
    QString GetErrorText(GraphResult hr) override { return errorTexts.value(hr); }

    QStringList calls;
    QHash<GraphResult, QString> errorTexts;  // what GetErrorText answers; else empty

    // What the graph reports.
    GraphTime duration = 0;
    GraphTime position = 0;  // SetPositions moves it
    bool endOfStream = false;
    int videoStreams = 1;
    int videoWidth = 0;
    int videoHeight = 0;
    std::deque<GraphEvent> events;
    QStringList filters;
    VideoStatistics statistics;

    // What the graph was given.
    QObject* notifyTarget = nullptr;
    VideoOutputOwner* owner = nullptr;

private:
    // Records call and returns the next scripted result of operation (by default the
    // call's name up to its argument list).
    GraphResult record(QStringView call, QStringView operation = {});
    QHash<QString, std::deque<GraphResult>> scripted_;
};
