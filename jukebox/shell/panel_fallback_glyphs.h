#pragma once

#include <QFont>
#include <QHash>
#include <QImage>
#include <QRgb>
#include <QSize>
#include <QString>

// The colours a glyph sheet draws in: its background (paper) and the average of
// its lit pixels (ink), the text colour of a glyph-mode panel.
struct GlyphSheetColours {
    QRgb ink = qRgb(255, 255, 255);
    QRgb paper = qRgb(0, 0, 0);

    friend bool operator==(const GlyphSheetColours&, const GlyphSheetColours&) = default;
};

// Paper is the sheet's most common colour; a pixel is lit when it stands out from
// the paper by at least half as much as the brightest stroke does, so that the
// soft edges of the characters do not dull the ink. A sheet with nothing lit gives
// white ink on dark paper, black on light.
GlyphSheetColours MeasureGlyphSheetColours(const QImage& sheet, QSize cell);

// Pictures of the characters a glyph sheet lacks, each drawn once with the desktop
// font (which falls back to a CJK font for the characters it has not) fitted to the
// cell height, and kept for the next paint: the panel repaints at every scroll step
// and whenever a pop-up comes and goes.
class PanelFallbackGlyphs {
public:
    // The font the characters are drawn in; another one forgets what was drawn.
    void setFont(const QFont& base);

    // text (one character with any marks that go with it) across span cells of size
    // cell: ink on paper, the font at the largest size whose line fits the cell's
    // height, squeezed sideways when it is still wider than the cells, centred.
    QImage glyph(const QString& text, int span, QSize cell, GlyphSheetColours colours, qreal dpr);

    // How many pictures were drawn (for tests and benchmarks).
    int renderCount() const { return renderCount_; }

private:
    // Beyond these the pictures are all dropped and drawn again as they are needed.
    static constexpr int kMaxGlyphs = 4096;
    static constexpr qint64 kMaxPixels = qint64(8) << 20;

    struct Key {
        QString text;
        int span;
        QSize cell;
        GlyphSheetColours colours;
        qreal dpr;

        friend bool operator==(const Key&, const Key&) = default;
    };
    friend size_t qHash(const Key& key, size_t seed);

    QImage draw(const QString& text, int span, QSize cell, GlyphSheetColours colours,
                qreal dpr) const;

    bool fontSet_ = false;
    QFont base_;
    QFont font_;  // base_ at normal weight
    QHash<Key, QImage> glyphs_;
    qint64 pixels_ = 0;
    int renderCount_ = 0;
};
