#include "batchtagger/program_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

QPixmap MarlowispIconPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);

    // The tag: a card with its left end cut to a point, and a hole for the string.
    QPainterPath tag;
    tag.moveTo(2, 16);
    tag.lineTo(10, 5);
    tag.lineTo(29, 5);
    tag.lineTo(29, 27);
    tag.lineTo(10, 27);
    tag.closeSubpath();
    // The hole as a second figure of the same path, so that it stays round at
    // every size (subtracting would turn it into a polygon).
    tag.addEllipse(QPointF(9, 16), 2.2, 2.2);
    tag.setFillRule(Qt::OddEvenFill);
    painter.setPen(QPen(QColor(0x1d, 0x4e, 0x6b), 1.5));
    painter.setBrush(QColor(0x3c, 0x9d, 0xc4));
    painter.drawPath(tag);

    // A quaver on the card.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(17, 21), 3.2, 2.4);
    painter.drawRect(QRectF(19.4, 9, 1.6, 12));
    QPainterPath flag;
    flag.moveTo(21, 9);
    flag.cubicTo(24, 11, 26, 12, 25, 16);
    flag.cubicTo(24.5, 13.5, 23, 12.5, 21, 12.5);
    flag.closeSubpath();
    painter.drawPath(flag);
    return pixmap;
}

QIcon MarlowispIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) {
        icon.addPixmap(MarlowispIconPixmap(size));
    }
    return icon;
}
