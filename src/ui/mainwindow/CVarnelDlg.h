// The main window: a skinned dialog that shows the keyboard key by key, brings
// up the device link at start-up, receives the private messages of the device
// threads and of a second instance, and owns the tray icon, the about box, the
// lighting panel and the dialogs for the whole run.
#pragma once

#include <QPointer>
#include <QTimer>
#include <atomic>
#include <memory>

#include "devicelink/DevicePresence.h"
#include "model/KeyAssignmentModel.h"
#include "model/KeyButtonObserver.h"
#include "model/KeyboardMemory.h"
#include "model/ProfileStore.h"
#include "model/UserMessage.h"
#include "model/lighting/LightingHost.h"
#include "platform/NamedEvents.h"
#include "platform/Registry.h"
#include "settings/AppPaths.h"
#include "settings/UserPaths.h"
#include "ui/mainwindow/CrossThreadMessages.h"
#include "ui/mainwindow/MainWindowEnvironment.h"
#include "ui/mainwindow/MainWindowParts.h"
#include "ui/mainwindow/NewestValueRelay.h"
#include "ui/mainwindow/panel/PanelIds.h"
#include "ui/skin/CBaseDialog.h"

namespace devicelink {
class UsbgateLibrary;
class ReportTransport;
class DeviceCommands;
}  // namespace devicelink
namespace model {
class DeviceImageTransfer;
}
namespace lighting {
class LightingModel;
}

class AboutBox;
class BusyIndicator;
class CTrayIcon;

namespace mainwindow {
class ClockChangeNotifier;
class KeyboardView;
class ProfileCommands;
}  // namespace mainwindow

// The two stores that live from start-up to the end of the process.
struct ProcessStores {
    model::ProfileStore working;
    model::ProfileStore snapshot;
};

class CVarnelDlg : public CBaseDialog,
                   public devicelink::PresenceWindow,
                   public model::KeyButtonObserver,
                   public lighting::LightingHost {
    Q_OBJECT

public:
    static constexpr int kMinimize = 1123, kClose = 1124, kHelp = 1122, kVendorLink = 1121;
    static constexpr int kLinks[3] = {1219, 1220, 1221};
    static constexpr int kVersionLabel = 1134;
    static constexpr int kModeSelector = panel::ids::kModeSelector;
    static constexpr std::uint16_t kLowestFirmware = 0x0109;

    CVarnelDlg(const app::AppPaths &paths, ProcessStores &stores,
               mainwindow::MainWindowEnvironment environment);
    ~CVarnelDlg() override;

    // The start-up sequence; the window stays hidden until it is opened.
    void startUp();
    // Started with "/Start": a keyboard found later does not open the window.
    void setStartHidden() { startHidden_ = true; }

    // Private messages: `send` waits until handled, `post` does not.
    void sendMessage(std::uint32_t number, std::uint64_t first = 0, std::int64_t second = 0);
    void postMessage(std::uint32_t number, std::uint64_t first = 0, std::int64_t second = 0);
    bool handleMessage(std::uint32_t message, std::uint64_t firstParameter,
                       std::int64_t secondParameter) override;

    // A command as a click on a control or a menu item would run it.
    void onCommand(int id);
    // The one way out: tray exit, close button and a "/Kill" instance.
    void shutdown();

    // Opens the window, or tells the user that no keyboard is attached.
    void openWindow();
    // Hides the window to the tray; without a tray host it is minimised instead,
    // so it stays on the task bar and the user can bring it back.
    void hideToTray();

    // devicelink::PresenceWindow
    void sendVersionCheck() override;
    void sendProfileReload() override;
    void sendDeviceGone() override;
    void hideWindow() override;
    void postOpen() override;
    void postBankChanged(bool bankB) override;
    void postLightingReadBack() override;
    void setTrayIcon(int iconId) override;
    bool isReady() const override { return ready_; }
    void readKeyboardLayout() override;

    // model::KeyButtonObserver
    void markApplyPending() override;
    void showButtonHint(int controlId, const model::ButtonHint &hint) override;

    // lighting::LightingHost
    bool reselectCurrentProfile() override;
    void showKeyColour(int slot, lighting::Colour colour) override;

    int languageIndex() const { return languageIndex_; }
    bool isShutDown() const { return shutDown_; }
    mainwindow::KeyboardView &keyboardView() { return *view_; }
    const mainwindow::NewestValueRelay &bankRelay() const { return *bankRelay_; }
    mainwindow::ProfileCommands &profiles() { return *profiles_; }
    devicelink::DevicePresence &presence() { return *presence_; }
    devicelink::DeviceCommands &deviceCommands() { return *commands_; }
    lighting::LightingModel &lightingModel() { return *lighting_; }
    model::KeyAssignmentModel &keyAssignments() { return *keys_; }
    CTrayIcon &trayIcon() { return *tray_; }
    BusyIndicator &busyIndicator() { return *busy_; }
    // Applies pending changes when the system clock is set.
    mainwindow::ClockChangeNotifier &clockChanges() { return *clockChanges_; }
    AboutBox *aboutBox() const;
    mainwindow::MainWindowParts &parts() { return parts_; }
    const platform::NamedEventSet &namedEvents() const { return events_; }
    QTimer &timer(int id);

    void openAboutBox();
    void openHelp();
    // The button's normal look again (a dialog it opened has closed).
    void restoreButtonLook(int controlId);
    // The key buttons show the current profile's assignments.
    void refreshKeyButtons();
    const app::AppPaths &paths() const { return paths_; }
    const app::UserPaths &userPaths() const { return user_; }
    // Creates the per-user folder with its three lighting files when it is
    // missing; run before every use of the folder, as the user may delete it.
    void prepareUserFolder();
    ProcessStores &stores() { return stores_; }
    platform::Registry &registry() { return registry_; }
    // Shows the layout switch the other way and stores it.
    void toggleFlip();

signals:
    // The shutdown sequence has run; the process may end.
    void shutdownFinished();

protected:
    void onInitDialog() override;
    void relabel(int languageIndex) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void bindDevice();
    void buildControls();
    void buildCommandButtons();
    void buildModel();
    void finishStartup();
    void versionCheck();
    void reloadFromKeyboard();
    void reloadChangedElsewhere();
    void showReloadedProfile(bool allLighting);
    void deviceGone();
    void bankChanged(bool bankB);
    void closeChildWindows();
    void keyClicked(int controlId);
    void selectReportRate(int index);
    void showProfile(int profile);
    void showSelectedProfileButton(int profile);
    void refreshLightingViews();
    void previewTick();
    void lightingReadBack();
    void createNamedEvents();
    void showBackupMenu();
    void openAddress(const QString &address);
    QString text(const char *key) const;
    // Shows the model's messages as notices over the window.
    model::MessageSink messageSink();

    app::AppPaths paths_;
    app::UserPaths user_;
    ProcessStores &stores_;
    mainwindow::MainWindowEnvironment environment_;
    platform::Registry registry_;
    int languageIndex_ = 0;
    std::atomic<bool> ready_{false};
    bool started_ = false;
    bool startHidden_ = false;
    bool shutDown_ = false;

    const devicelink::UsbgateLibrary *library_ = nullptr;
    std::unique_ptr<devicelink::ReportTransport> transport_;
    std::unique_ptr<devicelink::DeviceCommands> commands_;
    std::unique_ptr<devicelink::DevicePresence> presence_;
    model::KeyboardMemory memory_;
    std::unique_ptr<model::KeyAssignmentModel> keys_;
    std::unique_ptr<model::DeviceImageTransfer> transfer_;
    std::unique_ptr<lighting::LightingModel> lighting_;
    mainwindow::MainWindowParts parts_;
    QObject *partsOwner_ = nullptr;

    mainwindow::CrossThreadMessages *messages_ = nullptr;
    // The extra-key bank: the newest one the keyboard reported, shown at most once a frame.
    static constexpr std::chrono::milliseconds kBankFrame{16};
    mainwindow::NewestValueRelay *bankRelay_ = nullptr;
    mainwindow::KeyboardView *view_ = nullptr;
    std::unique_ptr<mainwindow::ProfileCommands> profiles_;
    mainwindow::ClockChangeNotifier *clockChanges_ = nullptr;
    BusyIndicator *busy_ = nullptr;
    CTrayIcon *tray_ = nullptr;
    QPointer<AboutBox> about_;
    platform::NamedEventSet events_;
    QTimer readBackTimer_, previewTimer_;
};
