#pragma once

#include <QBitmap>
#include <QPixmap>
#include <QWidget>
#include <array>

#include "jukebox/shell/slider_model.h"

struct SkinEntry;
struct SkinSliderBitmaps;

// A slider of the face (position, volume or balance): the track with its
// masked part in a colour that follows the thumb, and the thumb drawn through
// its mask. The main window does the drags over the face, so the slider lets
// mouse events through; it only draws and keeps the arithmetic (SliderModel).
class CSkinSlider : public QWidget {
    Q_OBJECT
public:
    CSkinSlider(int id, bool centred, QWidget* parent);

    // Places the slider at its entry (shown only when the entry is visible),
    // takes its orientation and colours, and prepares the images once.
    void setup(const SkinEntry& entry, const SkinSliderBitmaps& bitmaps);

    int id() const { return id_; }
    void setRange(int max);
    void setValue(int value);
    int value() const { return model_.value(); }
    int pixel() const { return model_.pixel(); }
    void dragToPixel(int p);
    bool vertical() const { return model_.vertical(); }
    // The thumb's rectangle in the parent's (the face's) coordinates.
    QRect thumbRect() const;
    void setHover(bool hover);
    void setPressed(bool pressed);
    bool hover() const { return hover_; }
    bool pressed() const { return pressed_; }
    const SliderModel& model() const { return model_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void pixelChanged();
    void updateTrackColour();
    int thumbBand() const;

    int id_;
    bool centred_;
    SliderModel model_;
    QPixmap track_;
    QBitmap colourMask_;
    QPixmap colourFill_;  // the track colour where the colour mask allows
    QRgb colour_ = 0;
    std::array<QPixmap, 3> thumbs_;  // normal, under the mouse, pressed; masked
    QSize thumbSize_;
    std::array<QRgb, 3> colours_{};
    bool hover_ = false;
    bool pressed_ = false;
};
