#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

// Which element shows a video's picture. A sink that draws into the video
// window's own native window spares the copies of every frame on the way to a
// painted image: ximagesink puts the converted frame straight from shared memory
// on the X server, xvimagesink lets XVideo scale on the graphics card. The
// appsink hands frames to the window to paint, and works everywhere (Wayland,
// Qt's offscreen platform).
namespace VideoSinkChoice {

inline const QString kAppSink = QStringLiteral("appsink");

// The sinks to try, best first, for a window that has a native X11 handle (or
// not). wanted (VELORINE_VIDEO_SINK) may name one of them ("xvimagesink",
// "ximagesink", "glimagesink", or "appsink" for the painted frames): then that
// one is tried first and the appsink is the only fallback. Without a native
// window only the appsink remains.
QStringList Candidates(const QString& wanted, bool nativeWindow);

// Whether the sink draws into the window itself (not the appsink).
bool DrawsIntoWindow(const QString& sink);
// Whether the sink scales the picture and draws the black bars itself; else a
// scaler before it makes frames of the picture's size, which the sink centres.
bool ScalesItself(const QString& sink);

// The size of the picture in area: as large as fits with the display shape of a
// video of size with pixels of aspect parN:parD kept. Empty when nothing is
// known or nothing fits.
QSize PictureSizeIn(QSize video, int parN, int parD, QSize area);

}  // namespace VideoSinkChoice
