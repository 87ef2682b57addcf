// A static picture of the lighting panel that reports clicks: it shows one
// bitmap at a time, named so the panel (and its tests) can tell which.
#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <QString>

namespace panel {

class PictureButton : public QAbstractButton {
    Q_OBJECT

public:
    PictureButton(int controlId, QWidget *parent);

    int controlId() const { return controlId_; }
    // Shows the bitmap; an empty pixmap leaves the picture empty.
    void showPicture(const QString &name, const QPixmap &picture);
    const QString &pictureName() const { return pictureName_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int controlId_;
    QString pictureName_;
    QPixmap picture_;
};

}  // namespace panel
