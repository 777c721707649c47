#include "jukebox/mpris/mpris_service.h"

#include <QDBusMessage>
#include <QMimeDatabase>
#include <algorithm>

#include "jukebox/mpris/mpris_bridge.h"
#include "jukebox/mpris/mpris_player_adaptor.h"
#include "jukebox/mpris/mpris_root_adaptor.h"
#include "jukebox/options/extension_lists.h"
#include "jukebox/shell/velorine_app.h"
#include "jukebox/shell/velorine_wnd.h"
#include "jukebox/ui/ui_service.h"

namespace {

// The MIME types of the extensions the jukebox plays, as the desktop names them.
QStringList mimeTypesOf(const ExtensionLists& lists) {
    const QMimeDatabase database;
    QStringList types;
    for (const QString& extension : lists.audioExtensions() + lists.videoExtensions()) {
        const QMimeType type = database.mimeTypeForFile(QStringLiteral("x.") + extension,
                                                        QMimeDatabase::MatchExtension);
        if (!type.isDefault() && !types.contains(type.name())) {
            types.append(type.name());
        }
    }
    std::sort(types.begin(), types.end());
    return types;
}

}  // namespace

MprisService::MprisService(CVelorineApp& app, QDBusConnection bus, QObject* parent)
    : QObject(parent), bus_(std::move(bus)) {
    CVelorineWnd& wnd = app.window();
    MprisHooks hooks{[&wnd](int id) { wnd.OnCommand(id); },
                     [&app](const QStringList& names) { app.OpenFiles(names); },
                     [&app] { app.RaiseWindow(); },
                     [&app](std::function<void()> task) { app.ui().whenNoModal(std::move(task)); }};
    bridge_ = std::make_unique<MprisBridge>(wnd.transport(), app.tracklist(), app.engine(),
                                            std::move(hooks));
    new MprisRootAdaptor(&exported_, *bridge_, mimeTypesOf(app.extensionLists()));
    new MprisPlayerAdaptor(&exported_, *bridge_);
    connect(bridge_.get(), &MprisBridge::playerPropertiesChanged, this,
            &MprisService::sendPropertiesChanged);
    if (bus_.isConnected()) {
        registered_ = bus_.registerObject(QString::fromLatin1(kObjectPath), &exported_,
                                          QDBusConnection::ExportAdaptors);
    }
}

MprisService::~MprisService() {
    if (registered_) {
        bus_.unregisterObject(QString::fromLatin1(kObjectPath));
    }
}

void MprisService::sendPropertiesChanged(const QVariantMap& changed) {
    if (!registered_) {
        return;
    }
    QDBusMessage signal = QDBusMessage::createSignal(
        QString::fromLatin1(kObjectPath), QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("PropertiesChanged"));
    signal << QString::fromLatin1(kPlayerInterface) << changed << QStringList();
    bus_.send(signal);
}
