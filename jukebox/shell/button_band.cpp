#include "jukebox/shell/button_band.h"

int ButtonBand(bool pressed, bool hover, bool on, bool appActive) {
    if (pressed) {
        return ButtonBandIndex::Pressed;
    }
    if (hover) {
        return ButtonBandIndex::Hover;
    }
    if (on) {
        return ButtonBandIndex::On;
    }
    return appActive ? ButtonBandIndex::Active : ButtonBandIndex::Inactive;
}
