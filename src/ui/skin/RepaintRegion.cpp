#include "ui/skin/RepaintRegion.h"

#include <algorithm>
#include <tuple>

namespace skin {

namespace {

// Whether `place`, starting at or after `run`'s left edge on the same line,
// overlaps it, meets it or lies no further from it than half its own width.
bool joinsRun(const QRect &run, const QRect &place) {
    const int gap = place.left() - run.right() - 1;
    return gap <= place.width() / 2;
}

}  // namespace

QRegion gatheredRegion(std::vector<QRect> places) {
    std::erase_if(places, [](const QRect &place) { return place.isEmpty(); });
    std::sort(places.begin(), places.end(), [](const QRect &a, const QRect &b) {
        return std::tuple(a.top(), a.bottom(), a.left()) <
               std::tuple(b.top(), b.bottom(), b.left());
    });
    QRegion region;
    std::vector<QRect> line;
    for (const QRect &place : places) {
        const bool sameLine = !line.empty() && line.back().top() == place.top() &&
                              line.back().bottom() == place.bottom();
        if (sameLine && joinsRun(line.back(), place)) {
            line.back() |= place;
            continue;
        }
        if (!sameLine) uniteBatch(region, line);
        line.push_back(place);
    }
    uniteBatch(region, line);
    return region;
}

void uniteBatch(QRegion &region, std::vector<QRect> &batch) {
    if (batch.empty()) return;
    QRegion part;
    part.setRects(batch.data(), static_cast<int>(batch.size()));
    region += part;
    batch.clear();
}

}  // namespace skin
