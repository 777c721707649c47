#pragma once

#include <QList>
#include <QRect>
#include <QSize>

// Where a window around the main window goes when it has no place of its own
// yet (a first start): beside the face, on the screen that holds the face, and
// never over it. Every rectangle is a frame: what the window manager draws
// around a window counts as part of it.
namespace SidePlacement {

enum class Kind {
    Docked,   // the tracklist: below the face (else above it), as wide as the face
    Beside,   // the cover: right of the face (else left of it), top edges even
    Flowing,  // the video: right of the face or below it, wherever it fits
    Centred,  // the dictionary, the options sheet: in the middle of the screen
};

// A docked window gives up height to fit beside the face, down to this.
constexpr int kMinDockedHeight = 120;

// The frame for a window of frame size size. face is the face's frame, screen
// the available area of the screen that holds it, taken the frames of windows
// placed already, which the new one keeps clear of where it can. The result
// lies on screen (no larger than it) and clear of the face wherever the screen
// has room for it beside the face. A docked window takes the face's width.
QRect Place(Kind kind, QSize size, const QRect& face, const QRect& screen,
            const QList<QRect>& taken = {});

// The room a window of the given shape (a video's picture) may take at its
// first showing so that it fits beside the face: the strip of the screen right
// of, below, left of or above the face in which the shape comes out largest.
// Where even that strip would show it at less than half the size the whole
// screen allows, the whole screen: a picture too small to see helps nobody.
QSize RoomBeside(QSize shape, const QRect& face, const QRect& screen);

}  // namespace SidePlacement
