// The keyboard's own event codes: the extra-key bank toggle with its status
// write, the tray icon changes and the codes that change nothing.
#include <thread>

#include "AppTestSupport.h"
#include "devicelink/DevicePresence.h"
#include "model/KeyButtons.h"
#include "ui/mainwindow/CTrayIcon.h"
#include "ui/mainwindow/KeyboardView.h"
#include "ui/mainwindow/ProfileCommands.h"
#include "ui/mainwindow/WindowMessages.h"
#include "ui/skin/CPngButton.h"

namespace apptest {
namespace {

using Bytes = std::vector<std::uint8_t>;

class DeviceEventsTest : public AppTest {
protected:
    QStringList gKeyCaptions() {
        QStringList captions;
        for (int id : model::kExtraKeyButtonIds)
            captions << window->controlAs<CPngButton>(id)->text();
        return captions;
    }
    void toggleBank(bool expectB) {
        ASSERT_TRUE(sim().event(devicelink::kEventBankToggle));
        ASSERT_TRUE(waitUntil([&] { return window->keyboardView().shownBankB() == expectB; }));
    }
};

TEST_F(DeviceEventsTest, TwoBankTogglesWriteTheStatusBytesAndRestoreBankA) {
    CVarnelDlg &dlg = startWindow(true);
    EXPECT_EQ(peek("status", 0, 2), (Bytes{0x05, 0x02}));
    const QStringList bankA{"A1", "A2", "A3", "A4", "A5", "A6", "A7", "A8", "A9"};
    EXPECT_EQ(gKeyCaptions(), bankA);
    auto *indicator = dlg.controlAs<CPngButton>(mainwindow::ids::kLockAb);
    const auto bankALook = indicator->pictures().normal;

    toggleBank(true);
    EXPECT_EQ(peek("status", 0, 2), (Bytes{0x05, 0x03}));
    EXPECT_EQ(gKeyCaptions(), (QStringList{"B1", "B2", "B3", "B4", "B5", "B6", "B7", "B8", "B9"}));
    EXPECT_NE(indicator->pictures().normal, bankALook);
    EXPECT_TRUE(dlg.keyAssignments().bankB());

    toggleBank(false);
    EXPECT_EQ(peek("status", 0, 2), (Bytes{0x05, 0x02}));
    EXPECT_EQ(gKeyCaptions(), bankA);
    EXPECT_EQ(indicator->pictures().normal, bankALook);
    EXPECT_FALSE(dlg.keyAssignments().bankB());
}

// 1001 toggles as fast as the library's callback thread can hand them in: the
// keyboard gets every status write, the window shows only the newest bank, a
// few times in all rather than once per toggle, and ends on bank B.
TEST_F(DeviceEventsTest, BankToggleBurstIsShownOnlyAtItsNewestState) {
    CVarnelDlg &dlg = startWindow(true);
    auto *indicator = dlg.controlAs<CPngButton>(mainwindow::ids::kLockAb);
    const auto bankALook = indicator->pictures().normal;
    constexpr int kToggles = 1001;
    std::thread callbackThread([&] {
        for (int i = 0; i < kToggles; ++i)
            dlg.presence().onDeviceEvent(devicelink::kEventBankToggle);
    });
    callbackThread.join();
    ASSERT_TRUE(waitUntil([&] { return dlg.bankRelay().settled(); }));
    EXPECT_TRUE(dlg.keyboardView().shownBankB());
    EXPECT_EQ(gKeyCaptions(), (QStringList{"B1", "B2", "B3", "B4", "B5", "B6", "B7", "B8", "B9"}));
    EXPECT_NE(indicator->pictures().normal, bankALook);
    EXPECT_TRUE(dlg.keyAssignments().bankB());
    EXPECT_EQ(peek("status", 0, 2), (Bytes{0x05, 0x03}));
    EXPECT_GE(dlg.bankRelay().appliedCount(), 1);
    EXPECT_LT(dlg.bankRelay().appliedCount(), kToggles / 10);
}

TEST_F(DeviceEventsTest, TrayIconFollowsTheKeyboardsActivityCodes) {
    CVarnelDlg &dlg = startWindow(true);
    ASSERT_TRUE(sim().event(devicelink::kEventIconHighlight));
    EXPECT_TRUE(
        waitUntil([&] { return dlg.trayIcon().iconId() == devicelink::kTrayIconKeyboardEvent; }));
    ASSERT_TRUE(sim().event(devicelink::kEventIconNormal));
    EXPECT_TRUE(
        waitUntil([&] { return dlg.trayIcon().iconId() == devicelink::kTrayIconKeyboard; }));

    // 0x1801..0x1804 and unknown codes change nothing.
    for (std::uint16_t code : {0x1801, 0x1802, 0x1803, 0x1804, 0x7777}) {
        ASSERT_TRUE(sim().event(code));
    }
    settle();
    waitUntil([] { return false; }, 100);
    EXPECT_EQ(dlg.trayIcon().iconId(), devicelink::kTrayIconKeyboard);
    EXPECT_FALSE(dlg.keyboardView().shownBankB());
    EXPECT_EQ(peek("status", 0, 2), (Bytes{0x05, 0x02}));
    EXPECT_FALSE(dlg.timer(mainwindow::kTimerLightingReadBack).isActive());
}

TEST_F(DeviceEventsTest, LightingChangedOnTheKeyboardIsReadBack) {
    CVarnelDlg &dlg = startWindow(true);
    const int profile = dlg.profiles().currentProfile();
    ASSERT_GE(profile, 0);
    // The report rate byte changed on the keyboard itself: 5 shows the fourth button.
    ASSERT_TRUE(sim().poke("params", profile * 42 + 15, {5}));
    ASSERT_TRUE(sim().event(devicelink::kEventLightingChanged));
    EXPECT_TRUE(waitUntil([&] { return dlg.keyboardView().shownReportRate() == 3; }));
    EXPECT_TRUE(dlg.controlAs<CPngButton>(mainwindow::ids::kReportRate[3])->isSelected());
    EXPECT_FALSE(dlg.controlAs<CPngButton>(mainwindow::ids::kReportRate[0])->isSelected());
}

}  // namespace
}  // namespace apptest
