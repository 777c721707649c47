#pragma once

#include <QMargins>
#include <QPoint>
#include <QSize>
#include <functional>

class QWidget;

// The frame a window manager draws around a window is told only some time
// after the window first shows; until then Qt takes it for none. Decorated
// windows are placed and limited by their frame with these.

// The frame's width on each side; null while not known (or when there is none).
QMargins FrameMargins(const QWidget& window);
bool FrameKnown(const QWidget& window);

// Puts the window's frame at corner; margins stand in for a frame not known
// yet (none for a frameless window).
void MoveFrameTo(QWidget& window, QPoint corner, const QMargins& margins);

// The smallest size of the window's area for a window whose frame must stay
// at least frameLimit: until the frame is known, no more than the window has
// now, so that a limit applied as the window shows never resizes it (a resize
// then would put its area where its frame was asked to be).
QSize MinimumAreaSize(const QWidget& window, QSize frameLimit);

// Runs then once, as soon as the window shows with its frame known (at once
// when it does).
void WhenFrameKnown(QWidget& window, std::function<void()> then);
