#pragma once

#include <QRegion>
#include <QString>
#include <functional>
#include <vector>

#include "jukebox/tracklist/track_entry.h"

class CAnimLamp;
class CSkinButton;
class CSkinSlider;
class CStatusLamp;
class CTimeDisplay;
class CTrackPanel;
class QWidget;
struct SkinView;
struct TagPageSettings;

// The skinned controls of the main window, made once as its children and given
// each view's entries and bitmaps by setup(). Lookups go by control id.
class FaceControls {
public:
    struct PanelSources {
        const TagPageSettings& formats;
        std::function<TrackEntry()> currentEntry;
        std::function<bool()> loopOn;
        std::function<bool()> randomOn;
    };

    FaceControls(QWidget* face, PanelSources panel);
    FaceControls(const FaceControls&) = delete;
    FaceControls& operator=(const FaceControls&) = delete;

    // Places every control by its entry of view (shown only when visible), with
    // the view's bitmaps.
    void setup(const SkinView& view);

    // Null for an id that is not one of these controls.
    CSkinButton* button(int id) const;
    CSkinSlider* slider(int id) const;
    CStatusLamp* lamp(int id) const;
    const std::vector<CSkinButton*>& buttons() const { return buttons_; }
    CTimeDisplay& time() const { return *time_; }
    CTrackPanel& panel() const { return *panel_; }
    CAnimLamp& anim() const { return *anim_; }

    void setAppActive(bool active);
    // The tool tip of the visible control at p (face coordinates) that lets the
    // mouse through to the face (sliders, lamps, animation); empty when none.
    QString toolTipAt(QPoint p) const;
    // The face outside the visible controls, which the window paints itself.
    QRegion faceAround(const QRect& face) const;

private:
    std::vector<CSkinButton*> buttons_;
    std::vector<CSkinSlider*> sliders_;  // position, volume, balance
    std::vector<CStatusLamp*> lamps_;    // av, tag, pm
    std::vector<QWidget*> all_;
    CTimeDisplay* time_;
    CTrackPanel* panel_;
    CAnimLamp* anim_;
};
