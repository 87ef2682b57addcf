#include "ui/widgets/CComboBox4ListCtrl.h"

#include <QAbstractItemView>
#include <QKeyEvent>

CComboBox4ListCtrl::CComboBox4ListCtrl(int row, int column, const QStringList &choices, int current,
                                       QWidget *parent)
    : QComboBox(parent), row_(row), column_(column) {
    addItems(choices);
    setCurrentIndex(current);
    setMaxVisibleItems(12);
    connect(this, &QComboBox::activated, this, [this] { finish(true); });
}

void CComboBox4ListCtrl::finish(bool keep) {
    if (ended_) return;
    ended_ = true;
    emit editEnded(row_, column_, keep ? currentIndex() : -1);
}

void CComboBox4ListCtrl::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape) {
        finish(false);
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        finish(true);
        return;
    }
    QComboBox::keyPressEvent(event);
}

void CComboBox4ListCtrl::focusOutEvent(QFocusEvent *event) {
    QComboBox::focusOutEvent(event);
    // The drop-down takes the focus while open; only leaving the control ends the edit.
    if (!view()->isVisible()) finish(true);
}
