#include "jukebox/mpris/mpris_player_adaptor.h"

#include "jukebox/mpris/mpris_bridge.h"

MprisPlayerAdaptor::MprisPlayerAdaptor(QObject* object, MprisBridge& bridge)
    : QDBusAbstractAdaptor(object), bridge_(bridge) {
    connect(&bridge_, &MprisBridge::seeked, this, &MprisPlayerAdaptor::Seeked);
}

QString MprisPlayerAdaptor::playbackStatus() const {
    return bridge_.playbackStatus();
}

QString MprisPlayerAdaptor::loopStatus() const {
    return bridge_.loopStatus();
}

void MprisPlayerAdaptor::setLoopStatus(const QString& status) {
    bridge_.setLoopStatus(status);
}

double MprisPlayerAdaptor::rate() const {
    return bridge_.rate();
}

void MprisPlayerAdaptor::setRate(double rate) {
    bridge_.setRate(rate);
}

bool MprisPlayerAdaptor::shuffle() const {
    return bridge_.shuffle();
}

void MprisPlayerAdaptor::setShuffle(bool on) {
    bridge_.setShuffle(on);
}

QVariantMap MprisPlayerAdaptor::metadata() const {
    return bridge_.metadata();
}

double MprisPlayerAdaptor::volume() const {
    return bridge_.volume();
}

void MprisPlayerAdaptor::setVolume(double volume) {
    bridge_.setVolume(volume);
}

qlonglong MprisPlayerAdaptor::position() const {
    return bridge_.position();
}

double MprisPlayerAdaptor::minimumRate() const {
    return bridge_.minimumRate();
}

double MprisPlayerAdaptor::maximumRate() const {
    return bridge_.maximumRate();
}

bool MprisPlayerAdaptor::canSeek() const {
    return bridge_.canSeek();
}

void MprisPlayerAdaptor::Next() {
    bridge_.Next();
}

void MprisPlayerAdaptor::Previous() {
    bridge_.Previous();
}

void MprisPlayerAdaptor::Pause() {
    bridge_.Pause();
}

void MprisPlayerAdaptor::PlayPause() {
    bridge_.PlayPause();
}

void MprisPlayerAdaptor::Stop() {
    bridge_.Stop();
}

void MprisPlayerAdaptor::Play() {
    bridge_.Play();
}

void MprisPlayerAdaptor::Seek(qlonglong Offset) {
    bridge_.Seek(Offset);
}

void MprisPlayerAdaptor::SetPosition(const QDBusObjectPath& TrackId, qlonglong Position) {
    bridge_.SetPosition(TrackId.path(), Position);
}

void MprisPlayerAdaptor::OpenUri(const QString& Uri) {
    bridge_.OpenUri(Uri);
}
