// A report list: titled columns of fixed widths, full-row selection, optional
// grid lines and per-row check boxes (optionally single-choice), a text colour
// per row, and in-place editing of a cell with a drop-down list or an edit box.
#pragma once

#include <QColor>
#include <QPointer>
#include <QStringList>
#include <QTableWidget>
#include <vector>

class CHeaderCtrlCl;
class CEditBox;
class CComboBox4ListCtrl;

struct ReportColumn {
    QString title;
    int width = 60;
};

class CReportCtrl : public QTableWidget {
    Q_OBJECT

public:
    explicit CReportCtrl(int controlId, QWidget *parent = nullptr);

    int controlId() const { return controlId_; }
    CHeaderCtrlCl &header() const { return *header_; }

    void setColumns(const std::vector<ReportColumn> &columns);
    void setColumnTitle(int column, const QString &title);
    void setGridLines(bool on) { setShowGrid(on); }
    // Check boxes in the first column; single choice clears every other tick
    // when a row is ticked.
    void setCheckBoxes(bool on, bool singleChoice);

    // A line shown in the middle of the list while it has no rows.
    void setEmptyHint(const QString &hint);
    const QString &emptyHint() const { return emptyHint_; }

    // Rows. Texts beyond the column count are ignored; returns the new row.
    int insertItem(int row, const QStringList &texts);
    int appendItem(const QStringList &texts) { return insertItem(rowCount(), texts); }
    bool deleteItem(int row);
    void deleteAllItems();
    QString itemText(int row, int column) const;
    void setItemText(int row, int column, const QString &text);
    void setRowTextColour(int row, const QColor &colour);
    // The tooltip of every cell of the row.
    void setRowToolTip(int row, const QString &tip);
    QColor rowTextColour(int row) const;

    // The selected row, -1 when none; selecting -1 clears the selection.
    int selectedRow() const;
    void selectRowVisible(int row);

    bool isChecked(int row) const;
    void setChecked(int row, bool checked);
    // The first ticked row, -1 when none.
    int checkedRow() const;

    // In-place editors over a cell; a new one ends the one in progress.
    CComboBox4ListCtrl *editWithList(int row, int column, const QStringList &choices, int current);
    CEditBox *editWithText(int row, int column, const QString &text);
    bool isEditing() const { return activeEditor_ != nullptr; }
    QWidget *activeEditor() const { return activeEditor_; }
    // Ends the edit in progress, keeping what it holds.
    void endEdit();

signals:
    // Every change of a row's tick, by the user or by the program.
    void checkChanged(int row, bool checked);
    void listEditEnded(int row, int column, int index);
    void textEditEnded(int row, int column, const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void onItemChanged(QTableWidgetItem *item);
    void placeEditor(QWidget *editor, int row, int column);
    void closeEditor();

    int controlId_;
    CHeaderCtrlCl *header_;
    bool checkBoxes_ = false;
    bool singleChoice_ = false;
    bool updatingChecks_ = false;
    QPointer<QWidget> activeEditor_;
    QString emptyHint_;
};
