// Writes the whole skin: INI files, whole-window pictures, masks, panel
// bitmaps, icons and the lighting template.
#pragma once

#include <QImage>
#include <QString>

#include "SkinLayout.h"
#include "WindowPictures.h"

namespace skingen {

class SkinWriter {
public:
    SkinWriter(QString skinFolder, QString iconFolder);

    // False on the first file that cannot be written; error() names it.
    bool writeAll();
    const QString &error() const { return error_; }

private:
    bool writeMainWindow();
    bool writeCompositeDialog();
    bool writeProfileDialog();
    bool writeAboutBox();
    bool writeSmallDialog(const WindowLayout &layout, const QString &prefix);
    bool writeIcons();
    bool writeUserModeTemplate();

    bool saveImage(const QImage &image, const QString &fileName);
    bool saveText(const QString &text, const QString &fileName);
    bool fail(const QString &what);

    QString skinFolder_;
    QString iconFolder_;
    QString error_;
};

}  // namespace skingen
