#include "settings/FirstRun.h"

#include "platform/AtomicFile.h"

namespace app {

FirstRunResult initialiseUserFolder(const UserPaths &user, const AppPaths &app) {
    std::error_code error;
    if (std::filesystem::exists(user.userFolder, error)) return FirstRunResult::AlreadySetUp;
    std::filesystem::create_directories(user.dataHome, error);
    if (!std::filesystem::create_directory(user.userFolder, error)) return FirstRunResult::Failed;
    const auto lighting = platform::readWholeFile(app.defaultLightingFile());
    if (!lighting) return FirstRunResult::CreatedNoCopy;
    bool allCopied = true;
    for (int profile = 0; profile < kUserLightingFiles; ++profile) {
        allCopied =
            platform::writeFileAtomically(user.userLightingFile(profile), *lighting) && allCopied;
    }
    return allCopied ? FirstRunResult::Created : FirstRunResult::CreatedNoCopy;
}

}  // namespace app
