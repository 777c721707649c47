#include "jukebox/dictionary_window/dictionary_pictures.h"

#include <QPainter>
#include <QPixmap>
#include <functional>

#include "jukebox/ui/painted_icon.h"

namespace {

QIcon paint(const std::function<void(QPainter&)>& draw) {
    return PaintedIcon(DictionaryPictures::kSize, draw);
}

}  // namespace

QIcon DictionaryPictures::SaveImage() {
    return paint([](QPainter& p) {
        p.setBrush(QColor(90, 120, 190));
        p.drawRect(QRectF(2, 2, 12, 12));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 2, 7, 4.5));
        p.drawRect(QRectF(4, 9, 8, 5));
    });
}

QIcon DictionaryPictures::CloseImage() {
    return paint([](QPainter& p) {
        p.setPen(QPen(QColor(190, 40, 40), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
    });
}
