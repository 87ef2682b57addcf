// State pictures: one whole-window skin picture rendered once into an off-screen
// pixmap and shared by every button of the window. A button shows the part of it
// under its own rectangle, so buttons never decode pictures.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace skin {

using StatePicture = std::shared_ptr<const QPixmap>;

// The five pictures of an image button.
struct ButtonPictures {
    StatePicture normal;
    StatePicture over;
    StatePicture down;
    StatePicture disabled;
    StatePicture selected;

    // The same picture for all five states.
    static ButtonPictures single(const StatePicture &picture) {
        return {picture, picture, picture, picture, picture};
    }
};

// Renders a picture for a window whose client area is `clientSize`: the buffer is
// the client area enlarged by 100 pixels each way (and never smaller than the
// picture, so no part of the picture is cut), the picture drawn at (0, 0) at its
// own scale over black.
StatePicture renderStatePicture(const QImage &picture, QSize clientSize);

// A window's set of state pictures, rendered the first time the window asks and
// kept until the process ends.
class StatePictureSet {
public:
    // Loads every named picture (ending the process if one cannot be loaded) and
    // renders them, once; later calls return the same pictures.
    const std::vector<StatePicture> &ensureRendered(const QString &folder, const QStringList &names,
                                                    QSize clientSize);
    bool isRendered() const { return rendered_; }
    const std::vector<StatePicture> &pictures() const { return pictures_; }

private:
    bool rendered_ = false;
    std::vector<StatePicture> pictures_;
};

// The button pictures of a small dialog, "<prefix>_normal.jpg", "_over.jpg" and
// "_down.jpg", rendered into `set` once: normal (also the selected state), over,
// and down (also the disabled look).
ButtonPictures smallDialogButtonPictures(StatePictureSet &set, const QString &folder,
                                         const QString &prefix, QSize clientSize);

}  // namespace skin
