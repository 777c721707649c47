#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>
#include <array>

// The keywords of spec.txt, one per control of the main window, in the order of
// the skin's keyword table.
enum SkinKeyword : int {
    SkinPlay,
    SkinStop,
    SkinPause,
    SkinHome,
    SkinEnd,
    SkinRandom,
    SkinLoop,
    SkinOptions,
    SkinHelp,
    SkinDict,
    SkinTlist,
    SkinCover,
    SkinClose,
    SkinUi,
    SkinMini,
    SkinMenu,
    SkinBalrt,
    SkinBallt,
    SkinVolup,
    SkinVoldn,
    SkinPosff,
    SkinPosrw,
    SkinBalance,
    SkinVolume,
    SkinPosition,
    SkinTime,
    SkinTrack,
    SkinTag,
    SkinPm,
    SkinAv,
    SkinAnim,
    SkinKeywordCount
};

// The shape of a keyword's line: which tokens follow it.
enum class SkinLineKind { Button, Slider, Time, Track, Lamp, Anim };

// The keyword's text as spec.txt writes it ("play", "balance", ...).
QString SkinKeywordName(SkinKeyword keyword);
SkinLineKind SkinKeywordKind(SkinKeyword keyword);
// The keyword written in any case, or -1 for a word that is not one.
int FindSkinKeyword(const QString& word);

// Values of SkinEntry::show.
enum SkinShow { SkinNotDescribed = 0, SkinVisible = 1, SkinHidden = 2 };
// Values of SkinEntry::orient (sliders) and SkinEntry::fontMode (track panel).
enum SkinOrient { SkinHorizontal = 1, SkinVertical = 2 };
enum SkinFontMode { SkinFontText = 1, SkinGlyphs = 2 };

// One control of one view: the fields its spec.txt line sets, and its size and
// rectangle as found when the bitmaps were loaded. Fields a keyword does not
// take stay at zero.
struct SkinEntry {
    int show = SkinNotDescribed;
    int x = 0;
    int y = 0;
    int w = 0;  // buttons and the track panel
    int h = 0;
    int orient = 0;           // sliders
    int fontMode = 0;         // track panel
    int step = 0;             // track panel: pixels per scroll tick
    int period = 0;           // track panel: milliseconds per scroll tick
    QRgb bg = qRgb(0, 0, 0);  // track panel in font mode
    QRgb fg = qRgb(0, 0, 0);
    QRgb c1 = qRgb(0, 0, 0);  // sliders: track colour at minimum, middle, maximum
    QRgb c2 = qRgb(0, 0, 0);
    QRgb c3 = qRgb(0, 0, 0);
    int frames = 0;  // animation
    int ms = 0;
    QSize size{0, 0};  // the control's size, once its bitmaps (or w and h) gave it
    QRect rect;        // (x, y) and size, in window client coordinates
};

// The images of one slider: the track (image band, colour-mask band) and the
// thumb (normal, under the mouse, pressed, mask bands). As in the panel's mask,
// pure white in a mask band means "not this": the track colour goes where the
// colour mask is not pure white, and the thumb shows where its mask is not.
struct SkinSliderBitmaps {
    QImage slider;
    QImage thumb;
    QSize thumbSize;
};

// One view of a skin: its entries and the bitmaps the controls draw from.
struct SkinView {
    std::array<SkinEntry, SkinKeywordCount> entries;

    QImage panel;  // six bands, each one face high
    QSize face;
    QRegion shape;  // the window's region, from the panel's mask band

    std::array<SkinSliderBitmaps, 3> sliders;  // balance, volume, position
    QImage time;                               // digits 0-9 and a blank cell, side by side
    QImage sep;                                // the time separator and the number separator
    int digitWidth = 0;
    int digitHeight = 0;
    int sepWidth = 0;
    QImage tag;  // three bands each
    QImage pm;
    QImage av;
    QImage anim;   // frames bands
    QImage alpha;  // glyph sheet, 32 cells across and 3 rows
    QSize glyphCell;

    SkinEntry& entry(SkinKeyword keyword) { return entries[size_t(keyword)]; }
    const SkinEntry& entry(SkinKeyword keyword) const { return entries[size_t(keyword)]; }
    // The slider images of SkinBalance, SkinVolume or SkinPosition.
    SkinSliderBitmaps& sliderBitmaps(SkinKeyword keyword) {
        return sliders[size_t(keyword - SkinBalance)];
    }
    // Left edge of the time display's cells 0-4 (digit, digit, separator, digit,
    // digit) relative to the display.
    int timeCellX(int cell) const;
};

// What a skin gives the main window: the main view (1) and the alternate view (2).
struct SkinDescription {
    SkinView main;
    SkinView alternate;
    // Whether the last skin loaded had an alternate view (an "a_panel.bmp").
    bool hasAlternate = false;

    SkinView& view(int number) { return number == 2 ? alternate : main; }
    const SkinView& view(int number) const { return number == 2 ? alternate : main; }
};
