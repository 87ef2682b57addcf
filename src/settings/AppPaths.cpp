#include "settings/AppPaths.h"

#include <cstdio>

#include "settings/UserPaths.h"
#include "platform/Folders.h"

namespace app {

AppPaths AppPaths::build(const std::filesystem::path &applicationFolder,
                         std::string executableName) {
    AppPaths paths;
    paths.applicationFolder = applicationFolder;
    paths.executableName = std::move(executableName);
    paths.helpFolder = applicationFolder / "Help";
    paths.mainSkinFile = applicationFolder / "Skins" / "Main.ini";
    paths.skinFolder = paths.mainSkinFile.parent_path();
    paths.profileSkinFile = applicationFolder / "Skins" / "Profile.ini";
    paths.profileSkinFolder = paths.profileSkinFile.parent_path();
    paths.compositeSkinFile = applicationFolder / "Skins" / "Composite.ini";
    paths.compositeSkinFolder = paths.compositeSkinFile.parent_path();
    paths.companionProgram = applicationFolder / "Runvel";
    paths.updaterProgram = applicationFolder / "Tonder-0109";
    return paths;
}

std::filesystem::path AppPaths::languageFile(std::uint32_t languageId) const {
    return applicationFolder / languageFileName(languageId);
}

std::filesystem::path AppPaths::defaultLightingFile() const {
    return lightingFileIn(skinFolder, 3);
}

std::filesystem::path AppPaths::underApplicationFolder(const std::string &relative) const {
    return applicationFolder / relative;
}

std::string languageFileName(std::uint32_t languageId) {
    char name[32];
    std::snprintf(name, sizeof name, "Lang%04X.ini", static_cast<unsigned>(languageId));
    return name;
}

const AppPaths &runningAppPaths() {
    static const AppPaths paths =
        AppPaths::build(platform::applicationFolder(), platform::executableFileName());
    return paths;
}

std::filesystem::path numberedFile(const std::filesystem::path &prefix, int number,
                                   const std::string &suffix) {
    return std::filesystem::path(prefix.native() + std::to_string(number) + suffix);
}

}  // namespace app
