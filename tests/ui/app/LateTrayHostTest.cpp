// The tray on a real X server (Xvfb) with a real tray host: a host that starts
// after the utility still gets its icon, and until then the window stays
// reachable. Run through xvfb-run, on the xcb platform.
#include <QProcess>
#include <QSystemTrayIcon>

#include "AppTestSupport.h"
#include "ui/mainwindow/CTrayIcon.h"

namespace apptest {
namespace {

class LateTrayHostTest : public AppTest {
protected:
    void TearDown() override {
        AppTest::TearDown();
        if (host.state() != QProcess::NotRunning) {
            host.terminate();
            host.waitForFinished(5000);
        }
    }
    QProcess host;
};

TEST_F(LateTrayHostTest, ATrayHostStartedLaterGetsTheIconAndThenCloseHides) {
    CTrayIcon::setHostProbe({});  // the platform's own answer
    ASSERT_FALSE(QSystemTrayIcon::isSystemTrayAvailable()) << "a tray host runs already";
    CVarnelDlg &dlg = startWindow(true);  // "/Start" at login, before the panel
    EXPECT_TRUE(dlg.isVisible() && dlg.isMinimized()) << "no way back without a tray";

    host.start("trayer", {"--edge", "top", "--align", "right", "--height", "32"});
    ASSERT_TRUE(host.waitForStarted());
    ASSERT_TRUE(waitUntil([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, 15000));
    EXPECT_TRUE(waitUntil([&] { return !dlg.trayIcon().geometry().isEmpty(); }, 15000))
        << "the late tray host never got the icon";
    EXPECT_TRUE(dlg.trayIcon().isReachable());

    dlg.openWindow();
    EXPECT_FALSE(dlg.isMinimized());
    EXPECT_FALSE(dlg.close());
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_FALSE(dlg.isShutDown());
}

}  // namespace
}  // namespace apptest
