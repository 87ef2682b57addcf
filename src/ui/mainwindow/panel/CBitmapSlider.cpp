#include "ui/mainwindow/panel/CBitmapSlider.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/skin/CBaseDialog.h"
#include "ui/skin/SliderMessage.h"

namespace {
constexpr int kThumbWidth = 8;
}  // namespace

CBitmapSlider::CBitmapSlider(int controlId, CBaseDialog &window, QWidget *parent)
    : QWidget(parent), controlId_(controlId), window_(window) {
    setFocusPolicy(Qt::ClickFocus);
    setCursor(Qt::PointingHandCursor);
}

void CBitmapSlider::setRange(int minimum, int maximum) {
    minimum_ = std::min(minimum, maximum);
    maximum_ = std::max(minimum, maximum);
    position_ = std::clamp(position_, minimum_, maximum_);
    update();
}

void CBitmapSlider::setMargin(int pixels) {
    margin_ = std::max(0, pixels);
    update();
}

void CBitmapSlider::setPosition(int position) {
    position_ = std::clamp(position, minimum_, maximum_);
    update();
}

void CBitmapSlider::setBitmap(const QPixmap &picture) {
    bitmap_ = picture;
    update();
}

int CBitmapSlider::positionAt(int x) const {
    const int track = width() - 2 * margin_;
    if (track <= 0 || maximum_ == minimum_) return minimum_;
    const double fraction = double(x - margin_) / track;
    const int steps = maximum_ - minimum_;
    return std::clamp(minimum_ + int(std::lround(fraction * steps)), minimum_, maximum_);
}

void CBitmapSlider::moveByUser(int position) {
    position = std::clamp(position, minimum_, maximum_);
    if (position == position_) return;
    position_ = position;
    update();
    window_.handleMessage(skin::kSliderMovedMessage, std::uint64_t(controlId_), position);
}

void CBitmapSlider::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    dragging_ = true;
    moveByUser(positionAt(event->position().toPoint().x()));
}

void CBitmapSlider::mouseMoveEvent(QMouseEvent *event) {
    if (dragging_) moveByUser(positionAt(event->position().toPoint().x()));
}

void CBitmapSlider::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton) dragging_ = false;
}

void CBitmapSlider::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Down:
            return moveByUser(position_ - 1);
        case Qt::Key_Right:
        case Qt::Key_Up:
            return moveByUser(position_ + 1);
        default:
            QWidget::keyPressEvent(event);
    }
}

void CBitmapSlider::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    if (!bitmap_.isNull()) {
        painter.drawPixmap(0, 0, bitmap_);
        return;
    }
    drawPlainTrack(painter);
}

// Without a picture the slider still shows where it stands.
void CBitmapSlider::drawPlainTrack(QPainter &painter) const {
    const int track = std::max(0, width() - 2 * margin_);
    const int middle = height() / 2;
    painter.fillRect(margin_, middle - 1, track, 2, QColor(90, 90, 90));
    const int steps = std::max(1, maximum_ - minimum_);
    const int x = margin_ + track * (position_ - minimum_) / steps;
    painter.fillRect(x - kThumbWidth / 2, 2, kThumbWidth, height() - 4, QColor(200, 200, 200));
}
