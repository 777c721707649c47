// "Ember": dark graphite with chamfered corners, keys that glow orange, an
// amber dot-matrix line and a vertical volume fader.
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>

#include "tools/skin_painter/skin_design.h"

namespace {

const QColor kAmber(0xFF, 0x9A, 0x2E);
const QColor kGlass(0x07, 0x06, 0x05);
const QColor kEdge(0x0E, 0x0E, 0x10);

struct KeyColours {
    QColor top, bottom, rim, glyph;
};

KeyColours keyFor(ButtonState state) {
    switch (state) {
        case ButtonState::On:
            return {QColor(0x8A, 0x4A, 0x1C), QColor(0x4A, 0x22, 0x0A), QColor(0xFF, 0x8C, 0x24),
                    QColor(0xFF, 0xE2, 0x9A)};
        case ButtonState::Hover:
            return {QColor(0x6A, 0x6E, 0x76), QColor(0x3C, 0x3F, 0x45), QColor(0xFF, 0xA2, 0x4A),
                    QColor(0xFF, 0xC0, 0x78)};
        case ButtonState::Pressed:
            return {QColor(0x18, 0x19, 0x1B), QColor(0x30, 0x32, 0x36), QColor(0x05, 0x05, 0x06),
                    QColor(0xE0, 0x7A, 0x22)};
        case ButtonState::Inactive:
        case ButtonState::Normal:
            break;
    }
    return {QColor(0x50, 0x53, 0x59), QColor(0x2A, 0x2C, 0x30), QColor(0x08, 0x08, 0x09), kAmber};
}

// A steady, repeatable grain for the brushed metal.
quint32 grain(quint32 x, quint32 y) {
    quint32 h = x * 374761393u + y * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

class EmberLook : public SkinLook {
public:
    QColor outsideColour() const override { return kEdge; }
    QColor displayColour() const override { return kAmber; }

    void paintFace(QPainter& p, const ViewDesign& view) const override {
        const QRectF all(QPointF(0, 0), QSizeF(view.face));
        p.fillPath(view.outline, verticalGradient(all, {{0.0, QColor(0x3A, 0x3C, 0x41)},
                                                        {1.0, QColor(0x17, 0x18, 0x1B)}}));
        // Brushed grain, streaks along the face.
        p.save();
        p.setClipPath(view.outline);
        for (int y = 0; y < view.face.height(); ++y) {
            for (int x = 0; x < view.face.width(); x += 6) {
                int a = int(grain(quint32(x / 6), quint32(y)) % 16);
                p.fillRect(QRect(x, y, 6, 1), QColor(255, 255, 255, a));
            }
        }
        p.restore();
        // Screws in the corners' chamfers.
        for (QPointF at :
             {QPointF(14, 14), QPointF(view.face.width() - 14, view.face.height() - 14)}) {
            QRadialGradient head(at - QPointF(1, 1), 4);
            head.setColorAt(0, QColor(0x9A, 0x9C, 0xA2));
            head.setColorAt(1, QColor(0x2A, 0x2B, 0x2E));
            p.setPen(Qt::NoPen);
            p.setBrush(head);
            p.drawEllipse(at, 3.5, 3.5);
            p.setPen(QPen(QColor(0x10, 0x10, 0x12), 1));
            p.drawLine(at + QPointF(-2, 2), at + QPointF(2, -2));
        }
        for (const QRect& screen : view.screens) {
            const QRectF box = QRectF(screen).adjusted(0.5, 0.5, -0.5, -0.5);
            p.setPen(QPen(QColor(0x5A, 0x5C, 0x62), 1.0));
            p.setBrush(kGlass);
            p.drawPath(chamferedPath(box, 5));
        }
        // A vent grille in the free space, and the ember line along the top.
        for (int i = 0; i < 6; ++i) {
            p.fillRect(QRectF(300, 44 + i * 9, 40, 3), QColor(0x08, 0x08, 0x09));
            p.fillRect(QRectF(300, 47 + i * 9, 40, 1), QColor(0x60, 0x62, 0x68));
        }
        QLinearGradient ember(QPointF(24, 0), QPointF(view.face.width() - 24, 0));
        ember.setColorAt(0.0, withAlpha(kAmber, 0));
        ember.setColorAt(0.5, kAmber);
        ember.setColorAt(1.0, withAlpha(kAmber, 0));
        p.fillRect(QRectF(24, 4, view.face.width() - 48, 2), ember);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0x70, 0x72, 0x78), 1.2));
        p.drawPath(view.outline);
    }

    void paintButton(QPainter& p, const QRectF& rect, Glyph glyph,
                     ButtonState state) const override {
        const KeyColours c = keyFor(state);
        const bool pressed = state == ButtonState::Pressed;
        const QRectF box = rect.adjusted(1, 1, -1, -1);
        const QPainterPath key = chamferedPath(box, std::min(box.height(), box.width()) * 0.22);
        p.fillPath(key.translated(0, 1), QColor(0, 0, 0, 120));
        p.fillPath(key, verticalGradient(box, {{0.0, c.top}, {1.0, c.bottom}}));
        if (!pressed) {
            p.setPen(QPen(QColor(255, 255, 255, 60), 1));
            p.drawLine(QPointF(box.left() + 3, box.top() + 1.5),
                       QPointF(box.right() - 3, box.top() + 1.5));
        }
        if (state == ButtonState::On) {
            QRadialGradient glow(box.center(), box.width() * 0.6);
            glow.setColorAt(0.0, QColor(0xFF, 0x9A, 0x2E, 120));
            glow.setColorAt(1.0, QColor(0xFF, 0x9A, 0x2E, 0));
            p.fillPath(key, glow);
        }
        p.setPen(QPen(c.rim, 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawPath(key);
        const qreal s = std::min(box.width(), box.height()) * 0.62;
        const QRectF glyphBox = centredSquare(box, s).translated(0, pressed ? 1 : 0);
        drawGlyph(p, glyph, glyphBox, c.glyph);
    }

    QPainterPath paintTrack(QPainter& p, const SliderDesign& s) const override {
        const int w = s.rect.width();
        const int h = s.rect.height();
        const QRect slot = s.vertical ? QRect(w / 2 - 3, 0, 6, h) : QRect(0, h / 2 - 3, w, 6);
        p.fillRect(slot, QColor(0x05, 0x05, 0x06));
        p.setPen(QColor(0x66, 0x68, 0x6E));
        if (s.vertical) {
            p.drawLine(slot.topRight(), slot.bottomRight());
            for (int y = 4; y < h; y += 8) {  // scale ticks
                p.fillRect(QRect(1, y, 3, 1), QColor(0x80, 0x82, 0x88));
                p.fillRect(QRect(w - 4, y, 3, 1), QColor(0x80, 0x82, 0x88));
            }
        } else {
            p.drawLine(slot.bottomLeft(), slot.bottomRight());
        }
        const QRect fill = slot.adjusted(1, 1, -1, -1);
        p.fillRect(fill, QColor(0x30, 0x18, 0x08));
        QPainterPath channel;
        channel.addRect(fill);
        return channel;
    }

    void paintThumb(QPainter& p, const SliderDesign& s, ButtonState state) const override {
        const int w = s.thumb.width();
        const int h = s.thumb.height();
        const QRectF box(0.5, 0.5, w - 1.0, h - 1.0);
        const KeyColours c = keyFor(state);
        p.setPen(QPen(c.rim, 1));
        p.setBrush(verticalGradient(box, {{0.0, c.top}, {1.0, c.bottom}}));
        p.drawRect(box);
        // The grip line that lights up.
        if (s.vertical) {
            p.fillRect(QRectF(2, h / 2.0 - 1, w - 4, 2), c.glyph);
        } else {
            p.fillRect(QRectF(w / 2.0 - 1, 2, 2, h - 4), c.glyph);
        }
    }

    void paintThumbMask(QPainter& p, const SliderDesign& s) const override {
        p.fillRect(QRect(QPoint(0, 0), s.thumb), Qt::black);
    }

    QImage lampStrip(const LampDesign& lamp, QColor bg) const override {
        const auto texts = lampTexts(lamp.keyword, QStringLiteral("---"));
        const int w = lamp.rect.width();
        const int h = lamp.rect.height();
        QImage strip = newImage(w, 3 * h, bg);
        QPainter p(&strip);
        p.setRenderHint(QPainter::Antialiasing);
        p.setFont(skinFont(true, true, h - 2));
        for (int band = 0; band < 3; ++band) {
            QRectF box(0, band * h, w, h);
            QColor colour = band == 0   ? mix(bg, kAmber, 0.25)
                            : band == 1 ? kAmber
                                        : QColor(0xFF, 0xD8, 0x90);
            if (band > 0) {
                p.fillRect(QRectF(1, band * h + h / 2.0 - 1.5, 3, 3), colour);
            }
            p.setPen(colour);
            p.drawText(box.adjusted(5, 0, 0, 0), Qt::AlignCenter, texts[band]);
        }
        return strip;
    }

    QImage animStrip(const AnimDesign& anim, QColor bg) const override {
        // A glowing ember that breathes.
        const int w = anim.rect.width();
        const int h = anim.rect.height();
        QImage strip = newImage(w, h * anim.frames, bg);
        QPainter p(&strip);
        p.setRenderHint(QPainter::Antialiasing);
        for (int f = 0; f < anim.frames; ++f) {
            const qreal phase = 0.5 + 0.5 * std::sin(f * 2 * M_PI / anim.frames);
            const QPointF c(w / 2.0, f * h + h / 2.0);
            QRadialGradient glow(c, h * 0.5);
            glow.setColorAt(0.0, mix(QColor(0xFF, 0xE0, 0x90), kAmber, 1 - phase));
            glow.setColorAt(0.5, withAlpha(kAmber, int(120 + 120 * phase)));
            glow.setColorAt(1.0, withAlpha(kAmber, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(glow);
            p.drawEllipse(c, h * 0.5, h * 0.5);
            for (int i = 0; i < 3; ++i) {
                qreal a = f * 0.9 + i * 2.1;
                QPointF spark = c + QPointF(std::cos(a) * (w * 0.36), std::sin(a) * h * 0.3);
                p.setBrush(withAlpha(QColor(0xFF, 0xC0, 0x60), int(90 + 100 * phase)));
                p.drawEllipse(spark, 1.2, 1.2);
            }
        }
        return strip;
    }

    QImage glyphSheet(const TrackDesign& track) const override {
        // Crisp amber characters behind a fine dot screen, like a matrix display.
        QImage sheet = characterSheet(track, track.cell.height() - 2);
        for (int y = 0; y < sheet.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(sheet.scanLine(y));
            for (int x = 0; x < sheet.width(); ++x) {
                if (y % 2 == 1) {
                    QRgb c = line[x];
                    line[x] = qRgb(qRed(c) * 3 / 5, qGreen(c) * 3 / 5, qBlue(c) * 3 / 5);
                }
            }
        }
        return sheet;
    }
};

ViewDesign emberView() {
    ViewDesign v;
    v.prefix = QStringLiteral("m_");
    v.face = QSize(400, 150);
    v.outline = chamferedPath(QRectF(0, 0, 400, 150), 18);
    v.screens = {QRect(16, 16, 274, 58)};
    v.buttons = {
        {SkinHome, QRect(16, 98, 30, 24), Glyph::Previous},
        {SkinPosrw, QRect(48, 98, 30, 24), Glyph::Rewind},
        {SkinPlay, QRect(80, 96, 36, 28), Glyph::Play},
        {SkinPause, QRect(118, 98, 30, 24), Glyph::Pause},
        {SkinStop, QRect(150, 98, 30, 24), Glyph::Stop},
        {SkinPosff, QRect(182, 98, 30, 24), Glyph::Forward},
        {SkinEnd, QRect(214, 98, 30, 24), Glyph::Next},
        {SkinRandom, QRect(250, 98, 30, 24), Glyph::Shuffle},
        {SkinLoop, QRect(282, 98, 30, 24), Glyph::Repeat},
        {SkinOptions, QRect(22, 128, 28, 15), Glyph::Gear},
        {SkinHelp, QRect(52, 128, 28, 15), Glyph::Question},
        {SkinDict, QRect(82, 128, 28, 15), Glyph::Book},
        {SkinTlist, QRect(112, 128, 28, 15), Glyph::List},
        {SkinCover, QRect(142, 128, 28, 15), Glyph::Picture},
        {SkinBallt, QRect(182, 128, 15, 15), Glyph::Left},
        {SkinBalrt, QRect(263, 128, 15, 15), Glyph::Right},
        {SkinMenu, QRect(306, 16, 20, 18), Glyph::Menu},
        {SkinMini, QRect(328, 16, 20, 18), Glyph::Minimize},
        {SkinClose, QRect(350, 16, 20, 18), Glyph::Cross},
        {SkinVolup, QRect(352, 40, 30, 16), Glyph::Plus},
        {SkinVoldn, QRect(352, 122, 30, 16), Glyph::Minus},
    };
    // Slider colours mix by the thumb's offset from the track's start, which for a
    // vertical fader is its top, where the value is highest: c1 is the full-volume
    // colour here.
    v.sliders = {
        {SkinVolume, QRect(357, 58, 20, 62), true, QSize(20, 10), qRgb(0xFF, 0xD0, 0x70),
         qRgb(0xE0, 0x70, 0x10), qRgb(0x60, 0x20, 0x04)},
        {SkinPosition, QRect(16, 80, 274, 12), false, QSize(10, 12), qRgb(0x80, 0x30, 0x08),
         qRgb(0xFF, 0x8A, 0x20), qRgb(0xFF, 0xD8, 0x80)},
        {SkinBalance, QRect(199, 130, 62, 11), false, QSize(8, 11), qRgb(0xFF, 0x8A, 0x20),
         qRgb(0x50, 0x20, 0x06), qRgb(0xFF, 0x8A, 0x20)},
    };
    v.track = TrackDesign{QRect(24, 21, 256, 14), true, 1, 40, 0, 0, QSize(8, 14)};
    v.time = TimeDesign{QPoint(24, 43), QSize(14, 24), 8};
    v.lamps = {{SkinTag, QRect(96, 50, 40, 12)},
               {SkinPm, QRect(140, 50, 48, 12)},
               {SkinAv, QRect(192, 50, 40, 12)}};
    v.anim = AnimDesign{QRect(246, 42, 36, 26), 12, 90};
    return v;
}

}  // namespace

SkinDesign MakeEmber() {
    SkinDesign d;
    d.folder = QStringLiteral("Ember.vlz");
    d.name = QStringLiteral("Ember");
    d.designer = QStringLiteral("Velorine team");
    d.version = QStringLiteral("1.0");
    d.description = {
        QStringLiteral("Dark graphite, amber dot-matrix and a vertical volume fader.")};
    static const EmberLook look;
    d.look = &look;
    d.main = emberView();
    d.packed = true;
    return d;
}
