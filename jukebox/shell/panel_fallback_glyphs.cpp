#include "jukebox/shell/panel_fallback_glyphs.h"

#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

int distance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

QRgb mostCommon(const QImage& image) {
    QHash<QRgb, int> counts;
    QRgb best = qRgb(0, 0, 0);
    int bestCount = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = line[x] | 0xFF000000u;
            const int n = ++counts[c];
            if (n > bestCount) {
                best = c;
                bestCount = n;
            }
        }
    }
    return best;
}

// The layout of text with the font at the largest pixel size (up to height) whose
// line, ascent plus descent of the fonts that actually draw it, fits in height.
void fitLine(QTextLayout& layout, QFont font, int height) {
    int pixels = std::max(1, height);
    for (int tries = 0; tries < 8; ++tries) {
        font.setPixelSize(pixels);
        layout.setFont(font);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        layout.endLayout();
        const qreal lineHeight = line.isValid() ? line.ascent() + line.descent() : 0;
        if (lineHeight <= height || pixels == 1) {
            return;
        }
        pixels = std::max(1, std::min(pixels - 1, int(pixels * height / lineHeight)));
    }
}

}  // namespace

GlyphSheetColours MeasureGlyphSheetColours(const QImage& sheet, QSize cell) {
    GlyphSheetColours colours;
    const QRect cells = QRect(0, 0, 32 * std::max(0, cell.width()), 3 * std::max(0, cell.height()))
                            .intersected(sheet.rect());
    if (cells.isEmpty()) {
        return colours;
    }
    const QImage image = sheet.copy(cells).convertToFormat(QImage::Format_RGB32);
    colours.paper = mostCommon(image);
    int strongest = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            strongest = std::max(strongest, distance(line[x], colours.paper));
        }
    }
    if (strongest == 0) {
        colours.ink = qGray(colours.paper) < 128 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
        return colours;
    }
    const int threshold = (strongest + 1) / 2;
    qint64 r = 0, g = 0, b = 0, n = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (distance(line[x], colours.paper) >= threshold) {
                r += qRed(line[x]);
                g += qGreen(line[x]);
                b += qBlue(line[x]);
                ++n;
            }
        }
    }
    colours.ink = qRgb(int((r + n / 2) / n), int((g + n / 2) / n), int((b + n / 2) / n));
    return colours;
}

size_t qHash(const PanelFallbackGlyphs::Key& key, size_t seed) {
    return qHashMulti(seed, key.text, key.span, key.cell.width(), key.cell.height(),
                      key.colours.ink, key.colours.paper, key.dpr);
}

void PanelFallbackGlyphs::setFont(const QFont& base) {
    if (fontSet_ && base == base_ && base.resolveMask() == base_.resolveMask()) {
        return;
    }
    fontSet_ = true;
    base_ = base;
    font_ = base;
    font_.setWeight(QFont::Normal);
    font_.setHintingPreference(QFont::PreferFullHinting);
    glyphs_.clear();
    pixels_ = 0;
}

QImage PanelFallbackGlyphs::glyph(const QString& text, int span, QSize cell,
                                  GlyphSheetColours colours, qreal dpr) {
    Key key{text, span, cell, colours, dpr};
    const auto found = glyphs_.constFind(key);
    if (found != glyphs_.constEnd()) {
        return found.value();
    }
    QImage image = draw(text, span, cell, colours, dpr);
    ++renderCount_;
    const qint64 pixels = qint64(image.width()) * image.height();
    if (glyphs_.size() >= kMaxGlyphs || pixels_ + pixels > kMaxPixels) {
        glyphs_.clear();
        pixels_ = 0;
    }
    if (pixels <= kMaxPixels) {
        glyphs_.insert(std::move(key), image);
        pixels_ += pixels;
    }
    return image;
}

QImage PanelFallbackGlyphs::draw(const QString& text, int span, QSize cell,
                                 GlyphSheetColours colours, qreal dpr) const {
    const int width = span * cell.width();
    const int height = cell.height();
    // The strokes' coverage first, white on nothing.
    QImage coverage(int(std::ceil(width * dpr)), int(std::ceil(height * dpr)),
                    QImage::Format_ARGB32_Premultiplied);
    if (coverage.isNull()) {
        return coverage;
    }
    coverage.setDevicePixelRatio(dpr);
    coverage.fill(Qt::transparent);
    QTextLayout layout(text);
    fitLine(layout, font_, height);
    if (layout.lineCount() == 1) {
        const QTextLine line = layout.lineAt(0);
        const qreal textWidth = line.naturalTextWidth();
        const qreal squeeze = textWidth > width ? width / textWidth : 1.0;
        QPainter painter(&coverage);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setPen(Qt::white);
        painter.translate((width - textWidth * squeeze) / 2,
                          (height - line.ascent() - line.descent()) / 2);
        painter.scale(squeeze, 1.0);
        layout.draw(&painter, QPointF(0, 0));
    }
    // Then ink on paper. At a cell's height the strokes of most characters are
    // thinner than a pixel and would only ever light their pixels partly, dimmer
    // than the sheet's characters beside them: coverage is strengthened so that a
    // stroke of two thirds of a pixel or more lights it fully.
    QImage image(coverage.size(), QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    const QRgb ink = colours.ink;
    const QRgb paper = colours.paper;
    auto mix = [](int from, int to, int a) { return from + (to - from) * a / 255; };
    for (int y = 0; y < image.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(coverage.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int a = std::min(255, qAlpha(in[x]) * 3 / 2);
            out[x] = qRgb(mix(qRed(paper), qRed(ink), a), mix(qGreen(paper), qGreen(ink), a),
                          mix(qBlue(paper), qBlue(ink), a));
        }
    }
    return image;
}
