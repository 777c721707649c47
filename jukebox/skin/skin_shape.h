#pragma once

#include <QImage>
#include <QRegion>

// The window's region from the mask band (band 5) of a view's panel: every
// pixel that is not pure white is inside. Each row is scanned into runs; rows
// whose runs match the row above extend those rectangles downwards, and the
// rectangles are merged into the region in blocks of kShapeBlock. An empty
// region when the panel has no such band.
QRegion BuildSkinShape(const QImage& panel, int faceHeight);

inline constexpr int kShapeBlock = 2000;
