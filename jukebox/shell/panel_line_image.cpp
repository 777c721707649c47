#include "jukebox/shell/panel_line_image.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

QFont PanelLineImage::fontForHeight(const QFont& base, int height) {
    QFont font = base;
    font.setWeight(QFont::Normal);
    int pixels = std::max(1, height);
    font.setPixelSize(pixels);
    const int lineHeight = QFontMetrics(font).height();
    if (lineHeight > height && pixels > 1) {
        pixels = std::max(1, pixels * height / lineHeight);
        font.setPixelSize(pixels);
        while (pixels > 1 && QFontMetrics(font).height() > height) {
            font.setPixelSize(--pixels);
        }
    }
    return font;
}

void PanelLineImage::setLook(const PanelLook& look) {
    look_ = look;
    height_ = -1;  // draw the line again in the new look
    image_ = QImage();
    if (look.glyphs) {
        fallback_.setFont(look.font);
    }
}

int PanelLineImage::measure(const QString& line) const {
    if (look_.glyphs) {
        // A sheet that never loaded leaves the cell size invalid (-1).
        return CountGlyphCells(line) * std::max(0, look_.cell.width());
    }
    return QFontMetrics(look_.font).horizontalAdvance(line);
}

void PanelLineImage::paint(QPainter& painter, const QString& line, int offset, QSize panel,
                           qreal dpr) {
    const QRect whole(QPoint(0, 0), panel);
    if (!prepare(line, panel.height(), dpr)) {
        painter.fillRect(whole, QColor(look_.bg));
        painter.save();
        painter.setClipRect(whole);
        drawLine(painter, line, offset, panel.width());
        painter.restore();
        return;
    }
    // The image carries its own background; fill only what it leaves uncovered.
    const QRect covered(offset, 0, width_, panel.height());
    const QRegion uncovered = QRegion(whole).subtracted(QRegion(covered));
    for (const QRect& r : uncovered) {
        painter.fillRect(r, QColor(look_.bg));
    }
    if (!image_.isNull()) {
        painter.drawImage(QPoint(offset, 0), image_);
    }
}

bool PanelLineImage::prepare(const QString& line, int height, qreal dpr) {
    if (height == height_ && dpr == dpr_ && line == line_) {
        return cached_;
    }
    line_ = line;
    height_ = height;
    dpr_ = dpr;
    if (look_.glyphs) {
        items_ = LayOutGlyphCells(line);
        const int cells = items_.empty() ? 0 : items_.back().cell + items_.back().span;
        width_ = cells * std::max(0, look_.cell.width());
    } else {
        items_.clear();
        width_ = measure(line);
    }
    const int width = width_;
    const qint64 deviceWidth = qint64(std::ceil(width * dpr));
    const qint64 deviceHeight = qint64(std::ceil(height * dpr));
    cached_ = deviceWidth <= kMaxCachedWidth && deviceWidth * deviceHeight <= kMaxCachedPixels;
    image_ = QImage();
    if (!cached_ || width <= 0 || height <= 0) {
        return cached_;
    }
    image_ = QImage(int(deviceWidth), int(deviceHeight), QImage::Format_RGB32);
    image_.setDevicePixelRatio(dpr);
    image_.fill(look_.bg);
    QPainter painter(&image_);
    drawLine(painter, line, 0, width);
    ++renderCount_;
    return true;
}

void PanelLineImage::drawLine(QPainter& painter, const QString& line, int x, int visibleWidth) {
    if (look_.glyphs) {
        drawGlyphs(painter, line, x, visibleWidth);
        return;
    }
    painter.setFont(look_.font);
    painter.setPen(QColor(look_.fg));
    painter.drawText(QPoint(x, QFontMetrics(look_.font).ascent()), line);
}

void PanelLineImage::drawGlyphs(QPainter& painter, const QString& line, int x, int visibleWidth) {
    const int cw = look_.cell.width();
    const int ch = look_.cell.height();
    if (look_.sheet.isNull() || cw <= 0 || ch <= 0) {
        return;  // no sheet: only the background shows
    }
    // Only the pieces that can be seen: from the one that covers the panel's left
    // edge (a wide one may begin a cell before it) to the right edge.
    const int firstCell = std::max(0, -x / cw);
    auto item = std::partition_point(items_.begin(), items_.end(), [&](const PanelGlyphItem& i) {
        return i.cell + i.span <= firstCell;
    });
    for (; item != items_.end() && x + item->cell * cw < visibleWidth; ++item) {
        const QPoint at(x + item->cell * cw, 0);
        if (item->sheetCell >= 0) {
            const int n = item->sheetCell;
            painter.drawImage(at, look_.sheet, QRect((n % 32) * cw, (n / 32) * ch, cw, ch));
        } else {
            painter.drawImage(at, fallback_.glyph(line.mid(item->begin, item->length), item->span,
                                                  look_.cell, look_.sheetColours, dpr_));
        }
    }
}
