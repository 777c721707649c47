#pragma once

#include <QFont>
#include <QImage>
#include <QRgb>
#include <QSize>
#include <QString>

class QPainter;

// How the track panel draws its line: the desktop font in fg on bg, or cells of
// the skin's glyph sheet on bg.
struct PanelLook {
    bool glyphs = false;
    QFont font;
    QRgb fg = qRgb(0, 0, 0);
    QRgb bg = qRgb(0, 0, 0);
    QImage sheet;  // glyph mode: 32 cells across, 3 rows
    QSize cell;
};

// The track panel's line, drawn once into an image whenever the line, the look
// or the panel's height change; a scroll step then only copies that image at a
// new offset, which keeps a tick cheap for long titles in any script.
class PanelLineImage {
public:
    // The glyph-sheet cell that shows a character: codes 32 to 126 have their own
    // (code - 32), everything else shares cell 95.
    static int glyphCell(char16_t code);
    // base at the largest pixel size whose line (ascent plus descent) fits in
    // height, at normal weight: the text's descenders stay inside the panel.
    static QFont fontForHeight(const QFont& base, int height);

    void setLook(const PanelLook& look);
    const PanelLook& look() const { return look_; }

    // The line's width in pixels: its advance in the font, or one cell per
    // UTF-16 unit in glyph mode.
    int measure(const QString& line) const;

    // Fills the panel (size panel) with bg and draws line with its left end at
    // x = offset and its top at y = 0.
    void paint(QPainter& painter, const QString& line, int offset, QSize panel, qreal dpr);

    // How many times the line was drawn from scratch (for tests and benchmarks).
    int renderCount() const { return renderCount_; }

private:
    // Beyond this many device pixels the line is drawn directly at each paint
    // rather than kept in an image.
    static constexpr qint64 kMaxCachedPixels = qint64(16) << 20;
    static constexpr int kMaxCachedWidth = 32767;

    bool prepare(const QString& line, int height, qreal dpr);
    void drawLine(QPainter& painter, const QString& line, int x, int visibleWidth) const;
    void drawGlyphs(QPainter& painter, const QString& line, int x, int visibleWidth) const;

    PanelLook look_;
    QString line_;
    int height_ = -1;
    int width_ = 0;  // the line's measure, taken once per line
    qreal dpr_ = 0;
    bool cached_ = false;
    QImage image_;
    int renderCount_ = 0;
};
