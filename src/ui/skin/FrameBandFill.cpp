#include "ui/skin/FrameBandFill.h"

#include <algorithm>

#include "ui/skin/CPngButton.h"

namespace skin {

bool takesDirectBands(const QImage &picture) {
    switch (picture.format()) {
        case QImage::Format_RGB32:
        case QImage::Format_ARGB32:
        case QImage::Format_ARGB32_Premultiplied:
            return true;
        default:
            return false;
    }
}

namespace {

void fillBandsWithin(QImage &picture, const QRect &place, QRgb colour, const QRect &within) {
    uchar *const bits = picture.bits();
    const qsizetype stride = picture.bytesPerLine();
    for (const QRect &band : CPngButton::frameBands(place)) {
        const QRect filled = band & within;
        for (int y = filled.top(); y <= filled.bottom(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(bits + y * stride);
            std::fill(line + filled.left(), line + filled.right() + 1, colour);
        }
    }
}

}  // namespace

void fillFrameBands(QImage &picture, const QRegion &clip, const QRect &place, QRgb colour) {
    const QRect inside = picture.rect();
    for (const QRect &part : clip) fillBandsWithin(picture, place, colour, part & inside);
}

}  // namespace skin
