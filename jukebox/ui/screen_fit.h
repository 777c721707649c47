#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

// Keeping windows where the user can reach them: a place stored while another
// monitor was attached must not bring a window back where no screen is.

// The rectangle a window of frame may take: frame itself when enough of its top
// (where it is grabbed to move it) lies on one of screens; else frame moved, as
// little as it takes, inside fallback (shrunk to fit only where it is larger).
// With no screens at all nothing can be judged: frame as it is.
QRect KeepOnScreens(const QRect& frame, const QList<QRect>& screens, const QRect& fallback);

// The same against the screens of the running desktop (their available areas),
// the primary one taking a window that is on none: the new top-left corner.
QPoint KeepOnDesktop(QPoint origin, QSize size);
