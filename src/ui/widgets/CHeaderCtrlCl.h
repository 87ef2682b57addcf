// The header of the report list: flat cells in the skin's colours, the title
// left-aligned with a small margin and a rule between the columns.
#pragma once

#include <QHeaderView>

class CHeaderCtrlCl : public QHeaderView {
    Q_OBJECT

public:
    explicit CHeaderCtrlCl(QWidget *parent = nullptr);

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
    QSize sizeHint() const override;
};
