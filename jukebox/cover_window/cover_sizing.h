#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

// How the cover window is resized by its edges. Rectangles are in screen
// coordinates; the edges are those the user drags (one side or a corner).
namespace CoverSizing {

constexpr int kMinSide = 75;    // an edge dragged closer than this is pushed back
constexpr int kSnapReach = 10;  // the cursor this near the dragged edge snaps it
constexpr int kGrid = 15;

// The rectangle the window takes while edges are dragged with the cursor at
// cursor: each dragged edge (for a corner the top or bottom one first) is
// pushed out to kMinSide, or else snapped to the grid when the cursor is near
// it; then the window is made square by the dragged edges, or for one side by
// the edge across it.
QRect SizeCoverRect(QRect rect, Qt::Edges dragged, QPoint cursor);

// The rectangle at the start of a resize with the dragged edges moved by delta,
// before the sizing rule.
QRect DraggedRect(QRect start, Qt::Edges dragged, QPoint delta);

}  // namespace CoverSizing
