#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>

struct SkinEntry;

// A lamp of the face (A/V, Tag/Dic, play mode) that shows one of three bands.
// Mouse events pass through to the face.
class CStatusLamp : public QWidget {
    Q_OBJECT
public:
    static constexpr int StateCount = 3;

    explicit CStatusLamp(QWidget* parent);

    // Places the lamp at its entry (shown only when the entry is visible) and
    // cuts the strip's three bands once.
    void setup(const SkinEntry& entry, const QImage& strip);
    // A state outside 0..2 shows the nearest band.
    void setState(int state);
    int state() const { return state_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<QPixmap, StateCount> bands_;
    int state_ = 0;
};
