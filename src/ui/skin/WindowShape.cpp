#include "ui/skin/WindowShape.h"

#include <QRect>
#include <vector>

#include "ui/skin/RepaintRegion.h"

namespace skin {
namespace {

constexpr QRgb kWhite = 0xFFFFFF;

bool isWhite(QRgb pixel) {
    return (pixel & 0xFFFFFF) == kWhite;
}

// Appends the runs of non-white pixels of one row of a 32-bit image.
void collectRowRuns(const QRgb *row, int width, int y, std::vector<QRect> &runs) {
    int x = 0;
    while (x < width) {
        while (x < width && isWhite(row[x])) ++x;
        const int start = x;
        while (x < width && !isWhite(row[x])) ++x;
        if (x > start) runs.emplace_back(start, y, x - start, 1);
    }
}

}  // namespace

QRegion windowShapeFromMask(const QImage &mask) {
    if (mask.isNull()) return {};
    const QImage pixels = mask.convertToFormat(QImage::Format_RGB32);
    QRegion shape;
    std::vector<QRect> batch;
    batch.reserve(kShapeBatchRectangles + static_cast<std::size_t>(pixels.width()));
    for (int y = 0; y < pixels.height(); ++y) {
        collectRowRuns(reinterpret_cast<const QRgb *>(pixels.constScanLine(y)), pixels.width(), y,
                       batch);
        if (batch.size() >= kShapeBatchRectangles) uniteBatch(shape, batch);
    }
    uniteBatch(shape, batch);
    return shape;
}

}  // namespace skin
