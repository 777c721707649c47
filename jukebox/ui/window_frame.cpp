#include "jukebox/ui/window_frame.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace {

// Watches a window's moves and resizes (the window manager's framing comes as
// one) until its frame is known.
class FrameWatch : public QObject {
public:
    FrameWatch(QWidget& window, std::function<void()> then)
        : QObject(&window), window_(&window), then_(std::move(then)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (watched == window_ &&
            (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show) &&
            window_->isVisible() && FrameKnown(*window_)) {
            window_->removeEventFilter(this);
            deleteLater();
            if (then_) {
                std::exchange(then_, nullptr)();
            }
        }
        return false;
    }

private:
    QPointer<QWidget> window_;
    std::function<void()> then_;
};

}  // namespace

QMargins FrameMargins(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect area = window.geometry();
    return {area.left() - frame.left(), area.top() - frame.top(), frame.right() - area.right(),
            frame.bottom() - area.bottom()};
}

bool FrameKnown(const QWidget& window) {
    return !FrameMargins(window).isNull();
}

void MoveFrameTo(QWidget& window, QPoint corner, const QMargins& margins) {
    // Qt takes a move for the frame's corner where it knows the frame, and
    // where the window does not exist yet; a window that exists takes it for
    // its area's corner while its frame is unknown.
    const bool unknown = window.testAttribute(Qt::WA_WState_Created) && !FrameKnown(window);
    window.move(unknown ? corner + QPoint(margins.left(), margins.top()) : corner);
}

QSize MinimumAreaSize(const QWidget& window, QSize frameLimit) {
    const QMargins frame = FrameMargins(window);
    const QSize limit =
        frameLimit - QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    if (FrameKnown(window)) {
        return limit;
    }
    return limit.boundedTo(window.size());
}

void WhenFrameKnown(QWidget& window, std::function<void()> then) {
    if (window.isVisible() && FrameKnown(window)) {
        then();
        return;
    }
    new FrameWatch(window, std::move(then));
}
