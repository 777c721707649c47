#include "jukebox/playback/media_engine.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QUrl>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>

#include "jukebox/common/path_functions.h"
#include "jukebox/options/extension_lists.h"
#include "jukebox/playback/media_engine_window.h"
#include "jukebox/ui/ui_service.h"

namespace {

// 10000^(1/3) / 100 and 10000^(1/3.5) / 100: the curves reach exactly 10000 at 100.
constexpr double kVolumeBase = 0.21544347056335536;
constexpr double kBalanceBase = 0.13894956739302738;

long attenuationOf(int level) {
    if (level == 0) {
        return 0;
    }
    return -static_cast<long>(std::trunc(std::pow(std::abs(level) * kVolumeBase, 3.0)));
}

long balanceValueOf(int balance) {
    if (balance == 0) {
        return 0;
    }
    long magnitude = static_cast<long>(std::trunc(std::pow(std::abs(balance) * kBalanceBase, 3.5)));
    return balance < 0 ? -magnitude : magnitude;
}

int toMs(GraphTime time) {
    GraphTime ms = time / kGraphUnitsPerMs;  // truncates toward zero
    return static_cast<int>(std::clamp<GraphTime>(ms, INT_MIN, INT_MAX));
}

QString interfaceName(GraphInterface which) {
    switch (which) {
        case GraphInterface::Events:
            return QStringLiteral("event");
        case GraphInterface::Control:
            return QStringLiteral("control");
        case GraphInterface::Seeking:
            return QStringLiteral("seeking");
        case GraphInterface::Audio:
            return QStringLiteral("audio");
        case GraphInterface::BasicVideo:
            return QCoreApplication::translate("MediaEngine", "video size");
        case GraphInterface::VideoWindow:
            return QCoreApplication::translate("MediaEngine", "video output");
    }
    return QString();
}

// Gathers the failure reports made while it lives into list, through the engine's
// slot for them, and gives the slot back as it found it.
class Gathering {
public:
    explicit Gathering(QStringList*& slot) : slot_(slot), previous_(slot) { slot_ = &list; }
    ~Gathering() { slot_ = previous_; }
    Gathering(const Gathering&) = delete;
    Gathering& operator=(const Gathering&) = delete;

    QStringList list;

private:
    QStringList*& slot_;
    QStringList* previous_;
};

// The name a failure notice gives the file: a local file's own name (a file:// URL
// decoded), an address whole.
QString shownName(const QString& path, bool address) {
    if (address) {
        return path;
    }
    QString local = path;
    if (path.startsWith(QStringLiteral("file:"), Qt::CaseInsensitive)) {
        const QString decoded = LocalPathOfUrl(QUrl(path));
        if (!decoded.isEmpty()) {
            local = decoded;
        }
    }
    const QString name = FileNamePart(local);
    return name.isEmpty() ? path : name;
}

}  // namespace

MediaEngine::MediaEngine(MediaGraph& graph, MediaEngineWindow& window, UiService& ui,
                         Classifier classify)
    : graph_(graph), window_(window), ui_(ui), classify_(std::move(classify)) {}

MediaEngine::~MediaEngine() = default;

void MediaEngine::ReportError(GraphResult hr, const QString& what) {
    if (GraphSucceeded(hr)) {
        return;
    }
    QString text = graph_.GetErrorText(hr).left(kMaxErrorText);
    if (text.isEmpty()) {
        // The graph has no words for this code: at least say what failed.
        text = what.isEmpty()
                   ? QCoreApplication::translate("MediaEngine", "The graph gave no description")
                   : QCoreApplication::translate("MediaEngine", "%1 failed").arg(what);
    }
    QString code = QString::number(static_cast<uint32_t>(hr), 16).toUpper();
    const QString message =
        QCoreApplication::translate("MediaEngine", "Operation Failed, HRESULT %1\n").arg(code) +
        text;
    if (notes_ != nullptr) {
        notes_->append(message);
    } else {
        ui_.notify(message);
    }
}

bool MediaEngine::report(GraphResult hr, const QString& what) {
    ReportError(hr, what);
    return GraphSucceeded(hr);
}

bool MediaEngine::query(GraphInterface which) {
    return report(graph_.QueryInterface(which),
                  QCoreApplication::translate("MediaEngine", "Asking for the %1 interface")
                      .arg(interfaceName(which)));
}

bool MediaEngine::CreateGraph() {
    if (!report(graph_.CreateGraph(),
                QCoreApplication::translate("MediaEngine", "Creating the graph"))) {
        hasGraph_ = false;
        return false;
    }
    hasGraph_ = true;
    rendered_ = false;
    bool events = query(GraphInterface::Events) &&
                  report(graph_.GetEventHandle(),
                         QCoreApplication::translate("MediaEngine", "Getting the event handle"));
    if (!events) {
        ReleaseGraph();
        return false;
    }
    return true;
}

bool MediaEngine::isAddress(const QString& path) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    return IsHttpAddress(path) || (scheme.match(path).hasMatch() &&
                                   !path.startsWith(QStringLiteral("file:"), Qt::CaseInsensitive));
}

bool MediaEngine::OpenMedia(const QString& path) {
    return BeginOpen(path) == OpenResult::Opened;
}

OpenResult MediaEngine::BeginOpen(const QString& path) {
    if (isAddress(path)) {
        return beginAddressOpen(path);
    }
    return openLocal(path) ? OpenResult::Opened : OpenResult::Failed;
}

bool MediaEngine::startOpen(const QString& path, int mediaClass, QStringList& notes) {
    ReleaseGraph();  // the previous file's, or a pending open
    if (mediaClass == MediaAudio) {
        window_.hideWithFade();
    }
    if (!CreateGraph()) {
        openFailed(notes, QCoreApplication::translate("MediaEngine", "Failed to init quartz core"),
                   path);
        return false;
    }
    if (mediaClass == MediaVideo) {
        // Not reported: an output that cannot draw into the window hands it frames.
        graph_.PrepareVideoOutput(window_.videoOutputOwner());
    }
    lastPositionMs_ = 0;
    return true;
}

// One notice for one failed open: what the graph said, what failed, and the
// file, so that the user knows which of the tracks it was.
void MediaEngine::openFailed(QStringList& notes, const QString& why, const QString& path) {
    notes.append(why);
    notes.append(shownName(path, isAddress(path)));
    tell(notes);
}

// What went wrong along an open that went on all the same, in one notice.
void MediaEngine::tell(QStringList& notes) {
    if (!notes.isEmpty()) {
        ui_.notify(notes.join(u'\n'));
        notes.clear();
    }
}

int MediaEngine::classOf(const QString& path) const {
    return classify_ ? classify_(ExtensionPart(path)) : MediaNone;
}

bool MediaEngine::openLocal(const QString& path) {
    Gathering gathering(notes_);
    const int mediaClass = classOf(path);
    if (!startOpen(path, mediaClass, gathering.list)) {
        return false;
    }
    if (!report(graph_.RenderFile(path),
                QCoreApplication::translate("MediaEngine", "Rendering the file"))) {
        openFailed(gathering.list,
                   QCoreApplication::translate("MediaEngine", "Cannot render the file"), path);
        return false;
    }
    rendered_ = true;
    if (query(GraphInterface::Events)) {
        graph_.SetNotifyWindow(window_.graphEventTarget());
    }
    finishOpen(mediaClass);
    tell(gathering.list);
    return true;
}

// The graph is told where its events go before it starts: the end of the render
// is one of them.
OpenResult MediaEngine::beginAddressOpen(const QString& path) {
    Gathering gathering(notes_);
    const int mediaClass = classOf(path);
    if (!startOpen(path, mediaClass, gathering.list)) {
        return OpenResult::Failed;
    }
    if (query(GraphInterface::Events)) {
        graph_.SetNotifyWindow(window_.graphEventTarget());
    }
    if (!report(graph_.BeginRenderFile(path),
                QCoreApplication::translate("MediaEngine", "Rendering the file"))) {
        openFailed(gathering.list,
                   QCoreApplication::translate("MediaEngine", "Cannot render the file"), path);
        return OpenResult::Failed;
    }
    opening_ = true;
    pendingClass_ = mediaClass;
    pendingPath_ = path;
    tell(gathering.list);
    return OpenResult::Pending;
}

// The render of a pending open ended with result; true when the file is cued.
bool MediaEngine::endPendingOpen(GraphResult result) {
    opening_ = false;
    Gathering gathering(notes_);
    if (!report(result, QCoreApplication::translate("MediaEngine", "Rendering the file"))) {
        openFailed(gathering.list,
                   QCoreApplication::translate("MediaEngine", "Cannot render the file"),
                   pendingPath_);
        return false;
    }
    rendered_ = true;
    finishOpen(pendingClass_);
    tell(gathering.list);
    return true;
}

void MediaEngine::CancelOpen() {
    if (opening_) {
        ReleaseGraph();
    }
}

void MediaEngine::finishOpen(int mediaClass) {
    if (mediaClass == MediaVideo) {
        BindVideoOutput();
    }
    if (query(GraphInterface::Seeking)) {
        graph_.SetTimeFormatMediaTime();
    }
    Pause();
    readDuration(true);
    SetVolume(volumeLevel_ + 100);
    SetBalance(balance_);
    window_.refreshFilters();
}

void MediaEngine::BindVideoOutput() {
    int streams = -1;
    if (GraphSucceeded(graph_.GetVideoStreamCount(streams)) && streams == 0) {
        // Sound only in a video container (music in a .webm or .mp4): it plays as
        // audio, and the window keeps its size and its first-open view for a video.
        window_.hideWithFade();
        return;
    }
    if (!query(GraphInterface::VideoWindow)) {
        return;
    }
    window_.showWithFade();
    // The window paints the pictures itself, so it also gets the output's mouse and
    // keys: owning the output is all the binding there is.
    graph_.PutOwner(window_.videoOutputOwner());
    graph_.PutWindowState(true);
    if (query(GraphInterface::BasicVideo)) {
        int width = 0;
        int height = 0;
        if (GraphSucceeded(graph_.GetVideoSize(width, height))) {
            videoWidth_ = width;
            videoHeight_ = height;
        }
    }
    const bool first = firstOpen_;
    firstOpen_ = false;
    window_.videoOutputBound(first);
}

void MediaEngine::readDuration(bool forgetOnFailure) {
    if (!query(GraphInterface::Seeking)) {
        return;
    }
    GraphTime duration = 0;
    if (GraphSucceeded(graph_.GetDuration(duration))) {
        duration_ = duration;
    } else if (forgetOnFailure) {
        // Not the previous file's length.
        duration_ = 0;
    }
}

void MediaEngine::ReleaseGraph() {
    if (!hasGraph_) {
        return;
    }
    if (query(GraphInterface::VideoWindow)) {
        graph_.PutWindowState(false);
        graph_.PutOwner(nullptr);
    }
    if (query(GraphInterface::Events)) {
        graph_.SetNotifyWindow(nullptr);
    }
    graph_.Release();
    hasGraph_ = false;
    rendered_ = false;
    opening_ = false;
    lastPositionMs_ = 0;
}

void MediaEngine::Run() {
    if (!cued()) {
        return;
    }
    if (query(GraphInterface::Control)) {
        report(graph_.Run(), QCoreApplication::translate("MediaEngine", "Running the graph"));
    }
    engineState_ = Running;
}

void MediaEngine::Pause() {
    if (!cued()) {
        return;
    }
    if (query(GraphInterface::Control)) {
        graph_.Pause();
        graph_.StopWhenReady();
    }
    engineState_ = Paused;
}

void MediaEngine::Stop() {
    if (opening_) {
        CancelOpen();
        engineState_ = Stopped;
        return;
    }
    if (!cued()) {
        return;
    }
    if (query(GraphInterface::Control)) {
        report(graph_.Stop(), QCoreApplication::translate("MediaEngine", "Stopping the graph"));
    }
    engineState_ = Stopped;
}

void MediaEngine::Rewind() {
    SeekTo(0);
}

void MediaEngine::SeekTo(int ms) {
    if (!cued()) {
        return;
    }
    GraphTime target = static_cast<GraphTime>(ms) * kGraphUnitsPerMs;
    // Beyond the end the graph would take the target as the position, and the end
    // of the track would then be reported there.
    if (duration_ > 0 && target > duration_) {
        target = duration_;
    }
    if (query(GraphInterface::Seeking) && GraphSucceeded(graph_.SetPositions(target))) {
        lastPositionMs_ = toMs(target);
    }
    // A paused or stopped graph shows the picture at the new position.
    if ((engineState_ == Stopped || engineState_ == Paused) && query(GraphInterface::Control)) {
        graph_.Pause();
        graph_.StopWhenReady();
    }
}

bool MediaEngine::SetRate(double rate) {
    // An absurd rate would be kept by the graph for every later seek.
    if (!cued() || !std::isfinite(rate) || rate <= 0.0 || rate > kMaxRate) {
        return false;
    }
    return query(GraphInterface::Seeking) && GraphSucceeded(graph_.SetRate(rate));
}

int MediaEngine::GetPositionMs() {
    if (!cued()) {
        return 0;
    }
    GraphTime position = 0;
    if (query(GraphInterface::Seeking) && GraphSucceeded(graph_.GetCurrentPosition(position))) {
        lastPositionMs_ = toMs(position);
    }
    return lastPositionMs_;
}

int MediaEngine::GetDurationMs() const {
    return toMs(duration_);
}

bool MediaEngine::AtEnd() {
    bool ended = false;
    return cued() && GraphSucceeded(graph_.GetEndOfStream(ended)) && ended;
}

void MediaEngine::SetVolume(int volume) {
    volumeLevel_ = std::clamp(volume - 100, -100, 0);
    if (hasGraph_ && query(GraphInterface::Audio)) {
        graph_.PutVolume(attenuationOf(volumeLevel_));
    }
}

void MediaEngine::SetBalance(int balance) {
    balance_ = std::clamp(balance, -100, 100);
    if (hasGraph_ && query(GraphInterface::Audio)) {
        graph_.PutBalance(balanceValueOf(balance_));
    }
}

void MediaEngine::OnGraphEvent() {
    if (!hasGraph_ || !query(GraphInterface::Events)) {
        return;
    }
    GraphEvent event;
    int finished = -1;  // a pending open ended: 1 opened, 0 failed
    while (GraphSucceeded(graph_.GetEvent(event))) {
        if (event.code == kEventRenderComplete) {
            if (opening_) {
                finished = endPendingOpen(static_cast<GraphResult>(event.param1)) ? 1 : 0;
            }
        } else if (event.code == kEventFullScreenLost) {
            window_.fullScreenLost();
        } else if (event.code == kEventLengthChanged || event.code == kEventComplete) {
            if (event.code == kEventComplete) {
                logVideoStatistics();
            }
            // Some files tell their true length only while they play; the end-of-track
            // poll compares the position with this value, and the position slider
            // takes its range from it.
            const GraphTime before = duration_;
            readDuration(false);
            if (duration_ != before) {
                window_.durationChanged(GetDurationMs());
            }
        }
        graph_.FreeEventParams(event);
    }
    // Last: the window may open the next file at once.
    if (finished >= 0) {
        window_.openFinished(finished == 1);
    }
}

bool MediaEngine::SetOutputFullScreen(bool on) {
    if (!hasGraph_) {
        return false;
    }
    if (query(GraphInterface::VideoWindow)) {
        graph_.PutFullScreenMode(on);
    }
    return true;
}

void MediaEngine::FitOutput(const QRect& clientRect) {
    if (hasGraph_ && query(GraphInterface::VideoWindow)) {
        graph_.SetWindowPosition(clientRect);
    }
}

bool MediaEngine::GetVideoStatistics(VideoStatistics& statistics) {
    statistics = VideoStatistics();
    return cued() && GraphSucceeded(graph_.GetVideoStatistics(statistics));
}

// With VELORINE_VIDEO_STATS set, the end of a video says how its picture fared
// on the standard error (for measurements; nothing is logged otherwise).
void MediaEngine::logVideoStatistics() {
    static const bool wanted = qEnvironmentVariableIsSet("VELORINE_VIDEO_STATS");
    VideoStatistics statistics;
    if (!wanted || !GetVideoStatistics(statistics) || statistics.sink.isEmpty()) {
        return;
    }
    std::fprintf(stderr, "velorine: video sink=%s shown=%llu dropped=%llu\n",
                 qPrintable(statistics.sink), static_cast<unsigned long long>(statistics.shown),
                 static_cast<unsigned long long>(statistics.dropped));
    std::fflush(stderr);
}

void MediaEngine::OutputLostFullScreen() {
    if (hasGraph_) {
        graph_.NotifyFullScreenLost();
    }
}

bool MediaEngine::EnumFilters(QStringList& names) {
    names.clear();
    return hasGraph_ && GraphSucceeded(graph_.EnumFilters(names));
}

bool MediaEngine::GetFilterProperties(const QString& filter, QList<FilterProperty>& properties) {
    properties.clear();
    return hasGraph_ && GraphSucceeded(graph_.GetFilterProperties(filter, properties));
}

bool MediaEngine::SetFilterProperty(const QString& filter, const QString& property,
                                    const QString& value) {
    return hasGraph_ && GraphSucceeded(graph_.SetFilterProperty(filter, property, value));
}
