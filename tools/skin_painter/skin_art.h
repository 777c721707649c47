#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

// Drawing pieces shared by the shipped skins: button glyphs, seven-segment
// digits, glossy gel and brushed-metal surfaces. Everything is vector drawing
// with fixed inputs, so the same program always paints the same pixels.

enum class Glyph {
    Play,
    Pause,
    Stop,
    Previous,
    Next,
    Rewind,
    Forward,
    Shuffle,
    Repeat,
    Gear,
    Question,
    Book,
    List,
    Picture,
    Cross,
    Views,
    Minimize,
    Menu,
    Right,
    Left,
    Plus,
    Minus
};

// The states a button is drawn in, one per band of the panel (0 to 4).
enum class ButtonState { Inactive, Normal, On, Hover, Pressed };

// A glyph filling box, in colour.
void drawGlyph(QPainter& painter, Glyph glyph, const QRectF& box, const QColor& colour);

// One seven-segment cell: digit 0-9, or -1 for a blank cell. Unlit segments are
// drawn in off so that the display looks like a real one.
void drawSegmentDigit(QPainter& painter, const QRectF& cell, int digit, const QColor& on,
                      const QColor& off);
// The colon of a time display in a cell.
void drawSegmentColon(QPainter& painter, const QRectF& cell, const QColor& colour);

// The square of the given side centred in box.
QRectF centredSquare(const QRectF& box, qreal side);
// A rounded rectangle of radius r.
QPainterPath roundedPath(const QRectF& rect, qreal radius);
// A rectangle with its corners cut at 45 degrees.
QPainterPath chamferedPath(const QRectF& rect, qreal cut);

// A gradient from the top of box to its bottom, through the stops.
QLinearGradient verticalGradient(const QRectF& box, const QGradientStops& stops);

// Colour helpers.
QColor mix(const QColor& a, const QColor& b, qreal t);
QColor withAlpha(const QColor& c, int alpha);
QColor greyed(const QColor& c, qreal amount);

// A font loaded from the system's DejaVu files when they are there, so that the
// drawn text does not depend on the desktop's font choice.
QFont skinFont(bool mono, bool bold, qreal pixelSize);

// A new opaque image filled with colour.
QImage newImage(int width, int height, const QColor& fill);
