#include "jukebox/tracklist_window/tracklist_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <array>
#include <functional>

#include "jukebox/ui/painted_icon.h"

namespace {

const QColor kInk(40, 60, 110);
const QColor kRed(190, 40, 40);
const QColor kGreen(30, 140, 60);

using Drawing = std::function<void(QPainter&)>;

QIcon paint(const Drawing& draw) {
    return PaintedIcon(TracklistPictures::kSize, draw);
}

void triangle(QPainter& p, QPointF a, QPointF b, QPointF c, const QColor& fill) {
    p.setBrush(fill);
    p.drawPolygon(QPolygonF({a, b, c}));
}

void drawSelect(QPainter& p) {
    triangle(p, {4, 2.5}, {13.5, 8}, {4, 13.5}, kGreen);
}

void drawFocus(QPainter& p) {
    p.drawEllipse(QPointF(8, 8), 5.5, 5.5);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(8, 8), 1.8, 1.8);
}

void drawSort(QPainter& p) {
    p.drawLine(QPointF(4.5, 2), QPointF(4.5, 14));
    p.drawLine(QPointF(2, 11.5), QPointF(4.5, 14));
    p.drawLine(QPointF(7, 11.5), QPointF(4.5, 14));
    for (int row = 0; row < 3; ++row) {
        p.drawLine(QPointF(9, 3.5 + row * 4.5), QPointF(10 + row * 2, 3.5 + row * 4.5));
    }
}

void drawAdd(QPainter& p) {
    p.setPen(QPen(kGreen, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 3), QPointF(8, 13));
    p.drawLine(QPointF(3, 8), QPointF(13, 8));
}

void drawDelete(QPainter& p) {
    p.setPen(QPen(kRed, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 4), QPointF(12, 12));
    p.drawLine(QPointF(12, 4), QPointF(4, 12));
}

void drawRescan(QPainter& p) {
    p.drawArc(QRectF(3, 3, 10, 10), 90 * 16, 270 * 16);
    triangle(p, {8, 0.5}, {11.5, 3}, {8, 5.5}, kInk);
}

void drawFolder(QPainter& p) {
    p.setBrush(QColor(240, 200, 90));
    p.drawRect(QRectF(1.5, 4.5, 13, 9));
    p.drawRect(QRectF(1.5, 2.5, 5, 2));
}

void drawDisk(QPainter& p) {
    p.setBrush(QColor(90, 120, 190));
    p.drawRect(QRectF(2, 2, 12, 12));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 2, 7, 4.5));
}

void drawDiskAs(QPainter& p) {
    drawDisk(p);
    p.setPen(QPen(kRed, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9, 14), QPointF(15, 8));
}

void drawAbort(QPainter& p) {
    p.setBrush(kRed);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(3, 3, 10, 10));
}

void drawClose(QPainter& p) {
    p.drawRect(QRectF(2, 2, 12, 12));
    p.drawLine(QPointF(5, 5), QPointF(11, 11));
    p.drawLine(QPointF(11, 5), QPointF(5, 11));
}

void chevron(QPainter& p, bool up) {
    p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const double tip = up ? 5 : 11;
    const double base = up ? 11 : 5;
    p.drawPolyline(QPolygonF({QPointF(3.5, base), QPointF(8, tip), QPointF(12.5, base)}));
}

}  // namespace

QIcon TracklistPictures::ToolbarImage(int index) {
    static const std::array<Drawing, kToolbarImages> drawings{
        drawSelect, drawFocus, drawSort,   drawAdd,   drawDelete, drawRescan,
        drawFolder, drawDisk,  drawDiskAs, drawAbort, drawClose};
    if (index < 0 || index >= kToolbarImages) {
        return {};
    }
    return paint(drawings[static_cast<std::size_t>(index)]);
}

QIcon TracklistPictures::DetailButton(bool tagsShown) {
    return paint([tagsShown](QPainter& p) { chevron(p, tagsShown); });
}
