// The in-place drop-down list of a list cell: choosing an item ends the edit
// with that item, Escape ends it without a choice.
#pragma once

#include <QComboBox>
#include <QStringList>

class CComboBox4ListCtrl : public QComboBox {
    Q_OBJECT

public:
    CComboBox4ListCtrl(int row, int column, const QStringList &choices, int current,
                       QWidget *parent = nullptr);

    int row() const { return row_; }
    int column() const { return column_; }
    // Ends the edit with the shown item (keep) or without a choice.
    void finish(bool keep);

signals:
    // Sent once per edit; index -1 when nothing was chosen.
    void editEnded(int row, int column, int index);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    int row_;
    int column_;
    bool ended_ = false;
};
