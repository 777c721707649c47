#pragma once

#include <QRect>
#include <QSize>

// Where a picture of size picture goes in a client area of size client: scaled
// with its proportions kept to the full width or the full height, and centred
// in the other direction. The arithmetic is that of the cover window as users
// know it (ratios in floating point, sizes truncated, halves rounded toward
// zero), so pictures land on the same pixels. Empty when either size is empty.
QRect FitCoverRect(QSize picture, QSize client);
