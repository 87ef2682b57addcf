#include "ui/skin/CSkinColorBtn.h"

#include <QPainter>
#include <QPolygon>

#include "ui/skin/ColorPopup.h"
#include "ui/skin/DialogServices.h"

namespace {
const QColor kDropDownFill(148, 146, 139);
const QColor kFrameShadow(160, 160, 160);
// The pop-up's entry that opens the colour dialog.
const QString kOtherText = QStringLiteral("other");
}  // namespace

CSkinColorBtn::CSkinColorBtn(int controlId, QWidget *parent)
    : QAbstractButton(parent), controlId_(controlId) {
    setAttribute(Qt::WA_Hover);
    connect(this, &QAbstractButton::clicked, this, [this] { showColorPopup(); });
}

void CSkinColorBtn::setColor(const QColor &color) {
    color_ = color;
    update();
}

void CSkinColorBtn::setAutomaticColor(const QColor &color) {
    automaticColor_ = color;
    update();
}

skin::ColorPopup *CSkinColorBtn::showColorPopup() {
    if (popup_) popup_->close();
    auto *popup = new skin::ColorPopup(color_, kOtherText, this);
    connect(popup, &skin::ColorPopup::colorPicked, this, &CSkinColorBtn::choose);
    connect(popup, &skin::ColorPopup::otherRequested, this, &CSkinColorBtn::chooseOther);
    connect(popup, &QObject::destroyed, this, [this] { update(); });
    popup->adjustSize();
    popup->move(mapToGlobal(QPoint(0, height())));
    popup->show();
    popup_ = popup;
    return popup;
}

void CSkinColorBtn::choose(const QColor &color) {
    setColor(color);
    emit colorChosen(color);
}

void CSkinColorBtn::chooseOther() {
    const QColor initial = color_.isValid() ? color_ : automaticColor_;
    const std::optional<QColor> chosen = skin::dialogServices().chooseColor(this, initial);
    if (chosen) choose(*chosen);
    update();
}

// The swatch: the client rectangle grown by one pixel, its right edge at half its
// value plus 5.
QRect CSkinColorBtn::swatchRect() const {
    const int left = -1;
    const int top = -1;
    const int right = (width() + 1) / 2 + 5;
    const int bottom = height() + 1;
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

// The drop-down part: the client rectangle grown by (1, 2), its left edge at half
// its right edge plus its left edge plus 3.
QRect CSkinColorBtn::dropDownRect() const {
    const int right = width() + 1;
    const int left = right / 2 + -1 + 3;
    return QRect(QPoint(left, -2), QPoint(right - 1, height() + 1));
}

void CSkinColorBtn::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    drawSwatch(painter);
    drawDropDown(painter);
}

void CSkinColorBtn::drawSwatch(QPainter &painter) const {
    const QRect swatch = swatchRect();
    painter.setPen(kFrameShadow);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    const QColor fill = color_.isValid() ? color_ : automaticColor_;
    if (!isEnabled() || !fill.isValid()) return;
    painter.fillRect(swatch.adjusted(1, 1, -1, -1), fill);
}

void CSkinColorBtn::drawDropDown(QPainter &painter) const {
    const QRect part = dropDownRect();
    painter.setPen(kDropDownFill);
    painter.setBrush(kDropDownFill);
    painter.drawRect(part.adjusted(0, 0, -1, -1));
    // The arrow: corners (right - 11, h/2 - 2), (right - 5, h/2 - 2), (right - 8, h/2 + 1)
    // of the client rectangle grown by one pixel.
    const int right = width() + 1;
    const int half = (height() + 2) / 2;
    const QPolygon arrow(
        {QPoint(right - 11, half - 2), QPoint(right - 5, half - 2), QPoint(right - 8, half + 1)});
    painter.setPen(Qt::black);
    painter.setBrush(Qt::black);
    painter.drawPolygon(arrow);
}

void CSkinColorBtn::enterEvent(QEnterEvent *event) {
    update();
    QAbstractButton::enterEvent(event);
}

void CSkinColorBtn::leaveEvent(QEvent *event) {
    update();
    QAbstractButton::leaveEvent(event);
}

void CSkinColorBtn::focusOutEvent(QFocusEvent *event) {
    setDown(false);
    repaint();
    QAbstractButton::focusOutEvent(event);
}
