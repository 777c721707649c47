#include "jukebox/ui/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace {

// How much of a window's top strip must show to count as reachable.
constexpr int kGripHeight = 24;
constexpr int kMinVisibleWidth = 48;

int placeWithin(int start, int length, int areaStart, int areaLength) {
    if (length >= areaLength) {
        return areaStart;
    }
    return std::clamp(start, areaStart, areaStart + areaLength - length);
}

}  // namespace

QRect KeepOnScreens(const QRect& frame, const QList<QRect>& screens, const QRect& fallback) {
    if (screens.isEmpty() || fallback.isEmpty()) {
        return frame;
    }
    const QRect grip(frame.topLeft(), QSize(frame.width(), std::min(frame.height(), kGripHeight)));
    for (const QRect& screen : screens) {
        const QRect shown = grip.intersected(screen);
        if (shown.width() >= std::min(kMinVisibleWidth, frame.width()) && shown.height() > 0) {
            return frame;
        }
    }
    const int width = std::min(frame.width(), fallback.width());
    const int height = std::min(frame.height(), fallback.height());
    return {placeWithin(frame.x(), width, fallback.x(), fallback.width()),
            placeWithin(frame.y(), height, fallback.y(), fallback.height()), width, height};
}

QPoint KeepOnDesktop(QPoint origin, QSize size) {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        areas.append(screen->availableGeometry());
    }
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRect fallback = primary != nullptr ? primary->availableGeometry() : QRect();
    return KeepOnScreens(QRect(origin, size), areas, fallback).topLeft();
}
