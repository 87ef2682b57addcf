#include "cli/KeyConfiguration.h"

#include <iostream>

#include "cli/ExitCode.h"
#include "cli/Texts.h"
#include "model/IntegerFormat.h"
#include "model/ProfileFile.h"
#include "settings/AppPaths.h"
#include "settings/FirstRun.h"
#include "settings/UserPaths.h"

namespace cli {

void showOnStderr(const model::UserMessage &message) {
    std::u16string text = textLookup()(model::kTextSection, message.textKey);
    if (message.number) text = model::formatWithInteger(text, unsigned(*message.number));
    std::cerr << "varnelctl: " << utf8(text) << '\n';
}

KeyConfiguration::KeyConfiguration(KeyboardSession &session)
    : session_(session),
      dataFile_(model::profileFilePath(app::UserPaths::forCurrentUser().userFolder, 0)) {}

model::DeviceImageTransfer &KeyConfiguration::transfer() {
    if (!transfer_) {
        transfer_ = std::make_unique<model::DeviceImageTransfer>(
            session_.commands(), session_.readLayout(), snapshot_,
            [this] {
                return uploadProfile_ >= 0 ? uploadProfile_ : session_.commands().activeProfile();
            },
            showOnStderr, textLookup());
    }
    return *transfer_;
}

model::ProfileStore &KeyConfiguration::load() {
    std::error_code error;
    if (!std::filesystem::exists(dataFile_, error)) {
        session_.requireKeyboard();
        download();
    }
    std::lock_guard lock(working_.mutex());
    if (model::readProfileFile(dataFile_, working_) != 1)
        fail(ExitCode::FileError, "cannot read the profile data file " + dataFile_.string());
    return working_;
}

void KeyConfiguration::importFrom(const std::filesystem::path &file) {
    std::string reason;
    const bool imported =
        model::importProfileFile(file, working_, [&reason](const std::filesystem::path &bad) {
            reason = languageText(u"PROFILE_FORMAT_ERROR", "%s is not a valid profile file.",
                                  bad.string());
        });
    if (imported) return;
    if (reason.empty()) reason = file.string() + " cannot be read as a whole profile file";
    fail(ExitCode::FileError,
         reason + " " +
             languageText(u"MAIN_PROMPT_INPORT",
                          "The profile could not be imported. Your current settings were not "
                          "changed."));
}

// The per-user folder is set up as the window's first start sets it up: a
// folder made here without the lighting files would keep the window from ever
// seeding them.
void KeyConfiguration::prepareUserFolder() {
    app::initialiseUserFolder(app::UserPaths::forCurrentUser(), app::runningAppPaths());
}

void KeyConfiguration::download() {
    prepareUserFolder();
    if (!transfer().downloadDeviceImage(dataFile_))
        fail(ExitCode::KeyboardError,
             "the keyboard's key configuration could not be read into " + dataFile_.string());
}

void KeyConfiguration::save() {
    prepareUserFolder();
    saveTo(dataFile_);
}

void KeyConfiguration::saveTo(const std::filesystem::path &file) {
    if (!model::writeProfileFile(working_, file, model::StoreLocking::TakeLock))
        fail(ExitCode::FileError, "cannot write " + file.string());
}

void KeyConfiguration::upload(std::optional<int> onlyProfile) {
    std::lock_guard lock(working_.mutex());
    uploadProfile_ = onlyProfile.value_or(-1);
    if (!transfer().uploadStore(working_, !onlyProfile))
        fail(ExitCode::KeyboardError, "the upload to the keyboard did not complete");
}

}  // namespace cli
