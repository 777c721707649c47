#include "jukebox/shell/velorine_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>

QPixmap VelorineIconPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    QRadialGradient disc(QPointF(s * 0.35, s * 0.3), s * 0.75);
    disc.setColorAt(0.0, QColor(0x9c, 0xf0, 0xff));
    disc.setColorAt(0.55, QColor(0x28, 0x8c, 0xe6));
    disc.setColorAt(1.0, QColor(0x0a, 0x3c, 0x8c));
    p.setPen(QPen(QColor(0x08, 0x30, 0x6a), s / 24));
    p.setBrush(disc);
    p.drawEllipse(QRectF(s * 0.04, s * 0.04, s * 0.92, s * 0.92));

    // A quaver: head, stem and flag.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(s * 0.28, s * 0.58, s * 0.24, s * 0.17));
    p.drawRect(QRectF(s * 0.47, s * 0.22, s * 0.06, s * 0.45));
    QPainterPath flag;
    flag.moveTo(s * 0.53, s * 0.22);
    flag.cubicTo(s * 0.62, s * 0.30, s * 0.74, s * 0.34, s * 0.70, s * 0.50);
    flag.cubicTo(s * 0.68, s * 0.40, s * 0.60, s * 0.37, s * 0.53, s * 0.35);
    flag.closeSubpath();
    p.drawPath(flag);
    return pixmap;
}

QIcon VelorineIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128}) {
        icon.addPixmap(VelorineIconPixmap(size));
    }
    return icon;
}
