#include "ui/widgets/CReportCtrl.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>

#include "ui/widgets/CComboBox4ListCtrl.h"
#include "ui/widgets/CEditBox.h"
#include "ui/widgets/CHeaderCtrlCl.h"

CReportCtrl::CReportCtrl(int controlId, QWidget *parent)
    : QTableWidget(parent), controlId_(controlId), header_(new CHeaderCtrlCl(this)) {
    setHorizontalHeader(header_);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(20);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    header_->setStretchLastSection(false);
    setGridStyle(Qt::SolidLine);
    connect(this, &QTableWidget::itemChanged, this, &CReportCtrl::onItemChanged);
}

void CReportCtrl::setEmptyHint(const QString &hint) {
    if (hint == emptyHint_) return;
    emptyHint_ = hint;
    viewport()->update();
}

void CReportCtrl::paintEvent(QPaintEvent *event) {
    QTableWidget::paintEvent(event);
    if (rowCount() != 0 || emptyHint_.isEmpty()) return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(viewport()->rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                     emptyHint_);
}

void CReportCtrl::setColumns(const std::vector<ReportColumn> &columns) {
    setColumnCount(static_cast<int>(columns.size()));
    for (int c = 0; c < columnCount(); ++c) {
        setColumnTitle(c, columns[static_cast<std::size_t>(c)].title);
        setColumnWidth(c, columns[static_cast<std::size_t>(c)].width);
    }
}

void CReportCtrl::setColumnTitle(int column, const QString &title) {
    auto *item = horizontalHeaderItem(column);
    if (!item) {
        item = new QTableWidgetItem;
        setHorizontalHeaderItem(column, item);
    }
    item->setText(title);
    item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void CReportCtrl::setCheckBoxes(bool on, bool singleChoice) {
    checkBoxes_ = on;
    singleChoice_ = singleChoice;
}

int CReportCtrl::insertItem(int row, const QStringList &texts) {
    row = std::clamp(row, 0, rowCount());
    const QSignalBlocker quiet(this);
    insertRow(row);
    for (int c = 0; c < columnCount(); ++c) {
        auto *item = new QTableWidgetItem(c < texts.size() ? texts[c] : QString());
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        if (c == 0 && checkBoxes_) {
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
        }
        setItem(row, c, item);
    }
    return row;
}

bool CReportCtrl::deleteItem(int row) {
    if (row < 0 || row >= rowCount()) return false;
    if (activeEditor_) closeEditor();
    removeRow(row);
    return true;
}

void CReportCtrl::deleteAllItems() {
    if (activeEditor_) closeEditor();
    setRowCount(0);
}

QString CReportCtrl::itemText(int row, int column) const {
    const auto *cell = item(row, column);
    return cell ? cell->text() : QString();
}

void CReportCtrl::setItemText(int row, int column, const QString &text) {
    if (auto *cell = item(row, column)) {
        const QSignalBlocker quiet(this);
        cell->setText(text);
    }
}

void CReportCtrl::setRowTextColour(int row, const QColor &colour) {
    const QSignalBlocker quiet(this);
    for (int c = 0; c < columnCount(); ++c) {
        if (auto *cell = item(row, c)) cell->setForeground(colour);
    }
}

void CReportCtrl::setRowToolTip(int row, const QString &tip) {
    const QSignalBlocker quiet(this);
    for (int c = 0; c < columnCount(); ++c) {
        if (auto *cell = item(row, c)) cell->setToolTip(tip);
    }
}

QColor CReportCtrl::rowTextColour(int row) const {
    const auto *cell = item(row, 0);
    return cell ? cell->foreground().color() : QColor();
}

int CReportCtrl::selectedRow() const {
    const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
    return ranges.isEmpty() ? -1 : ranges.first().topRow();
}

void CReportCtrl::selectRowVisible(int row) {
    if (row < 0 || row >= rowCount()) {
        clearSelection();
        return;
    }
    selectRow(row);
    scrollToItem(item(row, 0), QAbstractItemView::EnsureVisible);
}

bool CReportCtrl::isChecked(int row) const {
    const auto *cell = item(row, 0);
    return cell && cell->checkState() == Qt::Checked;
}

void CReportCtrl::setChecked(int row, bool checked) {
    if (auto *cell = item(row, 0); cell && checkBoxes_) {
        cell->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
}

int CReportCtrl::checkedRow() const {
    for (int r = 0; r < rowCount(); ++r) {
        if (isChecked(r)) return r;
    }
    return -1;
}

void CReportCtrl::onItemChanged(QTableWidgetItem *changed) {
    if (!checkBoxes_ || changed->column() != 0 || updatingChecks_) return;
    const bool checked = changed->checkState() == Qt::Checked;
    if (checked && singleChoice_) {
        updatingChecks_ = true;
        for (int r = 0; r < rowCount(); ++r) {
            if (r != changed->row() && isChecked(r)) {
                item(r, 0)->setCheckState(Qt::Unchecked);
                emit checkChanged(r, false);
            }
        }
        updatingChecks_ = false;
    }
    emit checkChanged(changed->row(), checked);
}

CComboBox4ListCtrl *CReportCtrl::editWithList(int row, int column, const QStringList &choices,
                                              int current) {
    endEdit();
    auto *editor = new CComboBox4ListCtrl(row, column, choices, current, viewport());
    connect(editor, &CComboBox4ListCtrl::editEnded, this, [this](int r, int c, int index) {
        closeEditor();
        if (index >= 0) emit listEditEnded(r, c, index);
    });
    placeEditor(editor, row, column);
    return editor;
}

CEditBox *CReportCtrl::editWithText(int row, int column, const QString &text) {
    endEdit();
    auto *editor = new CEditBox(row, column, viewport());
    editor->setText(text);
    editor->selectAll();
    connect(editor, &CEditBox::editEnded, this,
            [this](int r, int c, const QString &typed, bool keep) {
                closeEditor();
                if (keep) emit textEditEnded(r, c, typed);
            });
    placeEditor(editor, row, column);
    return editor;
}

void CReportCtrl::endEdit() {
    if (auto *box = qobject_cast<CEditBox *>(activeEditor_.data())) {
        box->finish(true);
    } else if (auto *list = qobject_cast<CComboBox4ListCtrl *>(activeEditor_.data())) {
        list->finish(true);
    }
}

void CReportCtrl::placeEditor(QWidget *editor, int row, int column) {
    activeEditor_ = editor;
    editor->setGeometry(visualRect(model()->index(row, column)));
    editor->show();
    editor->setFocus();
}

void CReportCtrl::closeEditor() {
    if (!activeEditor_) return;
    QWidget *editor = activeEditor_;
    activeEditor_ = nullptr;
    editor->hide();
    editor->deleteLater();
}
