// Loading the skin's pictures. The windows cannot be drawn without them, so a
// picture that cannot be loaded ends the process: one line on stderr names the
// file, and the exit code says the start failed.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

namespace skin {

inline constexpr int kMissingPictureExitCode = 1;

// Decodes a picture file (JPEG, BMP, PNG, ...); a null image when the file is
// missing, short or not a picture.
QImage loadSkinPicture(const QString &file);

// Writes "varnel: cannot load skin picture <file>" on stderr and ends the process
// at once with kMissingPictureExitCode.
[[noreturn]] void exitForMissingPicture(const QString &file);

// Loads a picture or ends the process as above.
QImage loadSkinPictureOrExit(const QString &file);

// Loads every picture of a set before any is used, ending the process at the first
// one that cannot be loaded. Names are relative to `folder`.
std::vector<QImage> loadPictureSetOrExit(const QString &folder, const QStringList &names);

// The picture in the pixel format the raster painter draws without converting:
// a 24-bit BMP drawn as it loads is converted whole on every paint, however
// small the repainted part.
QImage paintReady(const QImage &picture);

// `folder` + "/" + `name`, with Windows separators in `name` turned into '/'.
QString skinFilePath(const QString &folder, const QString &name);

}  // namespace skin
