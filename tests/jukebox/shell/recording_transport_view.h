#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include "jukebox/shell/transport_view.h"
#include "jukebox/tracklist/track_entry.h"

// The main window as the transport sees it, for tests: it keeps the state each
// control was last given and the pop-ups in order.
class RecordingTransportView : public TransportView {
public:
    void setButtonOn(int controlId, bool on) override { buttonOn[controlId] = on; }
    void clearHover(int controlId) override { hoverCleared.append(controlId); }
    void setLampState(int controlId, int state) override { lamp[controlId] = state; }
    void setAnimationRunning(bool running) override { animationRunning = running; }

    void setTimeMode(int mode) override { timeMode = mode; }
    void showTimeSeconds(int seconds) override { shownSeconds = seconds; }
    int timeSeconds() const override { return shownSeconds; }
    void showTimeNumber(int number) override { shownNumber = number; }
    void setTimeTotalSeconds(int seconds) override { totalSeconds = seconds; }

    void setSliderRange(int controlId, int max) override { sliderRange[controlId] = max; }
    void setSliderValue(int controlId, int value) override { sliderValue[controlId] = value; }

    void setPanelBits(bool set, int bits) override {
        panelBits = set ? (panelBits | bits) : (panelBits & ~bits);
    }
    void panelPopup(int kind, double speed) override {
        panelPopups.append(QStringLiteral("%1 %2").arg(kind).arg(speed));
    }
    void panelShowPrimary() override { ++primaryShown; }

    void popupText(const QString& text) override { popups.append(text); }
    void setTrayPlayChecked(bool play) override { trayPlayChecked = play; }
    void trackOpened(const TrackEntry& entry) override { opened.append(entry.path); }

    bool videoWindowVisible() const override { return videoVisible; }
    void setVideoWindowVisible(bool visible) override { videoVisible = visible; }

    QHash<int, bool> buttonOn;
    QList<int> hoverCleared;
    QHash<int, int> lamp;
    bool animationRunning = false;
    int timeMode = 1;
    int shownSeconds = 0;
    int shownNumber = 0;
    int totalSeconds = 0;
    QHash<int, int> sliderRange;
    QHash<int, int> sliderValue;
    int panelBits = 0;
    QStringList panelPopups;
    int primaryShown = 0;
    QStringList popups;
    bool trayPlayChecked = false;
    QStringList opened;
    bool videoVisible = false;
};
