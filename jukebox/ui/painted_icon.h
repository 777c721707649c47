#pragma once

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <functional>

// The small pictures of the windows' buttons, drawn in code: a square of
// size pixels, antialiased, with a pen of the windows' dark blue ink set.
inline QIcon PaintedIcon(int size, const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 60, 110), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    draw(p);
    p.end();
    return QIcon(pixmap);
}
