#include "ui/dialogs/MacroPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "model/DecimalText.h"
#include "model/KeyAssignmentModel.h"
#include "model/KeyConversions.h"
#include "model/MacroStepList.h"
#include "ui/dialogs/CompositeControls.h"
#include "ui/dialogs/CompositeIds.h"
#include "ui/skin/CPngButton.h"
#include "ui/skin/DialogText.h"
#include "ui/widgets/CReportCtrl.h"

namespace dialogs {

using namespace composite;

namespace {

enum StepColumn { kKeyColumn = 0, kDirectionColumn = 1, kWaitColumn = 2 };

// Loaded and recorded steps are grey; steps the user placed or changed are bright.
const QColor kLoadedRowColour(0x8A, 0x8F, 0x98);
const QColor kEditedRowColour(0xE8, 0xEC, 0xF2);

}  // namespace

QString clampedCyclesText(const QString &typed) {
    const std::int64_t value = model::parseDecimalText(typed.toStdU16String());
    if (value <= 0) return QStringLiteral("1");
    if (value >= 256) return QStringLiteral("255");
    return typed;
}

MacroPage::MacroPage(CompositeControls &controls, QWidget &dialog, MacroPageContext context)
    : controls_(controls),
      dialog_(dialog),
      context_(std::move(context)),
      recordDelaysSetting_(context_.settings, skin::textLookupFor(context_.languageIndex)),
      editor_(context_.working,
              {skin::textLookupFor(context_.languageIndex),
               [this](const model::UserMessage &message) { showMessage(message); },
               [this](const model::MacroRecord &macro) {
                   return context_.keys.confirmMacroDeletion(
                       macro, [this](std::u16string_view key) {
                           return skin::askYesNo(&dialog_, key, context_.languageIndex());
                       });
               },
               [this] { context_.markChanged(); },
               [this](std::size_t) { context_.markMainWindowChanged(); },
               [this] { context_.markMainWindowChanged(); },
               {}}),
      recorder_(editor_.steps(), [this] { return recordDelays_; }) {
    connectControls();
}

MacroPage::~MacroPage() = default;

void MacroPage::connectControls() {
    connect(controls_.macroCombo, &QComboBox::activated, this, &MacroPage::macroChosen);
    connect(controls_.macroCombo->lineEdit(), &QLineEdit::textEdited, this, &MacroPage::nameTyped);
    connect(controls_.steps, &CReportCtrl::cellClicked, this, &MacroPage::cellClicked);
    connect(controls_.steps, &CReportCtrl::listEditEnded, this, &MacroPage::listEditEnded);
    connect(controls_.steps, &CReportCtrl::textEditEnded, this,
            [this](int row, int, const QString &text) { waitEditEnded(row, text); });
    connect(controls_.steps, &CReportCtrl::itemSelectionChanged, this, [this] {
        const int row = controls_.steps->selectedRow();
        editor_.steps().select(row < 0 ? std::nullopt
                                       : std::optional<std::size_t>(static_cast<std::size_t>(row)));
    });
    connect(controls_.cycles, &QLineEdit::textEdited, this, &MacroPage::cyclesTyped);
    connect(controls_.recordDelays, &QCheckBox::clicked, this, &MacroPage::recordDelaysToggled);
}

void MacroPage::open() {
    editor_.load();
    recordDelays_ = recordDelaysSetting_.read() == 1;
    controls_.recordDelays->setChecked(recordDelays_);
    controls_.cycles->setText(QStringLiteral("1"));
    showList();
    showCurrent();
}

void MacroPage::close() {
    stopRecording();
    controls_.steps->endEdit();
    controls_.steps->deleteAllItems();
    editor_.steps().clear();
    {
        const QSignalBlocker quiet(controls_.macroCombo);
        controls_.macroCombo->clear();
    }
}

void MacroPage::selectMacroWithId(std::uint32_t id) {
    std::size_t index = 0;
    for (std::size_t i = 0; i < editor_.count(); ++i) {
        if (editor_.macroAt(i).id == id && id != 0) {
            index = i;
            break;
        }
    }
    if (editor_.count() == 0) return;
    if (editor_.current() != index) editor_.selectMacro(index);
    showList();
    showCurrent();
}

void MacroPage::selectFirst() {
    selectMacroWithId(0);
}

std::uint16_t MacroPage::selectedId() const {
    const auto current = editor_.current();
    return current ? editor_.macroAt(*current).id : 0;
}

std::uint8_t MacroPage::cycles() const {
    return static_cast<std::uint8_t>(model::parseDecimalText(editor_.cyclesText()) & 0xFF);
}

bool MacroPage::commit() {
    endCellEdit();
    stopRecording();
    return editor_.commit();
}

void MacroPage::startRecording() {
    if (recording() || !editor_.current()) return;
    endCellEdit();
    recorder_.start();
    controls_.record->setSelected(true);
    controls_.record->setText(
        skin::dialogText("MACRO_ACTION_STOP_RECORD", context_.languageIndex()));
    updateButtons();
    context_.recordingChanged(true);
}

void MacroPage::stopRecording() {
    if (!recording()) return;
    recorder_.stop();
    controls_.record->setSelected(false);
    controls_.record->setText(skin::dialogText("MACRO_ACTION_RECORD", context_.languageIndex()));
    updateButtons();
    context_.recordingChanged(false);
    showSteps();
}

model::ScreenRect MacroPage::recordButtonOnScreen() const {
    const QWidget &button = *controls_.record;
    const QPoint topLeft = button.mapToGlobal(QPoint(0, 0));
    return {topLeft.x(), topLeft.y(), topLeft.x() + button.width(), topLeft.y() + button.height()};
}

void MacroPage::endCellEdit() {
    controls_.steps->endEdit();
}

bool MacroPage::handleCommand(int controlId) {
    switch (controlId) {
        case kMacroAdd:
            addMacro();
            return true;
        case kMacroDelete:
            deleteMacro();
            return true;
        case kRecord:
            recording() ? stopRecording() : startRecording();
            return true;
        case kStepClear:
            clearSteps();
            return true;
        case kStepDelete:
        case kStepTop:
        case kStepUp:
        case kStepDown:
        case kStepBottom:
            stepCommand(controlId);
            return true;
        default:
            return false;
    }
}

void MacroPage::showList() {
    QComboBox &combo = *controls_.macroCombo;
    const QSignalBlocker quiet(&combo);
    combo.clear();
    for (std::size_t i = 0; i < editor_.count(); ++i) {
        combo.addItem(QString::fromStdU16String(std::u16string(editor_.nameAt(i))));
    }
    const auto current = editor_.current();
    combo.setCurrentIndex(current ? static_cast<int>(*current) : -1);
    if (!current) combo.setEditText(QString());
}

void MacroPage::showCurrent() {
    if (editor_.current()) {
        controls_.cycles->setText(QString::fromStdU16String(editor_.cyclesText()));
    }
    showSteps();
    updateButtons();
}

void MacroPage::showSteps() {
    CReportCtrl &list = *controls_.steps;
    const QSignalBlocker quiet(&list);
    const model::TextLookup lookup = skin::textLookupFor(context_.languageIndex);
    const auto &rows = editor_.steps().rows();
    list.setRowCount(static_cast<int>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i);
        const model::MacroAction &step = rows[i].step;
        const QStringList texts{
            QString::fromStdU16String(model::keyDisplayName(step.key, lookup)),
            QString::fromStdU16String(std::u16string(model::directionText(step.direction))),
            QString::number(step.wait)};
        for (int column = 0; column < 3; ++column) {
            auto *cell = list.item(row, column);
            if (!cell) {
                cell = new QTableWidgetItem;
                cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
                list.setItem(row, column, cell);
            }
            cell->setText(texts[column]);
        }
        list.setRowTextColour(row, rows[i].greyed ? kLoadedRowColour : kEditedRowColour);
    }
    list.setEmptyHint(
        skin::dialogText(editor_.current() ? "MACRO_NO_STEP_HINT" : "MACRO_NO_MACRO_HINT",
                         context_.languageIndex()));
    const auto selected = editor_.steps().selected();
    if (selected) {
        list.selectRowVisible(static_cast<int>(*selected));
    } else {
        list.clearSelection();
    }
}

void MacroPage::updateButtons() {
    const bool haveMacro = editor_.current().has_value();
    const bool idle = !recording();
    controls_.record->setEnabled(haveMacro);
    for (CPngButton *button : controls_.stepButtons) button->setEnabled(haveMacro);
    controls_.macroAdd->setEnabled(idle);
    controls_.macroDelete->setEnabled(idle);
    controls_.macroCombo->setEnabled(idle);
}

void MacroPage::addMacro() {
    if (!editor_.createMacro()) return;
    context_.markChanged();
    showList();
    showCurrent();
}

void MacroPage::deleteMacro() {
    if (!editor_.current()) return;
    if (!editor_.deleteCurrentMacro()) return;
    context_.markChanged();
    showList();
    showCurrent();
}

void MacroPage::macroChosen(int index) {
    if (index < 0) return;
    endCellEdit();
    editor_.selectMacro(static_cast<std::size_t>(index));
    context_.markChanged();
    showList();
    showCurrent();
}

void MacroPage::nameTyped(const QString &name) {
    const bool wasEmpty = editor_.count() == 0;
    editor_.changeName(name.toStdU16String());
    context_.markChanged();
    QComboBox &combo = *controls_.macroCombo;
    if (wasEmpty) {
        const int cursor = combo.lineEdit()->cursorPosition();
        showList();
        showCurrent();
        combo.setEditText(name);
        combo.lineEdit()->setCursorPosition(cursor);
        return;
    }
    if (const auto current = editor_.current()) {
        const QSignalBlocker quiet(&combo);
        const int cursor = combo.lineEdit()->cursorPosition();
        combo.setItemText(static_cast<int>(*current),
                          QString::fromStdU16String(std::u16string(editor_.nameAt(*current))));
        combo.setEditText(name);
        combo.lineEdit()->setCursorPosition(cursor);
    }
}

void MacroPage::clearSteps() {
    if (editor_.steps().size() == 0) return;
    if (!skin::askYesNo(&dialog_, u"MACRO_ACTION_CLEAR_CONFIRM", context_.languageIndex())) return;
    endCellEdit();
    editor_.steps().clear();
    context_.markChanged();
    showSteps();
}

void MacroPage::stepCommand(int controlId) {
    endCellEdit();
    model::MacroStepList &steps = editor_.steps();
    bool changed = false;
    switch (controlId) {
        case kStepDelete:
            changed = steps.removeSelected();
            break;
        case kStepTop:
            changed = steps.moveSelectedToTop();
            break;
        case kStepUp:
            changed = steps.moveSelectedUp();
            break;
        case kStepDown:
            changed = steps.moveSelectedDown();
            break;
        case kStepBottom:
            changed = steps.moveSelectedToBottom();
            break;
        default:
            break;
    }
    if (changed) context_.markChanged();
    showSteps();
}

void MacroPage::cellClicked(int row, int column) {
    const auto &rows = editor_.steps().rows();
    if (row < 0 || static_cast<std::size_t>(row) >= rows.size()) return;
    editor_.steps().select(static_cast<std::size_t>(row));
    const model::MacroAction &step = rows[static_cast<std::size_t>(row)].step;
    const model::TextLookup lookup = skin::textLookupFor(context_.languageIndex);
    switch (column) {
        case kKeyColumn: {
            QStringList keys;
            for (std::uint16_t i = 0; i < model::kMacroKeyChoices; ++i) {
                keys << QString::fromStdU16String(model::keyTextOfListIndex(i, lookup));
            }
            const std::uint16_t position = model::listIndexOfKeyCode(step.key);
            controls_.steps->editWithList(row, column, keys,
                                          position < model::kMacroKeyChoices ? position : -1);
            break;
        }
        case kDirectionColumn:
            controls_.steps->editWithList(row, column, {pressText(), releaseText()},
                                          step.direction == 0 ? 0 : 1);
            break;
        case kWaitColumn:
            stopRecording();
            controls_.steps->editWithText(row, column, QString::number(step.wait));
            break;
        default:
            showMessage({u"MACRO_ACTION_ERR_MODIFY", std::nullopt, false});
            break;
    }
}

void MacroPage::listEditEnded(int row, int column, int index) {
    const auto position = static_cast<std::size_t>(row);
    const bool changed =
        column == kKeyColumn
            ? editor_.steps().setKeyChoice(position, static_cast<std::size_t>(index))
            : editor_.steps().setDirection(position, static_cast<std::uint16_t>(index));
    if (changed) context_.markChanged();
    showSteps();
}

void MacroPage::waitEditEnded(int row, const QString &text) {
    const auto stored = editor_.steps().setWaitText(
        static_cast<std::size_t>(row), text.toStdU16String(),
        [this](const model::UserMessage &message) { showMessage(message); });
    if (stored) context_.markChanged();
    showSteps();
}

void MacroPage::cyclesTyped(const QString &text) {
    const QString kept = clampedCyclesText(text);
    if (kept != text) controls_.cycles->setText(kept);
    editor_.setCyclesText(kept.toStdU16String());
    context_.markChanged();
}

void MacroPage::recordDelaysToggled(bool on) {
    recordDelays_ = recordDelaysSetting_.write(on ? 1 : 0) == 1;
    context_.markChanged();
}

void MacroPage::showMessage(const model::UserMessage &message) {
    skin::messageSinkFor(&dialog_, context_.languageIndex)(message);
}

}  // namespace dialogs
