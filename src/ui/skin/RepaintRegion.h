// Gathers the places of a window asked for repaint into a region of few
// rectangles. A preview tick asks for about a hundred keys; one by one they
// would make a region of a hundred rectangles, and clipping every fill and copy
// of the repaint against it costs more than the pixels. Places with the same
// top and bottom are sorted along their line and neighbours no further apart
// than half a key, where no other control fits, are joined into one run.
#pragma once

#include <QRect>
#include <QRegion>
#include <vector>

namespace skin {

QRegion gatheredRegion(std::vector<QRect> places);

// Adds `batch` to `region` in one union and empties it. The rectangles must be
// in the form a region keeps them: sorted by top, then left; apart; and those
// with one top of one height.
void uniteBatch(QRegion &region, std::vector<QRect> &batch);

}  // namespace skin
