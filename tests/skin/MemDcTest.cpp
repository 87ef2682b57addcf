#include "ui/skin/CMyMemDC.h"

#include <gtest/gtest.h>

#include "TestPictures.h"

TEST(MemDc, DrawingReachesTheTargetOnlyWhenTheBufferCloses) {
    QImage target = testpictures::solid(50, 40, Qt::white);
    QPainter painter(&target);
    {
        CMyMemDC buffer(painter, QRect(10, 10, 20, 20));
        EXPECT_TRUE(buffer.isBuffered());
        // Target coordinates: (15, 15) is inside the area.
        buffer.painter().fillRect(QRect(15, 15, 5, 5), Qt::blue);
        EXPECT_EQ(QColor(target.pixel(16, 16)), QColor(Qt::white));
    }
    painter.end();
    EXPECT_EQ(QColor(target.pixel(16, 16)), QColor(Qt::blue));
    EXPECT_EQ(QColor(target.pixel(12, 12)), QColor(Qt::white));
    EXPECT_EQ(QColor(target.pixel(35, 35)), QColor(Qt::white));
}

TEST(MemDc, CopyFirstKeepsWhatTheTargetShowedAndAnEmptyAreaIsTheWholeTarget) {
    QImage target = testpictures::solid(30, 30, Qt::green);
    QPainter painter(&target);
    {
        CMyMemDC buffer(painter, QRect(), true);
        EXPECT_EQ(buffer.area(), QRect(0, 0, 30, 30));
        buffer.painter().fillRect(QRect(0, 0, 10, 10), Qt::red);
    }
    painter.end();
    EXPECT_EQ(QColor(target.pixel(5, 5)), QColor(Qt::red));
    EXPECT_EQ(QColor(target.pixel(20, 20)), QColor(Qt::green));
}

TEST(MemDc, BufferSeesClippedAreaOnly) {
    QImage target = testpictures::solid(30, 30, Qt::white);
    QPainter painter(&target);
    painter.setClipRect(QRect(5, 5, 10, 10));
    {
        CMyMemDC buffer(painter);
        EXPECT_EQ(buffer.area(), QRect(5, 5, 10, 10));
        buffer.painter().fillRect(QRect(0, 0, 30, 30), Qt::black);
    }
    painter.end();
    EXPECT_EQ(QColor(target.pixel(6, 6)), QColor(Qt::black));
    EXPECT_EQ(QColor(target.pixel(20, 20)), QColor(Qt::white));
}
