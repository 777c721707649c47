#pragma once

#include <QFont>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <functional>

#include "jukebox/cover_window/cover_picture.h"
#include "jukebox/cover_window/cover_status_text.h"
#include "jukebox/cover_window/cover_text_layout.h"
#include "jukebox/ui/window_fader.h"

// The album cover of the playing track in a small frameless window that the
// user drags with the mouse and resizes by its edges, square and on a 15-pixel
// grid. The main window also shows its short status texts over it. One
// instance lives for the whole run; the user cannot close it, only the Cover
// command shows and hides it. Keys go to the main window.
class CCoverWnd : public QWidget {
    Q_OBJECT
public:
    // The main window's command that minimizes it to the tray or restores it.
    static constexpr int kMinimizeCommand = 1017;
    // How deep into the window the edges can be grabbed for resizing.
    static constexpr int kEdgeReach = 5;

    explicit CCoverWnd(QWidget* parent = nullptr);

    void setKeyTarget(QWidget* target) { keyTarget_ = target; }
    void setCommandTarget(std::function<void(int)> command) { command_ = std::move(command); }
    void setPopupDelayMs(int ms) { statusText_.setDelayMs(ms); }
    void setAlwaysOnTop(bool onTop);
    // Lets the window close: the program is ending.
    void allowClose() { closeAllowed_ = true; }

    // Places the window at its remembered rectangle, hidden.
    void Park(QPoint pos, QSize size);
    // The rectangle to remember: the window's top-left corner and size.
    QRect SaveRect() const;

    // Shows the window with a fade in, without taking the keyboard from the
    // window the user works in, or hides it with a fade out.
    void SetCoverVisible(bool visible);
    bool IsCoverVisible() const { return visible_; }
    // Ends a running fade at once.
    void FinishFade() { fader_.finish(); }

    // Looks for the cover of the track at trackPath and shows it.
    void LoadCover(const QString& trackPath);
    // Shows a status text over the cover for the pop-up delay; dropped while
    // the window is hidden.
    void ShowCoverText(const QString& text);

    bool hasPicture() const { return picture_.hasPicture(); }
    const QString& picturePath() const { return picture_.picturePath(); }
    const CoverStatusText& statusText() const { return statusText_; }
    bool dragging() const { return dragging_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void paintText(QPainter& painter);
    void makeFont();
    void forwardKey(QKeyEvent* event);
    void showCursorFor(QPoint point);
    bool handToCompositor(const std::function<bool()>& start);

    CoverPicture picture_;
    CoverStatusText statusText_;
    CoverTextLayout textLayout_;
    QFont font_;
    WindowFader fader_;
    QPointer<QWidget> keyTarget_;
    std::function<void(int)> command_;
    bool visible_ = false;
    bool closeAllowed_ = false;
    // A move: the cursor's offset from the window's corner.
    bool dragging_ = false;
    QPoint dragOffset_;
    // A resize: the edges held, the cursor and the window's rectangle at the press.
    Qt::Edges resizeEdges_;
    QPoint resizeCursor_;
    QRect resizeStart_;
};
