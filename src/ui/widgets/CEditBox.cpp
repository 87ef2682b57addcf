#include "ui/widgets/CEditBox.h"

#include <QKeyEvent>

CEditBox::CEditBox(int row, int column, QWidget *parent)
    : QLineEdit(parent), row_(row), column_(column) {
    setFrame(false);
}

void CEditBox::finish(bool keep) {
    if (ended_) return;
    ended_ = true;
    emit editEnded(row_, column_, text(), keep);
}

void CEditBox::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        finish(true);
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        finish(false);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CEditBox::focusOutEvent(QFocusEvent *event) {
    QLineEdit::focusOutEvent(event);
    finish(true);
}
