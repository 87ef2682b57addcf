// The in-place edit box of a list cell: Enter or leaving the box ends the edit
// and keeps the text, Escape ends it and drops the text.
#pragma once

#include <QLineEdit>

class CEditBox : public QLineEdit {
    Q_OBJECT

public:
    CEditBox(int row, int column, QWidget *parent = nullptr);

    int row() const { return row_; }
    int column() const { return column_; }
    // Ends the edit as Enter does; nothing when it has ended already.
    void finish(bool keep);

signals:
    // Sent once per edit.
    void editEnded(int row, int column, const QString &text, bool keep);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    int row_;
    int column_;
    bool ended_ = false;
};
