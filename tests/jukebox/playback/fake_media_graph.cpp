#include "tests/jukebox/playback/fake_media_graph.h"

namespace {

QString interfaceName(GraphInterface which) {
    switch (which) {
        case GraphInterface::Events:
            return QStringLiteral("Events");
        case GraphInterface::Control:
            return QStringLiteral("Control");
        case GraphInterface::Seeking:
            return QStringLiteral("Seeking");
        case GraphInterface::Audio:
            return QStringLiteral("Audio");
        case GraphInterface::BasicVideo:
            return QStringLiteral("BasicVideo");
        case GraphInterface::VideoWindow:
            return QStringLiteral("VideoWindow");
    }
    return QString();
}

QString flag(bool on) {
    return on ? QStringLiteral("true") : QStringLiteral("false");
}

QString withArgument(QStringView name, QStringView argument) {
    return QStringLiteral("%1(%2)").arg(name, argument);
}

}  // namespace

void FakeMediaGraph::script(const QString& operation, std::initializer_list<GraphResult> next) {
    auto& queue = scripted_[operation];
    queue.insert(queue.end(), next.begin(), next.end());
}

QStringList FakeMediaGraph::operations() const {
    QStringList result;
    for (const QString& call : calls) {
        if (!call.startsWith(QStringLiteral("Query("))) {
            result.append(call);
        }
    }
    return result;
}

GraphResult FakeMediaGraph::record(QStringView call, QStringView operation) {
    calls.append(call.toString());
    const QStringView name = operation.isEmpty() ? call.left(call.indexOf(u'(')) : operation;
    auto found = scripted_.find(name.toString());
    if (found == scripted_.end() || found->empty()) {
        return kGraphOk;
    }
    GraphResult hr = found->front();
    found->pop_front();
    return hr;
}

GraphResult FakeMediaGraph::CreateGraph() {
    return record(QStringLiteral("CreateGraph"));
}

void FakeMediaGraph::Release() {
    calls.append(QStringLiteral("Release"));
}

GraphResult FakeMediaGraph::QueryInterface(GraphInterface which) {
    const QString call = withArgument(u"Query", interfaceName(which));
    return record(call, call);
}

GraphResult FakeMediaGraph::RenderFile(const QString& path) {
    return record(withArgument(u"RenderFile", path));
}

GraphResult FakeMediaGraph::BeginRenderFile(const QString& path) {
    return record(withArgument(u"BeginRenderFile", path));
}

GraphResult FakeMediaGraph::SetNotifyWindow(QObject* target) {
    notifyTarget = target;
    return record(withArgument(u"SetNotifyWindow", QStringView(target ? u"window" : u"none")));
}

GraphResult FakeMediaGraph::GetEvent(GraphEvent& event) {
    calls.append(QStringLiteral("GetEvent"));
    if (events.empty()) {
        return kGraphAbort;
    }
    event = events.front();
    events.pop_front();
    return kGraphOk;
}

GraphResult FakeMediaGraph::FreeEventParams(const GraphEvent& event) {
    return record(withArgument(u"FreeEventParams", QString::number(event.code)));
}

GraphResult FakeMediaGraph::GetDuration(GraphTime& value) {
    GraphResult hr = record(QStringLiteral("GetDuration"));
    if (GraphSucceeded(hr)) {
        value = duration;
    }
    return hr;
}

GraphResult FakeMediaGraph::GetCurrentPosition(GraphTime& value) {
    GraphResult hr = record(QStringLiteral("GetCurrentPosition"));
    if (GraphSucceeded(hr)) {
        value = position;
    }
    return hr;
}

GraphResult FakeMediaGraph::GetEndOfStream(bool& ended) {
    GraphResult hr = record(QStringLiteral("GetEndOfStream"));
    if (GraphSucceeded(hr)) {
        ended = endOfStream;
    }
    return hr;
}

GraphResult FakeMediaGraph::SetPositions(GraphTime current) {
    GraphResult hr = record(withArgument(u"SetPositions", QString::number(current)));
    if (GraphSucceeded(hr)) {
        position = current;
    }
    return hr;
}

GraphResult FakeMediaGraph::SetRate(double rate) {
    return record(withArgument(u"SetRate", QString::number(rate)));
}

GraphResult FakeMediaGraph::PutVolume(long attenuation) {
    return record(withArgument(u"PutVolume", QString::number(attenuation)));
}

GraphResult FakeMediaGraph::PutBalance(long balance) {
    return record(withArgument(u"PutBalance", QString::number(balance)));
}

GraphResult FakeMediaGraph::GetVideoStreamCount(int& count) {
    GraphResult hr = record(QStringLiteral("GetVideoStreamCount"));
    if (GraphSucceeded(hr)) {
        count = videoStreams;
    }
    return hr;
}

GraphResult FakeMediaGraph::GetVideoSize(int& width, int& height) {
    GraphResult hr = record(QStringLiteral("GetVideoSize"));
    if (GraphSucceeded(hr)) {
        width = videoWidth;
        height = videoHeight;
    }
    return hr;
}

GraphResult FakeMediaGraph::PutOwner(VideoOutputOwner* newOwner) {
    owner = newOwner;
    return record(withArgument(u"PutOwner", QStringView(newOwner ? u"window" : u"none")));
}

GraphResult FakeMediaGraph::PrepareVideoOutput(VideoOutputOwner* preparedFor) {
    return record(
        withArgument(u"PrepareVideoOutput", QStringView(preparedFor ? u"window" : u"none")));
}

GraphResult FakeMediaGraph::GetVideoStatistics(VideoStatistics& answer) {
    const GraphResult hr = record(u"GetVideoStatistics");
    if (GraphSucceeded(hr)) {
        answer = statistics;
    }
    return hr;
}

GraphResult FakeMediaGraph::PutWindowState(bool visible) {
    return record(withArgument(u"PutWindowState", flag(visible)));
}

GraphResult FakeMediaGraph::PutFullScreenMode(bool on) {
    return record(withArgument(u"PutFullScreenMode", flag(on)));
}

GraphResult FakeMediaGraph::GetFullScreenMode(bool& on) {
    on = false;
    return record(QStringLiteral("GetFullScreenMode"));
}

GraphResult FakeMediaGraph::SetWindowPosition(const QRect& rect) {
    return record(QStringLiteral("SetWindowPosition(%1,%2,%3,%4)")
                      .arg(rect.x())
                      .arg(rect.y())
                      .arg(rect.width())
                      .arg(rect.height()));
}

GraphResult FakeMediaGraph::EnumFilters(QStringList& names) {
    GraphResult hr = record(QStringLiteral("EnumFilters"));
    if (GraphSucceeded(hr)) {
        names = filters;
    }
    return hr;
}

GraphResult FakeMediaGraph::GetFilterProperties(const QString& filter,
                                                QList<FilterProperty>& properties) {
    properties.clear();
    return record(withArgument(u"GetFilterProperties", filter));
}

GraphResult FakeMediaGraph::SetFilterProperty(const QString& filter, const QString& property,
                                              const QString& value) {
    return record(QStringLiteral("SetFilterProperty(%1,%2,%3)").arg(filter, property, value));
}
