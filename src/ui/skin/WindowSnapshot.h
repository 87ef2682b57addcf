// Renders a window to a PNG file, so its look can be reviewed without a display.
#pragma once

#include <QImage>
#include <QString>

class QWidget;

namespace skin {

// The window as drawn, with the pixels outside its shape transparent.
QImage renderWindow(QWidget &window);

// Renders the window and writes it as PNG; false when the file cannot be written.
bool saveWindowSnapshot(QWidget &window, const QString &pngFile);

}  // namespace skin
