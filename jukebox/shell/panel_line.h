#pragma once

#include <QString>

// What decides the track panel's line at one moment.
struct PanelLineState {
    int popupKind = 0;  // a PanelPopup kind, 0 for none
    double popupSpeed = 1.0;
    int stateBits = 0;  // PanelBit values
    bool loopOn = false;
    bool randomOn = false;
};

// The line the panel paints. Only the track text may scroll; any other line puts
// the scroll back at rest at the left end.
struct PanelLine {
    QString text;
    bool isTrackText = false;

    friend bool operator==(const PanelLine&, const PanelLine&) = default;
};

// A pop-up first, then "Opening..." while a file opens, then the track text when
// one is shown (or the alternate display is on), else "No media file opened".
PanelLine ChoosePanelLine(const PanelLineState& state, const QString& trackText);
