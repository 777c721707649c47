#include "tests/jukebox/shell/control_images.h"

#include <QPainter>
#include <QPixmap>
#include <QWidget>

QRgb TestColour(int index) {
    return qRgb((37 * index + 11) % 256, (91 * index + 60) % 256, (53 * index + 150) % 256);
}

QImage StackedBands(QSize band, const std::vector<QRgb>& colours) {
    QImage image(band.width(), band.height() * int(colours.size()), QImage::Format_RGB32);
    QPainter painter(&image);
    for (size_t i = 0; i < colours.size(); ++i) {
        painter.fillRect(QRect(QPoint(0, int(i) * band.height()), band), QColor(colours[i]));
    }
    return image;
}

QImage SideBySideCells(QSize cell, const std::vector<QRgb>& colours) {
    QImage image(cell.width() * int(colours.size()), cell.height(), QImage::Format_RGB32);
    QPainter painter(&image);
    for (size_t i = 0; i < colours.size(); ++i) {
        painter.fillRect(QRect(QPoint(int(i) * cell.width(), 0), cell), QColor(colours[i]));
    }
    return image;
}

QRgb GrabbedPixel(QWidget& widget, QPoint p) {
    return widget.grab().toImage().pixel(p) | 0xFF000000u;
}
