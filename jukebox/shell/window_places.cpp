#include "jukebox/shell/window_places.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

#include "jukebox/shell/app_settings.h"
#include "jukebox/ui/window_frame.h"

using SidePlacement::Kind;

namespace {

constexpr std::array<Kind, WindowPlaces::kSideCount> kKinds{
    Kind::Docked, Kind::Beside, Kind::Flowing, Kind::Centred, Kind::Centred};

QSize grown(QSize size, const QMargins& m) {
    return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

QSize shrunk(QSize size, const QMargins& m) {
    return (size - QSize(m.left() + m.right(), m.top() + m.bottom())).expandedTo(QSize(1, 1));
}

}  // namespace

WindowPlaces::WindowPlaces(QWidget& face, AppSettings& settings)
    : face_(face), settings_(settings) {}

void WindowPlaces::setWindow(Side side, QWidget* window, bool decorated, bool stored) {
    Entry& entry = sides_[side];
    if (entry.window != nullptr) {
        entry.window->removeEventFilter(this);
    }
    entry = Entry{window, kKinds[side], decorated, stored, false};
    if (window != nullptr) {
        window->installEventFilter(this);
    }
}

QRect WindowPlaces::faceFrame() const {
    return face_.frameGeometry();
}

QRect WindowPlaces::screenArea() const {
    QScreen* screen = QGuiApplication::screenAt(faceFrame().center());
    if (screen == nullptr) {
        screen = face_.screen();
    }
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

QMargins WindowPlaces::marginsOf(Side side) const {
    const Entry& entry = sides_[side];
    if (entry.window == nullptr || !entry.decorated) {
        return {};
    }
    return FrameKnown(*entry.window) ? FrameMargins(*entry.window) : decoration_;
}

QRect WindowPlaces::frameOf(Side side) const {
    const QWidget* window = sides_[side].window;
    if (window == nullptr) {
        return {};
    }
    const QMargins margins = marginsOf(side);
    if (side == Options && !window->isVisible()) {
        // The sheet keeps the corner of its area for its next opening.
        return {settings_.optionPos - QPoint(margins.left(), margins.top()),
                grown(window->sizeHint(), margins)};
    }
    if (FrameKnown(*window)) {
        return window->frameGeometry();
    }
    return {window->pos(), grown(window->size(), margins)};
}

// What a side keeps clear of: the windows before it in the order, placed or
// worked out, and those after it that have their places already. The options
// sheet is a passing dialog: nothing gives way to it, and it shows over all.
QList<QRect> WindowPlaces::framesToAvoid(Side side) const {
    QList<QRect> frames;
    if (side == Options) {
        return frames;
    }
    for (int other = 0; other < Options; ++other) {
        const Entry& entry = sides_[other];
        if (other != side && entry.window != nullptr && (other < side || entry.placed)) {
            frames << frameOf(static_cast<Side>(other));
        }
    }
    return frames;
}

void WindowPlaces::PlaceUnplaced() {
    for (int side = 0; side < kSideCount; ++side) {
        const Entry& entry = sides_[side];
        if (entry.window != nullptr && !entry.placed) {
            place(static_cast<Side>(side));
        }
    }
}

void WindowPlaces::place(Side side) {
    apply(side, SidePlacement::Place(sides_[side].kind, frameOf(side).size(), faceFrame(),
                                     screenArea(), framesToAvoid(side)));
}

void WindowPlaces::apply(Side side, const QRect& frame) {
    QWidget& window = *sides_[side].window;
    const QMargins margins = marginsOf(side);
    switch (side) {
        case Tracklist:
        case Dictionary:
            if (window.size() != shrunk(frame.size(), margins)) {
                window.resize(shrunk(frame.size(), margins));
            }
            if (frameOf(side).topLeft() != frame.topLeft()) {
                MoveFrameTo(window, frame.topLeft(), margins);
            }
            return;
        case Video:
            settings_.playPos = frame.topLeft();
            [[fallthrough]];
        case Cover:
            if (window.geometry() != frame) {
                window.setGeometry(frame);
            }
            return;
        case Options:
            settings_.optionPos = frame.topLeft() + QPoint(margins.left(), margins.top());
            if (window.isVisible() && frameOf(side).topLeft() != frame.topLeft()) {
                MoveFrameTo(window, frame.topLeft(), margins);
            }
            return;
    }
}

bool WindowPlaces::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        for (int side = 0; side < kSideCount; ++side) {
            if (sides_[side].window == watched) {
                firstShown(static_cast<Side>(side));
            }
        }
    }
    return false;
}

// The show event comes before the window reaches the screen: a place worked
// out now is where it appears.
void WindowPlaces::firstShown(Side side) {
    Entry& entry = sides_[side];
    if (!entry.placed) {
        PlaceUnplaced();
        entry.placed = true;
        entry.ruled = true;
    }
    // Posted: a watch set up while the window's event filters run would be run
    // by them at once, and set up again.
    if (entry.decorated && !entry.watched) {
        entry.watched = true;
        QMetaObject::invokeMethod(
            this,
            [this, side] {
                if (QWidget* window = sides_[side].window) {
                    // The watch lives with the window, which may outlive this.
                    WhenFrameKnown(*window, [self = QPointer<WindowPlaces>(this), side] {
                        if (self != nullptr) {
                            self->frameKnown(side);
                        }
                    });
                }
            },
            Qt::QueuedConnection);
    }
}

// The frame is known now: a place worked out without it is worked out again.
void WindowPlaces::frameKnown(Side side) {
    Entry& entry = sides_[side];
    if (entry.window == nullptr) {
        return;
    }
    entry.watched = false;
    decoration_ = FrameMargins(*entry.window);
    if (!entry.ruled) {
        return;
    }
    entry.ruled = false;
    place(side);
}

void WindowPlaces::VideoSized() {
    Entry& entry = sides_[Video];
    if (entry.window == nullptr || !entry.ruled) {
        return;
    }
    entry.ruled = false;
    place(Video);
}

QSize WindowPlaces::VideoRoom(QSize picture) const {
    const Entry& entry = sides_[Video];
    if (entry.window == nullptr || (entry.placed && !entry.ruled)) {
        return {};
    }
    const QMargins margins = marginsOf(Video);
    return shrunk(SidePlacement::RoomBeside(grown(picture, margins), faceFrame(), screenArea()),
                  margins);
}
