// In-process tests of the utility: the real main window on the offscreen
// platform, the real skin and the real libUsbgate.so with its simulated
// keyboard. Every test gets fresh per-user folders and a factory-fresh,
// plugged-in keyboard; message boxes and file dialogs are answered by the test.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ScratchFolder.h"
#include "ui/mainwindow/CVarnelDlg.h"
#include "ui/skin/DialogServices.h"
#include "usbgate/control/SimControl.h"

namespace apptest {

// Answers message boxes from a queue (then with `defaultAnswer`) and file
// dialogs with `fileName`; remembers every message shown.
class ScriptedDialogs : public skin::DialogServices {
public:
    ScriptedDialogs() { skin::setDialogServices(this); }
    ~ScriptedDialogs() override { skin::setDialogServices(nullptr); }
    skin::MessageAnswer showMessage(QWidget *, const QString &text, const QString &title,
                                    skin::MessageButtons buttons) override;
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override {
        return fileName;
    }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &,
                         const QString &) override {
        return fileName;
    }
    std::optional<QColor> chooseColor(QWidget *, const QColor &) override { return std::nullopt; }

    struct Shown {
        QString text;
        QString title;
        skin::MessageButtons buttons;
    };
    std::vector<Shown> shown;
    std::deque<skin::MessageAnswer> answers;
    skin::MessageAnswer defaultAnswer = skin::MessageAnswer::No;
    // Runs while a message is open (to test what happens meanwhile).
    std::function<void()> whileOpen;
    QString fileName;
};

// The text of a language key, as the window shows it.
QString languageText(const char *key);

class AppTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Builds the window and runs its start-up until the device-count handling
    // of the start has finished.
    CVarnelDlg &startWindow(bool startHidden = false);
    // Processes events until `done` holds or the time runs out; returns `done()`.
    static bool waitUntil(const std::function<bool()> &done, int timeoutMs = 5000);
    // Waits until every device-count handling and icon worker has finished.
    void settle();

    usbgate::SimControl &sim();
    std::vector<std::uint8_t> peek(const std::string &region, int offset, int length);
    std::filesystem::path userFolder() const;
    std::filesystem::path scratch() const { return scratch_.path(); }

    ScriptedDialogs dialogs;
    std::vector<int> endedWith;                  // exit codes the window asked for
    std::vector<std::filesystem::path> started;  // programs the window started
    std::vector<std::string> opened;             // documents and addresses opened
    std::unique_ptr<ProcessStores> stores;
    std::unique_ptr<CVarnelDlg> window;

private:
    ScratchFolder scratch_;  // this test's data and configuration folders
};

}  // namespace apptest
