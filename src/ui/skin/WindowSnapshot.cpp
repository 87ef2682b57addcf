#include "ui/skin/WindowSnapshot.h"

#include <QPainter>
#include <QRegion>
#include <QWidget>
#include <QWindow>

namespace skin {
namespace {

// Skinned windows give their shape to the platform window.
QRegion shapeOf(const QWidget &window) {
    const QWindow *handle = window.windowHandle();
    return handle ? handle->mask() : QRegion();
}

}  // namespace

QImage renderWindow(QWidget &window) {
    window.ensurePolished();
    QImage image(window.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    window.render(&image);
    const QRegion shape = shapeOf(window);
    if (shape.isEmpty()) return image;
    QImage shaped(image.size(), QImage::Format_ARGB32_Premultiplied);
    shaped.fill(Qt::transparent);
    QPainter painter(&shaped);
    painter.setClipRegion(shape);
    painter.drawImage(QPoint(0, 0), image);
    return shaped;
}

bool saveWindowSnapshot(QWidget &window, const QString &pngFile) {
    return renderWindow(window).save(pngFile, "PNG");
}

}  // namespace skin
