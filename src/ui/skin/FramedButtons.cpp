#include "ui/skin/FramedButtons.h"

#include <QPainter>
#include <QRegion>
#include <utility>

#include "ui/skin/CPngButton.h"

namespace skin {

void FramedButtons::setFramed(CPngButton &button, bool framed) {
    const bool listed = isFramed(button);
    if (framed && !listed) {
        buttons_.append(&button);
        button.hide();
    } else if (!framed && listed) {
        buttons_.removeAll(&button);
        button.show();
    }
    repaintLater(button.geometry());
}

void FramedButtons::repaintLater(const QRect &place) {
    // A tick reframes up to a hundred keys: their places, one by one, would make a
    // region of hundreds of rectangles, and clipping every fill and copy of the
    // repaint against it costs more than drawing the unchanged pixels between
    // the keys again. They are gathered into one rectangle, asked for once.
    if (pending_.isNull()) {
        QMetaObject::invokeMethod(
            &window_, [this] { window_.update(std::exchange(pending_, QRect())); },
            Qt::QueuedConnection);
    }
    pending_ |= place;
}

bool FramedButtons::isFramed(const CPngButton &button) const {
    for (const auto &listed : buttons_)
        if (listed.data() == &button) return true;
    return false;
}

void FramedButtons::paint(QPainter &painter, const QRegion &region) const {
    for (const auto &button : buttons_) {
        if (!button || !region.intersects(button->geometry())) continue;
        const QColor colour = button->frameColor();
        for (const QRect &edge : CPngButton::frameBands(button->geometry()))
            painter.fillRect(edge, colour);
        if (!button->drawsCaption()) continue;
        painter.save();
        painter.translate(button->geometry().topLeft());
        button->paintFrameCaption(painter);
        painter.restore();
    }
}

CPngButton *FramedButtons::buttonAt(QPoint position) const {
    for (const auto &button : buttons_)
        if (button && button->geometry().contains(position)) return button.data();
    return nullptr;
}

}  // namespace skin
