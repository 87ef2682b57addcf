// Placing controls from a window's skin file: each control by its key's rectangle,
// image buttons also given their pictures.
#pragma once

#include <QString>
#include <string_view>

#include "ui/skin/StatePicture.h"
#include "ui/skin/layout/SkinRect.h"

class CPngButton;
class QWidget;

namespace skin {

// Moves and sizes the button to the key's rectangle and gives it the five pictures
// with the rectangle's position as picture offset. A button at (1, 1) (a missing
// key) is disabled. Returns the rectangle read.
SkinRect placeImageButton(CPngButton &button, const QString &iniPath, std::u16string_view section,
                          std::u16string_view key, const ButtonPictures &pictures);

// Moves and sizes a control to the key's rectangle.
SkinRect placeControl(QWidget &control, const QString &iniPath, std::u16string_view section,
                      std::u16string_view key);

// Moves a control to the key's position, keeping its current size.
SkinRect moveControl(QWidget &control, const QString &iniPath, std::u16string_view section,
                     std::u16string_view key);

// Places the button by (section, key) and gives it one picture for all five states,
// offset by the position read from (pictureSection, pictureKey).
void placeSinglePictureButton(CPngButton &button, const QString &iniPath,
                              std::u16string_view section, std::u16string_view key,
                              std::u16string_view pictureSection, std::u16string_view pictureKey,
                              const StatePicture &picture);

}  // namespace skin
