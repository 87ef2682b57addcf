#include "ui/skin/SkinPicture.h"

#include <QDir>
#include <QImageReader>
#include <cstdio>
#include <cstdlib>

namespace skin {

QImage loadSkinPicture(const QString &file) {
    QImageReader reader(file);
    reader.setAutoTransform(false);
    return reader.read();
}

void exitForMissingPicture(const QString &file) {
    std::fprintf(stderr, "varnel: cannot load skin picture %s\n",
                 QDir::toNativeSeparators(file).toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(kMissingPictureExitCode);
}

QImage loadSkinPictureOrExit(const QString &file) {
    QImage picture = loadSkinPicture(file);
    if (picture.isNull()) exitForMissingPicture(file);
    return picture;
}

std::vector<QImage> loadPictureSetOrExit(const QString &folder, const QStringList &names) {
    std::vector<QImage> pictures;
    pictures.reserve(static_cast<std::size_t>(names.size()));
    for (const QString &name : names) {
        pictures.push_back(loadSkinPictureOrExit(skinFilePath(folder, name)));
    }
    return pictures;
}

QImage paintReady(const QImage &picture) {
    return picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                             : QImage::Format_RGB32);
}

QString skinFilePath(const QString &folder, const QString &name) {
    QString relative = name;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (folder.isEmpty()) return relative;
    return QDir(folder).filePath(relative);
}

}  // namespace skin
