#pragma once

#include <QDBusConnection>
#include <QObject>
#include <memory>

class CVelorineApp;
class MprisBridge;

// Puts the running jukebox on the session bus as an MPRIS player: the object
// /org/mpris/MediaPlayer2 with its two interfaces, and PropertiesChanged when
// the bridge reports changes. The bus name is claimed apart from this (early
// in main); without a bus nothing is registered and the jukebox runs as ever.
class MprisService : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kObjectPath = "/org/mpris/MediaPlayer2";
    static constexpr const char* kPlayerInterface = "org.mpris.MediaPlayer2.Player";

    // app must have run InitInstance: the bridge follows its main window.
    MprisService(CVelorineApp& app, QDBusConnection bus, QObject* parent = nullptr);
    ~MprisService() override;

    bool registered() const { return registered_; }
    MprisBridge& bridge() { return *bridge_; }

private:
    void sendPropertiesChanged(const QVariantMap& changed);

    QDBusConnection bus_;
    std::unique_ptr<MprisBridge> bridge_;
    QObject exported_;  // the object at kObjectPath; the adaptors are its children
    bool registered_ = false;
};
