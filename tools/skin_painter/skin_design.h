#pragma once

#include <QByteArray>
#include <QImage>
#include <QPainterPath>
#include <QString>
#include <QStringList>
#include <array>
#include <map>
#include <optional>
#include <vector>

#include "jukebox/skin/skin_description.h"
#include "tools/skin_painter/skin_art.h"

// The layout of one view of a shipped skin: every control's place and what it
// shows. The same data writes spec.txt and paints the bitmaps, so the two
// cannot disagree.
struct ButtonDesign {
    SkinKeyword keyword;
    QRect rect;
    Glyph glyph;
};

struct SliderDesign {
    SkinKeyword keyword;
    QRect rect;  // the track; the thumb moves inside it
    bool vertical;
    QSize thumb;
    QRgb c1, c2, c3;
};

struct LampDesign {
    SkinKeyword keyword;
    QRect rect;
};

struct TimeDesign {
    QPoint pos;
    QSize digit;
    int sepWidth;
    QRect rect() const { return QRect(pos, QSize(4 * digit.width() + sepWidth, digit.height())); }
};

struct AnimDesign {
    QRect rect;  // one frame
    int frames;
    int ms;
};

struct TrackDesign {
    QRect rect;
    bool glyphs;  // glyph sheet ("b") rather than the desktop font ("f")
    int step;
    int period;
    QRgb bg;
    QRgb fg;
    QSize cell;  // glyph cell, for glyph mode
};

struct ViewDesign {
    QString prefix;  // "m_" or "a_"
    QSize face;
    QPainterPath outline;        // the window's shape
    std::vector<QRect> screens;  // display areas, kept out of the inactive dimming
    std::vector<ButtonDesign> buttons;
    std::vector<SliderDesign> sliders;
    std::vector<LampDesign> lamps;
    std::optional<TimeDesign> time;
    std::optional<AnimDesign> anim;
    std::optional<TrackDesign> track;
};

// How a skin looks: each piece is painted over a backdrop, the face beneath it.
class SkinLook {
public:
    virtual ~SkinLook() = default;
    virtual QColor outsideColour() const = 0;
    // What the displays light up in: the time digits and the track's glyphs.
    virtual QColor displayColour() const = 0;
    virtual void paintFace(QPainter& painter, const ViewDesign& view) const = 0;
    virtual void paintButton(QPainter& painter, const QRectF& rect, Glyph glyph,
                             ButtonState state) const = 0;
    // Two bands: the track image over the backdrop, then the colour mask (not
    // pure white where the track colour goes).
    QImage sliderStrip(const SliderDesign& slider, const QImage& backdrop) const;
    // Paints the track over its backdrop and gives where the track colour goes.
    virtual QPainterPath paintTrack(QPainter& painter, const SliderDesign& slider) const = 0;
    // Four bands: normal, under the mouse, pressed, mask (pure white outside).
    // Each state is painted over the outside colour.
    QImage thumbStrip(const SliderDesign& slider) const;
    // The thumb in one state, at the origin.
    virtual void paintThumb(QPainter& painter, const SliderDesign& slider,
                            ButtonState state) const = 0;
    // The thumb's shape in black on the white mask band, with hard edges.
    virtual void paintThumbMask(QPainter& painter, const SliderDesign& slider) const = 0;
    // Eleven cells: digits 0-9 and a blank one. Seven-segment digits in the
    // display colour unless a look draws its own.
    virtual QImage timeStrip(const TimeDesign& time, QColor background) const;
    // Two cells: the time separator and the number separator. By default a
    // colon and a blank cell.
    virtual QImage sepStrip(const TimeDesign& time, QColor background) const;
    // Three bands, states 0, 1, 2.
    virtual QImage lampStrip(const LampDesign& lamp, QColor background) const = 0;
    virtual QImage animStrip(const AnimDesign& anim, QColor background) const = 0;
    // 32 x 3 cells for the characters 32-126; cell 95 stands for any other.
    virtual QImage glyphSheet(const TrackDesign& track) const = 0;

protected:
    // What a lamp reads in states 0, 1 and 2; idle is the look's way of
    // showing that there is nothing to say.
    static std::array<QString, 3> lampTexts(SkinKeyword keyword, const QString& idle);
    // A glyph sheet of plain characters in the display colour, in the bold mono
    // font at pixelSize, the catch-all cell drawn as a box.
    QImage characterSheet(const TrackDesign& track, qreal pixelSize) const;
};

struct SkinDesign {
    QString folder;  // file or folder name in the skins folder
    QString name;
    QString designer;
    QString version;
    QStringList description;
    const SkinLook* look = nullptr;
    ViewDesign main;
    std::optional<ViewDesign> alternate;
    bool packed = false;  // shipped as a .vlz archive
};

// The files of a skin (spec.txt and BMPs) by name. Fails, with error set, when
// a control lies outside the face's shape or two controls overlap.
bool RenderSkin(const SkinDesign& design, std::map<QString, QByteArray>& files, QString& error);

// The panel of a view: six bands, as RenderSkin paints it (for previews).
QImage RenderPanel(const SkinLook& look, const ViewDesign& view);

SkinDesign MakeXpAqua();
SkinDesign MakeEmber();
