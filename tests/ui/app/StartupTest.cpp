// Start-up, device presence and the version check of the running utility.
#include <QApplication>
#include <QTimer>

#include "AppTestSupport.h"
#include "devicelink/DevicePresence.h"
#include "platform/NamedEvents.h"
#include "ui/mainwindow/AboutBox.h"
#include "ui/mainwindow/CTrayIcon.h"
#include "ui/mainwindow/KeyboardView.h"
#include "ui/mainwindow/ProfileCommands.h"
#include "ui/skin/CPngButton.h"

namespace apptest {
namespace {

using devicelink::kTrayIconKeyboard;
using devicelink::kTrayIconNoKeyboard;

class StartupTest : public AppTest {
protected:
    void replug() {
        ASSERT_TRUE(sim().unplug());
        ASSERT_TRUE(waitUntil([&] { return window->presence().lastDeviceCount() == 0; }));
        settle();
        ASSERT_TRUE(sim().plug());
        ASSERT_TRUE(waitUntil([&] { return window->presence().lastDeviceCount() != 0; }));
        settle();
    }
};

TEST_F(StartupTest, KeyboardAtStartOpensTheWindowOnceWithTheTrayIconAndProfileLabel) {
    CVarnelDlg &dlg = startWindow();
    EXPECT_TRUE(waitUntil([&] { return dlg.isVisible(); }));
    EXPECT_EQ(dlg.trayIcon().iconId(), kTrayIconKeyboard);
    EXPECT_EQ(dlg.trayIcon().tip(), languageText("KEYBOARD_TRAY_DESC"));
    EXPECT_EQ(dlg.windowTitle(), languageText("MAIN_CAPTION"));
    EXPECT_EQ(dlg.controlAs<CPngButton>(1005)->text(), QStringLiteral("$Profile0"));
    EXPECT_TRUE(std::filesystem::exists(userFolder() / "$Profile0"));
    EXPECT_TRUE(dialogs.shown.empty());

    // Unplugging hides the window and closes the about box; plugging in again
    // does not reopen it.
    dlg.openAboutBox();
    ASSERT_NE(dlg.aboutBox(), nullptr);
    ASSERT_TRUE(sim().unplug());
    EXPECT_TRUE(waitUntil([&] { return !dlg.isVisible() && dlg.aboutBox() == nullptr; }));
    settle();
    EXPECT_EQ(dlg.trayIcon().iconId(), kTrayIconNoKeyboard);
    EXPECT_EQ(dlg.controlAs<CPngButton>(1005)->text(), languageText("DEFAULT_PROFILE_NAME"));
    ASSERT_TRUE(sim().plug());
    ASSERT_TRUE(waitUntil([&] { return dlg.presence().lastDeviceCount() != 0; }));
    settle();
    QApplication::processEvents();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.trayIcon().iconId(), kTrayIconKeyboard);
}

TEST_F(StartupTest, StartSwitchOrNoKeyboardKeepsTheWindowHidden) {
    CVarnelDlg &dlg = startWindow(true);
    QApplication::processEvents();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.trayIcon().iconId(), kTrayIconKeyboard);
    EXPECT_TRUE(dlg.presence().autoOpenDone());
    dlg.shutdown();
    window.reset();

    ASSERT_TRUE(sim().unplug());
    CVarnelDlg &empty = startWindow();
    EXPECT_EQ(empty.trayIcon().iconId(), kTrayIconNoKeyboard);
    ASSERT_TRUE(sim().plug());
    ASSERT_TRUE(waitUntil([&] { return empty.presence().lastDeviceCount() != 0; }));
    settle();
    EXPECT_FALSE(empty.isVisible());
}

TEST_F(StartupTest, NamedEventsAreCreatedAndClosedWithTheWindow) {
    CVarnelDlg &dlg = startWindow(true);
    EXPECT_EQ(dlg.namedEvents().size(), 208u);
    // The names have at least two digits (three from 100 on). The events are
    // per user and a test running beside this one may hold and remove the same
    // names, so the window's own list is checked rather than the system's.
    const std::vector<std::string> names = dlg.namedEvents().systemNames();
    ASSERT_EQ(names.size(), 208u);
    using platform::NamedEventSet;
    EXPECT_EQ(names[0], NamedEventSet::systemName("Varnel_Event_Main_01"));
    EXPECT_EQ(names[8], NamedEventSet::systemName("Varnel_Event_Main_09"));
    EXPECT_EQ(names[99], NamedEventSet::systemName("Varnel_Event_Main_100"));
    EXPECT_EQ(names[207], NamedEventSet::systemName("Varnel_Event_Main_208"));
    dlg.shutdown();
    EXPECT_EQ(dlg.namedEvents().size(), 0u);
    EXPECT_FALSE(dlg.trayIcon().isAdded());
    EXPECT_TRUE(dlg.isShutDown());
}

TEST_F(StartupTest, OldFirmwareAsksForTheUpdateAndEndsWhicheverButton) {
    CVarnelDlg &dlg = startWindow(true);
    ASSERT_TRUE(sim().firmware(0x0108));
    dialogs.answers = {skin::MessageAnswer::Cancel};
    replug();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Version update"));
    EXPECT_EQ(dialogs.shown[0].buttons, skin::MessageButtons::OkCancel);
    EXPECT_EQ(endedWith, std::vector<int>{0});
    EXPECT_TRUE(started.empty());

    dialogs.answers = {skin::MessageAnswer::Ok};
    replug();
    EXPECT_EQ(endedWith, (std::vector<int>{0, 0}));
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].filename(), "Tonder-0109");

    // The current version and an unreadable version (0) pass silently.
    ASSERT_TRUE(sim().firmware(0x0109));
    replug();
    ASSERT_TRUE(sim().firmware(0));
    replug();
    EXPECT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(endedWith, (std::vector<int>{0, 0}));
    (void)dlg;
}

TEST_F(StartupTest, DeletedUserFolderIsSeededAgainOnArrivalAndBeforeAProfileLoad) {
    startWindow(true);
    const auto lightingFilesPresent = [&] {
        for (int profile = 0; profile < 3; ++profile) {
            const auto file =
                userFolder() / ("UserDengColor_" + std::to_string(profile) + ".userd");
            if (!std::filesystem::exists(file)) return false;
        }
        return true;
    };
    ASSERT_TRUE(lightingFilesPresent());
    std::filesystem::remove_all(userFolder());
    replug();
    ASSERT_TRUE(waitUntil([&] { return std::filesystem::exists(userFolder() / "$Profile0"); }));
    EXPECT_TRUE(lightingFilesPresent());

    // Switching profile with changes the user discards loads the profile file.
    std::filesystem::remove_all(userFolder());
    window->markApplyPending();
    dialogs.answers = {skin::MessageAnswer::No};
    ASSERT_EQ(window->profiles().switchProfile(1), 1);
    EXPECT_TRUE(lightingFilesPresent());

    // The profile manager finds the folder seeded when it opens.
    std::filesystem::remove_all(userFolder());
    bool seededWhenOpen = false;
    QTimer::singleShot(0, [&] {
        seededWhenOpen = lightingFilesPresent();
        if (QWidget *manager = QApplication::activeModalWidget()) manager->close();
    });
    window->parts().openProfileManager();
    EXPECT_TRUE(seededWhenOpen);
}

}  // namespace
}  // namespace apptest
