#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>

#include "jukebox/shell/time_display_cells.h"

struct SkinEntry;
struct SkinView;

// The face's four-digit display: the track's time (elapsed, remaining or total,
// stepped by a double click) or, while the volume or balance changes, a number.
class CTimeDisplay : public QWidget {
    Q_OBJECT
public:
    explicit CTimeDisplay(QWidget* parent);

    // Places the display at its entry (shown only when the entry is visible)
    // and cuts the view's digit and separator cells once.
    void setup(const SkinEntry& entry, const SkinView& view);

    void setSeconds(int seconds);
    int seconds() const { return seconds_; }
    // Keeps |number|, as the display shows it.
    void setNumber(int number);
    int number() const { return number_; }
    void setMode(int mode);  // TimeDisplay::ModeTime or ModeNumber
    int mode() const { return mode_; }
    void setTotalSeconds(int seconds);
    int totalSeconds() const { return totalSeconds_; }
    void setTimeKind(int kind);
    int timeKind() const { return timeKind_; }
    // The cells shown now.
    TimeCells cells() const { return cells_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void refresh();

    std::array<QPixmap, 11> digits_;  // 0-9 and the blank cell
    std::array<QPixmap, 2> separators_;
    std::array<int, 5> cellX_{};
    int mode_ = TimeDisplay::ModeTime;
    int timeKind_ = TimeDisplay::KindElapsed;
    int seconds_ = 0;
    int number_ = 0;
    int totalSeconds_ = 0;
    TimeCells cells_;
};
