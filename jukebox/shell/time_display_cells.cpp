#include "jukebox/shell/time_display_cells.h"

#include <algorithm>
#include <cstdlib>

namespace {

int shownSeconds(int timeKind, int seconds, int totalSeconds) {
    long long t = seconds;
    if (timeKind == TimeDisplay::KindRemaining) {
        t = static_cast<long long>(totalSeconds) - seconds;
    } else if (timeKind == TimeDisplay::KindTotal) {
        t = totalSeconds;
    }
    return static_cast<int>(std::clamp(t, 0LL, static_cast<long long>(TimeDisplay::MaxSeconds)));
}

TimeCells timeCells(int t) {
    TimeCells cells;
    cells.separator = TimeDisplay::SeparatorTime;
    const int tensOfMinutes = t / 600;
    cells.digits = {tensOfMinutes == 0 ? TimeDisplay::BlankCell : tensOfMinutes, t / 60 % 10,
                    t % 60 / 10, t % 10};
    return cells;
}

TimeCells numberCells(int number) {
    const int n = static_cast<int>(std::min(std::llabs(static_cast<long long>(number)),
                                            static_cast<long long>(TimeDisplay::MaxNumber)));
    TimeCells cells;
    cells.separator = TimeDisplay::SeparatorNumber;
    const int hundreds = n / 100;
    cells.digits = {TimeDisplay::BlankCell, hundreds == 0 ? TimeDisplay::BlankCell : hundreds,
                    n % 100 / 10, n % 10};
    return cells;
}

}  // namespace

TimeCells TimeDisplayCells(int mode, int timeKind, int seconds, int number, int totalSeconds) {
    if (mode == TimeDisplay::ModeNumber) {
        return numberCells(number);
    }
    return timeCells(shownSeconds(timeKind, seconds, totalSeconds));
}
