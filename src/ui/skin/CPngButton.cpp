#include "ui/skin/CPngButton.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "ui/skin/CBaseDialog.h"

namespace {
constexpr int kFramePenWidth = 2;
constexpr int kMaxFramePercentage = 100;
// Laid over a disabled button that asks for it: the window's darkest ground, mostly opaque.
const QColor kDisabledVeil(0x0f, 0x11, 0x15, 175);
}  // namespace

CPngButton::CPngButton(int controlId, QWidget *parent)
    : QAbstractButton(parent), controlId_(controlId) {
    setAttribute(Qt::WA_Hover);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

void CPngButton::setPictures(int x, int y, const skin::ButtonPictures &pictures, bool redraw) {
    offset_ = QPoint(x, y);
    setPictures(pictures, redraw);
}

void CPngButton::setPictures(const skin::ButtonPictures &pictures, bool redraw) {
    pictures_ = pictures;
    clearTransientStates();
    redrawIf(redraw);
}

void CPngButton::setCheckMode(const skin::StatePicture &off, const skin::StatePicture &on,
                              bool checkMode, bool onFlag, bool redraw) {
    checkOffPicture_ = off;
    checkOnPicture_ = on;
    checkMode_ = checkMode;
    checkOn_ = onFlag;
    clearTransientStates();
    redrawIf(redraw);
}

void CPngButton::setSelected(bool selected, bool redraw) {
    selected_ = selected;
    redrawIf(redraw);
}

void CPngButton::setCaptionStyle(const skin::CaptionStyle &style) {
    caption_ = style;
    update();
}

void CPngButton::setCaptionMargins(const skin::CaptionMargins &margins) {
    margins_ = margins;
    update();
}

void CPngButton::setRotatedCaption(int escapement, bool rotated) {
    escapement_ = escapement;
    rotated_ = rotated;
    update();
}

void CPngButton::setFrame(const QColor &color, int percentage, bool on) {
    frameColor_ = color;
    framePercentage_ = std::clamp(percentage, 0, kMaxFramePercentage);
    frameOn_ = on;
    // On a skinned window the window draws the frame, with every other framed button.
    auto *window = qobject_cast<CBaseDialog *>(parentWidget());
    if (window && !window->background().isNull()) {
        window->framedButtons().setFramed(*this, on);
        return;
    }
    update();
}

void CPngButton::setToolTipText(const QString &text, bool active) {
    if (text.isEmpty()) return;
    toolTipText_ = text;
    toolTipActive_ = active;
    applyToolTip();
}

void CPngButton::deleteToolTip() {
    setToolTip(QString());
    if (QToolTip::isVisible()) QToolTip::hideText();
}

void CPngButton::setAfterDraw(AfterDraw callback) {
    afterDraw_ = std::move(callback);
}

CPngButton::Look CPngButton::currentLook() const {
    if (!isEnabled()) return Look::Disabled;
    if (checkMode_) return checkOn_ ? Look::CheckOn : Look::CheckOff;
    if (isDown()) return Look::Down;
    if (hover_) return Look::Over;
    if (selected_) return Look::Selected;
    return Look::Normal;
}

skin::StatePicture CPngButton::pictureOf(Look look) const {
    switch (look) {
        case Look::Disabled:
            return pictures_.disabled;
        case Look::CheckOn:
            return checkOnPicture_;
        case Look::CheckOff:
            return checkOffPicture_;
        case Look::Down:
            return pictures_.down;
        case Look::Over:
            return pictures_.over;
        case Look::Selected:
            return pictures_.selected;
        case Look::Normal:
            break;
    }
    return pictures_.normal;
}

QColor CPngButton::captionColorOf(Look look) const {
    switch (look) {
        case Look::Disabled:
            return caption_.colors.disabled;
        case Look::Down:
            return caption_.colors.down;
        case Look::Over:
            return caption_.colors.over;
        case Look::Selected:
            return caption_.colors.selected;
        case Look::CheckOn:
        case Look::CheckOff:
        case Look::Normal:
            break;
    }
    return caption_.colors.normal;
}

void CPngButton::setDimmedWhenDisabled(bool dimmed) {
    dimmedWhenDisabled_ = dimmed;
    update();
}

void CPngButton::paintEvent(QPaintEvent *) {
    const Look look = currentLook();
    QPainter painter(this);
    if (frameOn_) {
        paintFrame(painter);
    } else {
        drawPicture(painter, pictureOf(look));
        if (caption_.drawCaption) drawCaption(painter, captionColorOf(look));
    }
    if (dimmedWhenDisabled_ && look == Look::Disabled) painter.fillRect(rect(), kDisabledVeil);
    painter.end();
    if (afterDraw_) afterDraw_(*this, look == Look::Normal);
}

void CPngButton::drawPicture(QPainter &painter, const skin::StatePicture &picture) const {
    if (!picture) return;
    // The skin positions are one pixel right of and below the picture part shown.
    const QRect wanted(offset_.x() - 1, offset_.y() - 1, width(), height());
    // A button at the window's edge asks for a pixel row or column before the
    // picture; that part stays undrawn instead of shifting the rest.
    const QRect source = wanted.intersected(picture->rect());
    if (source.isEmpty()) return;
    painter.drawPixmap(source.topLeft() - wanted.topLeft(), *picture, source);
}

void CPngButton::paintFrame(QPainter &painter) const {
    drawFrame(painter);
    paintFrameCaption(painter);
}

void CPngButton::paintFrameCaption(QPainter &painter) const {
    if (caption_.drawCaption) drawCaption(painter, captionColorOf(currentLook()));
}

void CPngButton::drawFrame(QPainter &painter) const {
    for (const QRect &edge : frameBands(rect())) painter.fillRect(edge, frameColor_);
}

std::array<QRect, 4> CPngButton::frameBands(const QRect &area) {
    // A band of kFramePenWidth pixels along each edge, filled rather than stroked:
    // the preview reframes a hundred keys on every tick.
    const int band = kFramePenWidth;
    const int x = area.x();
    const int y = area.y();
    const int w = area.width();
    const int h = area.height();
    return {QRect(x, y, w, band), QRect(x, y + h - band, w, band),
            QRect(x, y + band, band, h - 2 * band),
            QRect(x + w - band, y + band, band, h - 2 * band)};
}

void CPngButton::drawCaption(QPainter &painter, const QColor &color) const {
    const QRect area =
        rect().adjusted(margins_.left, margins_.top, margins_.right, margins_.bottom);
    painter.setPen(color);
    painter.setFont(skin::captionFont(caption_, rotated_));
    if (escapement_ == 0) {
        painter.drawText(area, skin::qtTextFlagsOfFormat(caption_.format), text());
        return;
    }
    // A rotated caption turns about the centre of its rectangle, centred by its extent.
    painter.save();
    painter.translate(QRectF(area).center());
    painter.rotate(-escapement_ / 10.0);
    const QRectF extent = painter.fontMetrics().boundingRect(text());
    painter.drawText(
        QRectF(-extent.width() / 2, -extent.height() / 2, extent.width(), extent.height()),
        Qt::AlignCenter, text());
    painter.restore();
}

void CPngButton::enterEvent(QEnterEvent *event) {
    hover_ = true;
    update();
    // The tooltip is set again on every hover, so a relabelled text shows at once.
    applyToolTip();
    QAbstractButton::enterEvent(event);
}

void CPngButton::leaveEvent(QEvent *event) {
    hover_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void CPngButton::mouseDoubleClickEvent(QMouseEvent *event) {
    // A double click is a second press: the user gets two clicks.
    mousePressEvent(event);
}

bool CPngButton::hitButton(const QPoint &pos) const {
    return rect().contains(pos);
}

void CPngButton::clearTransientStates() {
    hover_ = false;
    setDown(false);
}

void CPngButton::redrawIf(bool redraw) {
    if (redraw) update();
}

void CPngButton::applyToolTip() {
    setToolTip(toolTipActive_ ? toolTipText_ : QString());
}
