#include "ui/widgets/CHeaderCtrlCl.h"

#include <QAbstractItemModel>
#include <QPainter>

namespace {

const QColor kBackground(0x24, 0x27, 0x2C);
const QColor kText(0xD8, 0xDC, 0xE2);
const QColor kRule(0x3A, 0x3F, 0x47);
constexpr int kHeight = 22;  // pixels

}  // namespace

CHeaderCtrlCl::CHeaderCtrlCl(QWidget *parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(false);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void CHeaderCtrlCl::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const {
    painter->save();
    painter->fillRect(rect, kBackground);
    painter->setPen(kRule);
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    painter->setPen(kText);
    const QString title =
        model() ? model()->headerData(logicalIndex, orientation()).toString() : QString();
    painter->drawText(rect.adjusted(4, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter, title);
    painter->restore();
}

QSize CHeaderCtrlCl::sizeHint() const {
    QSize size = QHeaderView::sizeHint();
    size.setHeight(kHeight);
    return size;
}
