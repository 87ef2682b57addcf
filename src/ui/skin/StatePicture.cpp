#include "ui/skin/StatePicture.h"

#include <QPainter>
#include <algorithm>

#include "ui/skin/SkinPicture.h"

namespace skin {

namespace {
constexpr int kStatePictureMargin = 100;
}

StatePicture renderStatePicture(const QImage &picture, QSize clientSize) {
    const QSize size(std::max(clientSize.width() + kStatePictureMargin, picture.width()),
                     std::max(clientSize.height() + kStatePictureMargin, picture.height()));
    auto buffer = std::make_shared<QPixmap>(size);
    buffer->fill(Qt::black);
    QPainter painter(buffer.get());
    painter.drawImage(QPoint(0, 0), picture);
    painter.end();
    return buffer;
}

const std::vector<StatePicture> &StatePictureSet::ensureRendered(const QString &folder,
                                                                 const QStringList &names,
                                                                 QSize clientSize) {
    if (rendered_) return pictures_;
    const std::vector<QImage> loaded = loadPictureSetOrExit(folder, names);
    pictures_.clear();
    for (const QImage &picture : loaded) {
        pictures_.push_back(renderStatePicture(picture, clientSize));
    }
    rendered_ = true;
    return pictures_;
}

ButtonPictures smallDialogButtonPictures(StatePictureSet &set, const QString &folder,
                                         const QString &prefix, QSize clientSize) {
    const auto &p = set.ensureRendered(
        folder, {prefix + "_normal.jpg", prefix + "_over.jpg", prefix + "_down.jpg"}, clientSize);
    return {p[0], p[1], p[2], p[2], p[0]};
}

}  // namespace skin
