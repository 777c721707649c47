#include "jukebox/video_window/video_wnd.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include "jukebox/playback/media_engine.h"
#include "jukebox/playback/media_graph.h"
#include "jukebox/ui/forward_key.h"
#include "jukebox/ui/stays_on_top.h"
#include "jukebox/ui/window_edges.h"
#include "jukebox/ui/window_system.h"
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
      fade_(this, "windowOpacity"),
      surface_(this),
      nativeOutput_(QGuiApplication::platformName() == QLatin1String("xcb")) {
    setWindowTitle(QCoreApplication::translate("CVideoWnd", "video playback"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
    setFocusPolicy(Qt::StrongFocus);
    // A video that starts must not take the keyboard from the window the user
    // types in: shown, it stays inactive until clicked.
    setAttribute(Qt::WA_ShowWithoutActivating);
    fade_.setDuration(kFadeMs);
    connect(&fade_, &QPropertyAnimation::finished, this, [this] {
        if (fadingOut_) {
            fadingOut_ = false;
            hide();
            setWindowOpacity(1.0);
        }
    });
    resize(ScaledWindowSize(QSize(kConformWidth, kConformHeight), 1.0, kFrameThickness));
    // Exposed, the sink draws its last picture again where the window says.
    surface_.setExposedListener([this] { FitVideo(); });
}

// The graph's output paints into this window: it must not outlive it.
CVideoWnd::~CVideoWnd() {
    engine_.ReleaseGraph();
}

void CVideoWnd::SetViewMode(double factor, int mode) {
    switch (mode) {
        case Scaled:
            resizeOnScreen(ScaledWindowSize(videoSize(), factor, kFrameThickness));
            zoomFactor_ = factor;
            viewMode_ = Scaled;
            break;
        case Conform:
            resizeOnScreen(ConformWindowSize(factor, kFrameThickness));
            zoomFactor_ = factor;
            viewMode_ = Conform;
            break;
        case Maximized:
            changeState(Qt::WindowMaximized);
            viewMode_ = Maximized;
            break;
        case Restore:
            changeState(Qt::WindowNoState);
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

QSize CVideoWnd::videoSize() const {
    return QSize(engine_.videoWidth(), engine_.videoHeight());
}

// The usable part of the screen the window is on (its middle decides).
QRect CVideoWnd::availableArea() const {
    QScreen* on = QGuiApplication::screenAt(geometry().center());
    if (on == nullptr) {
        on = screen();
    }
    return on != nullptr ? on->availableGeometry() : QRect();
}

// A new size keeps the window on its screen: where it would run off, the window
// moves back inside (a window manager would otherwise move it its own way).
void CVideoWnd::resizeOnScreen(QSize size) {
    // Maximized or full screen, a resize would be lost or undo the state.
    if ((windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0) {
        return;
    }
    resize(size);
    if (CompositorPlacesWindows()) {
        return;  // the compositor keeps its windows on its screens itself
    }
    const QRect area = availableArea();
    const QPoint corner = KeptInside(QRect(pos(), size), area);
    if (corner != pos()) {
        move(corner);
    }
}

void CVideoWnd::changeState(Qt::WindowStates state) {
    changingState_ = true;
    if (state == Qt::WindowMaximized) {
        showMaximized();
    } else if (state == Qt::WindowFullScreen) {
        showFullScreen();
    } else {
        showNormal();
    }
    changingState_ = false;
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
        // The first size, the native one at first, never larger than the screen
        // nor, while the window has no place of its own, than the room beside the face.
        const QSize picture =
            viewMode_ == Conform ? QSize(kConformWidth, kConformHeight) : videoSize();
        QSize room = availableArea().size();
        if (firstRoom_) {
            if (const QSize beside = firstRoom_(picture); beside.isValid()) {
                room = room.boundedTo(beside);
            }
        }
        SetViewMode(FactorWithin(picture, zoomFactor_, kFrameThickness, room), viewMode_);
        if (firstSized_) {
            firstSized_();
        }
        raise();
    }
    if (viewMode_ == Fullscreen) {
        engine_.SetOutputFullScreen(true);
    } else {
        FitVideo();
    }
}

void CVideoWnd::fullScreenLost() {
    SetViewMode(1.0, Windowed);
}

void CVideoWnd::presentFrame(const QImage& frame) {
    frame_ = frame;
    update();
}

// The graph let go of this window: the last file's picture goes with it.
void CVideoWnd::dropPicture() {
    frame_ = QImage();
    update();
}

QRect CVideoWnd::shownPictureRect() const {
    if (outputDrawsItself_) {
        return videoSize().isEmpty() ? QRect() : FitPicture(videoSize(), pictureRect_);
    }
    if (frame_.isNull()) {
        return QRect();
    }
    return FitPicture(frame_.size(), pictureRect_);
}

QRect CVideoWnd::surfaceRect() const {
    return surface_.isVisibleTo(this) ? surface_.geometry() : QRect();
}

quintptr CVideoWnd::outputWindowHandle() {
    return nativeOutput_ ? static_cast<quintptr>(surface_.winId()) : 0;
}

void CVideoWnd::setOutputDrawsItself(bool on) {
    outputDrawsItself_ = on;
    frame_ = QImage();
    surface_.setGeometry(pictureRect_);
    surface_.setVisible(on);
    update();
}

void CVideoWnd::placeOutput(const QRect& rect) {
    pictureRect_ = rect;
    if (outputDrawsItself_ && surface_.geometry() != rect) {
        surface_.setGeometry(rect);
        // The sink reads the surface's size from the X server on its own
        // connection: the new size must have reached the server first.
        QGuiApplication::sync();
    }
    update();
}

void CVideoWnd::setOutputFullScreen(bool on) {
    changeState(on ? Qt::WindowFullScreen : Qt::WindowNoState);
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
    const QRect picture = shownPictureRect();
    if (!picture.isEmpty()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(picture, frame_);
    }
}

void CVideoWnd::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FitVideo();
}

// The remembered corner is where the window really is, whoever moved it (a
// drag, a size that kept it on the screen, the window manager), so that the
// next drag starts from there. Maximized and full screen are not places.
void CVideoWnd::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (isVisible() &&
        (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)) == 0) {
        position_ = pos();
    }
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
    // Where the compositor places windows (Wayland), only it can move one.
    if (!locked && CompositorPlacesWindows() && windowHandle() != nullptr &&
        windowHandle()->startSystemMove()) {
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
    if (event->type() == QEvent::WindowStateChange && !changingState_) {
        followWindowState();
    }
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        update();
    }
}

// The window system changed the window's state by itself; the view mode
// follows, so that the keys, the menu and a double-click act on the real state.
void CVideoWnd::followWindowState() {
    if (viewMode_ == Fullscreen) {
        if (!isFullScreen()) {
            // The graph tells the engine, which tells this window to go back to
            // windowed mode.
            engine_.OutputLostFullScreen();
        }
        return;
    }
    if (viewMode_ == Maximized && !isMaximized()) {
        viewMode_ = Scaled;
        setGreyed(Restore);
    } else if (viewMode_ != Maximized && isMaximized()) {
        viewMode_ = Maximized;
        setGreyed(Maximized);
    }
}

void CVideoWnd::closeEvent(QCloseEvent* event) {
    event->ignore();
}
