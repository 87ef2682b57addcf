// The macro page of the composite dialog: a full macro editor over the
// dialog's private macro list. It shows the list in the editable macro combo,
// the current macro's steps in the step list with their in-place editors, and
// runs the recorder while the record button is down.
#pragma once

#include <QObject>
#include <QRect>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "model/MacroEditor.h"
#include "model/MacroRecorder.h"
#include "model/RecordDelaysSetting.h"

class QWidget;

namespace app {
class AppSettings;
}
namespace model {
class KeyAssignmentModel;
}

namespace dialogs {

struct CompositeControls;

struct MacroPageContext {
    model::ProfileStore &working;
    model::KeyAssignmentModel &keys;
    app::AppSettings &settings;
    std::function<int()> languageIndex;
    // The dialog's Apply becomes enabled.
    std::function<void()> markChanged;
    // The main window has changes to apply.
    std::function<void()> markMainWindowChanged;
    // Recording started or stopped: the dialog routes input to the recorder.
    std::function<void(bool recording)> recordingChanged;
};

class MacroPage : public QObject {
    Q_OBJECT

public:
    MacroPage(CompositeControls &controls, QWidget &dialog, MacroPageContext context);
    ~MacroPage() override;

    // Copies the store's macros into the private list and reads the record-delays
    // setting; the first macro is shown.
    void open();
    // Stops recording and drops the private list.
    void close();

    // Shows the macro with this id, or the first one when none has it.
    void selectMacroWithId(std::uint32_t id);
    void selectFirst();

    bool isEmpty() const { return editor_.count() == 0; }
    // Id and cycles of the selected macro; 0 when none.
    std::uint16_t selectedId() const;
    std::uint8_t cycles() const;
    const model::MacroEditor &editor() const { return editor_; }

    // Writes the private list to the working store (false when memory ran out).
    bool commit();

    bool recording() const { return recorder_.recording(); }
    void startRecording();
    void stopRecording();
    model::MacroRecorder &recorder() { return recorder_; }
    // The record button in screen coordinates, for the recorder's mouse filter.
    model::ScreenRect recordButtonOnScreen() const;

    // Ends a cell edit in progress, keeping what it holds.
    void endCellEdit();
    // Shows the step list again (after recording or a language change).
    void refreshSteps() { showSteps(); }

    // The page's commands by control id; false for ids that are not the page's.
    bool handleCommand(int controlId);

private:
    void connectControls();
    void showList();
    void showCurrent();
    void showSteps();
    void updateButtons();
    void addMacro();
    void deleteMacro();
    void macroChosen(int index);
    void nameTyped(const QString &name);
    void clearSteps();
    void stepCommand(int controlId);
    void cellClicked(int row, int column);
    void listEditEnded(int row, int column, int index);
    void waitEditEnded(int row, const QString &text);
    void cyclesTyped(const QString &text);
    void recordDelaysToggled(bool on);
    void showMessage(const model::UserMessage &message);

    CompositeControls &controls_;
    QWidget &dialog_;
    MacroPageContext context_;
    model::RecordDelaysSetting recordDelaysSetting_;
    model::MacroEditor editor_;
    model::MacroRecorder recorder_;
    bool recordDelays_ = true;
};

// The cycles text as the edit keeps it: 1..255, smaller values "1", larger "255".
QString clampedCyclesText(const QString &typed);

}  // namespace dialogs
