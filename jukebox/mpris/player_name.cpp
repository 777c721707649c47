#include "jukebox/mpris/player_name.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>

#include "jukebox/shell/local_file_url.h"

NameClaim ClaimPlayerName(QDBusConnection& bus) {
    if (!bus.isConnected()) {
        return NameClaim::NoBus;
    }
    QDBusConnectionInterface* daemon = bus.interface();
    if (daemon == nullptr) {
        return NameClaim::NoBus;
    }
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
        daemon->registerService(QString::fromLatin1(kPlayerBusName),
                                QDBusConnectionInterface::DontQueueService,
                                QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid()) {
        return NameClaim::NoBus;
    }
    return reply.value() == QDBusConnectionInterface::ServiceRegistered ? NameClaim::Owned
                                                                        : NameClaim::OwnedElsewhere;
}

namespace {

bool answered(QDBusConnection& bus, const QDBusMessage& call, int timeoutMs) {
    return bus.call(call, QDBus::Block, timeoutMs).type() == QDBusMessage::ReplyMessage;
}

}  // namespace

bool HandOverToOwner(QDBusConnection& bus, const QStringList& files, int timeoutMs) {
    const QString service = QString::fromLatin1(kPlayerBusName);
    const QString object = QStringLiteral("/org/mpris/MediaPlayer2");
    if (files.isEmpty()) {
        return answered(
            bus,
            QDBusMessage::createMethodCall(
                service, object, QStringLiteral("org.mpris.MediaPlayer2"), QStringLiteral("Raise")),
            timeoutMs);
    }
    bool first = true;
    for (const QString& file : files) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            service, object, QStringLiteral("org.mpris.MediaPlayer2.Player"),
            QStringLiteral("OpenUri"));
        call << QString::fromLatin1(LocalFileUrl(file).toEncoded());
        // Once the owner has taken the first file, a later failure must not
        // start a second jukebox.
        if (!answered(bus, call, timeoutMs) && first) {
            return false;
        }
        first = false;
    }
    return true;
}
