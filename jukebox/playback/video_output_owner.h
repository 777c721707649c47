#pragma once

#include <QtGlobal>

class QImage;
class QRect;

// What a graph's video output needs from the window it is bound to. All calls come
// on the user-interface thread.
class VideoOutputOwner {
public:
    virtual ~VideoOutputOwner() = default;

    // A decoded picture at the video's native size (32-bit, RGB32). Only while the
    // output's window state is visible.
    virtual void presentFrame(const QImage& frame) = 0;
    // Where in the window the picture goes.
    virtual void placeOutput(const QRect& rect) = 0;
    // The output asks to cover the screen, or to go back into the window.
    virtual void setOutputFullScreen(bool on) = 0;
    // The output was hidden or let go of this window: the picture shown last
    // belongs to a file that is no longer open.
    virtual void dropPicture() {}
    // The native window an output may draw into by itself, 0 when there is none
    // (the pictures then come by presentFrame). Asked before the file is rendered.
    virtual quintptr outputWindowHandle() { return 0; }
    // The output draws into that window itself (or no longer): the window leaves
    // the picture's area to it and places the output again (SetWindowPosition)
    // whenever that area needs drawing.
    virtual void setOutputDrawsItself(bool on) { (void)on; }
};
