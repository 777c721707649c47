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
    GraphResult GetEventHandle() override;
    GraphResult SetNotifyWindow(QObject* target) override;
    GraphResult GetEvent(GraphEvent& event) override;
    GraphResult FreeEventParams(const GraphEvent& event) override;
    GraphResult Run() override;
    GraphResult Pause() override;
    GraphResult Stop() override;
    GraphResult StopWhenReady() override;
    GraphResult SetTimeFormatMediaTime() override;
    GraphResult GetDuration(GraphTime& value) override;
    GraphResult GetCurrentPosition(GraphTime& value) override;
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

    QStringList calls;
    QHash<GraphResult, QString> errorTexts;  // what GetErrorText answers; else empty

    // What the graph reports.
    GraphTime duration = 0;
    GraphTime position = 0;  // SetPositions moves it
    int videoWidth = 0;
    int videoHeight = 0;
    std::deque<GraphEvent> events;
    QStringList filters;

    // What the graph was given.
    QObject* notifyTarget = nullptr;
    VideoOutputOwner* owner = nullptr;
    bool exists = false;

private:
    GraphResult take(const QString& operation);
    QHash<QString, std::deque<GraphResult>> scripted_;
};
