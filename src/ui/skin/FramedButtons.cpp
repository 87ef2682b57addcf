#include "ui/skin/FramedButtons.h"

#include <QPainter>
#include <QRegion>
#include <algorithm>
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

namespace {

// Whether `place` continues `run`: the same height on the same line, and no
// more between them than half a key, where no other control fits.
bool continuesRun(const QRect &run, const QRect &place) {
    if (run.top() != place.top() || run.bottom() != place.bottom()) return false;
    const int gap = std::max(place.left() - run.right(), run.left() - place.right()) - 1;
    return gap <= place.width() / 2;
}

}  // namespace

void FramedButtons::repaintLater(const QRect &place) {
    // A tick reframes up to a hundred keys: their places, one by one, would make a
    // region of a hundred rectangles, and clipping every fill and copy of the
    // repaint against it costs more than the pixels. Until the event loop runs
    // again, neighbouring keys of a line are gathered into one rectangle (the
    // background between them is drawn again unchanged), and all are asked for
    // at once.
    if (pendingRuns_.isEmpty()) {
        QMetaObject::invokeMethod(
            &window_, [this] { repaintPending(); }, Qt::QueuedConnection);
    }
    for (QRect &run : pendingRuns_) {
        if (continuesRun(run, place)) {
            run |= place;
            return;
        }
    }
    pendingRuns_.append(place);
}

void FramedButtons::repaintPending() {
    QRegion runs;
    for (const QRect &run : std::exchange(pendingRuns_, {})) runs += run;
    window_.update(runs);
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
