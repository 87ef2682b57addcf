// The fixed pictures of the main window: its state pictures, a second rendering
// of the normal one (the layout switch's plate while Flip is on), the arrows of
// the layout switch and the two colour pictures of the lighting panel.
#pragma once

#include <QSize>
#include <QString>

#include "ui/skin/StatePicture.h"

namespace mainwindow {

struct MainPictures {
    skin::StatePicture normal, over, down, disable, colour0, colour1;
    skin::StatePicture normalSecond;
    skin::StatePicture arrow;
};

// The five looks of the window's buttons and keys: normal (also disabled),
// over, down, and the disable picture for the selected look.
inline skin::ButtonPictures buttonPicturesOf(const MainPictures &pictures) {
    return {pictures.normal, pictures.over, pictures.down, pictures.normal, pictures.disable};
}

// Loads the pictures from the skin folder and renders them for a window of
// `clientSize`. A picture that cannot be loaded ends the process, naming it.
// Each file is decoded once, the files in parallel.
MainPictures loadMainPictures(const QString &skinFolder, QSize clientSize);

}  // namespace mainwindow
