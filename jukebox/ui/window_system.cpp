#include "jukebox/ui/window_system.h"

#include <QGuiApplication>
#include <QString>
#include <cstdlib>

bool CompositorPlacesWindows() {
    // "wayland", and the variants for other graphics stacks ("wayland-egl").
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QByteArray PreferredPlatform(const QByteArray& qpaPlatform, const QByteArray& display,
                             const QByteArray& waylandDisplay) {
    if (!qpaPlatform.isEmpty() || display.isEmpty()) {
        return {};
    }
    // A DISPLAY left over from a session that is gone must not cost the start.
    return waylandDisplay.isEmpty() ? QByteArrayLiteral("xcb") : QByteArrayLiteral("xcb;wayland");
}

bool PreferX11Platform() {
    const QByteArray platform = PreferredPlatform(qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"),
                                                  qgetenv("WAYLAND_DISPLAY"));
    return !platform.isEmpty() && qputenv("QT_QPA_PLATFORM", platform);
}
