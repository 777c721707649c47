#include "jukebox/cover_window/cover_wnd.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <algorithm>

#include "jukebox/cover/image_codec.h"
#include "jukebox/cover_window/cover_sizing.h"
#include "jukebox/ui/forward_key.h"
#include "jukebox/ui/stays_on_top.h"
#include "jukebox/ui/window_edges.h"
#include "jukebox/ui/window_system.h"

namespace {

Qt::CursorShape cursorFor(Qt::Edges edges) {
    const bool across = (edges & (Qt::LeftEdge | Qt::RightEdge)) != 0;
    const bool along = (edges & (Qt::TopEdge | Qt::BottomEdge)) != 0;
    if (across && along) {
        const bool falling =
            edges == (Qt::LeftEdge | Qt::TopEdge) || edges == (Qt::RightEdge | Qt::BottomEdge);
        return falling ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
    }
    if (across) {
        return Qt::SizeHorCursor;
    }
    return along ? Qt::SizeVerCursor : Qt::ArrowCursor;
}

}  // namespace

CCoverWnd::CCoverWnd(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint), fader_(this) {
    setWindowTitle(QCoreApplication::translate("CCoverWnd", "album cover"));
    // Shown by the main window's button or key: the keyboard stays where it is.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);  // for the resize cursors over the edges
    connect(&statusText_, &CoverStatusText::changed, this, [this] { update(textLayout_.strip); });
    resize(100, 100);
    makeFont();
}

void CCoverWnd::setAlwaysOnTop(bool onTop) {
    SetStaysOnTop(*this, onTop);
}

void CCoverWnd::Park(QPoint pos, QSize size) {
    fader_.finish();
    hide();
    visible_ = false;
    setGeometry(QRect(pos, size));
    update();
}

QRect CCoverWnd::SaveRect() const {
    return QRect(pos(), size());
}

void CCoverWnd::SetCoverVisible(bool visible) {
    visible_ = visible;
    if (visible) {
        if (!isVisible()) {
            setWindowOpacity(0.0);
            show();
        }
        fader_.fadeIn();
    } else {
        // Shown again later, the window starts without the old text.
        statusText_.End();
        if (isVisible()) {
            fader_.fadeOut([this] {
                hide();
                setWindowOpacity(1.0);
            });
        }
    }
    update();
}

void CCoverWnd::LoadCover(const QString& trackPath) {
    picture_.Load(trackPath);
    // The new picture covers a text that was shown over the old one.
    statusText_.End();
    update();
}

void CCoverWnd::ShowCoverText(const QString& text) {
    if (!visible_) {
        return;
    }
    statusText_.Show(text);
}

void CCoverWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (visible_ && picture_.hasPicture()) {
        const QRect place = picture_.FitTo(size());
        ImageCodec::DrawImage(painter, picture_.scaledPixels(), place.width(), place.height(),
                              place.x(), place.y());
    }
    if (statusText_.shown()) {
        paintText(painter);
    }
}

void CCoverWnd::paintText(QPainter& painter) {
    painter.save();
    painter.setClipRect(textLayout_.clip);
    painter.setFont(font_);
    painter.setPen(QColor(0, 255, 0));
    painter.drawText(QRect(textLayout_.origin, size()), Qt::AlignLeft | Qt::AlignTop,
                     statusText_.text());
    painter.restore();
}

void CCoverWnd::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    makeFont();
}

// The text's height is that of the whole character cell, as the layout counts
// it; Qt's pixel size is the em, so the font is shrunk until its cell fits.
void CCoverWnd::makeFont() {
    textLayout_ = CoverTextLayout::ForClient(size());
    const int cell = std::max(1, textLayout_.fontHeight);
    QFont font = QApplication::font();
    font.setWeight(QFont::Normal);
    font.setPixelSize(cell);
    const int measured = QFontMetrics(font).height();
    if (measured > cell) {
        font.setPixelSize(std::max(1, cell * cell / measured));
    }
    font_ = font;
}

void CCoverWnd::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F4 && (event->modifiers() & Qt::AltModifier) != 0) {
        return;  // the user cannot close this window
    }
    forwardKey(event);
}

void CCoverWnd::keyReleaseEvent(QKeyEvent* event) {
    forwardKey(event);
}

void CCoverWnd::forwardKey(QKeyEvent* event) {
    ForwardKey(keyTarget_, *event);
}

void CCoverWnd::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint cursor = event->globalPosition().toPoint();
    const Qt::Edges edges = WindowEdgesAt(event->position().toPoint(), size(), kEdgeReach);
    if (edges != Qt::Edges()) {
        if (handToCompositor([this, edges] { return windowHandle()->startSystemResize(edges); })) {
            return;
        }
        resizeEdges_ = edges;
        resizeCursor_ = cursor;
        resizeStart_ = QRect(pos(), size());
        return;
    }
    if (handToCompositor([this] { return windowHandle()->startSystemMove(); })) {
        return;
    }
    dragOffset_ = cursor - pos();
    dragging_ = true;
}

// Where the compositor places windows (Wayland), a window can neither move
// nor resize itself: the compositor carries the drag out, without the snapping
// and squaring of a drag done here.
bool CCoverWnd::handToCompositor(const std::function<bool()>& start) {
    return CompositorPlacesWindows() && windowHandle() != nullptr && start();
}

void CCoverWnd::mouseMoveEvent(QMouseEvent* event) {
    const QPoint cursor = event->globalPosition().toPoint();
    if ((event->buttons() & Qt::LeftButton) == 0) {
        showCursorFor(event->position().toPoint());
        return;
    }
    if (resizeEdges_ != Qt::Edges()) {
        // Every step starts from the rectangle at the press, so snapping and
        // squaring never pile up.
        const QRect dragged =
            CoverSizing::DraggedRect(resizeStart_, resizeEdges_, cursor - resizeCursor_);
        setGeometry(CoverSizing::SizeCoverRect(dragged, resizeEdges_, cursor));
    } else if (dragging_) {
        move(cursor - dragOffset_);
    }
}

void CCoverWnd::showCursorFor(QPoint point) {
    const Qt::CursorShape shape = cursorFor(WindowEdgesAt(point, size(), kEdgeReach));
    if (shape == Qt::ArrowCursor) {
        unsetCursor();
    } else {
        setCursor(shape);
    }
}

void CCoverWnd::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragging_ = false;
        resizeEdges_ = Qt::Edges();
    }
}

void CCoverWnd::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    dragging_ = false;
    resizeEdges_ = Qt::Edges();
    if (command_) {
        command_(kMinimizeCommand);
    }
}

void CCoverWnd::closeEvent(QCloseEvent* event) {
    if (closeAllowed_) {
        event->accept();
    } else {
        event->ignore();
    }
}
