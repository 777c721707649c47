// "XP Aqua": polished aluminium with glassy aqua gel buttons, a round play orb
// and a navy display.
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>

#include "tools/skin_painter/skin_design.h"

namespace {

const QColor kScreen(0x0A, 0x1A, 0x2A);
const QColor kDisplayText(0x8F, 0xE3, 0xFF);
const QColor kRim(0x44, 0x52, 0x62);

struct GelColours {
    QColor top, middle, bottom, rim, glyph;
};

GelColours gelFor(ButtonState state) {
    switch (state) {
        case ButtonState::On:
            return {QColor(0xD9, 0xFF, 0xEE), QColor(0x2F, 0xD0, 0x95), QColor(0x05, 0x70, 0x4E),
                    QColor(0x04, 0x4A, 0x34), QColor(0xFF, 0xFF, 0xE8)};
        case ButtonState::Hover:
            return {QColor(0xEE, 0xFA, 0xFF), QColor(0x6C, 0xC8, 0xFF), QColor(0x1E, 0x74, 0xD8),
                    QColor(0x0B, 0x3C, 0x80), Qt::white};
        case ButtonState::Pressed:
            return {QColor(0x08, 0x36, 0x78), QColor(0x17, 0x63, 0xB4), QColor(0x5F, 0xB8, 0xF2),
                    QColor(0x05, 0x22, 0x50), QColor(0xD0, 0xE8, 0xFF)};
        case ButtonState::Inactive:
        case ButtonState::Normal:
            break;
    }
    return {QColor(0xC4, 0xEB, 0xFF), QColor(0x38, 0x9C, 0xE6), QColor(0x0A, 0x4C, 0xA4),
            QColor(0x08, 0x30, 0x6A), Qt::white};
}

void paintGel(QPainter& p, const QPainterPath& shape, const QRectF& box, const GelColours& c,
              bool pressed) {
    // Soft shadow under the gel.
    p.save();
    p.translate(0, 1);
    p.fillPath(shape, QColor(0, 0, 0, 55));
    p.restore();

    p.fillPath(shape, verticalGradient(box, {{0.0, c.top}, {0.5, c.middle}, {1.0, c.bottom}}));

    // Light gathering at the bottom, as in coloured glass.
    QRadialGradient caustic(QPointF(box.center().x(), box.bottom()), box.width() * 0.6);
    caustic.setColorAt(0.0, withAlpha(c.top, pressed ? 40 : 150));
    caustic.setColorAt(1.0, withAlpha(c.top, 0));
    p.fillPath(shape, caustic);

    // The gloss on the upper half.
    QRectF glossBox(box.left() + box.width() * 0.12, box.top() + 1.0, box.width() * 0.76,
                    box.height() * 0.46);
    QPainterPath gloss;
    qreal r = std::min(glossBox.width(), glossBox.height()) / 2;
    gloss.addRoundedRect(glossBox, r, r);
    p.fillPath(gloss.intersected(shape),
               verticalGradient(glossBox, {{0.0, QColor(255, 255, 255, pressed ? 70 : 220)},
                                           {1.0, QColor(255, 255, 255, pressed ? 5 : 25)}}));

    p.setPen(QPen(c.rim, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
}

class AquaLook : public SkinLook {
public:
    QColor outsideColour() const override { return kRim; }
    QColor displayColour() const override { return kDisplayText; }

    void paintFace(QPainter& p, const ViewDesign& view) const override {
        const QRectF all(QPointF(0, 0), QSizeF(view.face));
        p.fillPath(view.outline, verticalGradient(all, {{0.0, QColor(0xF6, 0xF8, 0xFB)},
                                                        {0.45, QColor(0xDD, 0xE4, 0xEC)},
                                                        {1.0, QColor(0xB9, 0xC4, 0xD0)}}));
        // Fine pinstripes.
        p.save();
        p.setClipPath(view.outline);
        for (int y = 0; y < view.face.height(); y += 2) {
            p.fillRect(QRectF(0, y, all.width(), 1), QColor(255, 255, 255, 46));
        }
        p.restore();

        if (view.prefix == QStringLiteral("m_")) {
            paintOrb(p);
            paintTitle(p, QRectF(194, 25, 96, 20));
        }
        for (const QRect& screen : view.screens) {
            paintScreen(p, screen);
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 150), 1.0));
        p.save();
        p.translate(0, 1);
        p.setClipPath(view.outline);
        p.drawPath(view.outline);
        p.restore();
        p.setPen(QPen(QColor(0x3A, 0x48, 0x58), 1.6));
        p.drawPath(view.outline);
    }

    void paintButton(QPainter& p, const QRectF& rect, Glyph glyph,
                     ButtonState state) const override {
        const GelColours c = gelFor(state);
        const bool pressed = state == ButtonState::Pressed;
        QRectF box = rect.adjusted(1.0, 1.0, -1.0, -2.0);
        QPainterPath shape;
        if (std::abs(rect.width() - rect.height()) < 3) {
            shape.addEllipse(box);
        } else {
            qreal r = std::min(box.width(), box.height()) / 2;
            shape.addRoundedRect(box, r, r);
        }
        if (state == ButtonState::On) {
            // A halo says the button is latched on.
            p.save();
            p.setPen(QPen(QColor(0x45, 0xFF, 0xB0, 110), 2.0));
            p.drawPath(shape);
            p.restore();
        }
        paintGel(p, shape, box, c, pressed);
        const qreal s = std::min(box.width(), box.height()) * (box.width() > 40 ? 0.46 : 0.56);
        QRectF glyphBox = centredSquare(box, s).translated(0, pressed ? 1 : 0);
        if (glyph == Glyph::Play && box.width() > 40) {
            glyphBox.translate(s * 0.08, 0);
        }
        drawGlyph(p, glyph, glyphBox.translated(0, 1), QColor(0, 20, 60, 120));
        drawGlyph(p, glyph, glyphBox, c.glyph);
    }

    QPainterPath paintTrack(QPainter& p, const SliderDesign& s) const override {
        const int w = s.rect.width();
        const int h = s.rect.height();
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF groove = QRectF(0.5, 0.5, w - 1.0, h - 1.0);
        const qreal r = (s.vertical ? w : h) / 2.0 - 0.5;
        QLinearGradient well(groove.topLeft(),
                             s.vertical ? groove.topRight() : groove.bottomLeft());
        well.setColorAt(0.0, QColor(0x56, 0x63, 0x73));
        well.setColorAt(1.0, QColor(0xE8, 0xEE, 0xF4));
        p.setPen(QPen(QColor(0x4A, 0x58, 0x68), 1.0));
        p.setBrush(well);
        p.drawRoundedRect(groove, r, r);
        const QRectF channel = groove.adjusted(3, 3, -3, -3);
        const qreal cr = std::max<qreal>(1.0, r - 3);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x20, 0x30, 0x44));
        p.drawRoundedRect(channel, cr, cr);
        return roundedPath(channel, cr);
    }

    void paintThumb(QPainter& p, const SliderDesign& s, ButtonState state) const override {
        const QRectF box(0.5, 0.5, s.thumb.width() - 1.0, s.thumb.height() - 1.0);
        paintGel(p, roundedPath(box, beadRadius(s)), box, gelFor(state),
                 state == ButtonState::Pressed);
    }

    void paintThumbMask(QPainter& p, const SliderDesign& s) const override {
        const qreal r = beadRadius(s);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawRoundedRect(QRectF(QPointF(0, 0), QSizeF(s.thumb)), r, r);
    }

    QImage lampStrip(const LampDesign& lamp, QColor bg) const override {
        const auto texts = lampTexts(lamp.keyword, QStringLiteral("- -"));
        const QColor off = mix(bg, QColor(0x90, 0xA8, 0xC0), 0.35);
        const QColor amber(0xFF, 0xC0, 0x40);
        const QColor green(0x5C, 0xFF, 0x9C);
        // Green for a tag, audio and playing; amber for the other lit states.
        const bool pm = lamp.keyword == SkinPm;
        const QColor colours[3] = {off, pm ? green : amber, pm ? amber : green};
        const int w = lamp.rect.width();
        const int h = lamp.rect.height();
        QImage strip = newImage(w, 3 * h, bg);
        QPainter p(&strip);
        p.setRenderHint(QPainter::Antialiasing);
        p.setFont(skinFont(false, true, h - 3));
        for (int band = 0; band < 3; ++band) {
            QRectF box(0.5, band * h + 0.5, w - 1.0, h - 1.0);
            p.setPen(QPen(withAlpha(colours[band], band == 0 ? 80 : 200), 1.0));
            p.setBrush(withAlpha(colours[band], band == 0 ? 0 : 40));
            p.drawRoundedRect(box, h / 2.0, h / 2.0);
            p.setPen(colours[band]);
            p.drawText(box, Qt::AlignCenter, texts[band]);
        }
        return strip;
    }

    QImage animStrip(const AnimDesign& anim, QColor bg) const override {
        const int w = anim.rect.width();
        const int h = anim.rect.height();
        QImage strip = newImage(w, h * anim.frames, bg);
        QPainter p(&strip);
        const int bars = 7;
        const qreal barWidth = (w - 2.0) / bars;
        for (int f = 0; f < anim.frames; ++f) {
            for (int i = 0; i < bars; ++i) {
                qreal level = 0.2 + 0.8 * std::abs(std::sin(f * 0.7854 + i * 1.3));
                int lit = int(std::lround(level * (h / 3)));
                for (int seg = 0; seg < h / 3; ++seg) {
                    QRectF cell(1 + i * barWidth, f * h + h - 3 - seg * 3, barWidth - 1.5, 2);
                    QColor c = seg < lit ? mix(kDisplayText, Qt::white, seg / qreal(h / 3))
                                         : mix(bg, kDisplayText, 0.12);
                    p.fillRect(cell, c);
                }
            }
        }
        return strip;
    }

    QImage glyphSheet(const TrackDesign& track) const override {
        return characterSheet(track, track.cell.height() - 1);
    }

private:
    static qreal beadRadius(const SliderDesign& s) {
        return std::min(s.thumb.width(), s.thumb.height()) / 2.0 - 0.5;
    }

    void paintOrb(QPainter& p) const {
        const QPointF c(80, 85);
        QRadialGradient bevel(c, 60);
        bevel.setColorAt(0.0, QColor(0x9F, 0xB3, 0xC8));
        bevel.setColorAt(0.80, QColor(0xE9, 0xEF, 0xF5));
        bevel.setColorAt(1.0, QColor(0x8E, 0x9D, 0xAE));
        p.setPen(Qt::NoPen);
        p.setBrush(bevel);
        p.drawEllipse(c, 46, 46);
        QLinearGradient ring(c - QPointF(0, 40), c + QPointF(0, 40));
        ring.setColorAt(0.0, QColor(0x56, 0x66, 0x78));
        ring.setColorAt(1.0, QColor(0xF7, 0xFA, 0xFD));
        p.setPen(QPen(QBrush(ring), 2.0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, 38, 38);
    }

    void paintTitle(QPainter& p, const QRectF& box) const {
        p.setFont(skinFont(false, true, 13));
        p.setPen(QColor(255, 255, 255, 200));
        p.drawText(box.translated(0, 1), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("XP Aqua"));
        p.setPen(QColor(0x4A, 0x5E, 0x76));
        p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("XP Aqua"));
    }

    void paintScreen(QPainter& p, const QRect& screen) const {
        const QRectF box = QRectF(screen).adjusted(0.5, 0.5, -0.5, -0.5);
        const QLinearGradient bezel = verticalGradient(
            box, {{0.0, QColor(0x5A, 0x68, 0x78)}, {1.0, QColor(0xFF, 0xFF, 0xFF)}});
        p.setPen(QPen(QBrush(bezel), 1.5));
        p.setBrush(kScreen);
        p.drawRoundedRect(box, 7, 7);
    }
};

ViewDesign mainView() {
    ViewDesign v;
    v.prefix = QStringLiteral("m_");
    v.face = QSize(520, 170);
    QPainterPath orb;
    orb.addEllipse(QPointF(80, 85), 80, 80);
    v.outline = roundedPath(QRectF(64, 18, 450, 142), 24).united(orb).simplified();
    v.screens = {QRect(166, 50, 342, 58)};

    // The orb: play, with the companion windows below and the sheet above.
    v.buttons = {
        {SkinPlay, QRect(48, 53, 64, 64), Glyph::Play},
        {SkinOptions, QRect(50, 24, 20, 20), Glyph::Gear},
        {SkinHelp, QRect(90, 24, 20, 20), Glyph::Question},
        {SkinDict, QRect(38, 124, 22, 20), Glyph::Book},
        {SkinTlist, QRect(69, 132, 22, 20), Glyph::List},
        {SkinCover, QRect(100, 124, 22, 20), Glyph::Picture},
        // Title row: balance steps and the window's own buttons.
        {SkinBallt, QRect(300, 27, 16, 16), Glyph::Left},
        {SkinBalrt, QRect(386, 27, 16, 16), Glyph::Right},
        {SkinMenu, QRect(414, 26, 19, 19), Glyph::Menu},
        {SkinUi, QRect(436, 26, 19, 19), Glyph::Views},
        {SkinMini, QRect(458, 26, 19, 19), Glyph::Minimize},
        {SkinClose, QRect(480, 26, 19, 19), Glyph::Cross},
        // Transport row.
        {SkinHome, QRect(168, 132, 27, 22), Glyph::Previous},
        {SkinPosrw, QRect(197, 132, 27, 22), Glyph::Rewind},
        {SkinPause, QRect(226, 132, 27, 22), Glyph::Pause},
        {SkinStop, QRect(255, 132, 27, 22), Glyph::Stop},
        {SkinPosff, QRect(284, 132, 27, 22), Glyph::Forward},
        {SkinEnd, QRect(313, 132, 27, 22), Glyph::Next},
        {SkinRandom, QRect(346, 132, 27, 22), Glyph::Shuffle},
        {SkinLoop, QRect(375, 132, 27, 22), Glyph::Repeat},
        {SkinVoldn, QRect(408, 135, 16, 16), Glyph::Minus},
        {SkinVolup, QRect(482, 135, 16, 16), Glyph::Plus},
    };
    v.sliders = {
        {SkinBalance, QRect(318, 29, 66, 12), false, QSize(12, 12), qRgb(0x30, 0xA0, 0xFF),
         qRgb(0x8F, 0xE3, 0xFF), qRgb(0x30, 0xA0, 0xFF)},
        {SkinVolume, QRect(426, 137, 54, 12), false, QSize(12, 12), qRgb(0x1E, 0x5F, 0xB0),
         qRgb(0x3C, 0xB4, 0xFF), qRgb(0x9C, 0xF0, 0xFF)},
        {SkinPosition, QRect(168, 112, 336, 14), false, QSize(22, 14), qRgb(0x1C, 0x6C, 0xD0),
         qRgb(0x40, 0xB8, 0xF8), qRgb(0x9C, 0xF2, 0xFF)},
    };
    v.track = TrackDesign{QRect(176, 55, 322, 18), false,  2, 60, kScreen.rgb(),
                          kDisplayText.rgb(),      QSize()};
    v.time = TimeDesign{QPoint(178, 80), QSize(13, 22), 7};
    v.lamps = {{SkinTag, QRect(300, 85, 34, 13)},
               {SkinPm, QRect(340, 85, 40, 13)},
               {SkinAv, QRect(386, 85, 34, 13)}};
    v.anim = AnimDesign{QRect(444, 80, 52, 21), 8, 120};
    return v;
}

ViewDesign compactView() {
    ViewDesign v;
    v.prefix = QStringLiteral("a_");
    v.face = QSize(360, 36);
    v.outline = roundedPath(QRectF(0, 0, 360, 36), 18);
    v.screens = {QRect(124, 6, 174, 24)};
    v.buttons = {
        {SkinHome, QRect(12, 8, 20, 20), Glyph::Previous},
        {SkinPlay, QRect(34, 7, 22, 22), Glyph::Play},
        {SkinPause, QRect(58, 8, 20, 20), Glyph::Pause},
        {SkinStop, QRect(80, 8, 20, 20), Glyph::Stop},
        {SkinEnd, QRect(102, 8, 20, 20), Glyph::Next},
        {SkinUi, QRect(302, 9, 17, 18), Glyph::Views},
        {SkinMini, QRect(320, 9, 17, 18), Glyph::Minimize},
        {SkinClose, QRect(338, 9, 17, 18), Glyph::Cross},
    };
    v.track = TrackDesign{QRect(130, 12, 126, 12), true, 1, 50, 0, 0, QSize(7, 12)};
    v.time = TimeDesign{QPoint(260, 10), QSize(8, 16), 4};
    return v;
}

}  // namespace

SkinDesign MakeXpAqua() {
    SkinDesign d;
    d.folder = QStringLiteral("XPAqua");
    d.name = QStringLiteral("XP Aqua");
    d.designer = QStringLiteral("Velorine team");
    d.version = QStringLiteral("1.0");
    d.description = {QStringLiteral("Polished aluminium with glassy aqua buttons."),
                     QStringLiteral("A compact strip as the alternate view.")};
    static const AquaLook look;
    d.look = &look;
    d.main = mainView();
    d.alternate = compactView();
    return d;
}
