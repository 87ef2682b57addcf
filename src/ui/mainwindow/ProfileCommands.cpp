#include "ui/mainwindow/ProfileCommands.h"

#include <QFileInfo>
#include <mutex>

#include "devicelink/DeviceCommands.h"
#include "model/DeviceImage.h"
#include "model/ProfileFile.h"
#include "platform/Folders.h"
#include "platform/InstanceLock.h"
#include "settings/InstanceChannel.h"
#include "ui/mainwindow/BusyIndicator.h"
#include "ui/skin/CPngButton.h"
#include "ui/skin/DialogServices.h"
#include "ui/skin/DialogText.h"
#include "ui/skin/SkinPath.h"

namespace mainwindow {
namespace {

constexpr int kMaxLabelLength = 1024;
const QString kProfileFilter = QStringLiteral("(*.vrp) (*.vrp);;(*.*) (*)");
const QString kProfileExtension = QStringLiteral("vrp");

QString withVrpExtension(const QString &path) {
    return QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".vrp") : path;
}

}  // namespace

ProfileCommands::ProfileCommands(ProfileCommandsContext context, CPngButton &applyButton,
                                 CPngButton &profileNameButton, BusyIndicator &busy,
                                 QWidget &window)
    : context_(std::move(context)),
      applyButton_(applyButton),
      profileNameButton_(profileNameButton),
      busy_(busy),
      window_(window) {}

ProfileCommands::~ProfileCommands() = default;

QString ProfileCommands::text(const char *key) const {
    return skin::dialogText(key, context_.languageIndex);
}

bool ProfileCommands::ask(std::u16string_view key) {
    return skin::askYesNo(&window_, key, context_.languageIndex);
}

void ProfileCommands::notify(const QString &message) {
    skin::dialogServices().showMessage(&window_, message, QString(), skin::MessageButtons::Ok);
}

int ProfileCommands::currentProfile() {
    return context_.device.activeProfile();
}

void ProfileCommands::setCurrentProfile(int profile) {
    if (profile >= 0) context_.device.setActiveProfile(profile);
}

bool ProfileCommands::pending() const {
    return applyButton_.isEnabled();
}

void ProfileCommands::setPending(bool pending) {
    applyButton_.setEnabled(pending);
    if (!pending) {
        userFilesLock_.reset();
    } else if (!userFilesLock_ || !userFilesLock_->held()) {
        userFilesLock_ = std::make_unique<platform::InstanceLock>(platform::runtimeFolder(),
                                                                  app::kUserFilesLockName);
    }
}

std::filesystem::path ProfileCommands::profileDataFile() const {
    return model::profileFilePath(context_.userFolder, 0);
}

int ProfileCommands::switchProfile(int profile) {
    if (profile >= 3) profile = 0;
    if (hooks_.compositeOpenCount() >= 1) {
        notify(text("PROFILE_SEELCT_PROMPT2"));
        return 0;
    }
    if (pending() || hooks_.managerPending()) {
        if (!askingToSwitch_) {
            askingToSwitch_ = true;
            if (ask(u"PROFILE_SELECT_PROMPT")) {
                apply();
            } else {
                setPending(false);
                // The file holds the last applied state. When it cannot be read
                // the store keeps the changes, and Apply stays enabled to say so.
                if (currentProfile() >= 0) {
                    context_.prepareUserFolder();
                    std::lock_guard lock(context_.working.mutex());
                    if (model::readProfileFile(profileDataFile(), context_.working) != 1) {
                        setPending(true);
                    }
                }
            }
        }
        askingToSwitch_ = false;
        setCurrentProfile(profile);
    } else {
        setCurrentProfile(profile);
        if (hooks_.managerOpenCount() >= 1) {
            hooks_.tickManagerRow(profile);
            hooks_.clearManagerPending();
        }
    }
    {
        std::lock_guard lock(context_.working.mutex());
        context_.keys.refreshKeyButtons();
    }
    refreshProfileLabel();
    return 1;
}

void ProfileCommands::apply() {
    busy_.begin();
    if (pending()) {
        std::lock_guard lock(context_.working.mutex());
        const bool written = model::writeExistingProfileFile(context_.working, profileDataFile(),
                                                             model::StoreLocking::AlreadyHeld);
        const bool uploaded = context_.transfer.uploadStore(context_.working, false);
        if (written && uploaded) setPending(false);
    }
    busy_.end();
}

void ProfileCommands::restoreDefaults() {
    if (!ask(u"MAIN_PROMPT_DEFAULT")) return;
    context_.keys.resetKeyAssignments();
    restoreLighting_();
    apply();
}

QString ProfileCommands::profileLabel() {
    const int profile = currentProfile();
    if (profile < 0) return text("DEFAULT_PROFILE_NAME");
    const std::filesystem::path file = model::profileFilePath(context_.userFolder, profile);
    return skin::toQString(file.stem()).left(kMaxLabelLength);
}

void ProfileCommands::refreshProfileLabel() {
    const QString label = profileLabel();
    profileNameButton_.setText(label);
    profileNameButton_.setToolTipText(text("PROFILE_TIP") + label);
}

void ProfileCommands::exportTo(const QString &path) {
    model::writeProfileFile(context_.working, skin::toPath(path), model::StoreLocking::TakeLock);
}

bool ProfileCommands::importFrom(const QString &path) {
    const std::filesystem::path file = skin::toPath(path);
    if (!model::importProfileFile(file, context_.working, [this](const std::filesystem::path &bad) {
            notify(
                text("PROFILE_FORMAT_ERROR").replace(QStringLiteral("%s"), skin::toQString(bad)));
        })) {
        notify(text("MAIN_PROMPT_INPORT"));
        return false;
    }
    {
        std::lock_guard lock(context_.working.mutex());
        model::writeProfileFile(context_.working, profileDataFile(),
                                model::StoreLocking::AlreadyHeld);
        context_.transfer.uploadStore(context_.working, true);
        context_.keys.refreshKeyButtons();
    }
    setPending(false);
    return true;
}

void ProfileCommands::exportWithDialog() {
    const QString path = skin::dialogServices().saveFileName(
        &window_, QString(), QStringLiteral("*.vrp"), kProfileFilter, kProfileExtension);
    if (!path.isEmpty()) exportTo(withVrpExtension(path));
}

void ProfileCommands::importWithDialog() {
    const QString path = skin::dialogServices().openFileName(
        &window_, QString(), QStringLiteral("*.vrp"), kProfileFilter);
    if (!path.isEmpty()) importFrom(path);
}

void ProfileCommands::installDefaultStore(model::ProfileStore &store) {
    store.macros.clear();
    store.strings.clear();
    model::installDefaultProfileBlock(store);
}

void ProfileCommands::reloadFromFile() {
    if (pending()) return;
    std::lock_guard lock(context_.working.mutex());
    // A file that cannot be read leaves the store as it was.
    model::readProfileFile(profileDataFile(), context_.working);
    context_.keys.refreshKeyButtons();
}

void ProfileCommands::reloadFromKeyboard(bool keepPending) {
    context_.prepareUserFolder();
    const int profile = currentProfile();
    const bool downloaded =
        profile >= 0 && context_.transfer.downloadDeviceImage(profileDataFile());
    {
        std::lock_guard lock(context_.working.mutex());
        if (!downloaded || model::readProfileFile(profileDataFile(), context_.working) != 1) {
            installDefaultStore(context_.working);
        }
        context_.keys.refreshKeyButtons();
    }
    if (!keepPending) setPending(false);
}

}  // namespace mainwindow
