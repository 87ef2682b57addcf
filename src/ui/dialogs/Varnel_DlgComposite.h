// The composite assignment dialog: what one key does. Four pages chosen by tab
// buttons (single key, macro, multimedia, function), a Clear button, the
// on-screen keyboard button, and Apply, OK and Cancel. The macro page edits a
// private copy of the macro list that is committed with the key's assignment.
#pragma once

#include <QRect>
#include <filesystem>
#include <functional>
#include <memory>

#include "ui/skin/CBaseDialog.h"

namespace app {
class AppSettings;
}
namespace model {
class ProfileStore;
class KeyAssignmentModel;
}  // namespace model

namespace dialogs {

class MainWindowAccess;
class CompositePages;
struct CompositeControls;

struct CompositeContext {
    std::filesystem::path skinFile;    // "Composite.ini"
    std::filesystem::path skinFolder;  // folder of its pictures and the image sets
    model::ProfileStore &working;
    model::KeyAssignmentModel &keys;
    app::AppSettings &settings;  // the record-delays setting
    MainWindowAccess &window;
    // Starts the desktop's on-screen keyboard; false when none is installed.
    // Defaults to the real one.
    std::function<bool()> startOnScreenKeyboard;
};

class Varnel_DlgComposite : public CBaseDialog {
    Q_OBJECT

public:
    static constexpr int kMacroOnlyButton = 1143;

    Varnel_DlgComposite(QWidget *parent, CompositeContext context);
    ~Varnel_DlgComposite() override;

    // Opens the dialog modally for a record of the current profile, placed beside
    // the clicked button (its rectangle in screen coordinates); returns the dialog
    // result when it closes.
    int openForRecord(int recordIndex, int controlId, QRect clickedButton);
    // Opens without waiting (the main loop keeps running); tests drive the
    // dialog this way. Closed by OK, Cancel or closeAsCancel.
    void openModeless(int recordIndex, int controlId, QRect clickedButton);

    // 1 while open, 0 when closed.
    int openCount() const { return isOpen() ? 1 : 0; }

    // The page logic, for the window's own use and for tests.
    CompositePages &pages() { return *pages_; }

protected:
    void onInitDialog() override;
    void relabel(int languageIndex) override;
    void keyPressEvent(QKeyEvent *event) override;
    void done(int result) override;

private:
    void prepareOpen(int recordIndex, int controlId, QRect clickedButton);
    void placeBesideButton();
    void onCommand(int controlId);

    CompositeContext context_;
    std::unique_ptr<CompositeControls> controls_;
    std::unique_ptr<CompositePages> pages_;
    int targetIndex_ = 0;
    int targetButton_ = 0;
    QRect clickedButton_;
};

}  // namespace dialogs
