#include "jukebox/shell/face_controls.h"

#include <QWidget>
#include <iterator>

#include "jukebox/shell/anim_lamp.h"
#include "jukebox/shell/command_ids.h"
#include "jukebox/shell/control_table.h"
#include "jukebox/shell/skin_button.h"
#include "jukebox/shell/skin_slider.h"
#include "jukebox/shell/status_lamp.h"
#include "jukebox/shell/time_display.h"
#include "jukebox/shell/track_panel.h"
#include "jukebox/skin/skin_description.h"

namespace {

constexpr int kSliderIds[] = {ControlId::Position, ControlId::Volume, ControlId::Balance};
constexpr int kLampIds[] = {ControlId::AvLamp, ControlId::TagLamp, ControlId::PmLamp};

const QImage& lampStrip(const SkinView& view, int id) {
    switch (id) {
        case ControlId::AvLamp:
            return view.av;
        case ControlId::TagLamp:
            return view.tag;
        default:
            return view.pm;
    }
}

SkinKeyword keywordOf(int id) {
    return FindControl(id)->keyword;
}

void setTip(QWidget* widget, int id) {
    widget->setToolTip(ControlToolTip(*FindControl(id)));
}

}  // namespace

FaceControls::FaceControls(QWidget* face, PanelSources panel) {
    for (const ControlInfo& control : ControlTable()) {
        if (IsButtonId(control.id)) {
            auto* button = new CSkinButton(control.id, control.autoRepeat, face);
            setTip(button, control.id);
            buttons_.push_back(button);
            all_.push_back(button);
        }
    }
    for (int id : kSliderIds) {
        sliders_.push_back(new CSkinSlider(id, id == ControlId::Balance, face));
        all_.push_back(sliders_.back());
    }
    for (size_t i = 0; i < std::size(kLampIds); ++i) {
        lamps_.push_back(new CStatusLamp(face));
        all_.push_back(lamps_.back());
    }
    time_ = new CTimeDisplay(face);
    setTip(time_, ControlId::Time);
    panel_ = new CTrackPanel(panel.formats, std::move(panel.currentEntry), std::move(panel.loopOn),
                             std::move(panel.randomOn), face);
    setTip(panel_, ControlId::Track);
    // A right click there toggles the text format; it must not also open the
    // face's system menu.
    panel_->setContextMenuPolicy(Qt::PreventContextMenu);
    anim_ = new CAnimLamp(face);
    all_.insert(all_.end(), {time_, panel_, anim_});
}

void FaceControls::setup(const SkinView& view) {
    for (CSkinButton* button : buttons_) {
        button->setup(view.entry(keywordOf(button->id())), view.panel, view.face.height());
    }
    for (CSkinSlider* slider : sliders_) {
        const SkinKeyword keyword = keywordOf(slider->id());
        slider->setup(view.entry(keyword), view.sliders[size_t(keyword - SkinBalance)]);
    }
    for (size_t i = 0; i < lamps_.size(); ++i) {
        lamps_[i]->setup(view.entry(keywordOf(kLampIds[i])), lampStrip(view, kLampIds[i]));
    }
    time_->setup(view.entry(SkinTime), view);
    anim_->setup(view.entry(SkinAnim), view.anim);
    panel_->Setup(view.entry(SkinTrack), view);
}

CSkinButton* FaceControls::button(int id) const {
    for (CSkinButton* button : buttons_) {
        if (button->id() == id) {
            return button;
        }
    }
    return nullptr;
}

CSkinSlider* FaceControls::slider(int id) const {
    for (CSkinSlider* slider : sliders_) {
        if (slider->id() == id) {
            return slider;
        }
    }
    return nullptr;
}

CStatusLamp* FaceControls::lamp(int id) const {
    for (size_t i = 0; i < lamps_.size(); ++i) {
        if (kLampIds[i] == id) {
            return lamps_[i];
        }
    }
    return nullptr;
}

void FaceControls::setAppActive(bool active) {
    for (CSkinButton* button : buttons_) {
        button->setAppActive(active);
    }
}

QString FaceControls::toolTipAt(QPoint p) const {
    for (CSkinSlider* slider : sliders_) {
        if (slider->isVisible() && slider->geometry().contains(p)) {
            return ControlToolTip(*FindControl(slider->id()));
        }
    }
    for (size_t i = 0; i < lamps_.size(); ++i) {
        if (lamps_[i]->isVisible() && lamps_[i]->geometry().contains(p)) {
            return ControlToolTip(*FindControl(kLampIds[i]));
        }
    }
    return QString();
}

QRegion FaceControls::faceAround(const QRect& face) const {
    QRegion region(face);
    for (QWidget* control : all_) {
        if (control->isVisibleTo(control->parentWidget())) {
            region -= control->geometry();
        }
    }
    return region;
}
