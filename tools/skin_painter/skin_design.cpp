#include "tools/skin_painter/skin_design.h"

#include <QBuffer>
#include <QPainter>

namespace {

QByteArray bmpBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP");
    return bytes;
}

QString hex(QRgb c) {
    return QStringLiteral("%1").arg(c & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
}

QImage paintFace(const SkinLook& look, const ViewDesign& view) {
    QImage face = newImage(view.face.width(), view.face.height(), look.outsideColour());
    QPainter painter(&face);
    painter.setRenderHint(QPainter::Antialiasing);
    look.paintFace(painter, view);
    return face;
}

// The window when the program is not the active one: the same face, faded
// towards grey, except the displays.
void dim(QImage& band, const ViewDesign& view) {
    for (int y = 0; y < band.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(band.scanLine(y));
        for (int x = 0; x < band.width(); ++x) {
            bool screen = false;
            for (const QRect& r : view.screens) {
                screen = screen || r.contains(x, y);
            }
            if (screen) {
                continue;
            }
            QRgb c = line[x];
            int grey = qGray(c);
            auto fade = [&](int v) { return std::clamp((v * 35 + grey * 65) / 100 - 10, 0, 255); };
            line[x] = qRgb(fade(qRed(c)), fade(qGreen(c)), fade(qBlue(c)));
        }
    }
}

std::vector<std::pair<QString, QRect>> controlRects(const ViewDesign& view) {
    std::vector<std::pair<QString, QRect>> rects;
    for (const ButtonDesign& b : view.buttons) {
        rects.emplace_back(SkinKeywordName(b.keyword), b.rect);
    }
    for (const SliderDesign& s : view.sliders) {
        rects.emplace_back(SkinKeywordName(s.keyword), s.rect);
    }
    for (const LampDesign& l : view.lamps) {
        rects.emplace_back(SkinKeywordName(l.keyword), l.rect);
    }
    if (view.time) {
        rects.emplace_back(QStringLiteral("time"), view.time->rect());
    }
    if (view.anim) {
        rects.emplace_back(QStringLiteral("anim"), view.anim->rect);
    }
    if (view.track) {
        rects.emplace_back(QStringLiteral("track"), view.track->rect);
    }
    return rects;
}

bool checkLayout(const ViewDesign& view, QString& error) {
    const auto rects = controlRects(view);
    for (size_t i = 0; i < rects.size(); ++i) {
        const QRectF inner = QRectF(rects[i].second).adjusted(0.5, 0.5, -0.5, -0.5);
        if (!view.outline.contains(inner)) {
            error = view.prefix + rects[i].first + QStringLiteral(" lies outside the face");
            return false;
        }
        for (size_t j = i + 1; j < rects.size(); ++j) {
            if (rects[i].second.intersects(rects[j].second)) {
                error =
                    view.prefix + rects[i].first + QStringLiteral(" overlaps ") + rects[j].first;
                return false;
            }
        }
    }
    return true;
}

void specLines(const ViewDesign& view, QStringList& lines) {
    for (const ButtonDesign& b : view.buttons) {
        lines << QStringLiteral("%1 v %2 %3 %4 %5")
                     .arg(SkinKeywordName(b.keyword))
                     .arg(b.rect.x())
                     .arg(b.rect.y())
                     .arg(b.rect.width())
                     .arg(b.rect.height());
    }
    for (const SliderDesign& s : view.sliders) {
        lines << QStringLiteral("%1 v %2 %3 %4 %5 %6 %7")
                     .arg(SkinKeywordName(s.keyword),
                          s.vertical ? QStringLiteral("v") : QStringLiteral("h"))
                     .arg(s.rect.x())
                     .arg(s.rect.y())
                     .arg(hex(s.c1), hex(s.c2), hex(s.c3));
    }
    if (view.time) {
        lines << QStringLiteral("time v %1 %2").arg(view.time->pos.x()).arg(view.time->pos.y());
    }
    for (const LampDesign& l : view.lamps) {
        lines << QStringLiteral("%1 v %2 %3")
                     .arg(SkinKeywordName(l.keyword))
                     .arg(l.rect.x())
                     .arg(l.rect.y());
    }
    if (view.anim) {
        lines << QStringLiteral("anim v %1 %2 %3 %4")
                     .arg(view.anim->rect.x())
                     .arg(view.anim->rect.y())
                     .arg(view.anim->frames)
                     .arg(view.anim->ms);
    }
    if (view.track) {
        const TrackDesign& t = *view.track;
        QString line = QStringLiteral("track v %1 %2 %3 %4 %5 %6 %7")
                           .arg(t.glyphs ? QStringLiteral("b") : QStringLiteral("f"))
                           .arg(t.rect.x())
                           .arg(t.rect.y())
                           .arg(t.rect.width())
                           .arg(t.rect.height())
                           .arg(t.step)
                           .arg(t.period);
        if (!t.glyphs) {
            line += QStringLiteral(" %1 %2").arg(hex(t.bg), hex(t.fg));
        }
        lines << line;
    }
}

QColor centreColour(const QImage& face, const QRect& rect) {
    return QColor(face.pixel(rect.center()));
}

void renderView(const SkinLook& look, const ViewDesign& view,
                std::map<QString, QByteArray>& files) {
    const QImage face = paintFace(look, view);
    files[view.prefix + QStringLiteral("panel.bmp")] = bmpBytes(RenderPanel(look, view));
    for (const SliderDesign& s : view.sliders) {
        const char* letter = s.keyword == SkinBalance ? "b" : s.keyword == SkinVolume ? "v" : "p";
        files[view.prefix + QLatin1StringView(letter) + QStringLiteral("slider.bmp")] =
            bmpBytes(look.sliderStrip(s, face.copy(s.rect)));
        files[view.prefix + QLatin1StringView(letter) + QStringLiteral("thumb.bmp")] =
            bmpBytes(look.thumbStrip(s));
    }
    if (view.time) {
        QColor bg = centreColour(face, view.time->rect());
        files[view.prefix + QStringLiteral("time.bmp")] = bmpBytes(look.timeStrip(*view.time, bg));
        files[view.prefix + QStringLiteral("sep.bmp")] = bmpBytes(look.sepStrip(*view.time, bg));
    }
    for (const LampDesign& l : view.lamps) {
        QString name = l.keyword == SkinTag  ? QStringLiteral("tag.bmp")
                       : l.keyword == SkinPm ? QStringLiteral("pm.bmp")
                                             : QStringLiteral("av.bmp");
        files[view.prefix + name] = bmpBytes(look.lampStrip(l, centreColour(face, l.rect)));
    }
    if (view.anim) {
        files[view.prefix + QStringLiteral("anim.bmp")] =
            bmpBytes(look.animStrip(*view.anim, centreColour(face, view.anim->rect)));
    }
    if (view.track && view.track->glyphs) {
        files[view.prefix + QStringLiteral("alpha.bmp")] = bmpBytes(look.glyphSheet(*view.track));
    }
}

}  // namespace

QImage SkinLook::sliderStrip(const SliderDesign& slider, const QImage& backdrop) const {
    const int h = slider.rect.height();
    QImage strip = newImage(slider.rect.width(), 2 * h, Qt::white);
    QPainter p(&strip);
    p.drawImage(0, 0, backdrop);
    p.save();
    const QPainterPath channel = paintTrack(p, slider);
    p.restore();
    // Hard edges, so that the colour stays inside the track.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.translate(0, h);
    p.fillPath(channel, Qt::black);
    return strip;
}

QImage SkinLook::thumbStrip(const SliderDesign& slider) const {
    const int w = slider.thumb.width();
    const int h = slider.thumb.height();
    QImage strip = newImage(w, 4 * h, Qt::white);
    QPainter p(&strip);
    p.setRenderHint(QPainter::Antialiasing);
    const ButtonState states[3] = {ButtonState::Normal, ButtonState::Hover, ButtonState::Pressed};
    for (int band = 0; band < 3; ++band) {
        p.save();
        p.translate(0, band * h);
        p.fillRect(QRectF(0, 0, w, h), outsideColour());
        paintThumb(p, slider, states[band]);
        p.restore();
    }
    // The mask band: pure white, then the thumb in black.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.translate(0, 3 * h);
    p.fillRect(QRectF(0, 0, w, h), Qt::white);
    paintThumbMask(p, slider);
    return strip;
}

QImage SkinLook::timeStrip(const TimeDesign& t, QColor bg) const {
    const QColor lit = displayColour();
    QImage strip = newImage(11 * t.digit.width(), t.digit.height(), bg);
    QPainter p(&strip);
    for (int cell = 0; cell < 11; ++cell) {
        drawSegmentDigit(p, QRectF(cell * t.digit.width(), 0, t.digit.width(), t.digit.height()),
                         cell < 10 ? cell : -1, lit, mix(bg, lit, 0.07));
    }
    return strip;
}

QImage SkinLook::sepStrip(const TimeDesign& t, QColor bg) const {
    QImage strip = newImage(2 * t.sepWidth, t.digit.height(), bg);
    QPainter p(&strip);
    drawSegmentColon(p, QRectF(0, 0, t.sepWidth, t.digit.height()), displayColour());
    return strip;
}

std::array<QString, 3> SkinLook::lampTexts(SkinKeyword keyword, const QString& idle) {
    if (keyword == SkinTag) {
        return {idle, QStringLiteral("DIC"), QStringLiteral("TAG")};
    }
    if (keyword == SkinPm) {
        return {QStringLiteral("STOP"), QStringLiteral("PLAY"), QStringLiteral("PAUSE")};
    }
    return {idle, QStringLiteral("VID"), QStringLiteral("AUD")};
}

QImage SkinLook::characterSheet(const TrackDesign& track, qreal pixelSize) const {
    const int cw = track.cell.width();
    const int ch = track.cell.height();
    QImage sheet = newImage(32 * cw, 3 * ch, Qt::black);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(skinFont(true, true, pixelSize));
    p.setPen(displayColour());
    for (int n = 0; n < 96; ++n) {
        const QRectF cell((n % 32) * cw, (n / 32) * ch, cw, ch);
        if (n == 95) {
            p.drawRect(cell.adjusted(1.5, 2.5, -1.5, -2.5));
        } else {
            p.drawText(cell, Qt::AlignCenter, QString(QChar(32 + n)));
        }
    }
    return sheet;
}

QImage RenderPanel(const SkinLook& look, const ViewDesign& view) {
    const int w = view.face.width();
    const int h = view.face.height();
    const QImage face = paintFace(look, view);
    QImage panel = newImage(w, h * 6, Qt::white);
    const ButtonState states[5] = {ButtonState::Inactive, ButtonState::Normal, ButtonState::On,
                                   ButtonState::Hover, ButtonState::Pressed};
    for (int band = 0; band < 5; ++band) {
        QImage image = face;
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            for (const ButtonDesign& b : view.buttons) {
                painter.save();
                painter.setClipRect(b.rect);
                look.paintButton(painter, QRectF(b.rect), b.glyph, states[band]);
                painter.restore();
            }
        }
        if (band == 0) {
            dim(image, view);
        }
        QPainter(&panel).drawImage(0, band * h, image);
    }
    // The mask: hard edges, so that the shape is exactly the outline.
    QPainter painter(&panel);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.translate(0, 5 * h);
    painter.fillPath(view.outline, Qt::black);
    return panel;
}

bool RenderSkin(const SkinDesign& design, std::map<QString, QByteArray>& files, QString& error) {
    if (!checkLayout(design.main, error) ||
        (design.alternate && !checkLayout(*design.alternate, error))) {
        error = design.name + QStringLiteral(": ") + error;
        return false;
    }
    QStringList lines;
    lines << QStringLiteral("[Name]") << design.name << QStringLiteral("[Designer]")
          << design.designer << QStringLiteral("[Version]") << design.version
          << QStringLiteral("[Desc]") << design.description << QStringLiteral("[Controls]")
          << QStringLiteral("# Drawn by tools/skin_painter; positions in pixels of the face.")
          << QStringLiteral("[MAIN]");
    specLines(design.main, lines);
    renderView(*design.look, design.main, files);
    if (design.alternate) {
        lines << QStringLiteral("[ALT]");
        specLines(*design.alternate, lines);
        renderView(*design.look, *design.alternate, files);
    }
    files[QStringLiteral("spec.txt")] =
        (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
    return true;
}
