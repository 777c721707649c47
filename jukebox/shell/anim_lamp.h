#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <vector>

struct SkinEntry;

// The face's animation: a strip of frames that steps on while playing and
// stands still (on its current frame) while paused or stopped. Its timer runs
// only while the animation runs and is shown. Mouse events pass through to the face.
class CAnimLamp : public QWidget {
    Q_OBJECT
public:
    static constexpr int TimerId = 3207;

    explicit CAnimLamp(QWidget* parent);

    // Places the animation at its entry (shown only when the entry is visible),
    // takes its frame count and period, and cuts the frames once.
    void setup(const SkinEntry& entry, const QImage& strip);
    void setRunning(bool running);
    bool running() const { return running_; }
    int frame() const { return frame_; }
    int frameCount() const { return int(frames_.size()); }
    // Whether its timer runs now.
    bool ticking() const { return timer_.isActive(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void tick();
    void syncTimer();

    QTimer timer_;
    std::vector<QPixmap> frames_;
    int frame_ = 0;
    bool running_ = false;
};
