#pragma once

#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QPropertyAnimation>
#include <QRect>
#include <QWidget>
#include <functional>

#include "jukebox/playback/media_engine_window.h"
#include "jukebox/playback/video_output_owner.h"
#include "jukebox/video_window/video_surface.h"
#include "jukebox/video_window/video_view.h"
#include "jukebox/video_window/video_window_menu.h"

class MediaEngine;

// The window that shows the picture of a playing video: frameless and sizable by
// its edges, dragged by the mouse from its remembered corner, scaled by its menu
// and keys (zoom, shrink, conform sizes), maximized by a double-click and shown
// full screen. A sink that can draws the picture into a native window laid over
// the picture's area; otherwise the window paints the engine's frames itself,
// black bars around the picture either way. Keys and commands that are
// not its own go to the main window. Hidden until the first video opens; never
// closed by the user, only shown and hidden by the program.
class CVideoWnd : public QWidget, public MediaEngineWindow, public VideoOutputOwner {
    Q_OBJECT
public:
    static constexpr int kFadeMs = 200;
    // The border the window offers for resizing by its edges, on each side.
    static constexpr int kFrameThickness = 4;

    // position is the remembered top-left corner (kept by the caller's settings);
    // keyTarget gets the keys this window does not use, command the main window's
    // commands of the menu.
    CVideoWnd(MediaEngine& engine, QPoint& position, QWidget* keyTarget,
              std::function<void(int)> command);
    ~CVideoWnd() override;

    // Sizes the window, or switches it between maximized, full screen and normal.
    void SetViewMode(double factor, int mode);
    // Fits the picture to the client area.
    void FitVideo();
    // The menu's command, or one of the main window's passed on.
    void OnCommand(int id);

    int viewMode() const { return viewMode_; }
    double zoomFactor() const { return zoomFactor_; }
    int frameThickness() const { return kFrameThickness; }
    VideoWindowMenu& windowMenu() { return menu_; }
    // The picture shown last (null before the first frame).
    const QImage& frame() const { return frame_; }
    // Where the output goes (the client area), and the part of it the picture
    // covers, its shape kept (empty without a picture).
    QRect pictureRect() const { return pictureRect_; }
    QRect shownPictureRect() const;
    // Whether a sink draws into the window's native surface, and where that
    // surface lies (empty while it is not in use).
    bool outputDrawsItself() const { return outputDrawsItself_; }
    QRect surfaceRect() const;
    // Whether the window offers its native surface to the graph's output: on X11
    // (the sinks that draw into a window are X11's); tests turn it on elsewhere.
    void setNativeOutput(bool on) { nativeOutput_ = on; }
    bool dragging() const { return dragging_; }
    // Shown, and not on its way out.
    bool shownToUser() const { return isVisible() && !fadingOut_; }
    void FinishFade();
    // On top of other windows, as the main window is.
    void setAlwaysOnTop(bool onTop);
    // Told once the window has taken the size of the first video of the run.
    void setFirstSizedListener(std::function<void()> listener) {
        firstSized_ = std::move(listener);
    }
    // The room the first video may take, for its picture's size; an invalid
    // size leaves it the whole screen.
    void setFirstRoom(std::function<QSize(QSize picture)> room) { firstRoom_ = std::move(room); }

    // MediaEngineWindow: the video part. The graph's other news (filters, the
    // duration) are for whoever hosts the engine.
    void showWithFade() override;
    void hideWithFade() override;
    QObject* graphEventTarget() override { return this; }
    VideoOutputOwner* videoOutputOwner() override { return this; }
    void videoOutputBound(bool firstOpen) override;
    void fullScreenLost() override;
    void refreshFilters() override {}
    void durationChanged(int) override {}

    // VideoOutputOwner.
    void presentFrame(const QImage& frame) override;
    void placeOutput(const QRect& rect) override;
    void setOutputFullScreen(bool on) override;
    void dropPicture() override;
    quintptr outputWindowHandle() override;
    void setOutputDrawsItself(bool on) override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void apply(const std::vector<VideoView::Request>& requests);
    QSize videoSize() const;
    QRect availableArea() const;
    void resizeOnScreen(QSize size);
    void changeState(Qt::WindowStates state);
    void followWindowState();
    void setGreyed(int mode);
    bool handleViewKey(QKeyEvent* event);
    void forwardKey(QKeyEvent* event);
    QRect clientArea() const;
    Qt::Edges edgesAt(QPoint point) const;

    MediaEngine& engine_;
    QPoint& position_;
    QPointer<QWidget> keyTarget_;
    std::function<void(int)> command_;
    std::function<void()> firstSized_;
    std::function<QSize(QSize)> firstRoom_;
    VideoWindowMenu menu_;
    QPropertyAnimation fade_;
    CVideoSurface surface_;
    QImage frame_;
    QRect pictureRect_;
    bool nativeOutput_ = false;
    bool outputDrawsItself_ = false;
    QPoint dragOffset_;
    double zoomFactor_ = 1.0;
    int viewMode_ = 1;  // VideoView::Scaled
    bool dragging_ = false;
    bool fadingOut_ = false;
    bool changingState_ = false;  // our own state change, not the window system's
};
