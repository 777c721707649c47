#pragma once

#include <QWidget>
#include <functional>

// The native window a video sink draws into by itself, laid over the part of
// the video window the picture goes to. Qt paints nothing there, so that it
// never covers the sink's picture; when the window system asks for the area to
// be drawn again, the sink is asked to (exposed). Mouse events go on to the
// video window (drags, double-clicks, the menu), as if the surface were not there.
class CVideoSurface : public QWidget {
    Q_OBJECT
public:
    explicit CVideoSurface(QWidget* parent);

    // Called when the window system needs the picture drawn again.
    void setExposedListener(std::function<void()> listener) { exposed_ = std::move(listener); }
    QPaintEngine* paintEngine() const override { return nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<void()> exposed_;
};
