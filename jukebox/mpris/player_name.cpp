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

bool HandOverToOwner(QDBusConnection& bus, const QString& file, int timeoutMs) {
    const bool open = !file.isEmpty();
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(kPlayerBusName), QStringLiteral("/org/mpris/MediaPlayer2"),
        open ? QStringLiteral("org.mpris.MediaPlayer2.Player")
             : QStringLiteral("org.mpris.MediaPlayer2"),
        open ? QStringLiteral("OpenUri") : QStringLiteral("Raise"));
    if (open) {
        call << QString::fromLatin1(LocalFileUrl(file).toEncoded());
    }
    return bus.call(call, QDBus::Block, timeoutMs).type() == QDBusMessage::ReplyMessage;
}
