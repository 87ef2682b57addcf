// Start-up, device presence and the version check of the running utility.
#include <QApplication>

#include "AppTestSupport.h"
#include "devicelink/DevicePresence.h"
#include "platform/NamedEvents.h"
#include "ui/mainwindow/AboutBox.h"
#include "ui/mainwindow/CTrayIcon.h"
#include "ui/mainwindow/KeyboardView.h"
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
    platform::NamedEventSet probe;
    // Opening an existing name succeeds; the first has two digits, the hundredth three.
    EXPECT_TRUE(probe.create("Varnel_Event_Main_01"));
    EXPECT_TRUE(probe.create("Varnel_Event_Main_100"));
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

    // The current version and an unreadable version pass silently.
    ASSERT_TRUE(sim().firmware(0x0109));
    replug();
    EXPECT_EQ(dialogs.shown.size(), 2u);
    (void)dlg;
}

}  // namespace
}  // namespace apptest
