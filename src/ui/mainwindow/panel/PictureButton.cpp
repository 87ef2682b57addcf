#include "ui/mainwindow/panel/PictureButton.h"

#include <QPainter>

namespace panel {

PictureButton::PictureButton(int controlId, QWidget *parent)
    : QAbstractButton(parent), controlId_(controlId) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::showPicture(const QString &name, const QPixmap &picture) {
    if (name == pictureName_ && picture.cacheKey() == picture_.cacheKey()) return;
    pictureName_ = name;
    picture_ = picture;
    update();
}

void PictureButton::paintEvent(QPaintEvent *) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

}  // namespace panel
