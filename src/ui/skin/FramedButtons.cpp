#include "ui/skin/FramedButtons.h"

#include <QPainter>
#include <QRegion>

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
    window_.update(button.geometry());
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
