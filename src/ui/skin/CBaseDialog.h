// The base of every skinned window: a borderless dialog drawn from a background
// picture, shaped by a mask picture, dragged by any point that is not a control,
// with its controls found and clicked by their ids.
#pragma once

#include <QDialog>
#include <QHash>
#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QRegion>
#include <QString>
#include <cstdint>
#include <string_view>
#include <utility>

#include "ui/skin/FramedButtons.h"
#include "ui/skin/StatePicture.h"

class QAbstractButton;
class CPngButton;

class CBaseDialog : public QDialog {
    Q_OBJECT

public:
    // `skinIniPath` is the window's skin file; `imageFolder` the folder its picture
    // names are relative to.
    CBaseDialog(QWidget *parent, const QString &skinIniPath, const QString &imageFolder);

    const QString &skinIniPath() const { return skinIniPath_; }
    const QString &imageFolder() const { return imageFolder_; }

    // Reads [SCREEN] "Main" and "Mask" (default: the background), loads both
    // pictures (ending the process when one cannot be loaded), sizes the window to
    // the background and shapes it from the mask. Runs on every initialisation.
    void applySkin();
    bool isApplyingSkin() const { return applyingSkin_; }
    const QImage &background() const { return background_; }
    // The shape taken from the mask; empty when the window stays rectangular.
    const QRegion &windowShape() const { return shape_; }

    // Controls by id. A registered button reports its clicks through controlClicked.
    void registerControl(int id, QWidget *control);
    QWidget *control(int id) const { return controls_.value(id, nullptr); }
    template <typename T>
    T *controlAs(int id) const {
        return qobject_cast<T *>(control(id));
    }
    // Creates an image button placed by its key of the skin's [BUTTONINFO] with
    // the five pictures, and registers it.
    CPngButton *addImageButton(int id, std::u16string_view skinKey,
                               const skin::ButtonPictures &pictures);
    // Creates and registers a button that has no place in the skin.
    CPngButton *addUnplacedButton(int id);
    // Creates a control, `args` before the parent, placed by its key of the
    // skin's [BUTTONINFO], and registers it.
    template <typename T, typename... Args>
    T *addControl(int id, std::u16string_view skinKey, Args &&...args) {
        auto *created = new T(std::forward<Args>(args)..., this);
        placeAndRegister(id, *created, skinKey);
        return created;
    }
    // The buttons in frame mode, which the window draws.
    skin::FramedButtons &framedButtons() { return framed_; }

    // Clicks a registered, enabled button as the user would; false when there is none.
    bool clickControl(int id);

    // Private window messages. The base handles the relabel message and ignores
    // every other; windows extend it. Returns whether the message was handled.
    virtual bool handleMessage(std::uint32_t message, std::uint64_t firstParameter,
                               std::int64_t secondParameter);

    // Open from the showing that initialised the window until it is done.
    bool isOpen() const { return initialised_; }
    // Closes the window as Cancel does; nothing when it is closed.
    void closeAsCancel();
    // Sets every text of the window for the language index (the main window's
    // language pass).
    void relabelFor(int languageIndex) { relabel(languageIndex); }

    void accept() override;
    void done(int result) override;

signals:
    void controlClicked(int id);

protected:
    // Called once each time the window is shown after being created or closed:
    // the window builds its controls' state here. The base applies the skin.
    virtual void onInitDialog();
    // Sets every text of the window's controls for the language index.
    virtual void relabel(int languageIndex);

    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    // Shows the tooltip of a framed button, which the window draws in its place.
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void placeAndRegister(int id, QWidget &control, std::u16string_view skinKey);
    QString screenValue(const QString &key, const QString &fallback) const;
    void applyShape();
    void releasePictures();
    // The window's own picture when this paint goes to it, at the window's own
    // place; null when the paint goes elsewhere (a grab).
    QImage *windowPicture() const;
    // Whether a paint may leave parts of the window's picture as they are and
    // write pixels into it directly: the picture of an opaque window (kept
    // between paints, not cleared before each) at the window's own scale, with
    // 32-bit pixels.
    bool takesDirectFrames(const QImage &picture) const;
    // Paints what the preview asked for when it only recoloured frames and
    // nothing else changed since the last paint; false when a full paint is due.
    bool paintRecolouredOnly(QImage &shown, const QRegion &region);
    // A digest of where the window's controls are and which of them show. A
    // control hidden or moved since the last paint leaves its old place to the
    // window, so a paint that draws only frames needs it unchanged.
    std::size_t controlsLayout() const;

    QString skinIniPath_;
    QString imageFolder_;
    QImage background_;
    QRegion shape_;
    std::size_t paintedControlsLayout_ = 0;
    bool applyingSkin_ = false;
    bool initialised_ = false;
    bool dragging_ = false;
    QPoint dragOffset_;
    QHash<int, QWidget *> controls_;
    skin::FramedButtons framed_{*this};
    QPointer<CPngButton> pressedFramed_;
};
