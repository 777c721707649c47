#pragma once

#include <QObject>
#include <QPropertyAnimation>
#include <functional>

class QWidget;

// Fades a top-level window out and in over 200 ms by its opacity. Opacity only
// shows where a compositor blends windows; elsewhere the fade is a pause, so
// whatever must vanish is hidden or minimized by the callback, never left at
// opacity 0 alone.
class WindowFader : public QObject {
    Q_OBJECT
public:
    static constexpr int kFadeMs = 200;

    explicit WindowFader(QWidget* window);

    // Fades to transparent and then runs then. Asked again while a fade out
    // runs, only the newer then runs, once, at its end; during a fade in, the
    // window fades out again from where it is.
    void fadeOut(std::function<void()> then);
    // Fades to opaque from where the window is.
    void fadeIn();
    // Ends a running fade at once (a pending then runs now).
    void finish();
    bool running() const { return animation_.state() == QAbstractAnimation::Running; }

private:
    void finished();

    QWidget* window_;
    QPropertyAnimation animation_;
    std::function<void()> then_;
};
