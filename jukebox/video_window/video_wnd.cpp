#include "jukebox/video_window/video_wnd.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "jukebox/playback/media_engine.h"
#include "jukebox/playback/media_graph.h"
#include "jukebox/ui/forward_key.h"
#include "jukebox/ui/stays_on_top.h"
#include "jukebox/ui/window_edges.h"
#include "jukebox/video_window/video_view.h"

using namespace VideoView;

CVideoWnd::CVideoWnd(MediaEngine& engine, QPoint& position, QWidget* keyTarget,
                     std::function<void(int)> command)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      engine_(engine),
      position_(position),
      keyTarget_(keyTarget),
      command_(std::move(command)),
      menu_([this](int id) { OnCommand(id); }),
      fade_(this, "windowOpacity") {
    setWindowTitle(QStringLiteral("video playback"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
    setFocusPolicy(Qt::StrongFocus);
    fade_.setDuration(kFadeMs);
    connect(&fade_, &QPropertyAnimation::finished, this, [this] {
        if (fadingOut_) {
            fadingOut_ = false;
            hide();
            setWindowOpacity(1.0);
        }
    });
    resize(ScaledWindowSize(QSize(kConformWidth, kConformHeight), 1.0, kFrameThickness));
}

// The graph's output paints into this window: it must not outlive it.
CVideoWnd::~CVideoWnd() {
    engine_.ReleaseGraph();
}

void CVideoWnd::SetViewMode(double factor, int mode) {
    switch (mode) {
        case Scaled:
            resizeKeepingPlace(ScaledWindowSize(QSize(engine_.videoWidth(), engine_.videoHeight()),
                                                factor, kFrameThickness));
            zoomFactor_ = factor;
            viewMode_ = Scaled;
            break;
        case Conform:
            resizeKeepingPlace(ConformWindowSize(factor, kFrameThickness));
            zoomFactor_ = factor;
            viewMode_ = Conform;
            break;
        case Maximized:
            showMaximized();
            viewMode_ = Maximized;
            break;
        case Restore:
            showNormal();
            viewMode_ = Scaled;
            break;
        case Fullscreen:
            if (!engine_.HasGraph()) {
                return;
            }
            engine_.SetOutputFullScreen(true);
            viewMode_ = Fullscreen;
            break;
        case Windowed:
            if (!engine_.HasGraph()) {
                return;
            }
            engine_.SetOutputFullScreen(false);
            viewMode_ = Scaled;
            break;
        default:
            return;
    }
    setGreyed(mode);
}

void CVideoWnd::setGreyed(int mode) {
    menu_.setGreyed(MenuGreyedAfter(mode, menu_.greyed()));
}

void CVideoWnd::resizeKeepingPlace(QSize size) {
    // Maximized or full screen, a resize would be lost or undo the state.
    if ((windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) == 0) {
        resize(size);
    }
}

void CVideoWnd::apply(const std::vector<Request>& requests) {
    for (const Request& request : requests) {
        SetViewMode(request.factor, request.mode);
    }
}

QRect CVideoWnd::clientArea() const {
    if (isFullScreen()) {
        return rect();
    }
    const int border = kFrameThickness + 1;
    return rect().adjusted(border, border, -border, -border);
}

void CVideoWnd::FitVideo() {
    engine_.FitOutput(clientArea());
}

void CVideoWnd::OnCommand(int id) {
    if (IsMainWindowCommand(id)) {
        if (command_) {
            command_(id);
        }
        return;
    }
    apply(ForCommand(id, viewMode_));
}

void CVideoWnd::showWithFade() {
    if (fade_.state() == QAbstractAnimation::Running) {
        fade_.stop();
    }
    const bool wasShown = isVisible() && !fadingOut_;
    fadingOut_ = false;
    if (wasShown) {
        setWindowOpacity(1.0);
        return;
    }
    if (!isVisible()) {
        setWindowOpacity(0.0);
        show();
    }
    fade_.setStartValue(windowOpacity());
    fade_.setEndValue(1.0);
    fade_.start();
}

void CVideoWnd::hideWithFade() {
    if (!isVisible() || fadingOut_) {
        return;
    }
    fade_.stop();
    fadingOut_ = true;
    fade_.setStartValue(windowOpacity());
    fade_.setEndValue(0.0);
    fade_.start();
}

void CVideoWnd::FinishFade() {
    if (fade_.state() == QAbstractAnimation::Running) {
        fade_.setCurrentTime(fade_.duration());
    }
}

void CVideoWnd::setAlwaysOnTop(bool onTop) {
    SetStaysOnTop(*this, onTop);
}

void CVideoWnd::videoOutputBound(bool firstOpen) {
    if (firstOpen) {
        SetViewMode(zoomFactor_, viewMode_);
        activateAndGiveBack();
    }
    if (viewMode_ == Fullscreen) {
        engine_.SetOutputFullScreen(true);
    } else {
        FitVideo();
    }
}

// The first video brings the window forward once, without taking the keyboard
// from the window the user works in.
void CVideoWnd::activateAndGiveBack() {
    QWidget* before = QApplication::activeWindow();
    raise();
    activateWindow();
    if (before != nullptr && before != this) {
        before->activateWindow();
    }
}

void CVideoWnd::fullScreenLost() {
    SetViewMode(1.0, Windowed);
}

void CVideoWnd::presentFrame(const QImage& frame) {
    frame_ = frame;
    update();
}

void CVideoWnd::placeOutput(const QRect& rect) {
    pictureRect_ = rect;
    update();
}

void CVideoWnd::setOutputFullScreen(bool on) {
    switchingFullScreen_ = true;
    if (on) {
        showFullScreen();
    } else {
        showNormal();
    }
    switchingFullScreen_ = false;
    FitVideo();
}

bool CVideoWnd::event(QEvent* event) {
    if (event->type() == kGraphEventType) {
        engine_.OnGraphEvent();
        return true;
    }
    // Escape in full screen is this window's own, whatever shortcut wants it.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && viewMode_ == Fullscreen) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void CVideoWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!isFullScreen()) {
        painter.setPen(QColor(64, 64, 64));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (!frame_.isNull() && !pictureRect_.isEmpty()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(pictureRect_, frame_);
    }
}

void CVideoWnd::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FitVideo();
}

bool CVideoWnd::handleViewKey(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers();
    const int key = event->key();
    if ((mods & Qt::AltModifier) != 0) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            apply(ForAltEnter(viewMode_));
            return true;
        }
        if (key == Qt::Key_F4) {
            return true;  // the user cannot close this window
        }
        const int digit = DigitOfKey(key);
        if (digit >= 0) {
            apply(ForAltDigitKey(digit, viewMode_));
            return true;
        }
        return false;
    }
    if (key == Qt::Key_Escape && viewMode_ == Fullscreen) {
        apply(ForEscape(viewMode_));
        return true;
    }
    const int digit = DigitOfKey(key);
    if (digit >= 0) {
        apply(ForDigitKey(digit, (mods & Qt::ShiftModifier) != 0, (mods & Qt::ControlModifier) != 0,
                          viewMode_));
        return true;  // digits are never passed on
    }
    return false;
}

void CVideoWnd::keyPressEvent(QKeyEvent* event) {
    if (!handleViewKey(event)) {
        forwardKey(event);
    }
}

void CVideoWnd::keyReleaseEvent(QKeyEvent* event) {
    forwardKey(event);
}

void CVideoWnd::forwardKey(QKeyEvent* event) {
    ForwardKey(keyTarget_, *event);
}

Qt::Edges CVideoWnd::edgesAt(QPoint point) const {
    return WindowEdgesAt(point, size(), kFrameThickness + 1);
}

void CVideoWnd::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const bool locked = (viewMode_ & kMaximizedOrFullscreen) != 0;
    const Qt::Edges edges = edgesAt(event->position().toPoint());
    if (!locked && edges != Qt::Edges() && windowHandle() != nullptr &&
        windowHandle()->startSystemResize(edges)) {
        return;
    }
    dragOffset_ = event->globalPosition().toPoint() - position_;
    dragging_ = !locked;
}

void CVideoWnd::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_ || (event->buttons() & Qt::LeftButton) == 0) {
        return;
    }
    position_ = event->globalPosition().toPoint() - dragOffset_;
    move(position_);
}

void CVideoWnd::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragging_ = false;
    } else if (event->button() == Qt::RightButton) {
        menu_.menu().popup(event->globalPosition().toPoint());
    }
}

void CVideoWnd::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragging_ = false;
        apply(ForDoubleClick(viewMode_));
    }
}

void CVideoWnd::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !switchingFullScreen_ &&
        viewMode_ == Fullscreen && !isFullScreen()) {
        // The platform took full screen away: the graph tells the engine, which
        // tells this window to go back to windowed mode.
        engine_.OutputLostFullScreen();
    }
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        update();
    }
}

void CVideoWnd::closeEvent(QCloseEvent* event) {
    event->ignore();
}
