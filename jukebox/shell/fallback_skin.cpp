#include "jukebox/shell/fallback_skin.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

#include "jukebox/skin/skin_shape.h"

namespace {

constexpr int kWidth = 340;
constexpr int kHeight = 64;
constexpr int kButton = 18;
constexpr int kBands = 6;
const QRect kMenuRect(kWidth - 2 * kButton - 12, 6, kButton, kButton);
const QRect kCloseRect(kWidth - kButton - 8, 6, kButton, kButton);
const QRect kPanelRect(10, 38, kWidth - 20, 18);
const QRgb kPanelBg = qRgb(0x14, 0x18, 0x1c);
const QRgb kPanelFg = qRgb(0xd8, 0xe0, 0xe8);

void paintFace(QPainter& p, int band) {
    const QRect face(0, band * kHeight, kWidth, kHeight);
    p.fillRect(face, band == 0 ? QColor(0x4a, 0x4e, 0x54) : QColor(0x5a, 0x60, 0x68));
    p.setPen(QColor(0x30, 0x33, 0x38));
    p.drawRect(face.adjusted(0, 0, -1, -1));
    p.setPen(Qt::white);
    QFont font = QGuiApplication::font();
    font.setPixelSize(14);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(10, band * kHeight + 6, kMenuRect.left() - 16, 22),
               Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate("FallbackSkin", "Skin files not found"));
}

QColor buttonColour(int band) {
    switch (band) {
        case 3:
            return QColor(0x88, 0x90, 0x9a);  // under the mouse
        case 4:
            return QColor(0x2c, 0x30, 0x36);  // pressed
        case 0:
            return QColor(0x5c, 0x60, 0x66);
        default:
            return QColor(0x70, 0x76, 0x7e);
    }
}

void paintButton(QPainter& p, int band, QRect rect, bool close) {
    const QRect r = rect.translated(0, band * kHeight);
    p.fillRect(r, buttonColour(band));
    p.setPen(QPen(Qt::white, 2));
    const QRect mark = r.adjusted(5, 5, -5, -5);
    if (close) {
        p.drawLine(mark.topLeft(), mark.bottomRight());
        p.drawLine(mark.topRight(), mark.bottomLeft());
    } else {
        for (int i = 0; i < 3; ++i) {
            const int y = mark.top() + i * mark.height() / 2;
            p.drawLine(mark.left(), y, mark.right(), y);
        }
    }
}

QImage panelBitmap() {
    QImage panel(kWidth, kHeight * kBands, QImage::Format_RGB32);
    panel.fill(Qt::white);
    QPainter p(&panel);
    for (int band = 0; band < 5; ++band) {
        paintFace(p, band);
        p.fillRect(kPanelRect.translated(0, band * kHeight), QColor(kPanelBg));
        paintButton(p, band, kMenuRect, false);
        paintButton(p, band, kCloseRect, true);
    }
    // The shape: the face with its corners rounded off.
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, 5 * kHeight, kWidth, kHeight), 6, 6);
    p.fillPath(outline, Qt::black);
    return panel;
}

SkinEntry buttonEntry(QRect rect) {
    SkinEntry entry;
    entry.show = SkinVisible;
    entry.x = rect.x();
    entry.y = rect.y();
    entry.w = rect.width();
    entry.h = rect.height();
    entry.size = rect.size();
    entry.rect = rect;
    return entry;
}

}  // namespace

SkinDescription FallbackSkin() {
    SkinDescription skin;
    SkinView& view = skin.main;
    view.panel = panelBitmap();
    view.face = QSize(kWidth, kHeight);
    view.shape = BuildSkinShape(view.panel, kHeight);
    view.entry(SkinMenu) = buttonEntry(kMenuRect);
    view.entry(SkinClose) = buttonEntry(kCloseRect);
    SkinEntry& track = view.entry(SkinTrack) = buttonEntry(kPanelRect);
    track.fontMode = SkinFontText;
    track.step = 1;
    track.period = 50;
    track.bg = kPanelBg;
    track.fg = kPanelFg;
    skin.hasAlternate = false;
    return skin;
}
