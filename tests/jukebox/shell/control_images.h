#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <vector>

class QWidget;

// Bitmaps for the control tests, made of flat colours so that one grabbed pixel
// tells which band, cell or frame a control drew.
QRgb TestColour(int index);
// Bands of the given size stacked top to bottom, one colour each.
QImage StackedBands(QSize band, const std::vector<QRgb>& colours);
// Cells of the given size side by side, one colour each.
QImage SideBySideCells(QSize cell, const std::vector<QRgb>& colours);
// The pixel at p (widget coordinates) of the widget as it paints itself now.
QRgb GrabbedPixel(QWidget& widget, QPoint p);
