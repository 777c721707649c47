#pragma once

#include <QString>

struct TrackEntry;

// What the transport shows through the main window's controls. The window
// implements it by forwarding to its skinned controls, so the transport itself
// never touches a widget and is tested against a recording view. Control ids are
// those of command_ids.h.
class TransportView {
public:
    virtual ~TransportView() = default;

    // Buttons: the latched "on" look (play, pause, stop, loop, random, ...), and
    // dropping the hover look unless the cursor is over the button.
    virtual void setButtonOn(int controlId, bool on) = 0;
    virtual void clearHover(int controlId) = 0;

    // Lamps (AvLamp, TagLamp, PmLamp) and the animation.
    virtual void setLampState(int controlId, int state) = 0;
    virtual void setAnimationRunning(bool running) = 0;

    // The time display: mode 1 shows time, mode 2 a number.
    virtual void setTimeMode(int mode) = 0;
    virtual void showTimeSeconds(int seconds) = 0;
    virtual int timeSeconds() const = 0;  // the last seconds shown
    virtual void showTimeNumber(int number) = 0;
    virtual void setTimeTotalSeconds(int seconds) = 0;

    // Sliders (Position, Volume, Balance).
    virtual void setSliderRange(int controlId, int max) = 0;
    virtual void setSliderValue(int controlId, int value) = 0;

    // The track panel.
    virtual void setPanelBits(bool set, int bits) = 0;
    virtual void panelPopup(int kind, double speed) = 0;  // speed < 0: none
    virtual void panelShowPrimary() = 0;

    // A short status text over the cover window ("Mode: Play"); nothing while
    // the cover window is hidden.
    virtual void popupText(const QString& text) = 0;

    // The tray menu's check mark: on "Play" when true, else on "Stop".
    virtual void setTrayPlayChecked(bool play) = 0;
    // A track opened: the tray tip (while minimized) and the cover follow it.
    virtual void trackOpened(const TrackEntry& entry) = 0;

    // The video window, for the boss key.
    virtual bool videoWindowVisible() const = 0;
    virtual void setVideoWindowVisible(bool visible) = 0;
};
