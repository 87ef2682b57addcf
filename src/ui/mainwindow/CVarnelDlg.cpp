#include "ui/mainwindow/CVarnelDlg.h"

#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QThread>
#include <array>
#include <chrono>
#include <cstdio>
#include <thread>

#include "devicelink/DeviceCommands.h"
#include "devicelink/DeviceResult.h"
#include "devicelink/ReportTransport.h"
#include "devicelink/SharedUsbgate.h"
#include "model/DeviceImage.h"
#include "model/KeyButtons.h"
#include "model/ProfileFile.h"
#include "model/lighting/LightingModel.h"
#include "model/lighting/ModeList.h"
#include "platform/LanguageId.h"
#include "settings/AppSettings.h"
#include "settings/FirstRun.h"
#include "settings/VendorLink.h"
#include "ui/mainwindow/AboutBox.h"
#include "ui/mainwindow/BusyIndicator.h"
#include "ui/mainwindow/BusyWhileWaiting.h"
#include "ui/mainwindow/CTrayIcon.h"
#include "ui/mainwindow/ClockChangeNotifier.h"
#include "ui/mainwindow/KeyboardView.h"
#include "ui/mainwindow/NamedEventNames.h"
#include "ui/mainwindow/PartsWiring.h"
#include "ui/mainwindow/ProductVersion.h"
#include "ui/mainwindow/ProfileCommands.h"
#include "ui/mainwindow/StartupFailure.h"
#include "ui/mainwindow/WindowMessages.h"
#include "ui/skin/CPngButton.h"
#include "ui/skin/ColorStatic.h"
#include "ui/skin/DialogServices.h"
#include "ui/skin/DialogText.h"
#include "ui/skin/SkinPath.h"
#include "ui/skin/SkinPicture.h"
#include "ui/skin/layout/LanguageIndex.h"
#include "ui/skin/layout/LanguageText.h"

using namespace mainwindow;

namespace {

constexpr int kPreviewFirstMs = 100;
constexpr int kPreviewMs = 50;
constexpr std::chrono::milliseconds kVersionPause{10};
constexpr int kOk = 1, kCancel = 2;
constexpr int kSystemMenuAbout = 0x0010;
const char *const kLinkAddresses[3] = {"https://www.tarvik.example/support",
                                       "https://social.tarvik.example/",
                                       "https://news.tarvik.example/"};
const QString kVersionText =
    QStringLiteral("The current version is too low! Please update the program after upgrading.");

struct ImageButtonEntry {
    int id;
    const char *key;
};
constexpr ImageButtonEntry kCommandButtons[] = {{ids::kProfileName, "FUNC_PROFILES"},
                                                {ids::kApply, "CONTROL2_APPLY"},
                                                {ids::kMacroButton, "FUNC_MACRO"},
                                                {1135, "FUNC_PROFILE1"},
                                                {1136, "FUNC_PROFILE2"},
                                                {1137, "FUNC_PROFILE3"},
                                                {ids::kRestoreDefaults, "FUNC_DEFAULT"},
                                                {ids::kBackupMenu, "CONTROL_MENU"},
                                                {kOk, "CONTROL_OK"},
                                                {kCancel, "CONTROL_CANCEL"},
                                                {CVarnelDlg::kVendorLink, "ZORVEL_LINK"},
                                                {CVarnelDlg::kHelp, "CONTROL_HELP"},
                                                {CVarnelDlg::kMinimize, "CONTROL_MINIMIZE"},
                                                {CVarnelDlg::kClose, "CONTROL_CLOSE"},
                                                {1219, "CONTROL_Network"},
                                                {1220, "CONTROL_Facebook"},
                                                {1221, "CONTROL_twitter"}};

// Captioned buttons of the language pass and their text keys.
constexpr ImageButtonEntry kCaptionedButtons[] = {{1135, "PROFILE_1"},
                                                  {1136, "PROFILE_2"},
                                                  {1137, "PROFILE_3"},
                                                  {ids::kMacroButton, "PROFILE_MACRO"},
                                                  {ids::kRestoreDefaults, "PROFILE_DEFAULT"},
                                                  {kOk, "PROFILE_OK"},
                                                  {kCancel, "PROFILE_CANCLE"},
                                                  {ids::kApply, "PROFILE_APPLY"}};

}  // namespace

CVarnelDlg::CVarnelDlg(const app::AppPaths &paths, ProcessStores &stores,
                       MainWindowEnvironment environment)
    : CBaseDialog(nullptr, skin::toQString(paths.mainSkinFile), skin::toQString(paths.skinFolder)),
      paths_(paths),
      user_(app::UserPaths::forCurrentUser()),
      stores_(stores),
      environment_(std::move(environment)),
      registry_(platform::Registry::defaultStoreFile()) {
    skin::setLanguageFolder(paths_.applicationFolder);
    languageIndex_ = skin::currentLanguageIndex(registry_, platform::systemLanguageId());
    messages_ = new CrossThreadMessages(this, [this](const WindowMessage &message) {
        handleMessage(message.number, message.first, message.second);
    });
    bankRelay_ = new NewestValueRelay(
        this, [this](int bankB) { bankChanged(bankB != 0); }, kBankFrame);
    readBackTimer_.setSingleShot(true);
    previewTimer_.setSingleShot(true);
    connect(&readBackTimer_, &QTimer::timeout, this, [this] { lightingReadBack(); });
    connect(&previewTimer_, &QTimer::timeout, this, [this] { previewTick(); });
    connect(this, &CBaseDialog::controlClicked, this, &CVarnelDlg::onCommand);
}

CVarnelDlg::~CVarnelDlg() {
    messages_->close();
    if (presence_) presence_->stop();
    if (transport_) {
        // The library keeps registrations until they are withdrawn; a later
        // window of the same process registers its own.
        transport_->setListener(nullptr);
        transport_->setWaitObserver(nullptr);
        transport_->withdrawReads();
    }
    presence_.reset();
    delete about_;
    delete partsOwner_;  // the panel and the dialogs use the models below
    parts_ = {};
}

AboutBox *CVarnelDlg::aboutBox() const {
    return about_.data();
}

QTimer &CVarnelDlg::timer(int id) {
    if (id == kTimerBusy) return busy_->timer();
    if (id == kTimerLightingReadBack) return readBackTimer_;
    return previewTimer_;
}

QString CVarnelDlg::text(const char *key) const {
    return skin::dialogText(key, languageIndex_);
}

model::MessageSink CVarnelDlg::messageSink() {
    // The model reports from the device threads too: the box is shown on the
    // window's own thread.
    return [this](const model::UserMessage &message) {
        QMetaObject::invokeMethod(this, [this, message] {
            skin::messageSinkFor(this, [this] { return languageIndex_; })(message);
        });
    };
}

// ---------------------------------------------------------------- start-up

void CVarnelDlg::startUp() {
    onInitDialog();
}

void CVarnelDlg::onInitDialog() {
    if (started_) return;  // later showings keep what start-up built
    started_ = true;
    CBaseDialog::onInitDialog();
    setWindowIcon(QIcon(skin::skinFilePath(imageFolder(), QStringLiteral("icon128.png"))));
    ready_ = false;
    bindDevice();
    if (startHidden_) presence_->setAutoOpenDone();
    presence_->writeBankStatus();
    transport_->setListener(presence_.get());
    transport_->registerReads();
    const std::uint32_t count = library_->deviceCount(devicelink::kCommandUnit);
    presence_->startDeviceCountHandling(count);
    if (count == 0) presence_->setAutoOpenDone();
    // A keyboard that would have opened the window, but may not be opened, is
    // reported at once rather than leaving the user with nothing.
    if (count == 0 && !startHidden_ && library_->deniedNodeCount() > 0) {
        QMetaObject::invokeMethod(
            this, [this] { openWindow(); }, Qt::QueuedConnection);
    }
    {
        std::lock_guard lock(stores_.working.mutex());
        ProfileCommands::installDefaultStore(stores_.working);
    }
    prepareUserFolder();
    buildControls();
    transport_->setWaitObserver(new BusyWhileWaiting(this, *busy_));
    buildModel();
    partsOwner_ = wireWindowParts(*this);
    if (QWidget *selector = control(kModeSelector)) selector->installEventFilter(this);
    profiles_->setPending(false);
    setWindowTitle(text("MAIN_CAPTION"));
    createNamedEvents();
    clockChanges_ = new mainwindow::ClockChangeNotifier([this] { profiles_->apply(); }, this);
    postMessage(kMsgFinishStartup, kTagInit);
    sendMessage(kMsgRelabel, kTagLang, languageIndex_);
    previewTimer_.start(kPreviewFirstMs);
}

void CVarnelDlg::bindDevice() {
    std::string detail;
    library_ = devicelink::sharedUsbgate(detail);
    if (!library_)
        exitForStartupFailure(QStringLiteral("cannot start the device library: ") +
                              QString::fromStdString(detail));
    transport_ = std::make_unique<devicelink::ReportTransport>(*library_);
    commands_ = std::make_unique<devicelink::DeviceCommands>(*transport_);
    presence_ = std::make_unique<devicelink::DevicePresence>(*commands_, *this);
}

void CVarnelDlg::buildControls() {
    const MainPictures pictures = loadMainPictures(imageFolder(), size());
    view_ = new KeyboardView(*this, pictures);
    app::AppSettings settings(registry_);
    view_->build(settings.profileString(u"Flip", u"0") == u"1");
    for (const ImageButtonEntry &entry : kCommandButtons) {
        addImageButton(entry.id, QString::fromLatin1(entry.key).toStdU16String(),
                       buttonPicturesOf(pictures));
    }
    controlAs<CPngButton>(ids::kProfileName)->setCaptionStyle(skin::windowButtonCaptionStyle());
    addControl<ColorStatic>(ids::kReportRateLabel, u"CONTROL_UsbStatic", ids::kReportRateLabel);
    addControl<ColorStatic>(kVersionLabel, u"ZORVEL_VER", kVersionLabel)
        ->setText(productVersionText());
    auto *busyPicture = addControl<QLabel>(BusyIndicator::kControlId, u"CONTROL_JDTStatic");
    busy_ = new BusyIndicator(*busyPicture, imageFolder());
    tray_ = new CTrayIcon(
        imageFolder(), [this](int command) { onCommand(command); },
        [this](const char *key) { return text(key); }, this);
}

void CVarnelDlg::buildModel() {
    const model::TextLookup lookup = skin::textLookupFor([this] { return languageIndex_; });
    keys_ = std::make_unique<model::KeyAssignmentModel>(
        stores_.working, lookup, [this] { return profiles_ ? profiles_->currentProfile() : -1; },
        *this);
    transfer_ = std::make_unique<model::DeviceImageTransfer>(
        *commands_, memory_, stores_.snapshot, [this] { return commands_->activeProfile(); },
        messageSink(), lookup);
    lighting_ = std::make_unique<lighting::LightingModel>(
        *commands_, *this,
        lighting::LightingPaths{user_.settingsFile, user_.userFolder,
                                paths_.defaultLightingFile()});
    profiles_ = std::make_unique<ProfileCommands>(
        ProfileCommandsContext{stores_.working, *commands_, *keys_, *transfer_, user_.userFolder,
                               [this] { prepareUserFolder(); }, languageIndex_},
        *controlAs<CPngButton>(ids::kApply), *controlAs<CPngButton>(ids::kProfileName), *busy_,
        *this);
    // The panel shows the restored values at once, not only after the next read-back.
    profiles_->setLightingDefaultsRestorer([this] {
        if (!lighting_->state().viewOn) return;
        lighting_->restoreLightingDefaults();
        parts_.refreshPanel();
    });
}

void CVarnelDlg::createNamedEvents() {
    for (const std::string &name : mainNamedEventNames()) events_.create(name);
}

void CVarnelDlg::finishStartup() {
    tray_->add(devicelink::kTrayIconNoKeyboard, text("KEYBOARD_TRAY_DESC"));
    profiles_->refreshProfileLabel();
    ready_ = true;
    hideToTray();
}

// ---------------------------------------------------------------- messages

void CVarnelDlg::sendMessage(std::uint32_t number, std::uint64_t first, std::int64_t second) {
    messages_->send({number, first, second});
}

void CVarnelDlg::postMessage(std::uint32_t number, std::uint64_t first, std::int64_t second) {
    messages_->post({number, first, second});
}

bool CVarnelDlg::handleMessage(std::uint32_t message, std::uint64_t first, std::int64_t second) {
    if (shutDown_) return false;
    switch (message) {
        case kMsgFinishStartup:
            if (first == kTagInit) finishStartup();
            return true;
        case kMsgShow:
            if (first == kTagOpen) openWindow();
            if (first == kTagVersion) versionCheck();
            return true;
        case kMsgExit:
            if (first == kTagKill) shutdown();
            return true;
        case kMsgReload:
            if (first == kTagProfile) reloadFromKeyboard();
            if (first == kTagFiles) reloadChangedElsewhere();
            return true;
        case kMsgDeviceGone:
            deviceGone();
            return true;
        case kMsgBankChanged:
            if (first == kTagLed) bankRelay_->ownerWoken();
            return true;
        case kMsgSliderMoved:
            parts_.sliderMoved(static_cast<int>(first), static_cast<int>(second));
            return true;
        default:
            return CBaseDialog::handleMessage(message, first, second);
    }
}

void CVarnelDlg::sendVersionCheck() {
    sendMessage(kMsgShow, kTagVersion);
}
void CVarnelDlg::sendProfileReload() {
    sendMessage(kMsgReload, kTagProfile);
}
void CVarnelDlg::sendDeviceGone() {
    sendMessage(kMsgDeviceGone);
}
void CVarnelDlg::postOpen() {
    postMessage(kMsgShow, kTagOpen);
}
// A burst of toggles wakes the window once; it shows the newest bank at most
// once a frame.
void CVarnelDlg::postBankChanged(bool bankB) {
    if (bankRelay_->offer(bankB ? 1 : 0)) postMessage(kMsgBankChanged, kTagLed);
}
void CVarnelDlg::setTrayIcon(int iconId) {
    tray_->setIcon(iconId);
}

void CVarnelDlg::hideWindow() {
    QMetaObject::invokeMethod(this, [this] { hideToTray(); });
}

void CVarnelDlg::postLightingReadBack() {
    QMetaObject::invokeMethod(this, [this] { readBackTimer_.start(0); });
}

void CVarnelDlg::readKeyboardLayout() {
    memory_.readDefaultMatrix(*commands_, messageSink());
    devicelink::InfoBlock info{};
    if (commands_->readInfo(info) == devicelink::kDone) memory_.setMacroCapacityFromInfo(info);
}

void CVarnelDlg::versionCheck() {
    devicelink::InfoBlock info{};
    commands_->readInfo(info);
    const std::uint16_t version = devicelink::firmwareVersionOf(info);
    if (version == 0 || version >= kLowestFirmware) return;
    std::this_thread::sleep_for(kVersionPause);
    const skin::MessageAnswer answer = skin::dialogServices().showMessage(
        nullptr, kVersionText, QStringLiteral("Version update"), skin::MessageButtons::OkCancel);
    if (answer == skin::MessageAnswer::Ok) {
        std::this_thread::sleep_for(kVersionPause);
        environment_.startProgram(paths_.updaterProgram, {"In the upgrade"}, paths_.helpFolder);
    }
    environment_.endProcess(0);
}

void CVarnelDlg::prepareUserFolder() {
    app::initialiseUserFolder(user_, paths_);
}

void CVarnelDlg::reloadFromKeyboard() {
    profiles_->reloadFromKeyboard(false);
    showReloadedProfile(true);
}

// Another process (varnelctl) changed the profile data file, the keyboard's
// lighting or its active profile; the window shows what is there now.
void CVarnelDlg::reloadChangedElsewhere() {
    commands_->forgetActiveProfile();
    profiles_->reloadFromFile();
    showReloadedProfile(false);
}

// The reloaded current profile with its lighting: of all three profiles, or of
// the current one only.
void CVarnelDlg::showReloadedProfile(bool allLighting) {
    const int profile = profiles_->currentProfile();
    lighting_->setCurrentProfile(profile);
    showSelectedProfileButton(profile);
    if (allLighting) {
        lighting_->reloadAllLighting();
    } else {
        lighting_->reloadLighting();
    }
    refreshLightingViews();
    profiles_->refreshProfileLabel();
}

void CVarnelDlg::refreshLightingViews() {
    view_->showReportRate(lighting_->state().reportRate);
    parts_.refreshPanel();
}

void CVarnelDlg::deviceGone() {
    closeChildWindows();
    if (QWidget *selector = control(kModeSelector)) selector->setFocus();
    if (QWidget *rate = control(ids::kReportRate[0])) rate->setFocus();
    profiles_->refreshProfileLabel();
}

void CVarnelDlg::closeChildWindows() {
    if (about_) about_->close();
    parts_.closeDialogs();
}

void CVarnelDlg::bankChanged(bool bankB) {
    keys_->switchExtraKeyBank(bankB);
    {
        std::lock_guard lock(stores_.working.mutex());
        keys_->refreshKeyButtons();
    }
    view_->showBank(bankB);
}

void CVarnelDlg::relabel(int languageIndex) {
    languageIndex_ = languageIndex;
    if (about_) about_->relabel(languageIndex);
    parts_.relabelDialogs(languageIndex);
    const std::pair<int, const char *> tips[] = {
        {kMinimize, "MAIN_MINIMIZE_PROMPT"}, {ids::kBackupMenu, "MAIN_MENU_PROMPT"},
        {kClose, "MAIN_CLOSE_PROMPT"},       {kHelp, "MAIN_HELP_PROMPT"},
        {kLinks[0], "MAIN_NETWORK_PROMPT"},  {kLinks[1], "MAIN_SHARE_PROMPT"},
        {kLinks[2], "MAIN_CHAT_PROMPT"}};
    for (const auto &[id, key] : tips) controlAs<CPngButton>(id)->setToolTipText(text(key));
    controlAs<ColorStatic>(ids::kReportRateLabel)
        ->setText(QString::fromStdU16String(skin::lookupLightText(u"Usb", languageIndex)));
    parts_.relabelPanel();
    for (const ImageButtonEntry &entry : kCaptionedButtons) {
        auto *button = controlAs<CPngButton>(entry.id);
        button->setText(text(entry.key));
        button->setCaptionStyle(skin::windowButtonCaptionStyle());
    }
}

// ---------------------------------------------------------------- commands

void CVarnelDlg::onCommand(int id) {
    if (shutDown_) return;
    if (view_->kindOf(id) != KeyboardView::KeyKind::None || id == ids::kMacroButton) {
        keyClicked(id);
        return;
    }
    for (int i = 0; i < 4; ++i) {
        if (id == ids::kReportRate[i]) return selectReportRate(i);
    }
    for (int i = 0; i < 3; ++i) {
        if (id == ids::kProfileButtons[i]) return showProfile(i);
    }
    for (int i = 0; i < 3; ++i) {
        if (id == kLinks[i]) return openAddress(QString::fromLatin1(kLinkAddresses[i]));
    }
    switch (id) {
        case ids::kFlipLeft:
        case ids::kFlipRight:
            return toggleFlip();
        case ids::kApply:
            return profiles_->apply();
        case ids::kRestoreDefaults:
            return profiles_->restoreDefaults();
        case ids::kBackupMenu:
            return showBackupMenu();
        case ids::kMenuRestore:
            return profiles_->importWithDialog();
        case ids::kMenuBackup:
            return profiles_->exportWithDialog();
        case ids::kProfileName:
            return parts_.openProfileManager();
        case kOk:
            profiles_->apply();
            return hideToTray();
        case kCancel:
            return hideToTray();
        case kClose:
        case CTrayIcon::kMenuExit:
            return shutdown();
        case kMinimize:
            return showMinimized();
        case kHelp:
            return openHelp();
        case kVendorLink:
            return openAddress(QString::fromStdU16String(app::readVendorLink(paths_.mainSkinFile)));
        case CTrayIcon::kMenuOpen:
            return openWindow();
        case CTrayIcon::kMenuAbout:
        case kSystemMenuAbout:
            return openAboutBox();
        default:
            parts_.panelCommand(id);
    }
}

void CVarnelDlg::keyClicked(int controlId) {
    const int id = controlId == ids::kMacroButton ? model::kExtraKeyButtonIds.back() : controlId;
    const KeyboardView::KeyKind kind = view_->kindOf(id);
    const bool lightingView = lighting_->state().viewOn;
    if (kind == KeyboardView::KeyKind::DKey) return;
    if (kind == KeyboardView::KeyKind::Fn || (kind == KeyboardView::KeyKind::Key && lightingView)) {
        if (!lightingView) return;
        parts_.paintKey(id);
        // Only the custom mode paints keys: tell the user why nothing happened.
        if (lighting_->state().mode != lighting::kUserMode)
            view_->showPassingHint(id, text("MAIN_KEYS_LIGHTING_HINT"));
        return;
    }
    const std::optional<std::uint16_t> record = keys_->recordIndexForButton(id);
    if (!record) return;
    QWidget *button = control(id);
    const QRect onScreen =
        button ? QRect(button->mapToGlobal(QPoint(0, 0)), button->size()) : QRect();
    parts_.openComposite(*record, id, onScreen);
}

void CVarnelDlg::selectReportRate(int index) {
    view_->showReportRate(index);
    lighting_->setReportRate(index);
}

void CVarnelDlg::toggleFlip() {
    const bool on = !view_->flipOn();
    app::AppSettings(registry_).writeProfileString(u"Flip", on ? u"1" : u"0");
    view_->applyFlip(on);
}

void CVarnelDlg::showProfile(int profile) {
    lighting_->setCurrentProfile(profile);
    lighting_->reloadLighting();
    if (lighting_->state().viewOn && lighting_->setLightingView(false)) refreshKeyButtons();
    parts_.refreshPanel();
    if (profiles_->currentProfile() == profile) return;
    if (profiles_->switchProfile(profile) != 1) return;
    showSelectedProfileButton(profile);
    refreshLightingViews();
}

void CVarnelDlg::showSelectedProfileButton(int profile) {
    for (int i = 0; i < 3; ++i) {
        controlAs<CPngButton>(ids::kProfileButtons[i])->setSelected(i == profile);
    }
}

void CVarnelDlg::showBackupMenu() {
    QMenu menu(this);
    menu.addAction(text("MENU_1"), this, [this] { onCommand(ids::kMenuRestore); });
    menu.addAction(text("MENU_2"), this, [this] { onCommand(ids::kMenuBackup); });
    menu.exec(QCursor::pos());
}

void CVarnelDlg::openHelp() {
    environment_.openWithDesktop(paths_.helpPage().string());
}

void CVarnelDlg::restoreButtonLook(int controlId) {
    if (CPngButton *button = view_->button(controlId)) button->setPictures(button->pictures());
}

void CVarnelDlg::refreshKeyButtons() {
    if (!lighting_->state().viewOn) {
        for (CPngButton *button : view_->keyButtons()) {
            if (button->isFrameMode()) button->setFrame(button->frameColor(), 0, false);
        }
    }
    std::lock_guard lock(stores_.working.mutex());
    keys_->refreshKeyButtons();
}

void CVarnelDlg::openAddress(const QString &address) {
    environment_.openWithDesktop(address.toStdString());
}

void CVarnelDlg::openAboutBox() {
    if (about_) return;  // one at a time
    about_ = new AboutBox(
        this, AboutBoxContext{skin::toQString(paths_.skinFolder / "About.ini"),
                              skin::toQString(paths_.skinFolder),
                              QString::fromStdU16String(app::readVendorLink(paths_.mainSkinFile)),
                              [this](const QString &address) { openAddress(address); },
                              [this] { openHelp(); }});
    about_->relabel(languageIndex_);
    about_->show();
}

void CVarnelDlg::openWindow() {
    if (presence_->lastDeviceCount() == 0) {
        // A keyboard this user may not open is there: say so, with the fix.
        const char *prompt =
            library_->deniedNodeCount() > 0 ? "MAIN_NO_PERMISSION_PROMPT" : "MAIN_NO_DEVICE_PROMPT";
        skin::dialogServices().showMessage(nullptr, text(prompt), QString(),
                                           skin::MessageButtons::Ok);
        return;
    }
    showNormal();
    raise();
    activateWindow();
}

// ---------------------------------------------------------------- timers

void CVarnelDlg::previewTick() {
    if (lighting_->state().viewOn) parts_.previewTick();
    previewTimer_.start(kPreviewMs);
}

void CVarnelDlg::lightingReadBack() {
    readBackTimer_.stop();
    lighting_->reloadLighting();
    refreshLightingViews();
}

// ---------------------------------------------------------------- hosts

void CVarnelDlg::markApplyPending() {
    profiles_->setPending(true);
}

void CVarnelDlg::showButtonHint(int controlId, const model::ButtonHint &hint) {
    view_->showHint(controlId, hint);
}

bool CVarnelDlg::reselectCurrentProfile() {
    const int profile = profiles_->currentProfile();
    return profile >= 0 && profiles_->switchProfile(profile) == 1;
}

void CVarnelDlg::showKeyColour(int slot, lighting::Colour colour) {
    parts_.showKeyColour(slot, colour);
}

// ---------------------------------------------------------------- keyboard and closing

void CVarnelDlg::keyPressEvent(QKeyEvent *event) {
    // Enter and Escape never close or hide the window.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_F1) {
        openHelp();
        return;
    }
    CBaseDialog::keyPressEvent(event);
}

bool CVarnelDlg::eventFilter(QObject *watched, QEvent *event) {
    const bool keyEvent = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (keyEvent && watched == control(kModeSelector)) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up ||
            key == Qt::Key_Down) {
            return true;
        }
    }
    return CBaseDialog::eventFilter(watched, event);
}

void CVarnelDlg::reject() {}  // Escape: the window stays

void CVarnelDlg::closeEvent(QCloseEvent *event) {
    // The window manager's close (Alt+F4, a title-bar button) is the window's
    // Cancel while the tray can bring it back; without a tray it ends the utility,
    // as closing a window does elsewhere. Exit stays in the tray menu.
    event->ignore();
    if (shutDown_) return;
    if (tray_->isReachable()) return hideToTray();
    shutdown();
}

void CVarnelDlg::hideToTray() {
    if (tray_->isReachable()) return hide();
    static bool told = false;
    if (!told) {
        std::fprintf(stderr, "varnel: no system tray; the window is minimised instead of hidden\n");
        told = true;
    }
    showMinimized();
}

void CVarnelDlg::shutdown() {
    if (shutDown_) return;
    hide();
    closeChildWindows();
    shutDown_ = true;
    messages_->close();
    presence_->stop();
    environment_.releaseInstance();
    events_.closeAll();
    tray_->remove();
    for (model::ProfileStore *store : {&stores_.working, &stores_.snapshot}) {
        std::lock_guard lock(store->mutex());
        store->macros.clear();
        store->macros.shrink_to_fit();
        store->strings.clear();
    }
    QDialog::done(QDialog::Rejected);
    emit shutdownFinished();
}
