// Loads skins the way the jukebox does and draws what it got into PNG files:
// every band of each panel, every strip, and the face put together with its
// controls and shape.
//   skin_preview <skin folder or archive> <output.png>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>
#include <cstdlib>

#include "jukebox/shell/slider_model.h"
#include "jukebox/skin/skin_loader.h"
#include "jukebox/skin/skin_packages.h"
#include "jukebox/ui/console_ui_service.h"

namespace {

QImage band(const QImage& strip, int index, int count) {
    int h = strip.height() / count;
    return strip.copy(0, index * h, strip.width(), h);
}

void drawSlider(QPainter& p, const SkinView& v, SkinKeyword keyword, double fraction) {
    const SkinEntry& e = v.entry(keyword);
    const SkinSliderBitmaps& b = v.sliders[size_t(keyword - SkinBalance)];
    if (e.show != SkinVisible || b.slider.isNull() || b.thumb.isNull()) {
        return;
    }
    QImage track = band(b.slider, 0, 2);
    QImage mask = band(b.slider, 1, 2);
    const bool vertical = e.orient == SkinVertical;
    const int length =
        vertical ? e.size.height() - b.thumbSize.height() : e.size.width() - b.thumbSize.width();
    // The jukebox's own slider arithmetic, over a range of 1000 (balance centred).
    SliderModel model;
    model.setGeometry(length, keyword == SkinBalance, vertical);
    model.setRange(1000);
    model.setValue(keyword == SkinBalance ? int(fraction * 2000) - 1000 : int(fraction * 1000));
    const int offset = model.thumbOffset();
    const QRgb colour = model.trackColour(e.c1, e.c2, e.c3);
    for (int y = 0; y < track.height(); ++y) {
        for (int x = 0; x < track.width(); ++x) {
            if ((mask.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
                track.setPixel(x, y, colour);
            }
        }
    }
    p.drawImage(e.rect.topLeft(), track);
    QImage thumb = band(b.thumb, 0, 4).convertToFormat(QImage::Format_ARGB32);
    QImage thumbMask = band(b.thumb, 3, 4);
    for (int y = 0; y < thumb.height(); ++y) {
        for (int x = 0; x < thumb.width(); ++x) {
            if ((thumbMask.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF) {
                thumb.setPixel(x, y, 0);
            }
        }
    }
    QPoint at = e.rect.topLeft() + (vertical ? QPoint(0, offset) : QPoint(offset, 0));
    p.drawImage(at, thumb);
}

// The face as the window would show it, with sample values in the controls.
QImage compose(const SkinView& v) {
    QImage face = v.panel.copy(0, v.face.height(), v.face.width(), v.face.height());
    QPainter p(&face);
    auto buttonBand = [&](SkinKeyword k, int bandIndex) {
        const SkinEntry& e = v.entry(k);
        if (e.show == SkinVisible) {
            p.drawImage(e.rect.topLeft(),
                        v.panel.copy(e.rect.translated(0, bandIndex * v.face.height())));
        }
    };
    buttonBand(SkinStop, 2);  // latched on
    buttonBand(SkinLoop, 2);
    buttonBand(SkinEnd, 3);    // under the mouse
    buttonBand(SkinVolup, 4);  // pressed
    drawSlider(p, v, SkinPosition, 0.35);
    drawSlider(p, v, SkinVolume, 0.9);
    drawSlider(p, v, SkinBalance, 0.5);
    const SkinEntry& time = v.entry(SkinTime);
    if (time.show == SkinVisible && !v.time.isNull()) {
        const int cells[5] = {10, 5, -1, 0, 7};  // " 5:07"
        for (int i = 0; i < 5; ++i) {
            QPoint at = time.rect.topLeft() + QPoint(v.timeCellX(i), 0);
            if (cells[i] < 0) {
                p.drawImage(at, v.sep.copy(0, 0, v.sepWidth, v.digitHeight));
            } else {
                p.drawImage(at,
                            v.time.copy(cells[i] * v.digitWidth, 0, v.digitWidth, v.digitHeight));
            }
        }
    }
    const std::pair<SkinKeyword, int> lamps[] = {{SkinTag, 2}, {SkinPm, 1}, {SkinAv, 2}};
    for (auto [k, state] : lamps) {
        const QImage& strip = k == SkinTag ? v.tag : k == SkinPm ? v.pm : v.av;
        if (v.entry(k).show == SkinVisible && !strip.isNull()) {
            p.drawImage(v.entry(k).rect.topLeft(), band(strip, state, 3));
        }
    }
    const SkinEntry& anim = v.entry(SkinAnim);
    if (anim.show == SkinVisible && !v.anim.isNull() && anim.frames > 0) {
        p.drawImage(anim.rect.topLeft(), band(v.anim, 2, anim.frames));
    }
    const SkinEntry& track = v.entry(SkinTrack);
    if (track.show == SkinVisible) {
        const QString text = QStringLiteral("Nightfall Orchestra - Velvet Horizon (Live) ~ 5:07");
        p.fillRect(track.rect, QColor(track.bg));
        p.save();
        p.setClipRect(track.rect);
        if (track.fontMode == SkinGlyphs && !v.alpha.isNull()) {
            const int cw = v.glyphCell.width();
            for (int i = 0; i < text.size(); ++i) {
                int code = text[i].unicode();
                int cell = code >= 32 && code <= 126 ? code - 32 : 95;
                p.drawImage(track.rect.topLeft() + QPoint(i * cw, 0),
                            v.alpha.copy((cell % 32) * cw, (cell / 32) * v.glyphCell.height(), cw,
                                         v.glyphCell.height()));
            }
        } else {
            QFont font;
            font.setPixelSize(track.h);
            p.setFont(font);
            p.setPen(QColor(track.fg));
            p.drawText(track.rect, Qt::AlignLeft | Qt::AlignVCenter, text);
        }
        p.restore();
    }
    p.end();
    // Outside the shape: a checkerboard, so the silhouette shows.
    QImage out(face.size(), QImage::Format_RGB32);
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x) {
            bool inside = v.shape.contains(QPoint(x, y));
            out.setPixel(
                x, y,
                inside ? face.pixel(x, y)
                       : (((x / 8) + (y / 8)) % 2 ? qRgb(200, 200, 200) : qRgb(240, 240, 240)));
        }
    }
    return out;
}

class Sheet {
public:
    explicit Sheet(QPainter& p) : p_(p) { p_.setFont(labelFont()); }
    void label(const QString& text) {
        p_.setPen(Qt::black);
        p_.drawText(QPoint(margin_, y_ + 14), text);
        y_ += 20;
    }
    // Draws images left to right at the scale given, on one row.
    void row(const std::vector<std::pair<QString, QImage>>& items, int scale) {
        int x = margin_;
        int tallest = 0;
        for (const auto& [name, image] : items) {
            if (image.isNull()) {
                continue;
            }
            QImage big = image.scaled(image.size() * scale);
            p_.setPen(Qt::darkGray);
            p_.drawText(QPoint(x, y_ + 11), name);
            p_.drawImage(x, y_ + 15, big);
            p_.drawRect(QRect(x - 1, y_ + 14, big.width() + 1, big.height() + 1));
            x += std::max(big.width(), 40) + 14;
            tallest = std::max(tallest, big.height() + 15);
        }
        y_ += tallest + 12;
    }
    int height() const { return y_; }

private:
    static QFont labelFont() {
        QFont f;
        f.setPixelSize(12);
        return f;
    }
    QPainter& p_;
    int margin_ = 12;
    int y_ = 10;
};

void drawView(Sheet& sheet, const QString& title, const SkinView& v, int scale) {
    sheet.label(
        title +
        QStringLiteral(": face %1 x %2, as shown").arg(v.face.width()).arg(v.face.height()));
    sheet.row({{QStringLiteral("window"), compose(v)}}, scale);
    const char* names[6] = {"0 inactive", "1 active", "2 on", "3 hover", "4 pressed", "5 mask"};
    std::vector<std::pair<QString, QImage>> bands;
    for (int i = 0; i < 6; ++i) {
        bands.emplace_back(QString::fromLatin1(names[i]), band(v.panel, i, 6));
        if (bands.size() == 2) {
            sheet.row(bands, 1);
            bands.clear();
        }
    }
    sheet.row(bands, 1);
    std::vector<std::pair<QString, QImage>> strips;
    const char* sliderNames[3] = {"balance", "volume", "position"};
    for (int i = 0; i < 3; ++i) {
        strips.emplace_back(QString::fromLatin1(sliderNames[i]) + QStringLiteral(" track"),
                            v.sliders[size_t(i)].slider);
        strips.emplace_back(QStringLiteral("thumb"), v.sliders[size_t(i)].thumb);
    }
    sheet.row(strips, 2);
    sheet.row({{QStringLiteral("time"), v.time},
               {QStringLiteral("sep"), v.sep},
               {QStringLiteral("tag"), v.tag},
               {QStringLiteral("pm"), v.pm},
               {QStringLiteral("av"), v.av},
               {QStringLiteral("anim"), v.anim}},
              2);
    if (!v.alpha.isNull()) {
        sheet.row({{QStringLiteral("glyphs"), v.alpha}}, 2);
    }
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: skin_preview <skin folder or archive> <output.png>\n");
        return 2;
    }
    ConsoleUiService ui(ConsoleUiService::Output::PrintMessages);
    SkinPackages packages(ui);
    SkinLoader loader(ui, packages);
    SkinDescription skin;
    if (!loader.LoadSkin(args[1], skin)) {
        return 1;
    }
    QImage canvas(1300, 2600, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    int used = 0;
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::TextAntialiasing);
        Sheet sheet(p);
        drawView(sheet, QStringLiteral("Main view"), skin.main, 2);
        if (skin.hasAlternate) {
            drawView(sheet, QStringLiteral("Alternate view"), skin.alternate, 2);
        }
        used = sheet.height();
    }
    canvas.copy(0, 0, canvas.width(), std::min(used + 10, canvas.height())).save(args[2]);
    // The window alone, enlarged, to judge the glyphs.
    QString window = args[2];
    window.replace(QStringLiteral(".png"), QStringLiteral("-window.png"));
    QImage main = compose(skin.main);
    main.scaled(main.size() * 2).save(window);
    return ui.messageCount() == 0 ? 0 : 1;
}
