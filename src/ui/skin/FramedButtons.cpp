#include "ui/skin/FramedButtons.h"

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <utility>

#include "ui/skin/CPngButton.h"
#include "ui/skin/FrameBandFill.h"
#include "ui/skin/RepaintRegion.h"

namespace skin {

void FramedButtons::setFramed(CPngButton &button, bool framed) {
    const bool listed = isFramed(button);
    if (framed && listed) {
        repaintLater(button.geometry(), true);
        return;
    }
    if (framed) {
        buttons_.insert(&button, &button);
        button.hide();
    } else if (listed) {
        buttons_.remove(&button);
        button.show();
    }
    repaintLater(button.geometry(), false);
}

void FramedButtons::repaintLater(const QRect &place, bool recolouredOnly) {
    if (pending_.empty()) {
        QMetaObject::invokeMethod(
            &window_, [this] { repaintPending(); }, Qt::QueuedConnection);
    }
    pending_.push_back(place);
    pendingRecolouredOnly_ = pendingRecolouredOnly_ && recolouredOnly;
}

void FramedButtons::repaintPending() {
    const QRegion region = gatheredRegion(std::exchange(pending_, {}));
    if (std::exchange(pendingRecolouredOnly_, true) && !otherAsked_) {
        recolouredRegion_ += region;
    } else {
        otherAsked_ = true;
        recolouredRegion_ = QRegion();
    }
    window_.update(region);
}

bool FramedButtons::onlyRecoloured(const QRegion &region) {
    const QRegion asked = std::exchange(recolouredRegion_, {});
    return !std::exchange(otherAsked_, false) && !asked.isEmpty() && asked == region;
}

bool FramedButtons::isFramed(const CPngButton &button) const {
    return !buttons_.value(&button).isNull();
}

void FramedButtons::paintButton(QPainter &painter, const CPngButton &button) {
    const QColor colour = button.frameColor();
    for (const QRect &edge : CPngButton::frameBands(button.geometry()))
        painter.fillRect(edge, colour);
    if (!button.drawsCaption()) return;
    painter.save();
    painter.translate(button.geometry().topLeft());
    button.paintFrameCaption(painter);
    painter.restore();
}

void FramedButtons::paint(QPainter &painter, const QRegion &region) const {
    for (const auto &button : buttons_)
        if (button && region.intersects(button->geometry())) paintButton(painter, *button);
}

bool FramedButtons::insidesKept(const QImage &kept, const QRegion &region) const {
    for (const auto &button : buttons_) {
        if (!button || !region.intersects(button->geometry())) continue;
        const QPoint inside = button->geometry().center();
        return kept.rect().contains(inside) && qAlpha(kept.pixel(inside)) == 255;
    }
    return false;
}

QList<const CPngButton *> FramedButtons::paintRecoloured(QImage &kept,
                                                         const QRegion &region) const {
    QList<const CPngButton *> whole;
    for (const auto &button : buttons_) {
        if (!button || !region.intersects(button->geometry())) continue;
        const QColor colour = button->frameColor();
        if (button->drawsCaption() || colour.alpha() != 255) {
            whole.append(button.data());
            continue;
        }
        fillFrameBands(kept, region, button->geometry(), colour.rgb());
    }
    return whole;
}

void FramedButtons::paintWhole(QPainter &painter, const CPngButton &button,
                               const QImage &background) {
    const QRect place = button.geometry();
    painter.drawImage(place.topLeft(), background, place);
    paintButton(painter, button);
}

CPngButton *FramedButtons::buttonAt(QPoint position) const {
    for (const auto &button : buttons_)
        if (button && button->geometry().contains(position)) return button.data();
    return nullptr;
}

}  // namespace skin
