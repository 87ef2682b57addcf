#include "app/settings/UserPaths.h"

#include "app/settings/AppPaths.h"
#include "platform/Folders.h"

namespace app {

UserPaths UserPaths::build(const std::filesystem::path &dataHome) {
    UserPaths paths;
    paths.dataHome = dataHome;
    paths.userFolder = dataHome / platform::kProductFolderName;
    paths.settingsFile = paths.userFolder / "tvkb.ini";
    paths.userLightingPrefix = paths.userFolder / "UserDengColor_";
    return paths;
}

UserPaths UserPaths::forCurrentUser() {
    return build(platform::dataHome());
}

std::filesystem::path UserPaths::userLightingFile(int profile) const {
    return numberedFile(userLightingPrefix, profile, ".userd");
}

std::filesystem::path UserPaths::profileDataFile(int number) const {
    return numberedFile(userFolder / "$Profile", number, "");
}

}  // namespace app
