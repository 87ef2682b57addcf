#include "settings/UserPaths.h"

#include "settings/AppPaths.h"
#include "platform/Folders.h"

namespace app {

UserPaths UserPaths::build(const std::filesystem::path &dataHome) {
    UserPaths paths;
    paths.dataHome = dataHome;
    paths.userFolder = dataHome / platform::kProductFolderName;
    paths.settingsFile = paths.userFolder / "tvkb.ini";
    return paths;
}

UserPaths UserPaths::forCurrentUser() {
    return build(platform::dataHome());
}

std::filesystem::path UserPaths::userLightingFile(int profile) const {
    return lightingFileIn(userFolder, profile);
}

std::filesystem::path UserPaths::profileDataFile(int number) const {
    return numberedFile(userFolder / "$Profile", number, "");
}

std::filesystem::path lightingFileIn(const std::filesystem::path &folder, int number) {
    return numberedFile(folder / "UserDengColor_", number, ".userd");
}

}  // namespace app
