#include "jukebox/shell/slider_model.h"

#include <algorithm>
#include <cstdlib>

namespace {

// a / b rounded half away from zero; b > 0.
long long divideRounded(long long a, long long b) {
    const long long magnitude = (std::llabs(a) * 2 + b) / (2 * b);
    return a < 0 ? -magnitude : magnitude;
}

int mixChannel(int from, int middle, int to, int offset, int half) {
    if (half <= 0) {
        return from;
    }
    if (offset <= half) {
        return from + (middle - from) * offset / half;
    }
    return middle + (to - middle) * (offset - half) / half;
}

}  // namespace

void SliderModel::setGeometry(int length, bool centred, bool vertical) {
    length_ = std::max(length, 0);
    centred_ = centred;
    vertical_ = vertical;
    value_ = clampValue(value_);
    pixel_ = pixelForValue(value_);
}

void SliderModel::setRange(int max) {
    max_ = std::max(max, 0);
    value_ = clampValue(value_);
    pixel_ = pixelForValue(value_);
}

bool SliderModel::setValue(int value) {
    value_ = clampValue(value);
    const int pixel = pixelForValue(value_);
    if (pixel == pixel_) {
        return false;
    }
    pixel_ = pixel;
    return true;
}

bool SliderModel::dragToPixel(int p) {
    if (max_ == 0 || length_ == 0) {
        return false;
    }
    p = std::clamp(p, minPixel(), maxPixel());
    if (p == pixel_) {
        return false;
    }
    pixel_ = p;
    // p x ratio without the rounding of a floating ratio; C++ division truncates
    // toward zero as the drag wants.
    const long long scaled = static_cast<long long>(p) * max_ * (centred_ ? 2 : 1);
    value_ = clampValue(scaled / length_);
    return true;
}

double SliderModel::ratio() const {
    if (length_ == 0) {
        return 0.0;
    }
    return static_cast<double>(max_) * (centred_ ? 2 : 1) / length_;
}

int SliderModel::thumbOffset() const {
    const int middle = centred_ ? length_ / 2 : 0;
    const int offset = vertical_ ? (centred_ ? middle : length_) - pixel_ : middle + pixel_;
    return std::clamp(offset, 0, length_);
}

QRgb SliderModel::trackColour(QRgb c1, QRgb c2, QRgb c3) const {
    return MixTrackColour(c1, c2, c3, thumbOffset(), length_);
}

QRgb SliderModel::MixTrackColour(QRgb c1, QRgb c2, QRgb c3, int offset, int length) {
    const int half = (length + 1) / 2;
    return qRgb(mixChannel(qRed(c1), qRed(c2), qRed(c3), offset, half),
                mixChannel(qGreen(c1), qGreen(c2), qGreen(c3), offset, half),
                mixChannel(qBlue(c1), qBlue(c2), qBlue(c3), offset, half));
}

int SliderModel::clampValue(long long value) const {
    const long long low = centred_ ? -static_cast<long long>(max_) : 0;
    return static_cast<int>(std::clamp(value, low, static_cast<long long>(max_)));
}

int SliderModel::pixelForValue(int value) const {
    if (max_ == 0 || length_ == 0) {
        return 0;
    }
    // value / ratio = value x length / max (/ 2 when centred), rounded.
    return static_cast<int>(
        divideRounded(static_cast<long long>(value) * length_, max_ * (centred_ ? 2LL : 1LL)));
}

int SliderModel::minPixel() const {
    return centred_ ? pixelForValue(-max_) : 0;
}

int SliderModel::maxPixel() const {
    return pixelForValue(max_);
}
