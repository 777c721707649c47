#include "tools/skin_painter/skin_art.h"

#include <QFontDatabase>
#include <QPolygonF>
#include <cmath>

QRectF centredSquare(const QRectF& box, qreal side) {
    return QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
}

QPainterPath roundedPath(const QRectF& rect, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QPainterPath chamferedPath(const QRectF& r, qreal cut) {
    QPolygonF polygon;
    polygon << QPointF(r.left() + cut, r.top()) << QPointF(r.right() - cut, r.top())
            << QPointF(r.right(), r.top() + cut) << QPointF(r.right(), r.bottom() - cut)
            << QPointF(r.right() - cut, r.bottom()) << QPointF(r.left() + cut, r.bottom())
            << QPointF(r.left(), r.bottom() - cut) << QPointF(r.left(), r.top() + cut);
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

QLinearGradient verticalGradient(const QRectF& box, const QGradientStops& stops) {
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setStops(stops);
    return gradient;
}

QColor mix(const QColor& a, const QColor& b, qreal t) {
    return QColor::fromRgbF(
        a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
        a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

QColor withAlpha(const QColor& c, int alpha) {
    QColor out = c;
    out.setAlpha(alpha);
    return out;
}

QColor greyed(const QColor& c, qreal amount) {
    int grey = qGray(c.rgb());
    return mix(c, QColor(grey, grey, grey), amount);
}

QFont skinFont(bool mono, bool bold, qreal pixelSize) {
    static const QString sans = [] {
        int id = QFontDatabase::addApplicationFont(
            QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"));
        QStringList families = QFontDatabase::applicationFontFamilies(id);
        return families.isEmpty() ? QStringLiteral("Sans") : families.first();
    }();
    static const QString monospace = [] {
        int id = QFontDatabase::addApplicationFont(
            QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf"));
        QStringList families = QFontDatabase::applicationFontFamilies(id);
        return families.isEmpty() ? QStringLiteral("Monospace") : families.first();
    }();
    QFont font(mono ? monospace : sans);
    font.setPixelSize(int(std::lround(pixelSize)));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QImage newImage(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

namespace {

QPolygonF triangle(const QRectF& b, bool right) {
    QPolygonF p;
    if (right) {
        p << b.topLeft() << QPointF(b.right(), b.center().y()) << b.bottomLeft();
    } else {
        p << b.topRight() << QPointF(b.left(), b.center().y()) << b.bottomRight();
    }
    return p;
}

void fillPolygon(QPainter& painter, const QPolygonF& polygon, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(polygon);
}

void drawArrowHead(QPainter& painter, QPointF tip, qreal angle, qreal size, const QColor& c) {
    QPolygonF head;
    head << tip << tip + QPointF(std::cos(angle + 2.5) * size, std::sin(angle + 2.5) * size)
         << tip + QPointF(std::cos(angle - 2.5) * size, std::sin(angle - 2.5) * size);
    fillPolygon(painter, head, c);
}

}  // namespace

void drawGlyph(QPainter& painter, Glyph glyph, const QRectF& box, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = box.width();
    const qreal h = box.height();
    const qreal s = std::min(w, h);
    const QRectF sq = centredSquare(box, s);
    const qreal stroke = std::max<qreal>(1.4, s * 0.14);
    QPen pen(colour, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    auto sub = [&](qreal x, qreal y, qreal ww, qreal hh) {
        return QRectF(sq.left() + x * s, sq.top() + y * s, ww * s, hh * s);
    };
    switch (glyph) {
        case Glyph::Play:
            fillPolygon(painter, triangle(sub(0.22, 0.1, 0.7, 0.8), true), colour);
            break;
        case Glyph::Pause:
            painter.fillRect(sub(0.18, 0.12, 0.24, 0.76), colour);
            painter.fillRect(sub(0.58, 0.12, 0.24, 0.76), colour);
            break;
        case Glyph::Stop:
            painter.fillRect(sub(0.16, 0.16, 0.68, 0.68), colour);
            break;
        case Glyph::Previous:
            painter.fillRect(sub(0.08, 0.15, 0.14, 0.7), colour);
            fillPolygon(painter, triangle(sub(0.2, 0.15, 0.38, 0.7), false), colour);
            fillPolygon(painter, triangle(sub(0.54, 0.15, 0.38, 0.7), false), colour);
            break;
        case Glyph::Next:
            fillPolygon(painter, triangle(sub(0.08, 0.15, 0.38, 0.7), true), colour);
            fillPolygon(painter, triangle(sub(0.42, 0.15, 0.38, 0.7), true), colour);
            painter.fillRect(sub(0.78, 0.15, 0.14, 0.7), colour);
            break;
        case Glyph::Rewind:
            fillPolygon(painter, triangle(sub(0.06, 0.2, 0.44, 0.6), false), colour);
            fillPolygon(painter, triangle(sub(0.48, 0.2, 0.44, 0.6), false), colour);
            break;
        case Glyph::Forward:
            fillPolygon(painter, triangle(sub(0.08, 0.2, 0.44, 0.6), true), colour);
            fillPolygon(painter, triangle(sub(0.5, 0.2, 0.44, 0.6), true), colour);
            break;
        case Glyph::Shuffle: {
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            QPainterPath a;
            a.moveTo(sub(0.06, 0.26, 0, 0).topLeft());
            a.cubicTo(sub(0.45, 0.26, 0, 0).topLeft(), sub(0.4, 0.74, 0, 0).topLeft(),
                      sub(0.78, 0.74, 0, 0).topLeft());
            QPainterPath b;
            b.moveTo(sub(0.06, 0.74, 0, 0).topLeft());
            b.cubicTo(sub(0.45, 0.74, 0, 0).topLeft(), sub(0.4, 0.26, 0, 0).topLeft(),
                      sub(0.78, 0.26, 0, 0).topLeft());
            painter.drawPath(a);
            painter.drawPath(b);
            drawArrowHead(painter, sub(0.96, 0.74, 0, 0).topLeft(), 0, s * 0.26, colour);
            drawArrowHead(painter, sub(0.96, 0.26, 0, 0).topLeft(), 0, s * 0.26, colour);
            break;
        }
        case Glyph::Repeat: {
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            QRectF ring = sub(0.14, 0.18, 0.72, 0.64);
            painter.drawArc(ring, 100 * 16, 290 * 16);
            QPointF tip(
                ring.center().x() + ring.width() / 2 * std::cos(100 * M_PI / 180) + s * 0.06,
                ring.top() - s * 0.0);
            drawArrowHead(painter, tip + QPointF(s * 0.08, 0), 0, s * 0.3, colour);
            break;
        }
        case Glyph::Gear: {
            QPainterPath gear;
            const QPointF c = sq.center();
            const qreal outer = s * 0.46;
            const qreal inner = s * 0.33;
            const int teeth = 8;
            for (int i = 0; i < teeth * 4; ++i) {
                qreal a = (i / qreal(teeth * 4)) * 2 * M_PI;
                qreal r = (i % 4 == 0 || i % 4 == 1) ? outer : inner;
                QPointF p = c + QPointF(std::cos(a) * r, std::sin(a) * r);
                i == 0 ? gear.moveTo(p) : gear.lineTo(p);
            }
            gear.closeSubpath();
            gear.addEllipse(c, s * 0.14, s * 0.14);
            gear.setFillRule(Qt::OddEvenFill);
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour);
            painter.drawPath(gear);
            break;
        }
        case Glyph::Question: {
            painter.setPen(colour);
            painter.setFont(skinFont(false, true, s * 0.95));
            painter.drawText(box, Qt::AlignCenter, QStringLiteral("?"));
            break;
        }
        case Glyph::Book: {
            painter.setPen(QPen(colour, std::max<qreal>(1.0, s * 0.09), Qt::SolidLine, Qt::RoundCap,
                                Qt::RoundJoin));
            painter.setBrush(withAlpha(colour, 90));
            QPolygonF left, right;
            left << sub(0.5, 0.28, 0, 0).topLeft() << sub(0.08, 0.18, 0, 0).topLeft()
                 << sub(0.08, 0.78, 0, 0).topLeft() << sub(0.5, 0.86, 0, 0).topLeft();
            right << sub(0.5, 0.28, 0, 0).topLeft() << sub(0.92, 0.18, 0, 0).topLeft()
                  << sub(0.92, 0.78, 0, 0).topLeft() << sub(0.5, 0.86, 0, 0).topLeft();
            painter.drawPolygon(left);
            painter.drawPolygon(right);
            break;
        }
        case Glyph::List:
            for (int i = 0; i < 3; ++i) {
                qreal y = 0.2 + i * 0.26;
                painter.fillRect(sub(0.1, y, 0.16, 0.14), colour);
                painter.fillRect(sub(0.34, y + 0.01, 0.56, 0.12), colour);
            }
            break;
        case Glyph::Picture: {
            painter.setPen(QPen(colour, std::max<qreal>(1.0, s * 0.09)));
            painter.setBrush(Qt::NoBrush);
            QRectF frame = sub(0.08, 0.16, 0.84, 0.68);
            painter.drawRect(frame);
            QPolygonF hill;
            hill << sub(0.14, 0.78, 0, 0).topLeft() << sub(0.42, 0.42, 0, 0).topLeft()
                 << sub(0.62, 0.66, 0, 0).topLeft() << sub(0.72, 0.54, 0, 0).topLeft()
                 << sub(0.86, 0.78, 0, 0).topLeft();
            fillPolygon(painter, hill, colour);
            painter.setBrush(colour);
            painter.drawEllipse(sub(0.64, 0.26, 0.14, 0.14));
            break;
        }
        case Glyph::Cross:
            painter.setPen(pen);
            painter.drawLine(sub(0.22, 0.22, 0, 0).topLeft(), sub(0.78, 0.78, 0, 0).topLeft());
            painter.drawLine(sub(0.78, 0.22, 0, 0).topLeft(), sub(0.22, 0.78, 0, 0).topLeft());
            break;
        case Glyph::Views:
            painter.setPen(QPen(colour, std::max<qreal>(1.0, s * 0.1)));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(sub(0.1, 0.16, 0.56, 0.44));
            painter.fillRect(sub(0.4, 0.48, 0.5, 0.36), colour);
            break;
        case Glyph::Minimize:
            painter.fillRect(sub(0.2, 0.66, 0.6, 0.16), colour);
            break;
        case Glyph::Menu: {
            QPolygonF down;
            down << sub(0.18, 0.32, 0, 0).topLeft() << sub(0.82, 0.32, 0, 0).topLeft()
                 << sub(0.5, 0.72, 0, 0).topLeft();
            fillPolygon(painter, down, colour);
            break;
        }
        case Glyph::Right:
            fillPolygon(painter, triangle(sub(0.3, 0.2, 0.46, 0.6), true), colour);
            break;
        case Glyph::Left:
            fillPolygon(painter, triangle(sub(0.24, 0.2, 0.46, 0.6), false), colour);
            break;
        case Glyph::Plus:
            painter.fillRect(sub(0.18, 0.42, 0.64, 0.16), colour);
            painter.fillRect(sub(0.42, 0.18, 0.16, 0.64), colour);
            break;
        case Glyph::Minus:
            painter.fillRect(sub(0.18, 0.42, 0.64, 0.16), colour);
            break;
    }
    painter.restore();
}

void drawSegmentDigit(QPainter& painter, const QRectF& cell, int digit, const QColor& on,
                      const QColor& off) {
    // Segments a b c d e f g, lit per digit.
    static const int kLit[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
    const int lit = digit >= 0 && digit <= 9 ? kLit[digit] : 0;
    const qreal margin = cell.width() * 0.14;
    const QRectF r = cell.adjusted(margin, cell.height() * 0.08, -margin, -cell.height() * 0.08);
    const qreal t = std::max<qreal>(1.6, r.width() * 0.2);  // segment thickness
    const qreal slant = r.width() * 0.12;
    auto skew = [&](QPointF p) {
        qreal k = (r.bottom() - p.y()) / r.height();
        return QPointF(p.x() + slant * k - slant / 2, p.y());
    };
    auto horizontal = [&](qreal y) {
        QPolygonF p;
        p << QPointF(r.left() + t * 0.6, y) << QPointF(r.left() + t, y - t / 2)
          << QPointF(r.right() - t, y - t / 2) << QPointF(r.right() - t * 0.6, y)
          << QPointF(r.right() - t, y + t / 2) << QPointF(r.left() + t, y + t / 2);
        return p;
    };
    auto vertical = [&](qreal x, qreal y0, qreal y1) {
        QPolygonF p;
        p << QPointF(x, y0 + t * 0.6) << QPointF(x + t / 2, y0 + t) << QPointF(x + t / 2, y1 - t)
          << QPointF(x, y1 - t * 0.6) << QPointF(x - t / 2, y1 - t) << QPointF(x - t / 2, y0 + t);
        return p;
    };
    const qreal midY = r.center().y();
    const qreal left = r.left() + t / 2;
    const qreal right = r.right() - t / 2;
    const qreal top = r.top() + t / 2;
    const qreal bottom = r.bottom() - t / 2;
    const QPolygonF segments[7] = {
        horizontal(top),    vertical(right, top, midY),   vertical(right, midY, bottom),
        horizontal(bottom), vertical(left, midY, bottom), vertical(left, top, midY),
        horizontal(midY)};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 7; ++i) {
        QPolygonF shape;
        for (const QPointF& p : segments[i]) {
            shape << skew(p);
        }
        painter.setBrush((lit >> i) & 1 ? on : off);
        painter.drawPolygon(shape);
    }
    painter.restore();
}

void drawSegmentColon(QPainter& painter, const QRectF& cell, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const qreal d = std::max<qreal>(2.0, cell.width() * 0.5);
    const qreal x = cell.center().x() - d / 2;
    painter.drawEllipse(QRectF(x, cell.top() + cell.height() * 0.3 - d / 2, d, d));
    painter.drawEllipse(QRectF(x - 1, cell.top() + cell.height() * 0.7 - d / 2, d, d));
    painter.restore();
}
