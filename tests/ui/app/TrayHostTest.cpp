// The tray icon on a desktop that has a notification area (a virtual X display
// with a tray host, see with-tray-host.sh): added while the utility runs,
// activated as the host activates it, and removed by the shutdown.
#include <QApplication>
#include <QSystemTrayIcon>
#include <cstdlib>

#include "AppTestSupport.h"
#include "ui/mainwindow/CTrayIcon.h"

namespace apptest {
namespace {

class TrayHostTest : public AppTest {};

TEST_F(TrayHostTest, IconIsThereUntilShutdownAndItsDoubleClickOpensTheWindow) {
    if (const char *missing = std::getenv("VARNEL_NO_TRAY_HOST")) GTEST_SKIP() << missing;
    ASSERT_TRUE(waitUntil([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, 20000))
        << "the tray host did not start";
    CVarnelDlg &dlg = startWindow(true);
    ASSERT_TRUE(waitUntil([&] { return dlg.trayIcon().isAdded(); }));
    auto *icon = dlg.trayIcon().findChild<QSystemTrayIcon *>();
    ASSERT_NE(icon, nullptr);
    EXPECT_TRUE(icon->isVisible());
    EXPECT_EQ(icon->toolTip(), languageText("KEYBOARD_TRAY_DESC"));

    // The host reports clicks as activations: a single click opens nothing.
    emit icon->activated(QSystemTrayIcon::Trigger);
    QApplication::processEvents();
    EXPECT_FALSE(dlg.isVisible());
    emit icon->activated(QSystemTrayIcon::DoubleClick);
    EXPECT_TRUE(waitUntil([&] { return dlg.isVisible(); }));

    dlg.shutdown();
    EXPECT_FALSE(dlg.trayIcon().isAdded());
    EXPECT_FALSE(icon->isVisible());
}

}  // namespace
}  // namespace apptest
