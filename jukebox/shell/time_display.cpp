#include "jukebox/shell/time_display.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "jukebox/skin/skin_description.h"

CTimeDisplay::CTimeDisplay(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    cells_ = TimeDisplayCells(mode_, timeKind_, seconds_, number_, totalSeconds_);
    hide();
}

void CTimeDisplay::setup(const SkinEntry& entry, const SkinView& view) {
    const int d = view.digitWidth;
    const int h = view.digitHeight;
    for (int i = 0; i < int(digits_.size()); ++i) {
        digits_[size_t(i)] = QPixmap::fromImage(view.time.copy(i * d, 0, d, h));
    }
    for (int i = 0; i < int(separators_.size()); ++i) {
        separators_[size_t(i)] =
            QPixmap::fromImage(view.sep.copy(i * view.sepWidth, 0, view.sepWidth, h));
    }
    for (int i = 0; i < int(cellX_.size()); ++i) {
        cellX_[size_t(i)] = view.timeCellX(i);
    }
    setGeometry(QRect(QPoint(entry.x, entry.y), entry.size));
    setVisible(entry.show == SkinVisible);
    update();
}

void CTimeDisplay::setSeconds(int seconds) {
    seconds_ = seconds;
    refresh();
}

void CTimeDisplay::setNumber(int number) {
    // -INT_MIN does not fit; the display shows at most three digits anyway.
    number_ = number < 0 ? -std::max(number, -TimeDisplay::MaxNumber - 1) : number;
    refresh();
}

void CTimeDisplay::setMode(int mode) {
    mode_ = mode;
    refresh();
}

void CTimeDisplay::setTotalSeconds(int seconds) {
    totalSeconds_ = seconds;
    refresh();
}

void CTimeDisplay::setTimeKind(int kind) {
    timeKind_ = kind;
    refresh();
}

void CTimeDisplay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(cellX_[0], 0, digits_[size_t(cells_.digits[0])]);
    painter.drawPixmap(cellX_[1], 0, digits_[size_t(cells_.digits[1])]);
    painter.drawPixmap(cellX_[2], 0, separators_[size_t(cells_.separator)]);
    painter.drawPixmap(cellX_[3], 0, digits_[size_t(cells_.digits[2])]);
    painter.drawPixmap(cellX_[4], 0, digits_[size_t(cells_.digits[3])]);
}

void CTimeDisplay::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    setTimeKind((timeKind_ + 1) % 3);
}

// The poll sets the same second twice a second; only a change of cells draws.
void CTimeDisplay::refresh() {
    const TimeCells cells = TimeDisplayCells(mode_, timeKind_, seconds_, number_, totalSeconds_);
    if (cells != cells_) {
        cells_ = cells;
        update();
    }
}
