// The time display drawn from digit and separator strips made here, one
// colour per cell, so the grabbed display spells the cells it shows.
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <array>

#include "jukebox/shell/time_display.h"
#include "jukebox/skin/skin_description.h"
#include "tests/jukebox/shell/control_images.h"

namespace {

constexpr int B = 10;   // the blank cell
constexpr int S0 = 20;  // the time separator
constexpr int S1 = 21;  // the number separator
using Cells = std::array<int, 5>;

// Digits 6 x 10, separators 4 x 10, the display at (5, 7).
SkinView timeView() {
    SkinView view;
    std::vector<QRgb> digits;
    for (int i = 0; i <= B; ++i) {
        digits.push_back(TestColour(i));
    }
    view.time = SideBySideCells({6, 10}, digits);
    view.sep = SideBySideCells({4, 10}, {TestColour(S0), TestColour(S1)});
    view.digitWidth = 6;
    view.digitHeight = 10;
    view.sepWidth = 4;
    SkinEntry& entry = view.entry(SkinTime);
    entry.show = SkinVisible;
    entry.x = 5;
    entry.y = 7;
    entry.size = QSize(28, 10);
    entry.rect = QRect(QPoint(5, 7), entry.size);
    return view;
}

// The cells the display shows, read back from its pixels (-1: none of them).
Cells shownCells(CTimeDisplay& display) {
    const QImage image = display.grab().toImage();
    Cells cells{-1, -1, -1, -1, -1};
    const int x[5] = {0, 6, 12, 16, 22};
    for (int i = 0; i < 5; ++i) {
        for (int code : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, B, S0, S1}) {
            if (image.pixel(x[i] + 2, 5) == TestColour(code)) {
                cells[size_t(i)] = code;
            }
        }
    }
    return cells;
}

TEST(TimeDisplay, ShowsTimesAndNumbersAndStepsTheKindOnDoubleClick) {
    QWidget face;
    face.resize(60, 30);
    CTimeDisplay display(&face);
    const SkinView view = timeView();
    display.setup(view.entry(SkinTime), view);

    display.setSeconds(5 * 60 + 7);
    EXPECT_EQ(shownCells(display), (Cells{B, 5, S0, 0, 7}));
    display.setMode(TimeDisplay::ModeNumber);
    display.setNumber(90);
    EXPECT_EQ(shownCells(display), (Cells{B, B, S1, 9, 0}));
    display.setNumber(-30);  // a balance to the left
    EXPECT_EQ(shownCells(display), (Cells{B, B, S1, 3, 0}));
    display.setMode(TimeDisplay::ModeTime);
    display.setTotalSeconds(400);

    face.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&face));
    const Cells kinds[] = {{B, 1, S0, 3, 3}, {B, 6, S0, 4, 0}, {B, 5, S0, 0, 7}};
    for (int kind : {1, 2, 0}) {  // remaining, total, elapsed again
        QTest::mouseDClick(face.windowHandle(), Qt::LeftButton, {}, QPoint(15, 10));
        EXPECT_EQ(display.timeKind(), kind);
        EXPECT_EQ(shownCells(display), kinds[(kind + 2) % 3]);
    }
}

}  // namespace
