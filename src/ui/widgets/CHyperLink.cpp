#include "ui/widgets/CHyperLink.h"

#include <QMouseEvent>

#include "platform/Spawn.h"

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

void CHyperLink::setLinkColours(const QColor &link, const QColor &visited) {
    link_ = link;
    visitedColour_ = visited;
    applyColour();
}

bool CHyperLink::follow() {
    if (address_.isEmpty() || !opener_ || !opener_(address_)) return false;
    visited_ = true;
    applyColour();
    emit followed(address_);
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
    colours.setColor(QPalette::WindowText, visited_ ? visitedColour_ : link_);
    setPalette(colours);
}
