#include "ui/mainwindow/MainPictures.h"

#include <QStringList>
#include <future>
#include <vector>

#include "ui/skin/SkinPicture.h"

namespace mainwindow {
namespace {

enum Picture { kNormal, kOver, kDown, kDisable, kArrow, kColour0, kColour1, kPictureCount };

const char *const kFiles[kPictureCount] = {"main_normal.jpg",  "main_over.jpg", "main_down.jpg",
                                           "main_disable.jpg", "Arrow.jpg",     "main_color0.jpg",
                                           "main_color1.jpg"};

}  // namespace

MainPictures loadMainPictures(const QString &skinFolder, QSize clientSize) {
    std::vector<std::future<QImage>> decoding;
    for (const char *name : kFiles) {
        const QString file = skin::skinFilePath(skinFolder, QLatin1String(name));
        decoding.push_back(
            std::async(std::launch::async, [file] { return skin::loadSkinPicture(file); }));
    }
    std::vector<QImage> images;
    for (int i = 0; i < kPictureCount; ++i) {
        images.push_back(decoding[static_cast<std::size_t>(i)].get());
        if (images.back().isNull()) {
            skin::exitForMissingPicture(skin::skinFilePath(skinFolder, QLatin1String(kFiles[i])));
        }
    }
    auto render = [&](Picture picture) {
        return skin::renderStatePicture(images[picture], clientSize);
    };
    return {render(kNormal),  render(kOver),    render(kDown),   render(kDisable),
            render(kColour0), render(kColour1), render(kNormal), render(kArrow)};
}

}  // namespace mainwindow
