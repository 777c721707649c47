#include "jukebox/shell/panel_observer.h"

#include "jukebox/shell/track_panel.h"

void PanelObserver::panelSetBits(bool set, int bits) {
    panel_.SetBits(set, bits);
}

void PanelObserver::panelPopup(int kind) {
    panel_.Popup(kind);
}
