#pragma once

#include "jukebox/tracklist/tracklist_observer.h"

class CTrackPanel;

// Passes the tracklist store's news for the track panel (the scan and sort bits
// and their pop-ups) on to the main window's panel. The tracklist window, which
// observes the store, hands these on to it.
class PanelObserver : public TracklistObserver {
public:
    explicit PanelObserver(CTrackPanel& panel) : panel_(panel) {}

    void panelSetBits(bool set, int bits) override;
    void panelPopup(int kind) override;

private:
    CTrackPanel& panel_;
};
