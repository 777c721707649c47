#pragma once

#include <QPoint>
#include <QSize>
#include <Qt>

// The edges of a window of the given size that a point inside it grabs for
// resizing: those within reach pixels of it (a corner gives two).
inline Qt::Edges WindowEdgesAt(QPoint point, QSize size, int reach) {
    Qt::Edges edges;
    if (point.x() < reach) {
        edges |= Qt::LeftEdge;
    } else if (point.x() >= size.width() - reach) {
        edges |= Qt::RightEdge;
    }
    if (point.y() < reach) {
        edges |= Qt::TopEdge;
    } else if (point.y() >= size.height() - reach) {
        edges |= Qt::BottomEdge;
    }
    return edges;
}
