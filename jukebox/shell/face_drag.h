#pragma once

#include <QPoint>
#include <QRect>
#include <array>

// A left-button drag over the main window's face: a press on a slider's thumb
// (position, volume, balance) drags that thumb, a press anywhere else moves the
// window. It keeps the state of the drag and does its arithmetic; the window
// feeds it the cursor and carries out what it answers. Positions are global
// (screen) points, except the press point inside the face.
class FaceDrag {
public:
    enum class Kind { None, Window, Position, Volume, Balance };

    // A slider's thumb as the press finds it.
    struct Thumb {
        QRect rect;  // in the face's coordinates
        int pixel = 0;
        bool vertical = false;
        bool visible = false;
    };
    // In the order a press looks at them: position, volume, balance.
    using Thumbs = std::array<Thumb, 3>;

    // Starts a drag. The first visible thumb that holds facePoint is grabbed;
    // without one the window is dragged.
    Kind press(QPoint globalCursor, QPoint windowOrigin, QPoint facePoint, const Thumbs& thumbs);
    // Ends the drag; returns what was dragged.
    Kind release();

    Kind kind() const { return kind_; }
    bool dragging() const { return kind_ != Kind::None; }
    bool thumbGrabbed() const { return kind_ != Kind::None && kind_ != Kind::Window; }

    // The grabbed thumb's pixel for the cursor at globalCursor: its pixel at the
    // press plus the cursor's displacement since, to the right along a
    // horizontal slider and upwards along a vertical one.
    int thumbPixel(QPoint globalCursor) const;
    // The window's origin that keeps the grabbed point of the face under the
    // cursor.
    QPoint windowOrigin(QPoint globalCursor) const;

private:
    Kind kind_ = Kind::None;
    QPoint pressCursor_;
    QPoint grab_;  // the cursor minus the window's origin at the press
    int pixelAtPress_ = 0;
    bool vertical_ = false;
};
