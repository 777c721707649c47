#pragma once

#include <QByteArray>

// The window system the jukebox runs on. Under X11 a program places its own
// windows; a Wayland compositor places every window itself and tells no one
// where: a move() is dropped, a place read back means nothing, and a frameless
// window is moved or resized only by handing the drag to the compositor.

// Whether the compositor places the windows (Qt's native Wayland platform).
// Everything that would place a window asks this, and only this.
bool CompositorPlacesWindows();

// The Qt platform a skinned program asks for, given the environment's
// QT_QPA_PLATFORM, DISPLAY and WAYLAND_DISPLAY: X11 wherever it is reachable
// (XWayland in a Wayland session), so that the face can be dragged and the
// windows keep their places; Wayland itself as the fallback where X11 does not
// answer. Empty: Qt's own choice stands (the user named a platform, or there is
// no X11 to prefer).
QByteArray PreferredPlatform(const QByteArray& qpaPlatform, const QByteArray& display,
                             const QByteArray& waylandDisplay);

// Sets QT_QPA_PLATFORM to the preferred platform before the application is
// built; returns whether it did, so that the caller can unset it again once
// the application is built (programs the jukebox starts, a browser for a link,
// keep the user's own choice).
bool PreferX11Platform();
