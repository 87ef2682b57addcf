#include "ui/skin/WindowShape.h"

#include <gtest/gtest.h>

#include <QPainter>

#include "TestPictures.h"

namespace {

// Every pixel is in the region exactly when it is not pure white.
void expectShapeMatchesPixels(const QImage &mask, const QRegion &shape) {
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            const bool white = (mask.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
            ASSERT_EQ(shape.contains(QPoint(x, y)), !white) << x << "," << y;
        }
    }
}

}  // namespace

TEST(WindowShape, AllWhiteOrNullMasksGiveNoShape) {
    EXPECT_TRUE(skin::windowShapeFromMask(testpictures::solid(40, 30, Qt::white)).isEmpty());
    EXPECT_TRUE(skin::windowShapeFromMask(QImage()).isEmpty());
}

TEST(WindowShape, NonWhitePixelsFormTheShapeWithoutTolerance) {
    QImage mask = testpictures::solid(64, 48, Qt::white);
    QPainter painter(&mask);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QRect(4, 4, 50, 38));
    painter.end();
    mask.setPixel(0, 0, qRgb(254, 255, 255));  // almost white is still shape
    mask.setPixel(63, 47, qRgb(255, 255, 254));
    const QRegion shape = skin::windowShapeFromMask(mask);
    expectShapeMatchesPixels(mask, shape);
    EXPECT_TRUE(shape.contains(QPoint(0, 0)));
}

TEST(WindowShape, MasksWithManyRunsAreGatheredWhole) {
    // Alternating pixels give far more runs than one batch holds.
    QImage mask = testpictures::solid(151, 61, Qt::white);
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = (y % 2); x < mask.width(); x += 2) mask.setPixel(x, y, qRgb(10, 20, 30));
    }
    ASSERT_GT(mask.width() * mask.height() / 2, 2 * skin::kShapeBatchRectangles);
    expectShapeMatchesPixels(mask, skin::windowShapeFromMask(mask));
}

TEST(WindowShape, PicturesWithAlphaAreJudgedByTheirColour) {
    QImage mask(20, 10, QImage::Format_ARGB32);
    mask.fill(QColor(255, 255, 255, 0));
    mask.setPixel(5, 5, qRgba(0, 0, 0, 255));
    const QRegion shape = skin::windowShapeFromMask(mask);
    EXPECT_TRUE(shape.contains(QPoint(5, 5)));
    EXPECT_EQ(shape.rectCount(), 1);
}
