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

GraphResult FakeMediaGraph::take(const QString& operation) {
    auto found = scripted_.find(operation);
    if (found == scripted_.end() || found->empty()) {
        return kGraphOk;
    }
    GraphResult hr = found->front();
    found->pop_front();
    return hr;
}

GraphResult FakeMediaGraph::CreateGraph() {
    calls.append(QStringLiteral("CreateGraph"));
    GraphResult hr = take(QStringLiteral("CreateGraph"));
    exists = GraphSucceeded(hr);
    return hr;
}

void FakeMediaGraph::Release() {
    calls.append(QStringLiteral("Release"));
    exists = false;
}

GraphResult FakeMediaGraph::QueryInterface(GraphInterface which) {
    QString call = QStringLiteral("Query(%1)").arg(interfaceName(which));
    calls.append(call);
    return take(call);
}

GraphResult FakeMediaGraph::RenderFile(const QString& path) {
    calls.append(QStringLiteral("RenderFile(%1)").arg(path));
    return take(QStringLiteral("RenderFile"));
}

GraphResult FakeMediaGraph::GetEventHandle() {
    calls.append(QStringLiteral("GetEventHandle"));
    return take(QStringLiteral("GetEventHandle"));
}

GraphResult FakeMediaGraph::SetNotifyWindow(QObject* target) {
    calls.append(target != nullptr ? QStringLiteral("SetNotifyWindow(window)")
                                   : QStringLiteral("SetNotifyWindow(none)"));
    notifyTarget = target;
    return take(QStringLiteral("SetNotifyWindow"));
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
    calls.append(QStringLiteral("FreeEventParams(%1)").arg(event.code));
    return kGraphOk;
}

GraphResult FakeMediaGraph::Run() {
    calls.append(QStringLiteral("Run"));
    return take(QStringLiteral("Run"));
}

GraphResult FakeMediaGraph::Pause() {
    calls.append(QStringLiteral("Pause"));
    return take(QStringLiteral("Pause"));
}

GraphResult FakeMediaGraph::Stop() {
    calls.append(QStringLiteral("Stop"));
    return take(QStringLiteral("Stop"));
}

GraphResult FakeMediaGraph::StopWhenReady() {
    calls.append(QStringLiteral("StopWhenReady"));
    return take(QStringLiteral("StopWhenReady"));
}

GraphResult FakeMediaGraph::SetTimeFormatMediaTime() {
    calls.append(QStringLiteral("SetTimeFormatMediaTime"));
    return take(QStringLiteral("SetTimeFormatMediaTime"));
}

GraphResult FakeMediaGraph::GetDuration(GraphTime& value) {
    calls.append(QStringLiteral("GetDuration"));
    GraphResult hr = take(QStringLiteral("GetDuration"));
    if (GraphSucceeded(hr)) {
        value = duration;
    }
    return hr;
}

GraphResult FakeMediaGraph::GetCurrentPosition(GraphTime& value) {
    calls.append(QStringLiteral("GetCurrentPosition"));
    GraphResult hr = take(QStringLiteral("GetCurrentPosition"));
    if (GraphSucceeded(hr)) {
        value = position;
    }
    return hr;
}

GraphResult FakeMediaGraph::SetPositions(GraphTime current) {
    calls.append(QStringLiteral("SetPositions(%1)").arg(current));
    GraphResult hr = take(QStringLiteral("SetPositions"));
    if (GraphSucceeded(hr)) {
        position = current;
    }
    return hr;
}

GraphResult FakeMediaGraph::SetRate(double rate) {
    calls.append(QStringLiteral("SetRate(%1)").arg(rate));
    return take(QStringLiteral("SetRate"));
}

GraphResult FakeMediaGraph::PutVolume(long attenuation) {
    calls.append(QStringLiteral("PutVolume(%1)").arg(attenuation));
    return take(QStringLiteral("PutVolume"));
}

GraphResult FakeMediaGraph::PutBalance(long balance) {
    calls.append(QStringLiteral("PutBalance(%1)").arg(balance));
    return take(QStringLiteral("PutBalance"));
}

GraphResult FakeMediaGraph::GetVideoSize(int& width, int& height) {
    calls.append(QStringLiteral("GetVideoSize"));
    GraphResult hr = take(QStringLiteral("GetVideoSize"));
    if (GraphSucceeded(hr)) {
        width = videoWidth;
        height = videoHeight;
    }
    return hr;
}

GraphResult FakeMediaGraph::PutOwner(VideoOutputOwner* newOwner) {
    calls.append(newOwner != nullptr ? QStringLiteral("PutOwner(window)")
                                     : QStringLiteral("PutOwner(none)"));
    owner = newOwner;
    return take(QStringLiteral("PutOwner"));
}

GraphResult FakeMediaGraph::PutWindowState(bool visible) {
    calls.append(QStringLiteral("PutWindowState(%1)").arg(flag(visible)));
    return take(QStringLiteral("PutWindowState"));
}

GraphResult FakeMediaGraph::PutFullScreenMode(bool on) {
    calls.append(QStringLiteral("PutFullScreenMode(%1)").arg(flag(on)));
    return take(QStringLiteral("PutFullScreenMode"));
}

GraphResult FakeMediaGraph::GetFullScreenMode(bool& on) {
    calls.append(QStringLiteral("GetFullScreenMode"));
    on = false;
    return take(QStringLiteral("GetFullScreenMode"));
}

GraphResult FakeMediaGraph::SetWindowPosition(const QRect& rect) {
    calls.append(QStringLiteral("SetWindowPosition(%1,%2,%3,%4)")
                     .arg(rect.x())
                     .arg(rect.y())
                     .arg(rect.width())
                     .arg(rect.height()));
    return take(QStringLiteral("SetWindowPosition"));
}

GraphResult FakeMediaGraph::NotifyFullScreenLost() {
    calls.append(QStringLiteral("NotifyFullScreenLost"));
    return take(QStringLiteral("NotifyFullScreenLost"));
}

GraphResult FakeMediaGraph::EnumFilters(QStringList& names) {
    calls.append(QStringLiteral("EnumFilters"));
    GraphResult hr = take(QStringLiteral("EnumFilters"));
    if (GraphSucceeded(hr)) {
        names = filters;
    }
    return hr;
}

GraphResult FakeMediaGraph::GetFilterProperties(const QString& filter,
                                                QList<FilterProperty>& properties) {
    calls.append(QStringLiteral("GetFilterProperties(%1)").arg(filter));
    properties.clear();
    return take(QStringLiteral("GetFilterProperties"));
}

GraphResult FakeMediaGraph::SetFilterProperty(const QString& filter, const QString& property,
                                              const QString& value) {
    calls.append(QStringLiteral("SetFilterProperty(%1,%2,%3)").arg(filter, property, value));
    return take(QStringLiteral("SetFilterProperty"));
}

QString FakeMediaGraph::GetErrorText(GraphResult hr) {
    return errorTexts.value(hr);
}
