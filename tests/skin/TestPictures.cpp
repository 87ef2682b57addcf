#include "TestPictures.h"

#include <QDir>

namespace testpictures {

QImage solid(int width, int height, const QColor &color) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(color);
    return picture;
}

QImage coordinates(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) picture.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, 77));
    }
    return picture;
}

QString save(const ScratchFolder &folder, const QString &name, const QImage &picture) {
    const QString file = QDir(QString::fromStdString(folder.path().string())).filePath(name);
    picture.save(file);
    return file;
}

QColor pixelOf(const QImage &rendered, int x, int y) {
    return QColor(rendered.pixel(x, y));
}

}  // namespace testpictures
