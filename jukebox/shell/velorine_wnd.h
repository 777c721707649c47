#pragma once

#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "jukebox/shell/face_controls.h"
#include "jukebox/shell/face_drag.h"
#include "jukebox/shell/help_window.h"
#include "jukebox/shell/shell_tray.h"
#include "jukebox/shell/transport.h"
#include "jukebox/shell/transport_view.h"
#include "jukebox/skin/skin_description.h"
#include "jukebox/ui/window_fader.h"

class CCoverWnd;
class CVideoWnd;
class MediaEngine;
class TracklistStore;
struct AppSettings;
struct KeyAction;

// The jukebox's main window: a frameless face shaped and painted by the skin,
// with the skinned controls on it in one of the skin's two views. It routes
// the controls' commands (its own: views, menus, help, minimize and close; the
// rest to the transport), the keys, the drags over the face and dropped files,
// and shows the transport's state through its controls. Start-up and the close
// sequence belong to the application: a close request only emits
// closeRequested().
class CVelorineWnd : public QWidget, public TransportView {
    Q_OBJECT
public:
    static constexpr int kPollMs = 500;  // timer 3205

    CVelorineWnd(MediaEngine& engine, TracklistStore& tracklist, AppSettings& settings,
                 QWidget* parent = nullptr);
    ~CVelorineWnd() override;

    // The skin the views come from; ApplyView shows one of them.
    SkinDescription& skin() { return skin_; }
    // Switches to view 1 or 2 (2 only when the skin has one), fading out and in
    // once the window has been painted.
    void ApplyView(int view);
    // The switch itself, at once: size, controls, shape, slider ranges.
    void ApplyViewNow(int view);
    // Another skin while the program runs: shown at once, in the view shown
    // now where the new skin has it, else in its main view.
    void ReplaceSkin(SkinDescription skin);
    int view() const { return view_; }
    bool painted() const { return painted_; }
    bool minimized() const { return minimized_; }

    // A command of a control, a menu, a key or the tray.
    void OnCommand(int id);
    // Files and folders dropped on the face: they join the list, the first new
    // one opens (and plays with autoplay). True when it opened.
    bool OpenDropped(const QStringList& names);
    // The engine's volume, balance and duration on the sliders and time display.
    void ShowEngineState();
    void StartPoll() { pollTimer_.start(); }
    // Takes the tray icon away and stops the timers: the window's part of the
    // close sequence.
    void Shutdown();
    // The options sheet closed: the window is on top of others or not.
    void ApplyAlwaysOnTop();
    // The options sheet closed with OK: scrolling and the pop-up delay as the
    // General page says, and the track text in the formats now chosen.
    void ApplyOptions();

    Transport& transport() { return transport_; }
    FaceControls& controls() { return controls_; }
    ShellTray& tray() { return tray_; }
    const FaceDrag& faceDrag() const { return drag_; }
    CHelpWindow* helpWindow() const { return help_; }
    bool fading() const { return fader_.running(); }

    // TransportView: forwarded to the controls.
    void setButtonOn(int controlId, bool on) override;
    void clearHover(int controlId) override;
    void setLampState(int controlId, int state) override;
    void setAnimationRunning(bool running) override;
    void setTimeMode(int mode) override;
    void showTimeSeconds(int seconds) override;
    int timeSeconds() const override;
    void showTimeNumber(int number) override;
    void setTimeTotalSeconds(int seconds) override;
    void setSliderRange(int controlId, int max) override;
    void setSliderValue(int controlId, int value) override;
    void setPanelBits(bool set, int bits) override;
    void panelPopup(int kind, double speed) override;
    void panelShowPrimary() override;
    void popupText(const QString& text) override;
    void setTrayPlayChecked(bool play) override;
    void trackOpened(const TrackEntry& entry) override;
    bool videoWindowVisible() const override;
    void setVideoWindowVisible(bool visible) override;
    // The video window the boss key hides and "Always on top" lifts with this one.
    void setVideoWindow(CVideoWnd* video);
    // The cover window: the Cover command shows and hides it, it shows the
    // pop-up texts and the cover of each track opened.
    void setCoverWindow(CCoverWnd* cover);

Q_SIGNALS:
    void closeRequested();
    // The tracklist control, its key or a double click on the track panel.
    void tracklistToggleRequested();
    // The Filters command (Ctrl+F): the filters dialog shows or hides.
    void filtersToggleRequested();
    // The dictionary control or its key: the dictionary window shows or hides.
    void dictionaryToggleRequested();
    // The Options command: whoever holds the sheet runs it now (modally).
    void optionsRequested();
    // The display formats may have changed: windows that show tracks format
    // them anew.
    void formatsChanged();
    void firstPainted();
    // Back from the tray or the taskbar.
    void restored();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void connectControls();
    void doKeyAction(const KeyAction& action);
    void ShowHelp();
    void MinimizeOrRestore();
    void ToggleCover();
    void Minimize();
    void Restore();
    void putAway();
    void setAppActive(bool active);
    FaceDrag::Thumbs thumbs() const;
    CSkinSlider* grabbedSlider() const;
    void dragTo(QPoint globalCursor);
    void moveWindowTo(QPoint origin);
    void updateThumbHover(QPoint facePoint);

    MediaEngine& engine_;
    TracklistStore& tracklist_;
    AppSettings& settings_;
    SkinDescription skin_;
    FaceControls controls_;
    Transport transport_;
    ShellTray tray_;
    WindowFader fader_;
    FaceDrag drag_;
    QPointer<CHelpWindow> help_;
    QPointer<CVideoWnd> video_;
    QPointer<CCoverWnd> cover_;
    QTimer pollTimer_;  // 3205
    QPixmap face_[2];   // band 0 (inactive) and band 1 (active) of the view's panel
    int view_ = 1;
    int targetView_ = 1;  // where a running fade goes
    bool painted_ = false;
    bool appActive_ = true;
    bool minimized_ = false;
};
