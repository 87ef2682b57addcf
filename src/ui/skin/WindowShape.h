// The shape of a skinned window: every pixel of its mask picture that is not pure
// white (no tolerance), gathered row by row as runs of one-pixel-high rectangles.
#pragma once

#include <QImage>
#include <QRegion>

namespace skin {

// Rectangles are united into the region in batches of this many.
inline constexpr int kShapeBatchRectangles = 2000;

// The region of non-white pixels; empty when the mask is all white (or null), in
// which case the window keeps its rectangular shape.
QRegion windowShapeFromMask(const QImage &mask);

}  // namespace skin
