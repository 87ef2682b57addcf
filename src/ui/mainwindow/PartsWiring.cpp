#include "ui/mainwindow/PartsWiring.h"

#include <QPointer>
#include <memory>

#include "devicelink/DeviceCommands.h"
#include "settings/AppSettings.h"
#include "ui/mainwindow/CVarnelDlg.h"
#include "ui/mainwindow/KeyboardView.h"
#include "ui/mainwindow/ProfileCommands.h"
#include "ui/skin/SkinPath.h"

#ifdef VARNEL_HAVE_PANEL
#include "ui/mainwindow/panel/LightingPanel.h"
#endif
#ifdef VARNEL_HAVE_DIALOGS
#include "ui/dialogs/CVarnel_DlgProfile.h"
#include "ui/dialogs/MainWindowAccess.h"
#include "ui/dialogs/Varnel_DlgComposite.h"
#endif

namespace mainwindow {
namespace {

#ifdef VARNEL_HAVE_PANEL
void wirePanel(CVarnelDlg &window, QObject &owner) {
    panel::LightingPanelContext context{window, window.skinIniPath(), window.imageFolder(),
                                        window.lightingModel(), window.keyboardView().keyButtons()};
    context.languageIndex = [&window] { return window.languageIndex(); };
    context.showKeyAssignments = [&window] { window.refreshKeyButtons(); };
    context.showReportRate = [&window](int index) { window.keyboardView().showReportRate(index); };
    auto *lightingPanel = new panel::LightingPanel(std::move(context));
    lightingPanel->setParent(&owner);
    MainWindowParts &parts = window.parts();
    parts.panelCommand = [lightingPanel](int id) { return lightingPanel->handleCommand(id); };
    parts.sliderMoved = [lightingPanel](int id, int position) {
        lightingPanel->onSliderMoved(id, position);
    };
    parts.refreshPanel = [lightingPanel] { lightingPanel->refresh(); };
    parts.relabelPanel = [lightingPanel] { lightingPanel->relabel(); };
    parts.previewTick = [lightingPanel] { lightingPanel->previewTick(); };
    parts.paintKey = [lightingPanel](int id) { lightingPanel->paintKey(id); };
    parts.showKeyColour = [lightingPanel](int slot, lighting::Colour colour) {
        lightingPanel->showKeyColour(slot, colour);
    };
}
#endif

#ifdef VARNEL_HAVE_DIALOGS
// What the dialogs see of the main window.
class WindowAccess final : public dialogs::MainWindowAccess {
public:
    explicit WindowAccess(CVarnelDlg &window) : window_(window) {}
    int currentProfile() override { return window_.profiles().currentProfile(); }
    int switchProfile(int profile) override {
        if (profile < 0) return 1;  // no profile ticked: nothing reaches the keyboard
        return window_.deviceCommands().setActiveProfile(profile);
    }
    void reloadFromKeyboard() override { window_.profiles().reloadFromKeyboard(false); }
    void refreshProfileLabel() override { window_.profiles().refreshProfileLabel(); }
    void markApplyPending() override { window_.profiles().setPending(true); }
    void clearApplyPending() override { window_.profiles().setPending(false); }
    void showButtonHint(int controlId, const model::ButtonHint &hint) override {
        window_.showButtonHint(controlId, hint);
    }
    void restoreButtonLook(int controlId) override { window_.restoreButtonLook(controlId); }
    void openHelp() override { window_.openHelp(); }
    int languageIndex() const override { return window_.languageIndex(); }

private:
    CVarnelDlg &window_;
};

// Owns what the dialogs are given for the whole run, and the dialogs, which go
// before what they were given.
class DialogSupport : public QObject {
public:
    DialogSupport(CVarnelDlg &window, QObject &owner)
        : QObject(&owner), access(window), settings(window.registry()) {}
    ~DialogSupport() override {
        delete composite;
        delete manager;
    }
    WindowAccess access;
    app::AppSettings settings;
    QPointer<dialogs::Varnel_DlgComposite> composite;
    QPointer<dialogs::CVarnel_DlgProfile> manager;
};

void wireDialogs(CVarnelDlg &window, QObject &owner) {
    auto *support = new DialogSupport(window, owner);
    const app::AppPaths &paths = window.paths();
    auto *composite = new dialogs::Varnel_DlgComposite(&window, {paths.compositeSkinFile,
                                                                 paths.compositeSkinFolder,
                                                                 window.stores().working,
                                                                 window.keyAssignments(),
                                                                 support->settings,
                                                                 support->access,
                                                                 {}});
    auto *manager = new dialogs::CVarnel_DlgProfile(
        &window, {paths.profileSkinFile, paths.profileSkinFolder, window.userPaths().userFolder,
                  support->settings, support->access});
    support->composite = composite;
    support->manager = manager;
    MainWindowParts &parts = window.parts();
    parts.openComposite = [composite](int record, int controlId, QRect clicked) {
        composite->openForRecord(record, controlId, clicked);
    };
    parts.openProfileManager = [manager, &window] {
        window.prepareUserFolder();
        manager->openModal();
    };
    parts.closeDialogs = [composite, manager] {
        composite->closeAsCancel();
        manager->closeAsCancel();
    };
    parts.relabelDialogs = [composite, manager](int languageIndex) {
        composite->relabelFor(languageIndex);
        manager->relabelFor(languageIndex);
    };
    ProfileDialogHooks &hooks = window.profiles().hooks();
    hooks.compositeOpenCount = [composite] { return composite->openCount(); };
    hooks.managerOpenCount = [manager] { return manager->openCount(); };
    hooks.managerPending = [manager] { return manager->pending(); };
    hooks.clearManagerPending = [manager] { manager->clearPending(); };
    hooks.tickManagerRow = [manager](int row) { manager->tickRow(row); };
}
#endif

}  // namespace

QObject *wireWindowParts(CVarnelDlg &window) {
    auto *owner = new QObject(&window);
#ifdef VARNEL_HAVE_PANEL
    wirePanel(window, *owner);
#endif
#ifdef VARNEL_HAVE_DIALOGS
    wireDialogs(window, *owner);
#endif
    return owner;
}

}  // namespace mainwindow
