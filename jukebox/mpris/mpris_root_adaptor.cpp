#include "jukebox/mpris/mpris_root_adaptor.h"

#include "jukebox/mpris/mpris_bridge.h"

MprisRootAdaptor::MprisRootAdaptor(QObject* object, MprisBridge& bridge, QStringList mimeTypes)
    : QDBusAbstractAdaptor(object), bridge_(bridge), mimeTypes_(std::move(mimeTypes)) {}

QString MprisRootAdaptor::identity() const {
    return QStringLiteral("Velorine");
}

QString MprisRootAdaptor::desktopEntry() const {
    return QStringLiteral("velorine");
}

QStringList MprisRootAdaptor::supportedUriSchemes() const {
    return {QStringLiteral("file")};
}

void MprisRootAdaptor::Raise() {
    bridge_.Raise();
}

void MprisRootAdaptor::Quit() {
    bridge_.Quit();
}
