#include "jukebox/cover_window/cover_sizing.h"

#include <cstdlib>

namespace CoverSizing {

namespace {

// A rectangle by its four edges, right and bottom one past the last pixel, as
// the rule reasons about edges rather than about sizes.
struct Box {
    int left;
    int top;
    int right;
    int bottom;

    static Box Of(QRect rect) {
        return {rect.x(), rect.y(), rect.x() + rect.width(), rect.y() + rect.height()};
    }
    QRect rect() const { return QRect(left, top, right - left, bottom - top); }
};

// C++ division truncates toward zero, which the grid is defined by (a window
// left of the screen's origin snaps toward it).
int snapped(int edge) {
    return (edge + 7) / kGrid * kGrid;
}

// outward is +1 for the right and bottom edges, -1 for the left and top ones.
void snapEdge(int& edge, int opposite, int outward, int cursor) {
    const int extent = outward * (edge - opposite);
    if (extent < kMinSide) {
        edge = opposite + outward * kMinSide;
    } else if (std::abs(cursor - edge) <= kSnapReach) {
        edge = snapped(edge);
    }
}

void keepSquare(Box& box, Qt::Edges dragged) {
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    const bool across = (dragged & (Qt::LeftEdge | Qt::RightEdge)) != 0;
    const bool along = (dragged & (Qt::TopEdge | Qt::BottomEdge)) != 0;
    if (across && !along) {
        box.bottom = box.top + width;
    } else if (along && !across) {
        box.right = box.left + height;
    } else if (width < height) {
        // A corner grows the shorter side by the dragged edge.
        if ((dragged & Qt::LeftEdge) != 0) {
            box.left = box.right - height;
        } else {
            box.right = box.left + height;
        }
    } else if (width > height) {
        if ((dragged & Qt::TopEdge) != 0) {
            box.top = box.bottom - width;
        } else {
            box.bottom = box.top + width;
        }
    }
}

}  // namespace

QRect SizeCoverRect(QRect rect, Qt::Edges dragged, QPoint cursor) {
    Box box = Box::Of(rect);
    if ((dragged & Qt::TopEdge) != 0) {
        snapEdge(box.top, box.bottom, -1, cursor.y());
    } else if ((dragged & Qt::BottomEdge) != 0) {
        snapEdge(box.bottom, box.top, 1, cursor.y());
    }
    if ((dragged & Qt::LeftEdge) != 0) {
        snapEdge(box.left, box.right, -1, cursor.x());
    } else if ((dragged & Qt::RightEdge) != 0) {
        snapEdge(box.right, box.left, 1, cursor.x());
    }
    if (dragged != Qt::Edges()) {
        keepSquare(box, dragged);
    }
    return box.rect();
}

QRect DraggedRect(QRect start, Qt::Edges dragged, QPoint delta) {
    Box box = Box::Of(start);
    if ((dragged & Qt::LeftEdge) != 0) {
        box.left += delta.x();
    } else if ((dragged & Qt::RightEdge) != 0) {
        box.right += delta.x();
    }
    if ((dragged & Qt::TopEdge) != 0) {
        box.top += delta.y();
    } else if ((dragged & Qt::BottomEdge) != 0) {
        box.bottom += delta.y();
    }
    return box.rect();
}

}  // namespace CoverSizing
