#pragma once

#include <array>

// What the time display shows: which separator cell and which four digit cells.
namespace TimeDisplay {
constexpr int ModeTime = 1;
constexpr int ModeNumber = 2;
constexpr int KindElapsed = 0;
constexpr int KindRemaining = 1;
constexpr int KindTotal = 2;
constexpr int SeparatorTime = 0;
constexpr int SeparatorNumber = 1;
constexpr int BlankCell = 10;  // the digit strip's eleventh cell
// The largest time the four digits can show: 99:59. Longer times show that
// rather than wrap, so the display never claims less time than there is.
constexpr int MaxSeconds = 99 * 60 + 59;
constexpr int MaxNumber = 999;
}  // namespace TimeDisplay

struct TimeCells {
    int separator = TimeDisplay::SeparatorTime;
    std::array<int, 4> digits{};  // 0-9, or TimeDisplay::BlankCell
    bool operator==(const TimeCells&) const = default;
};

// In time mode the time per kind (elapsed = seconds, remaining = total -
// seconds, never below 0, total = totalSeconds) as m:ss with a blank leading
// zero; in number mode |number| right-aligned in three digits.
TimeCells TimeDisplayCells(int mode, int timeKind, int seconds, int number, int totalSeconds);
