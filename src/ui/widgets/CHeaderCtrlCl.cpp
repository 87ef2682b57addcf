#include "ui/widgets/CHeaderCtrlCl.h"

#include <QAbstractItemModel>
#include <QPainter>

CHeaderCtrlCl::CHeaderCtrlCl(QWidget *parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(false);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void CHeaderCtrlCl::setColours(const QColor &background, const QColor &text, const QColor &rule) {
    background_ = background;
    text_ = text;
    rule_ = rule;
    viewport()->update();
}

void CHeaderCtrlCl::setHeight(int pixels) {
    height_ = pixels;
    updateGeometry();
}

void CHeaderCtrlCl::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const {
    painter->save();
    painter->fillRect(rect, background_);
    painter->setPen(rule_);
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    painter->setPen(text_);
    const QString title =
        model() ? model()->headerData(logicalIndex, orientation()).toString() : QString();
    painter->drawText(rect.adjusted(4, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter, title);
    painter->restore();
}

QSize CHeaderCtrlCl::sizeHint() const {
    QSize size = QHeaderView::sizeHint();
    size.setHeight(height_);
    return size;
}
