// The header of the report list: flat cells in the skin's colours, the title
// left-aligned with a small margin and a rule between the columns.
#pragma once

#include <QColor>
#include <QHeaderView>

class CHeaderCtrlCl : public QHeaderView {
    Q_OBJECT

public:
    explicit CHeaderCtrlCl(QWidget *parent = nullptr);

    void setColours(const QColor &background, const QColor &text, const QColor &rule);
    // The row height of the header in pixels.
    void setHeight(int pixels);

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
    QSize sizeHint() const override;

private:
    QColor background_{0x24, 0x27, 0x2C};
    QColor text_{0xD8, 0xDC, 0xE2};
    QColor rule_{0x3A, 0x3F, 0x47};
    int height_ = 22;
};
