// The dialogs in-process on the offscreen platform with the generated skin and
// the language file beside the test executables. The main window is stood in
// for by a recorder of what the dialogs ask of it; the working store, the key
// assignment model and the settings store are the real ones, in a fresh folder.
#pragma once

#include <gtest/gtest.h>

#include <QObject>
#include <QRect>
#include <QString>
#include <deque>
#include <filesystem>
#include <memory>
#include <vector>

#include "model/KeyAssignmentModel.h"
#include "model/KeyButtonObserver.h"
#include "model/ProfileStore.h"
#include "platform/Registry.h"
#include "settings/AppSettings.h"
#include "ui/dialogs/MainWindowAccess.h"
#include "ui/skin/DialogServices.h"

class QWidget;

namespace dialogtest {

// What the dialogs asked of the main window.
class RecordingWindow : public dialogs::MainWindowAccess, public model::KeyButtonObserver {
public:
    int currentProfile() override { return profile; }
    int switchProfile(int newProfile) override;
    void reloadFromKeyboard() override { ++reloads; }
    void refreshProfileLabel() override { ++labelRefreshes; }
    void markApplyPending() override { applyPending = true; }
    void clearApplyPending() override { applyPending = false; }
    void showButtonHint(int controlId, const model::ButtonHint &hint) override;
    void restoreButtonLook(int controlId) override { restoredButtons.push_back(controlId); }
    void openHelp() override { ++helpOpened; }
    int languageIndex() const override { return 0; }

    int profile = 0;
    std::vector<int> switches;
    int reloads = 0;
    int labelRefreshes = 0;
    bool applyPending = false;
    std::vector<std::pair<int, model::ButtonHint>> hints;
    std::vector<int> restoredButtons;
    int helpOpened = 0;
};

// Answers message boxes from a queue (then No) and file dialogs with a name.
class ScriptedAnswers : public skin::DialogServices {
public:
    ScriptedAnswers() { skin::setDialogServices(this); }
    ~ScriptedAnswers() override { skin::setDialogServices(nullptr); }
    skin::MessageAnswer showMessage(QWidget *, const QString &text, const QString &,
                                    skin::MessageButtons) override;
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override {
        return fileName;
    }
    QString saveFileName(QWidget *, const QString &, const QString &folder, const QString &,
                         const QString &) override {
        offeredNames.push_back(folder);
        return fileName;
    }
    std::optional<QColor> chooseColor(QWidget *, const QColor &) override { return std::nullopt; }

    std::deque<skin::MessageAnswer> answers;
    std::vector<QString> messages;
    std::vector<QString> offeredNames;
    QString fileName;
};

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::filesystem::path binFolder() const;
    std::filesystem::path skinFolder() const { return binFolder() / "Skins"; }
    const std::filesystem::path &scratch() const { return scratch_; }
    // A language text as the dialogs show it.
    static QString text(const char *key);
    // Where review pictures of the dialogs go.
    std::filesystem::path screenshotFolder() const;

    model::KeyAssignment record(int profile, int index) const;
    void setRecord(int profile, int index, model::KeyAssignment assignment);
    // A committed macro in the working store.
    void addStoreMacro(std::uint16_t id, const char16_t *name);

    std::filesystem::path scratch_;
    RecordingWindow window;
    ScriptedAnswers answers;
    model::ProfileStore store;
    std::unique_ptr<platform::Registry> registry;
    std::unique_ptr<app::AppSettings> settings;
    std::unique_ptr<model::KeyAssignmentModel> keys;
};

}  // namespace dialogtest

namespace dialogs {
class Varnel_DlgComposite;
}

namespace dialogtest {

// Counts the key events that reach a widget (passed on by the window).
class KeyProbe : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override;
    int widgetKeyEvents = 0;
};

class CompositeTest : public DialogTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens the dialog on a record of the current profile for a button.
    dialogs::Varnel_DlgComposite &open(int recordIndex, int controlId,
                                       QRect button = QRect(100, 100, 40, 40));
    // A key event as the windowing system delivers it: the X key code is the
    // evdev code + 8. Returns whether the dialog's input filter swallowed it.
    bool sendKey(bool press, int evdev, const QString &text = {}, bool autoRepeat = false);
    void click(int controlId);

    std::unique_ptr<dialogs::Varnel_DlgComposite> dialog;
    int onScreenKeyboardStarts = 0;
    bool onScreenKeyboardInstalled = true;

private:
    KeyProbe probe_;
};

}  // namespace dialogtest
