#include "jukebox/ui/side_placement.h"

#include <algorithm>

namespace SidePlacement {

namespace {

QRect rightOf(const QRect& anchor, QSize size) {
    return {QPoint(anchor.right() + 1, anchor.top()), size};
}
QRect leftOf(const QRect& anchor, QSize size) {
    return {QPoint(anchor.left() - size.width(), anchor.top()), size};
}
QRect below(const QRect& anchor, QSize size) {
    return {QPoint(anchor.left(), anchor.bottom() + 1), size};
}
QRect above(const QRect& anchor, QSize size) {
    return {QPoint(anchor.left(), anchor.top() - size.height()), size};
}

int placeWithin(int start, int length, int areaStart, int areaLength) {
    return std::clamp(start, areaStart, areaStart + std::max(areaLength - length, 0));
}

// Moved onto the screen as little as it takes, shrunk only where it is larger.
QRect onScreen(const QRect& frame, const QRect& screen) {
    const QSize size = frame.size().boundedTo(screen.size());
    return {placeWithin(frame.x(), size.width(), screen.x(), screen.width()),
            placeWithin(frame.y(), size.height(), screen.y(), screen.height()), size.width(),
            size.height()};
}

// Next to the face and then next to each window placed already: to the right
// and below first, the directions a reader's eye goes; left and above last.
void addAround(QList<QRect>& out, QSize size, const QRect& face, const QList<QRect>& taken) {
    out << rightOf(face, size) << below(face, size);
    for (const QRect& other : taken) {
        out << rightOf(other, size) << below(other, size);
    }
    out << leftOf(face, size) << above(face, size);
    for (const QRect& other : taken) {
        out << leftOf(other, size) << above(other, size);
    }
}

QList<QRect> dockedCandidates(QSize size, const QRect& face, const QRect& screen) {
    const QSize docked(face.width(), size.height());
    QList<QRect> out{below(face, docked), above(face, docked)};
    const int roomBelow = screen.bottom() - face.bottom();
    const int roomAbove = face.top() - screen.top();
    if (roomBelow >= kMinDockedHeight) {
        out << below(face, QSize(face.width(), std::min(size.height(), roomBelow)));
    }
    if (roomAbove >= kMinDockedHeight) {
        out << above(face, QSize(face.width(), std::min(size.height(), roomAbove)));
    }
    return out;
}

// The middle of the screen; where the face is there, the middle of the room
// beside the face.
QList<QRect> centredCandidates(QSize size, const QRect& face, const QRect& screen) {
    QRect centred(QPoint(), size);
    centred.moveCenter(screen.center());
    QList<QRect> out{centred};
    out << QRect(QPoint(centred.x(), face.bottom() + 1), size)
        << QRect(QPoint(centred.x(), face.top() - size.height()), size)
        << QRect(QPoint(face.right() + 1, centred.y()), size)
        << QRect(QPoint(face.left() - size.width(), centred.y()), size);
    return out;
}

QList<QRect> candidates(Kind kind, QSize size, const QRect& face, const QRect& screen,
                        const QList<QRect>& taken) {
    QList<QRect> out;
    switch (kind) {
        case Kind::Docked:
            out = dockedCandidates(size, face, screen);
            break;
        case Kind::Beside:
            out << rightOf(face, size) << leftOf(face, size);
            break;
        case Kind::Centred:
            out = centredCandidates(size, face, screen);
            break;
        case Kind::Flowing:
            break;
    }
    addAround(out, size, face, taken);
    return out;
}

bool clearOf(const QRect& frame, const QRect& face, const QList<QRect>& taken) {
    if (frame.intersects(face)) {
        return false;
    }
    return std::none_of(taken.begin(), taken.end(),
                        [&frame](const QRect& other) { return frame.intersects(other); });
}

}  // namespace

QRect Place(Kind kind, QSize size, const QRect& face, const QRect& screen,
            const QList<QRect>& taken) {
    if (screen.isEmpty()) {
        return rightOf(face, size);  // nothing to judge by
    }
    const QList<QRect> places = candidates(kind, size.expandedTo(QSize(1, 1)), face, screen, taken);
    // Clear of the others too if possible, else at least of the face; each
    // place as it is, else moved onto the screen along the face's edge.
    for (const QList<QRect>& avoid : {taken, QList<QRect>()}) {
        for (const QRect& place : places) {
            if (screen.contains(place) && clearOf(place, face, avoid)) {
                return place;
            }
        }
        for (const QRect& place : places) {
            const QRect moved = onScreen(place, screen);
            if (clearOf(moved, face, avoid)) {
                return moved;
            }
        }
    }
    // Too large to stand beside the face anywhere: on the screen, at least.
    return onScreen(places.constFirst(), screen);
}

namespace {

// How large the shape comes out within room.
double scaleWithin(QSize shape, QSize room) {
    if (room.width() <= 0 || room.height() <= 0) {
        return 0.0;
    }
    return std::min(static_cast<double>(room.width()) / shape.width(),
                    static_cast<double>(room.height()) / shape.height());
}

}  // namespace

QSize RoomBeside(QSize shape, const QRect& face, const QRect& screen) {
    if (screen.isEmpty() || shape.width() <= 0 || shape.height() <= 0) {
        return screen.size();
    }
    const QRect beside = face.intersected(screen);
    if (beside.isEmpty()) {
        return screen.size();  // the face is elsewhere: the screen is free
    }
    const QSize strips[] = {
        {screen.right() - beside.right(), screen.height()},
        {screen.width(), screen.bottom() - beside.bottom()},
        {beside.left() - screen.left(), screen.height()},
        {screen.width(), beside.top() - screen.top()},
    };
    QSize best;
    double bestScale = 0.0;
    for (const QSize& strip : strips) {
        const double scale = scaleWithin(shape, strip);
        if (scale > bestScale) {
            best = strip;
            bestScale = scale;
        }
    }
    if (bestScale * 2 < scaleWithin(shape, screen.size())) {
        return screen.size();
    }
    return best;
}

}  // namespace SidePlacement
