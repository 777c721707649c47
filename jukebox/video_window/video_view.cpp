#include "jukebox/video_window/video_view.h"

#include <algorithm>
#include <cmath>

namespace VideoView {

namespace {

QSize framed(double width, double height, int frameThickness) {
    const int border = 2 * frameThickness + 2;
    return QSize(static_cast<int>(std::trunc(width)) + border,
                 static_cast<int>(std::trunc(height)) + border);
}

bool locked(int viewMode) {
    return (viewMode & kMaximizedOrFullscreen) != 0;
}

}  // namespace

QSize ScaledWindowSize(QSize video, double factor, int frameThickness) {
    return framed(video.width() * factor, video.height() * factor, frameThickness);
}

QSize ConformWindowSize(double factor, int frameThickness) {
    return framed(kConformWidth * factor, kConformHeight * factor, frameThickness);
}

double FactorWithin(QSize picture, double factor, int frameThickness, QSize limit) {
    const int border = 2 * frameThickness + 2;
    const int roomWidth = limit.width() - border;
    const int roomHeight = limit.height() - border;
    if (picture.width() <= 0 || picture.height() <= 0 || roomWidth <= 0 || roomHeight <= 0) {
        return factor;
    }
    return std::min({factor, static_cast<double>(roomWidth) / picture.width(),
                     static_cast<double>(roomHeight) / picture.height()});
}

namespace {

int keptInside(int start, int length, int areaStart, int areaLength) {
    if (length >= areaLength) {
        return areaStart;
    }
    return std::clamp(start, areaStart, areaStart + areaLength - length);
}

}  // namespace

QPoint KeptInside(const QRect& window, const QRect& area) {
    if (area.isEmpty()) {
        return window.topLeft();
    }
    return QPoint(keptInside(window.left(), window.width(), area.left(), area.width()),
                  keptInside(window.top(), window.height(), area.top(), area.height()));
}

QRect FitPicture(QSize picture, const QRect& area) {
    if (picture.isEmpty() || area.isEmpty()) {
        return area;
    }
    const QSize fitted = picture.scaled(area.size(), Qt::KeepAspectRatio);
    return QRect(area.left() + (area.width() - fitted.width()) / 2,
                 area.top() + (area.height() - fitted.height()) / 2, fitted.width(),
                 fitted.height());
}

int DigitOfKey(int key) {
    if (key >= '0' && key <= '9') {
        return key - '0';
    }
    // Shift+1 .. Shift+9 and Shift+0 on the US layout.
    static constexpr char kShifted[] = ")!@#$%^&*(";
    for (int digit = 0; digit <= 9; ++digit) {
        if (key == kShifted[digit]) {
            return digit;
        }
    }
    return -1;
}

Requests ForCommand(int id, int viewMode) {
    if (id == kCmdReset) {
        Requests requests;
        if ((viewMode & Maximized) != 0) {
            requests.push_back({Restore, 1.0});
        }
        if ((viewMode & Fullscreen) != 0) {
            requests.push_back({Windowed, 1.0});
        }
        requests.push_back({Scaled, 1.0});
        return requests;
    }
    const bool preset = id > kCmdZoomBase && id <= kCmdConformBase + 9 && id != kCmdShrinkBase;
    if (preset && locked(viewMode)) {
        return {};
    }
    if (id > kCmdZoomBase && id <= kCmdZoomBase + 9) {
        return {{Scaled, static_cast<double>(id - kCmdZoomBase)}};
    }
    if (id > kCmdShrinkBase && id <= kCmdShrinkBase + 9) {
        return {{Scaled, 1.0 / (id - kCmdShrinkBase)}};
    }
    if (id > kCmdConformBase && id <= kCmdConformBase + 9) {
        return {{Conform, static_cast<double>(id - kCmdConformBase)}};
    }
    if (id == kCmdFullscreen) {
        return ForAltEnter(viewMode);
    }
    if (id == kCmdMaximize) {
        return {{(viewMode & Maximized) != 0 ? Restore : Maximized, 1.0}};
    }
    return {};
}

Requests ForDigitKey(int digit, bool shift, bool ctrl, int viewMode) {
    if (locked(viewMode) || digit < 1 || digit > 9) {
        return {};
    }
    Requests requests;
    if (shift) {
        requests.push_back({Scaled, static_cast<double>(digit)});
    }
    if (ctrl) {
        requests.push_back({Scaled, 1.0 / digit});
    }
    return requests;
}

Requests ForAltDigitKey(int digit, int viewMode) {
    if (locked(viewMode) || digit < 1 || digit > 9) {
        return {};
    }
    return {{Conform, static_cast<double>(digit)}};
}

Requests ForAltEnter(int viewMode) {
    return {{(viewMode & Fullscreen) != 0 ? Windowed : Fullscreen, 1.0}};
}

Requests ForDoubleClick(int viewMode) {
    if ((viewMode & Fullscreen) != 0) {
        return {{Windowed, 1.0}};
    }
    return {{(viewMode & Maximized) != 0 ? Restore : Maximized, 1.0}};
}

Requests ForEscape(int viewMode) {
    if ((viewMode & Fullscreen) != 0) {
        return {{Windowed, 1.0}};
    }
    return {};
}

bool MenuGreyedAfter(int mode, bool greyedBefore) {
    switch (mode) {
        case Maximized:
        case Fullscreen:
            return true;
        case Restore:
        case Windowed:
            return false;
        default:
            return greyedBefore;
    }
}

}  // namespace VideoView
