// One scroll tick of the track panel with a long title, repaint included (the
// panel rendered into an image, as the window system would have it painted),
// beside a baseline panel that draws the text from scratch at each tick.
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

}  // namespace
