#include "ui/widgets/CHyperLink.h"

#include <QMouseEvent>

#include "platform/Spawn.h"

namespace {

const QColor kLink(0x4A, 0x9E, 0xFF);
const QColor kVisited(0x9B, 0x7B, 0xE0);

}  // namespace

CHyperLink::CHyperLink(QWidget *parent) : QLabel(parent) {
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::PointingHandCursor);
    opener_ = [](const QString &address) {
        return platform::openWithDesktop(address.toStdString());
    };
    applyColour();
}

bool CHyperLink::follow() {
    if (address_.isEmpty() || !opener_ || !opener_(address_)) return false;
    visited_ = true;
    applyColour();
    return true;
}

void CHyperLink::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        follow();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void CHyperLink::applyColour() {
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, visited_ ? kVisited : kLink);
    setPalette(colours);
}
