#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <functional>

class MediaEngine;
class TracklistStore;
class Transport;

// What the bridge asks of the jukebox besides the transport's state.
struct MprisHooks {
    // A command id of command_ids.h, carried out as the main window does.
    std::function<void(int)> command;
    // Local files handed over to be added and played.
    std::function<void(const QStringList&)> openFiles;
    std::function<void()> raise;
    // Runs a method now, or once no modal box is open (UiService::whenNoModal):
    // a remote control never acts inside a box's own loop. Unset: at once.
    std::function<void(std::function<void()>)> whenIdle;
};

// The jukebox as the desktop's media keys and sound menu see it (the MPRIS
// player): the transport's state read as MPRIS properties, and MPRIS methods
// turned into the commands the buttons send, so that lamps, pop-ups and the
// tray menu follow. It knows nothing of D-Bus; thin adaptors put it on the bus.
// Times on this side are microseconds; the volume is 0.0..1.0.
class MprisBridge : public QObject {
    Q_OBJECT
public:
    static const QString kNoTrack;

    MprisBridge(Transport& transport, const TracklistStore& tracklist, MediaEngine& engine,
                MprisHooks hooks, QObject* parent = nullptr);

    // Properties of org.mpris.MediaPlayer2.Player.
    QString playbackStatus() const;
    // The loop repeats the current track ("Track"); without it the list
    // wraps at its end ("Playlist"). "None" cannot be had: it turns loop off.
    QString loopStatus() const;
    void setLoopStatus(const QString& status);
    bool shuffle() const;
    void setShuffle(bool on);
    double volume() const;
    void setVolume(double volume);
    double rate() const;
    void setRate(double rate);
    double minimumRate() const;
    double maximumRate() const;
    qlonglong position() const;
    QVariantMap metadata() const;
    bool canSeek() const { return trackOpen_; }
    // A player property by its MPRIS name; an invalid value for other names.
    QVariant playerProperty(const QString& name) const;

    // Methods of org.mpris.MediaPlayer2.Player.
    void PlayPause();
    void Play();
    void Pause();
    void Stop();
    void Next();
    void Previous();
    void Seek(qlonglong offsetUs);
    void SetPosition(const QString& trackId, qlonglong positionUs);
    // False for a URI that names no local file.
    bool OpenUri(const QString& uri);

    // Methods of org.mpris.MediaPlayer2.
    void Raise();
    void Quit();

    // The MPRIS track id of a path: an object path from a hash of its bytes,
    // the same in every run.
    static QString TrackIdOf(const QString& path);

Q_SIGNALS:
    // The player properties that changed, with their new values; changes made
    // by one command go out together once control returns to the event loop.
    void playerPropertiesChanged(const QVariantMap& changed);
    void seeked(qlonglong positionUs);

private:
    void run(std::function<void()> task);
    void changed(const QString& name);
    void flush();
    void trackChanged(bool opened);
    bool hasCurrentEntry() const;

    Transport& transport_;
    const TracklistStore& tracklist_;
    MediaEngine& engine_;
    MprisHooks hooks_;
    bool trackOpen_ = false;
    QString coverUrl_;  // of the open track's folder, found when it opened
    QSet<QString> changed_;
    bool flushQueued_ = false;
};
