#include "jukebox/mpris/mpris_bridge.h"

#include <QCryptographicHash>
#include <QDBusObjectPath>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <cmath>

#include "jukebox/common/path_functions.h"
#include "jukebox/cover/cover_candidates.h"
#include "jukebox/playback/media_engine.h"
#include "jukebox/shell/command_ids.h"
#include "jukebox/shell/local_file_url.h"
#include "jukebox/shell/transport.h"
#include "jukebox/tracklist/tracklist_store.h"

namespace {

constexpr qlonglong kUsPerMs = 1000;

QString loopName(bool loop) {
    return loop ? QStringLiteral("Track") : QStringLiteral("Playlist");
}

}  // namespace

const QString MprisBridge::kNoTrack = QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack");

MprisBridge::MprisBridge(Transport& transport, const TracklistStore& tracklist, MediaEngine& engine,
                         MprisHooks hooks, QObject* parent)
    : QObject(parent),
      transport_(transport),
      tracklist_(tracklist),
      engine_(engine),
      hooks_(std::move(hooks)) {
    auto mark = [this](const char* name) {
        return [this, name] { changed(QString::fromLatin1(name)); };
    };
    connect(&transport_, &Transport::modeChanged, this, mark("PlaybackStatus"));
    connect(&transport_, &Transport::loopChanged, this, mark("LoopStatus"));
    connect(&transport_, &Transport::randomChanged, this, mark("Shuffle"));
    connect(&transport_, &Transport::speedChanged, this, mark("Rate"));
    connect(&transport_, &Transport::volumeChanged, this, mark("Volume"));
    connect(&transport_, &Transport::durationChanged, this, mark("Metadata"));
    connect(&transport_, &Transport::trackChanged, this, &MprisBridge::trackChanged);
    connect(&transport_, &Transport::seeked, this,
            [this](int ms) { Q_EMIT seeked(ms * kUsPerMs); });
}

// State -> properties.

QString MprisBridge::playbackStatus() const {
    switch (transport_.mode()) {
        case Transport::Mode::Playing:
            return QStringLiteral("Playing");
        case Transport::Mode::Paused:
            return QStringLiteral("Paused");
        default:
            return QStringLiteral("Stopped");
    }
}

QString MprisBridge::loopStatus() const {
    return loopName(transport_.loop());
}

bool MprisBridge::shuffle() const {
    return transport_.random();
}

double MprisBridge::volume() const {
    return engine_.GetVolume() / 100.0;
}

double MprisBridge::rate() const {
    return transport_.speed();
}

double MprisBridge::minimumRate() const {
    return Transport::kMinSpeed;
}

double MprisBridge::maximumRate() const {
    return Transport::kMaxSpeed;
}

qlonglong MprisBridge::position() const {
    return trackOpen_ ? engine_.GetPositionMs() * kUsPerMs : 0;
}

bool MprisBridge::hasCurrentEntry() const {
    const int index = tracklist_.currentIndex();
    return index >= 0 && index < tracklist_.EntryCount();
}

QString MprisBridge::TrackIdOf(const QString& path) {
    const QByteArray hash =
        QCryptographicHash::hash(LocalPathBytes(path), QCryptographicHash::Sha1).toHex();
    return QStringLiteral("/org/quillamo/velorine/track/t") + QString::fromLatin1(hash.left(16));
}

QVariantMap MprisBridge::metadata() const {
    QVariantMap map;
    if (!hasCurrentEntry()) {
        map.insert(QStringLiteral("mpris:trackid"), QVariant::fromValue(QDBusObjectPath(kNoTrack)));
        return map;
    }
    // The texts the track panel shows, read in the code page chosen for them.
    const TrackEntry entry = tracklist_.EntryAt(-1);
    map.insert(QStringLiteral("mpris:trackid"),
               QVariant::fromValue(QDBusObjectPath(TrackIdOf(entry.path))));
    map.insert(QStringLiteral("xesam:title"), entry.name);
    if (!entry.artist.isEmpty()) {
        map.insert(QStringLiteral("xesam:artist"), QStringList(entry.artist));
    }
    if (!entry.source.isEmpty()) {
        map.insert(QStringLiteral("xesam:album"), entry.source);
    }
    map.insert(QStringLiteral("xesam:url"),
               QString::fromLatin1(LocalFileUrl(entry.path).toEncoded()));
    if (trackOpen_) {
        map.insert(QStringLiteral("mpris:length"), qlonglong(engine_.GetDurationMs()) * kUsPerMs);
    }
    if (!coverUrl_.isEmpty()) {
        map.insert(QStringLiteral("mpris:artUrl"), coverUrl_);
    }
    return map;
}

QVariant MprisBridge::playerProperty(const QString& name) const {
    if (name == u"PlaybackStatus") {
        return playbackStatus();
    }
    if (name == u"LoopStatus") {
        return loopStatus();
    }
    if (name == u"Shuffle") {
        return shuffle();
    }
    if (name == u"Volume") {
        return volume();
    }
    if (name == u"Rate") {
        return rate();
    }
    if (name == u"Metadata") {
        return metadata();
    }
    if (name == u"CanSeek") {
        return canSeek();
    }
    return {};
}

void MprisBridge::trackChanged(bool opened) {
    trackOpen_ = opened;
    coverUrl_.clear();
    if (hasCurrentEntry()) {
        const QStringList covers = CoverCandidates(tracklist_.EntryAt(-1).path);
        if (!covers.isEmpty()) {
            coverUrl_ = QString::fromLatin1(LocalFileUrl(covers.first()).toEncoded());
        }
    }
    changed(QStringLiteral("Metadata"));
    changed(QStringLiteral("CanSeek"));
}

void MprisBridge::changed(const QString& name) {
    changed_.insert(name);
    if (!flushQueued_) {
        flushQueued_ = true;
        QTimer::singleShot(0, this, &MprisBridge::flush);
    }
}

void MprisBridge::flush() {
    flushQueued_ = false;
    QVariantMap values;
    for (const QString& name : std::exchange(changed_, {})) {
        values.insert(name, playerProperty(name));
    }
    if (!values.isEmpty()) {
        Q_EMIT playerPropertiesChanged(values);
    }
}

// Methods -> commands. Each one runs when no box is open, and reads the state
// at that moment.

void MprisBridge::run(std::function<void()> task) {
    if (hooks_.whenIdle) {
        hooks_.whenIdle(std::move(task));
    } else {
        task();
    }
}

void MprisBridge::PlayPause() {
    run([this] {
        hooks_.command(transport_.mode() == Transport::Mode::Stopped ? ControlId::Play
                                                                     : ControlId::Pause);
    });
}

void MprisBridge::Play() {
    run([this] {
        if (transport_.mode() != Transport::Mode::Playing) {
            hooks_.command(ControlId::Play);
        }
    });
}

void MprisBridge::Pause() {
    run([this] {
        if (transport_.mode() == Transport::Mode::Playing) {
            hooks_.command(ControlId::Pause);
        }
    });
}

void MprisBridge::Stop() {
    run([this] {
        if (transport_.mode() != Transport::Mode::Stopped) {
            hooks_.command(ControlId::Stop);
        }
    });
}

void MprisBridge::Next() {
    run([this] { hooks_.command(ControlId::End); });
}

void MprisBridge::Previous() {
    run([this] { hooks_.command(ControlId::Home); });
}

void MprisBridge::setLoopStatus(const QString& status) {
    const bool wanted = status == u"Track";
    if (status != u"None" && status != u"Playlist" && !wanted) {
        return;
    }
    run([this, wanted] {
        if (wanted != transport_.loop()) {
            hooks_.command(ControlId::Loop);
        }
    });
}

void MprisBridge::setShuffle(bool on) {
    run([this, on] {
        if (on != transport_.random()) {
            hooks_.command(ControlId::Random);
        }
    });
}

void MprisBridge::setVolume(double volume) {
    if (std::isnan(volume)) {
        return;
    }
    const int level = int(std::lround(std::clamp(volume, 0.0, 1.0) * 100));
    run([this, level] { transport_.SetVolume(level); });
}

void MprisBridge::setRate(double rate) {
    if (std::isnan(rate)) {
        return;
    }
    if (rate <= 0.0) {
        Pause();  // what a rate of nought means to MPRIS
        return;
    }
    run([this, rate] { transport_.SetSpeed(rate); });
}

void MprisBridge::Seek(qlonglong offsetUs) {
    run([this, offsetUs] {
        if (!canSeek()) {
            return;
        }
        const qlonglong target = engine_.GetPositionMs() + offsetUs / kUsPerMs;
        if (target > engine_.GetDurationMs()) {
            hooks_.command(ControlId::End);  // past the end: on to the next track
            return;
        }
        transport_.SeekTo(int(std::max<qlonglong>(target, 0)), true);
    });
}

void MprisBridge::SetPosition(const QString& trackId, qlonglong positionUs) {
    run([this, trackId, positionUs] {
        // A position meant for a track that is no longer current is dropped.
        if (!canSeek() || !hasCurrentEntry() || trackId != TrackIdOf(tracklist_.EntryAt(-1).path)) {
            return;
        }
        if (positionUs < 0 || positionUs / kUsPerMs > engine_.GetDurationMs()) {
            return;
        }
        transport_.SeekTo(int(positionUs / kUsPerMs), true);
    });
}

bool MprisBridge::OpenUri(const QString& uri) {
    const QString path = LocalPathOfUrl(QUrl(uri, QUrl::StrictMode));
    if (path.isEmpty()) {
        return false;
    }
    run([this, path] { hooks_.openFiles({path}); });
    return true;
}

void MprisBridge::Raise() {
    run([this] { hooks_.raise(); });
}

void MprisBridge::Quit() {
    run([this] { hooks_.command(ControlId::Close); });
}
