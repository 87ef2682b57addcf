// Small pictures the widget tests draw and save in a temporary folder.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include "ScratchFolder.h"

namespace testpictures {

// A picture of one colour.
QImage solid(int width, int height, const QColor &color);

// A picture whose pixel (x, y) is (x, y, 77): its colour tells where it came from.
QImage coordinates(int width, int height);

// Saves the picture in the folder under `name` (format from the extension).
QString save(const ScratchFolder &folder, const QString &name, const QImage &picture);

// The colour at (x, y) of a rendered widget.
QColor pixelOf(const QImage &rendered, int x, int y);

}  // namespace testpictures
