#include "jukebox/shell/skin_slider.h"

#include <QBitmap>
#include <QPainter>

#include "jukebox/skin/skin_description.h"

namespace {

QImage band(const QImage& strip, int index, int count) {
    const int h = strip.height() / count;
    return strip.copy(0, index * h, strip.width(), h).convertToFormat(QImage::Format_RGB32);
}

// Opaque where the mask band is not pure white (as QPixmap::createMaskFromColor
// with Qt::MaskInColor: the colour given becomes transparent).
QBitmap maskOf(const QImage& maskBand) {
    return QBitmap::fromImage(maskBand.createMaskFromColor(qRgb(255, 255, 255), Qt::MaskInColor));
}

}  // namespace

CSkinSlider::CSkinSlider(int id, bool centred, QWidget* parent)
    : QWidget(parent), id_(id), centred_(centred) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

void CSkinSlider::setup(const SkinEntry& entry, const SkinSliderBitmaps& bitmaps) {
    const bool vertical = entry.orient == SkinVertical;
    thumbSize_ = bitmaps.thumbSize;
    const int length = vertical ? entry.size.height() - thumbSize_.height()
                                : entry.size.width() - thumbSize_.width();
    model_.setGeometry(length, centred_, vertical);
    colours_ = {entry.c1, entry.c2, entry.c3};
    track_ = QPixmap::fromImage(band(bitmaps.slider, 0, 2));
    colourMask_ = maskOf(band(bitmaps.slider, 1, 2));
    const QBitmap thumbMask = maskOf(band(bitmaps.thumb, 3, 4));
    for (int i = 0; i < 3; ++i) {
        thumbs_[size_t(i)] = QPixmap::fromImage(band(bitmaps.thumb, i, 4));
        if (!thumbMask.isNull()) {
            thumbs_[size_t(i)].setMask(thumbMask);
        }
    }
    colourFill_ = QPixmap();
    updateTrackColour();
    setGeometry(QRect(QPoint(entry.x, entry.y), entry.size));
    setVisible(entry.show == SkinVisible);
    update();
}

void CSkinSlider::setRange(int max) {
    const int before = model_.pixel();
    model_.setRange(max);
    if (model_.pixel() != before) {
        pixelChanged();
    }
}

void CSkinSlider::setValue(int value) {
    if (model_.setValue(value)) {
        pixelChanged();
    }
}

void CSkinSlider::dragToPixel(int p) {
    if (model_.dragToPixel(p)) {
        pixelChanged();
    }
}

QRect CSkinSlider::thumbRect() const {
    const int offset = model_.thumbOffset();
    const QPoint along = model_.vertical() ? QPoint(0, offset) : QPoint(offset, 0);
    return QRect(pos() + along, thumbSize_);
}

void CSkinSlider::setHover(bool hover) {
    if (hover_ != hover) {
        hover_ = hover;
        update();
    }
}

void CSkinSlider::setPressed(bool pressed) {
    if (pressed_ != pressed) {
        pressed_ = pressed;
        update();
    }
}

void CSkinSlider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, track_);
    painter.drawPixmap(0, 0, colourFill_);
    painter.drawPixmap(thumbRect().topLeft() - pos(), thumbs_[size_t(thumbBand())]);
}

void CSkinSlider::pixelChanged() {
    updateTrackColour();
    update();
}

void CSkinSlider::updateTrackColour() {
    const QRgb colour = model_.trackColour(colours_[0], colours_[1], colours_[2]);
    if (colour == colour_ && colourFill_.size() == colourMask_.size()) {
        return;
    }
    colour_ = colour;
    if (colourMask_.isNull()) {
        colourFill_ = QPixmap();
        return;
    }
    colourFill_ = QPixmap(colourMask_.size());
    colourFill_.fill(QColor(colour));
    colourFill_.setMask(colourMask_);
}

int CSkinSlider::thumbBand() const {
    return pressed_ ? 2 : hover_ ? 1 : 0;
}
