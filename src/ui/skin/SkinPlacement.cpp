#include "ui/skin/SkinPlacement.h"

#include <QWidget>
#include <algorithm>

#include "ui/skin/CPngButton.h"
#include "ui/skin/SkinPath.h"

namespace skin {
namespace {

SkinRect readRect(const QString &iniPath, std::u16string_view section, std::u16string_view key) {
    return readSkinRect(toPath(iniPath), section, key);
}

void setGeometryOf(QWidget &control, const SkinRect &rect) {
    control.setGeometry(rect.x, rect.y, std::max(rect.w, 0), std::max(rect.h, 0));
}

}  // namespace

SkinRect placeImageButton(CPngButton &button, const QString &iniPath, std::u16string_view section,
                          std::u16string_view key, const ButtonPictures &pictures) {
    const SkinRect rect = readRect(iniPath, section, key);
    setGeometryOf(button, rect);
    button.setPictures(rect.x, rect.y, pictures);
    if (rect.isAtMissingKeyPosition()) button.setEnabled(false);
    return rect;
}

SkinRect placeControl(QWidget &control, const QString &iniPath, std::u16string_view section,
                      std::u16string_view key) {
    const SkinRect rect = readRect(iniPath, section, key);
    setGeometryOf(control, rect);
    return rect;
}

SkinRect moveControl(QWidget &control, const QString &iniPath, std::u16string_view section,
                     std::u16string_view key) {
    const SkinRect rect = readRect(iniPath, section, key);
    control.move(rect.x, rect.y);
    control.update();
    return rect;
}

void placeSinglePictureButton(CPngButton &button, const QString &iniPath,
                              std::u16string_view section, std::u16string_view key,
                              std::u16string_view pictureSection, std::u16string_view pictureKey,
                              const StatePicture &picture) {
    setGeometryOf(button, readRect(iniPath, section, key));
    const SkinRect source = readRect(iniPath, pictureSection, pictureKey);
    button.setPictures(source.x, source.y, ButtonPictures::single(picture));
}

}  // namespace skin
