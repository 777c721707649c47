#pragma once

#include <QRgb>

// The arithmetic of a skinned slider: where the thumb sits for a value, which
// value a dragged thumb gives, and the colour of the track under it. A centred
// slider (balance) runs from -max to max with its zero in the middle; a vertical
// one grows upwards. All of it is exact integer arithmetic, so that the thumb
// lands on the same pixel for the same value on every machine.
class SliderModel {
public:
    // length: the slider's size along its axis minus the thumb's size.
    void setGeometry(int length, bool centred, bool vertical);
    // The value is clamped to the new range and the pixel follows it.
    void setRange(int max);
    // Clamps to 0..max (-max..max when centred); true when the pixel changed,
    // the only case in which the slider needs drawing again.
    bool setValue(int value);
    // The thumb dragged to pixel p (clamped to the slider): the value becomes
    // p x ratio, truncated toward zero and clamped. True when the pixel changed.
    bool dragToPixel(int p);

    int length() const { return length_; }
    bool centred() const { return centred_; }
    bool vertical() const { return vertical_; }
    int max() const { return max_; }
    int value() const { return value_; }
    // The thumb's distance from zero in pixels (negative left of the centre of a
    // centred slider).
    int pixel() const { return pixel_; }
    // Value units per pixel: max / length, doubled when centred; 0 without length.
    double ratio() const;

    // The thumb's offset from the slider's start, 0..length: the pixel (plus half
    // the length when centred) along a horizontal slider, and measured down
    // from the top of a vertical one. Odd lengths can put a centred thumb one
    // pixel past an end; the offset stays on the slider.
    int thumbOffset() const;
    // The track colour for the thumb's offset: c1 at the start, c2 in the middle,
    // c3 at the end.
    QRgb trackColour(QRgb c1, QRgb c2, QRgb c3) const;
    // The mixing itself: with half = (length + 1) / 2, c1 -> c2 over 0..half and
    // c2 -> c3 beyond, per channel, truncated toward zero.
    static QRgb MixTrackColour(QRgb c1, QRgb c2, QRgb c3, int offset, int length);

private:
    int clampValue(long long value) const;
    int pixelForValue(int value) const;
    int minPixel() const;
    int maxPixel() const;

    int length_ = 0;
    bool centred_ = false;
    bool vertical_ = false;
    int max_ = 0;
    int value_ = 0;
    int pixel_ = 0;
};
