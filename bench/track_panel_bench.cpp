// One scroll tick of the track panel with a long title, repaint included (the
// panel rendered into an image, as the window system would have it painted),
// beside a baseline panel that draws the text from scratch at each tick. The
// same in glyph mode with a Latin and a CJK title, and the line drawn anew when
// a pop-up gives way to the title, beside a baseline that draws each character
// the glyph cells lack with the font at every paint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "jukebox/shell/command_ids.h"
#include "jukebox/shell/panel_line_image.h"
#include "jukebox/shell/track_panel.h"
#include "jukebox/tracklist/tag_page_settings.h"

namespace {

// A panel as a font-mode skin places it: 322 x 18, two pixels a tick.
SkinEntry panelEntry() {
    SkinEntry e;
    e.show = SkinVisible;
    e.fontMode = SkinFontText;
    e.w = 322;
    e.h = 18;
    e.step = 2;
    e.period = 60;
    e.bg = qRgb(0x0A, 0x1A, 0x2A);
    e.fg = qRgb(0x8F, 0xE3, 0xFF);
    return e;
}

TrackEntry longTitle(int script) {
    TrackEntry entry;
    if (script == 0) {
        entry.artist = QStringLiteral("The Quite Long Named Example Orchestra and Choir");
        entry.name =
            QStringLiteral("Symphony No. 9 in D minor, Op. 125: IV. Presto - Allegro assai");
    } else {
        entry.artist =
            QString::fromUtf8("\u5468\u6770\u4f26 \u4e0e \u6881\u5fc3\u9890 \u4e50\u56e2");
        entry.name = QString::fromUtf8(
            "\u6674\u5929 \u6545\u4e8b\u7684\u5c0f\u9ec4\u82b1 \u4ece\u51fa\u751f\u90a3\u5e74"
            "\u5c31\u98d8\u7740 \u7ae5\u5e74\u7684\u8361\u79cb\u5343 \u968f\u8bb0\u5fc6\u4e00"
            "\u76f4\u6643\u5230\u73b0\u5728 \u5b87\u591a\u7530\u30d2\u30ab\u30eb \uc88b\uc740 "
            "\ub0a0");
    }
    return entry;
}

QImage target() {
    QImage image(322, 18, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    return image;
}

void BM_ScrollTickCachedLine(benchmark::State& state) {
    TagPageSettings formats;
    const TrackEntry entry = longTitle(int(state.range(0)));
    CTrackPanel panel(
        formats, [&] { return entry; }, nullptr, nullptr);
    panel.Setup(panelEntry(), SkinView{});
    panel.SetBits(true, PanelBit::Scroll | PanelBit::Text);
    panel.ShowPrimary();
    QImage image = target();
    panel.render(&image);
    panel.holdElapsed();
    const int rendersBefore = panel.lineImage().renderCount();
    for (auto _ : state) {
        panel.scrollTick();
        if (!panel.scroll().moving()) {
            panel.holdElapsed();  // skip the one-second rest at either end
        }
        panel.render(&image);
    }
    state.counters["text_px"] = panel.scroll().textWidth();
    state.counters["line_renders"] = panel.lineImage().renderCount() - rendersBefore;
}
BENCHMARK(BM_ScrollTickCachedLine)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The same panel painting the whole line with QPainter::drawText at every tick.
class FromScratchPanel : public QWidget {
public:
    FromScratchPanel(const QString& text, const SkinEntry& e)
        : text_(text),
          entry_(e),
          font_(PanelLineImage::fontForHeight(QApplication::font(), e.h)),
          width_(QFontMetrics(font_).horizontalAdvance(text)) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        resize(e.w, e.h);
    }
    void tick() {
        offset_ -= entry_.step;
        if (offset_ + width_ <= entry_.w) {
            offset_ = 0;
        }
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(entry_.bg));
        p.setFont(font_);
        p.setPen(QColor(entry_.fg));
        p.drawText(QPoint(offset_, QFontMetrics(font_).ascent()), text_);
    }

private:
    QString text_;
    SkinEntry entry_;
    QFont font_;
    int width_;
    int offset_ = 0;
};

void BM_ScrollTickDrawTextBaseline(benchmark::State& state) {
    const TrackEntry entry = longTitle(int(state.range(0)));
    FromScratchPanel panel(entry.artist + QStringLiteral(" - ") + entry.name, panelEntry());
    QImage image = target();
    panel.render(&image);
    for (auto _ : state) {
        panel.tick();
        panel.render(&image);
    }
}
BENCHMARK(BM_ScrollTickDrawTextBaseline)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A glyph-mode panel as the dark skin places it: 256 x 14 over cells of 8 x 14,
// one pixel a tick.
constexpr int kCellW = 8;
constexpr int kCellH = 14;

SkinEntry glyphEntry() {
    SkinEntry e;
    e.show = SkinVisible;
    e.fontMode = SkinGlyphs;
    e.w = 256;
    e.h = kCellH;
    e.step = 1;
    e.period = 40;
    return e;
}

// A glyph sheet like a skin's: amber characters 32-126 and a box in cell 95, on black.
SkinView glyphView() {
    SkinView view;
    view.glyphCell = QSize(kCellW, kCellH);
    view.alpha = QImage(32 * kCellW, 3 * kCellH, QImage::Format_RGB32);
    view.alpha.fill(Qt::black);
    QPainter p(&view.alpha);
    QFont font = QApplication::font();
    font.setPixelSize(kCellH - 2);
    p.setFont(font);
    p.setPen(QColor(0xFF, 0xB0, 0x40));
    for (int n = 0; n < 96; ++n) {
        const QRect cell((n % 32) * kCellW, (n / 32) * kCellH, kCellW, kCellH);
        if (n == 95) {
            p.drawRect(cell.adjusted(1, 2, -2, -3));
        } else {
            p.drawText(cell, Qt::AlignCenter, QString(QChar(32 + n)));
        }
    }
    return view;
}

QImage glyphTarget() {
    QImage image(256, kCellH, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    return image;
}

void BM_GlyphScrollTick(benchmark::State& state) {
    TagPageSettings formats;
    const TrackEntry entry = longTitle(int(state.range(0)));
    CTrackPanel panel(
        formats, [&] { return entry; }, nullptr, nullptr);
    panel.Setup(glyphEntry(), glyphView());
    panel.SetBits(true, PanelBit::Scroll | PanelBit::Text);
    panel.ShowPrimary();
    QImage image = glyphTarget();
    panel.render(&image);
    panel.holdElapsed();
    const int rendersBefore = panel.lineImage().renderCount();
    for (auto _ : state) {
        panel.scrollTick();
        if (!panel.scroll().moving()) {
            panel.holdElapsed();
        }
        panel.render(&image);
    }
    state.counters["text_px"] = panel.scroll().textWidth();
    state.counters["line_renders"] = panel.lineImage().renderCount() - rendersBefore;
}
BENCHMARK(BM_GlyphScrollTick)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A pop-up comes and goes: the panel draws the pop-up's line and then the title's
// line afresh, and paints each.
void BM_GlyphTitleAfterPopup(benchmark::State& state) {
    TagPageSettings formats;
    const TrackEntry entry = longTitle(int(state.range(0)));
    CTrackPanel panel(
        formats, [&] { return entry; }, [] { return false; }, [] { return false; });
    panel.Setup(glyphEntry(), glyphView());
    panel.SetBits(true, PanelBit::Text);
    panel.ShowPrimary();
    QImage image = glyphTarget();
    panel.render(&image);
    const int rendersBefore = panel.lineImage().renderCount();
    for (auto _ : state) {
        panel.Popup(PanelPopup::Loop);
        panel.render(&image);
        panel.popupElapsed();
        panel.render(&image);
    }
    state.counters["line_renders"] = panel.lineImage().renderCount() - rendersBefore;
}
BENCHMARK(BM_GlyphTitleAfterPopup)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A title shown for the first time: its line drawn and, for the characters the
// glyph sheet lacks, their pictures too.
void BM_GlyphTitleFirstShown(benchmark::State& state) {
    const TrackEntry entry = longTitle(int(state.range(0)));
    const QString text = entry.artist + QStringLiteral(" - ") + entry.name;
    const SkinView view = glyphView();
    PanelLook look;
    look.glyphs = true;
    look.font = QApplication::font();
    look.sheet = view.alpha;
    look.cell = view.glyphCell;
    look.sheetColours = MeasureGlyphSheetColours(view.alpha, view.glyphCell);
    QImage image = glyphTarget();
    int glyphs = 0;
    for (auto _ : state) {
        PanelLineImage line;
        line.setLook(look);
        QPainter p(&image);
        line.paint(p, text, 0, image.size(), 1.0);
        glyphs = line.fallbackRenderCount();
    }
    state.counters["glyphs_drawn"] = glyphs;
}
BENCHMARK(BM_GlyphTitleFirstShown)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The baseline of the above for the CJK title: the characters 32-126 copied from
// the sheet, every other one drawn with the font into its cells at each paint.
void BM_GlyphTitleDrawTextBaseline(benchmark::State& state) {
    const TrackEntry entry = longTitle(1);
    const QString text = entry.artist + QStringLiteral(" - ") + entry.name;
    const SkinView view = glyphView();
    QFont font = QApplication::font();
    font.setPixelSize(kCellH - 2);
    QImage image = glyphTarget();
    for (auto _ : state) {
        QPainter p(&image);
        p.fillRect(image.rect(), Qt::black);
        p.setFont(font);
        p.setPen(QColor(0xFF, 0xB0, 0x40));
        int x = 0;
        for (QChar c : text) {
            const ushort code = c.unicode();
            if (code >= 32 && code <= 126) {
                const int n = code - 32;
                p.drawImage(QPoint(x, 0), view.alpha,
                            QRect((n % 32) * kCellW, (n / 32) * kCellH, kCellW, kCellH));
                x += kCellW;
            } else {
                p.drawText(QRect(x, 0, 2 * kCellW, kCellH), Qt::AlignCenter, QString(c));
                x += 2 * kCellW;
            }
            if (x >= image.width()) {
                break;
            }
        }
    }
}
BENCHMARK(BM_GlyphTitleDrawTextBaseline)->Unit(benchmark::kMicrosecond);

}  // namespace
