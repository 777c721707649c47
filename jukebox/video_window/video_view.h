#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

// The view arithmetic and the command and key mapping of the video window, kept
// out of the widget so that they are tested on their own.
namespace VideoView {

// View modes are bits: the stored ones are Scaled, Maximized, Fullscreen and
// Conform; Restore and Windowed are requests that end in Scaled.
enum Mode { Scaled = 1, Maximized = 2, Restore = 4, Fullscreen = 8, Windowed = 16, Conform = 32 };
constexpr int kMaximizedOrFullscreen = Maximized | Fullscreen;

// The window's commands.
enum Command {
    kCmdFirst = 3250,
    kCmdReset = 3251,
    kCmdZoomBase = 3251,     // + n: Scaled n
    kCmdShrinkBase = 3261,   // + n: Scaled 1/n
    kCmdConformBase = 3271,  // + n: Conform n
    kCmdFullscreen = 3282,
    kCmdMaximize = 3283,
    kCmdLast = 3284,
    kCmdFilter = 3285,
    kCmdPause = 3329,
};
// Commands that belong to the main window and are passed on to it.
constexpr bool IsMainWindowCommand(int id) {
    return (id >= 3320 && id <= 3349) || id == kCmdFilter;
}

// The picture size of Conform 1; Conform n is n times it.
constexpr int kConformWidth = 160;
constexpr int kConformHeight = 120;

struct Request {
    int mode = 0;
    double factor = 1.0;
    bool operator==(const Request&) const = default;
};
using Requests = std::vector<Request>;

// The window size for a picture of video size times factor, or of the Conform
// size times factor, with the sizing frame on each side and a one-pixel edge.
QSize ScaledWindowSize(QSize video, double factor, int frameThickness);
QSize ConformWindowSize(double factor, int frameThickness);

// The factor, made smaller when needed, so that a window for a picture of
// picture times factor (with its frame) fits in limit; both sides shrink alike,
// so the picture keeps its shape. Unchanged when it fits or nothing is known.
double FactorWithin(QSize picture, double factor, int frameThickness, QSize limit);
// The top-left corner that keeps window inside area, moving it as little as
// possible; a window larger than the area starts at the area's left or top.
QPoint KeptInside(const QRect& window, const QRect& area);
// Where a picture goes in area: as large as fits, its shape kept, centred (the
// rest of the area stays black).
QRect FitPicture(QSize picture, const QRect& area);

// The digit of a key code, -1 for none. With Shift held most layouts give the
// symbol above the digit; those of the US layout count as their digit.
int DigitOfKey(int key);

// What a command of the window's menu asks for in the given mode. Like the
// keys, the size presets (Zoom, Shrink, Conform) do nothing while the window is
// maximized or full screen.
Requests ForCommand(int id, int viewMode);
// Digit keys: Shift n is Scaled n, then Ctrl n Scaled 1/n (with both, the second
// wins); nothing while maximized or full screen, and nothing for 0.
Requests ForDigitKey(int digit, bool shift, bool ctrl, int viewMode);
// Alt+digit: Conform n, with the same exceptions.
Requests ForAltDigitKey(int digit, int viewMode);
// Alt+Enter toggles full screen.
Requests ForAltEnter(int viewMode);
// A double-click: full screen goes back to the window, a maximized window is
// restored, any other is maximized.
Requests ForDoubleClick(int viewMode);
// Escape leaves full screen; elsewhere it is not the window's key.
Requests ForEscape(int viewMode);

// Whether the menu's window items are grey after a request in mode (unchanged
// when the mode does not say).
bool MenuGreyedAfter(int mode, bool greyedBefore);

}  // namespace VideoView
