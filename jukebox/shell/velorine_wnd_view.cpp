// The main window as the transport's view: its state forwarded to the skinned
// controls, the tray and the companion windows (cover and video).
#include "jukebox/shell/velorine_wnd.h"

#include "jukebox/cover_window/cover_wnd.h"
#include "jukebox/shell/anim_lamp.h"
#include "jukebox/shell/command_ids.h"
#include "jukebox/shell/skin_button.h"
#include "jukebox/shell/skin_slider.h"
#include "jukebox/shell/status_lamp.h"
#include "jukebox/shell/time_display.h"
#include "jukebox/shell/track_panel.h"
#include "jukebox/tracklist/track_entry.h"
#include "jukebox/video_window/video_wnd.h"

void CVelorineWnd::setCoverWindow(CCoverWnd* cover) {
    cover_ = cover;
}

// Shown, the cover does not take the keyboard: keys stay with the window the
// user works in.
void CVelorineWnd::ToggleCover() {
    if (cover_ == nullptr) {
        return;
    }
    const bool show = !cover_->IsCoverVisible();
    cover_->SetCoverVisible(show);
    setButtonOn(ControlId::Cover, show);
}

void CVelorineWnd::setVideoWindow(CVideoWnd* video) {
    video_ = video;
}

bool CVelorineWnd::videoWindowVisible() const {
    return video_ != nullptr && video_->shownToUser();
}

void CVelorineWnd::setVideoWindowVisible(bool visible) {
    if (video_ == nullptr) {
        return;
    }
    if (visible) {
        video_->showWithFade();
    } else {
        video_->hideWithFade();
    }
}

void CVelorineWnd::setButtonOn(int controlId, bool on) {
    if (CSkinButton* button = controls_.button(controlId)) {
        button->setOn(on);
    }
}

void CVelorineWnd::clearHover(int controlId) {
    if (CSkinButton* button = controls_.button(controlId)) {
        button->clearHoverUnlessUnderCursor();
    }
}

void CVelorineWnd::setLampState(int controlId, int state) {
    if (CStatusLamp* lamp = controls_.lamp(controlId)) {
        lamp->setState(state);
    }
}

void CVelorineWnd::setAnimationRunning(bool running) {
    controls_.anim().setRunning(running);
}

void CVelorineWnd::setTimeMode(int mode) {
    controls_.time().setMode(mode);
}

void CVelorineWnd::showTimeSeconds(int seconds) {
    controls_.time().setSeconds(seconds);
}

int CVelorineWnd::timeSeconds() const {
    return controls_.time().seconds();
}

void CVelorineWnd::showTimeNumber(int number) {
    controls_.time().setNumber(number);
}

void CVelorineWnd::setTimeTotalSeconds(int seconds) {
    controls_.time().setTotalSeconds(seconds);
}

void CVelorineWnd::setSliderRange(int controlId, int max) {
    if (CSkinSlider* slider = controls_.slider(controlId)) {
        slider->setRange(max);
    }
}

void CVelorineWnd::setSliderValue(int controlId, int value) {
    if (CSkinSlider* slider = controls_.slider(controlId)) {
        slider->setValue(value);
    }
}

void CVelorineWnd::setPanelBits(bool set, int bits) {
    controls_.panel().SetBits(set, bits);
}

void CVelorineWnd::panelPopup(int kind, double speed) {
    controls_.panel().Popup(kind, speed);
}

void CVelorineWnd::panelShowPrimary() {
    controls_.panel().ShowPrimary();
}

void CVelorineWnd::popupText(const QString& text) {
    if (cover_ != nullptr) {
        cover_->ShowCoverText(text);
    }
}

void CVelorineWnd::setTrayPlayChecked(bool play) {
    tray_.setPlayChecked(play);
}

void CVelorineWnd::trackOpened(const TrackEntry& entry) {
    if (minimized_) {
        tray_.setTip(entry.name);
    }
    if (cover_ != nullptr) {
        cover_->LoadCover(entry.path);
    }
}
