// Which cells the time display shows for a time or a number.
#include <gtest/gtest.h>

#include <limits>

#include "jukebox/shell/time_display_cells.h"

namespace {

using namespace TimeDisplay;
constexpr int B = BlankCell;

struct CellCase {
    int mode, kind, seconds, number, total;
    int separator;
    std::array<int, 4> digits;
};

TEST(TimeDisplayCells, TimesAndNumbers) {
    const CellCase cases[] = {
        {ModeTime, KindElapsed, 5 * 60 + 7, 0, 0, SeparatorTime, {B, 5, 0, 7}},
        {ModeTime, KindElapsed, 0, 0, 0, SeparatorTime, {B, 0, 0, 0}},
        {ModeTime, KindElapsed, 12 * 60 + 34, 0, 0, SeparatorTime, {1, 2, 3, 4}},
        {ModeTime, KindElapsed, 59 * 60 + 59, 0, 0, SeparatorTime, {5, 9, 5, 9}},
        // 100 minutes and more stay at 99:59
        {ModeTime, KindElapsed, 100 * 60, 0, 0, SeparatorTime, {9, 9, 5, 9}},
        {ModeTime, KindElapsed, 3 * 3600 + 5, 0, 0, SeparatorTime, {9, 9, 5, 9}},
        {ModeTime, KindElapsed, -3, 0, 0, SeparatorTime, {B, 0, 0, 0}},
        // remaining: 6:40 - 5:07 = 1:33; past the end it stays at 0
        {ModeTime, KindRemaining, 307, 0, 400, SeparatorTime, {B, 1, 3, 3}},
        {ModeTime, KindRemaining, 410, 0, 400, SeparatorTime, {B, 0, 0, 0}},
        {ModeTime, KindTotal, 307, 0, 400, SeparatorTime, {B, 6, 4, 0}},
        {ModeTime, KindTotal, 307, 0, 7199, SeparatorTime, {9, 9, 5, 9}},
        // numbers: blank, hundreds (blank when 0), tens, units
        {ModeNumber, KindElapsed, 307, 90, 0, SeparatorNumber, {B, B, 9, 0}},
        {ModeNumber, KindElapsed, 307, -30, 0, SeparatorNumber, {B, B, 3, 0}},
        {ModeNumber, KindElapsed, 307, 5, 0, SeparatorNumber, {B, B, 0, 5}},
        {ModeNumber, KindElapsed, 307, -100, 0, SeparatorNumber, {B, 1, 0, 0}},
        {ModeNumber, KindElapsed, 307, 123456, 0, SeparatorNumber, {B, 9, 9, 9}},
        {ModeNumber,
         KindElapsed,
         0,
         std::numeric_limits<int>::min(),
         0,
         SeparatorNumber,
         {B, 9, 9, 9}},
    };
    for (const CellCase& c : cases) {
        const TimeCells cells = TimeDisplayCells(c.mode, c.kind, c.seconds, c.number, c.total);
        EXPECT_EQ(cells.separator, c.separator);
        EXPECT_EQ(cells.digits, c.digits)
            << "mode " << c.mode << " kind " << c.kind << " seconds " << c.seconds << " number "
            << c.number << " total " << c.total;
    }
}

}  // namespace
