#pragma once

#include <QFont>
#include <QImage>
#include <QRgb>
#include <QSize>
#include <QString>
#include <vector>

#include "jukebox/shell/panel_fallback_glyphs.h"
#include "jukebox/shell/panel_glyph_cells.h"

class QPainter;

// How the track panel draws its line: the desktop font in fg on bg, or cells of
// the skin's glyph sheet on bg, with the characters the sheet lacks drawn in the
// desktop font in the sheet's own colours.
struct PanelLook {
    bool glyphs = false;
    QFont font;
    QRgb fg = qRgb(0, 0, 0);
    QRgb bg = qRgb(0, 0, 0);
    QImage sheet;  // glyph mode: 32 cells across, 3 rows
    QSize cell;
    GlyphSheetColours sheetColours;  // glyph mode
};

// The track panel's line, drawn once into an image whenever the line, the look
// or the panel's height change; a scroll step then only copies that image at a
// new offset, which keeps a tick cheap for long titles in any script.
class PanelLineImage {
public:
    // base at the largest pixel size whose line (ascent plus descent) fits in
    // height, at normal weight: the text's descenders stay inside the panel.
    static QFont fontForHeight(const QFont& base, int height);

    void setLook(const PanelLook& look);
    const PanelLook& look() const { return look_; }

    // The line's width in pixels: its advance in the font, or in glyph mode its
    // cells (two for a wide character) times the cell width. A scroll step moves
    // the line `step` pixels whatever it holds, so with a step of one cell a wide
    // character passes in two steps and the pace never changes.
    int measure(const QString& line) const;

    // Fills the panel (size panel) with bg and draws line with its left end at
    // x = offset and its top at y = 0.
    void paint(QPainter& painter, const QString& line, int offset, QSize panel, qreal dpr);

    // How many times the line was drawn from scratch, and how many pictures of
    // characters the glyph sheet lacks were drawn (for tests and benchmarks).
    int renderCount() const { return renderCount_; }
    int fallbackRenderCount() const { return fallback_.renderCount(); }

private:
    // Beyond this many device pixels the line is drawn directly at each paint
    // rather than kept in an image.
    static constexpr qint64 kMaxCachedPixels = qint64(16) << 20;
    static constexpr int kMaxCachedWidth = 32767;

    bool prepare(const QString& line, int height, qreal dpr);
    void drawLine(QPainter& painter, const QString& line, int x, int visibleWidth);
    void drawGlyphs(QPainter& painter, const QString& line, int x, int visibleWidth);

    PanelLook look_;
    QString line_;
    int height_ = -1;
    int width_ = 0;  // the line's measure, taken once per line
    qreal dpr_ = 0;
    bool cached_ = false;
    QImage image_;
    std::vector<PanelGlyphItem> items_;  // glyph mode: the line on the grid
    PanelFallbackGlyphs fallback_;
    int renderCount_ = 0;
};
