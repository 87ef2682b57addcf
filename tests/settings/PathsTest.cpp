#include <gtest/gtest.h>

#include "settings/AppPaths.h"
#include "settings/UserPaths.h"

namespace {

TEST(AppPaths, EveryPathIsBuiltFromTheApplicationFolder) {
    const auto paths = app::AppPaths::build("/opt/varnel", "varnel");
    EXPECT_EQ(paths.executableName, "varnel");
    EXPECT_EQ(paths.helpFolder, "/opt/varnel/Help");
    EXPECT_EQ(paths.helpPage(), "/opt/varnel/Help/index.html");
    EXPECT_EQ(paths.mainSkinFile, "/opt/varnel/Skins/Main.ini");
    EXPECT_EQ(paths.skinFolder, "/opt/varnel/Skins");
    EXPECT_EQ(paths.profileSkinFile, "/opt/varnel/Skins/Profile.ini");
    EXPECT_EQ(paths.profileSkinFolder, "/opt/varnel/Skins");
    EXPECT_EQ(paths.compositeSkinFile, "/opt/varnel/Skins/Composite.ini");
    EXPECT_EQ(paths.compositeSkinFolder, "/opt/varnel/Skins");
    EXPECT_EQ(paths.companionProgram, "/opt/varnel/Runvel");
    EXPECT_EQ(paths.updaterProgram, "/opt/varnel/Tonder-0109");
    EXPECT_EQ(paths.defaultLightingFile(), "/opt/varnel/Skins/UserDengColor_3.userd");
    EXPECT_EQ(paths.underApplicationFolder("Skins/Arrow.jpg"), "/opt/varnel/Skins/Arrow.jpg");
}

TEST(AppPaths, LanguageFilesAreNamedByTheirHexadecimalId) {
    const auto paths = app::AppPaths::build("/opt/varnel", "varnel");
    EXPECT_EQ(paths.languageFile(0x0409), "/opt/varnel/Lang0409.ini");
    EXPECT_EQ(paths.languageFile(0x0C0A), "/opt/varnel/Lang0C0A.ini");
    EXPECT_EQ(paths.languageFile(0x12345), "/opt/varnel/Lang12345.ini");
}

TEST(AppPaths, RunningTableDescribesThisExecutable) {
    const auto &paths = app::runningAppPaths();
    EXPECT_EQ(paths.executableName, "settings_tests");
    EXPECT_TRUE(std::filesystem::exists(paths.applicationFolder / paths.executableName));
    EXPECT_EQ(&paths, &app::runningAppPaths());
}

TEST(UserPaths, PerUserFilesLiveInTheProductFolderOfTheDataHome) {
    const auto paths = app::UserPaths::build("/home/u/.local/share");
    EXPECT_EQ(paths.userFolder, "/home/u/.local/share/Tarvik Q770RGB-PRO");
    EXPECT_EQ(paths.settingsFile, "/home/u/.local/share/Tarvik Q770RGB-PRO/tvkb.ini");
    EXPECT_EQ(paths.userLightingFile(0),
              "/home/u/.local/share/Tarvik Q770RGB-PRO/UserDengColor_0.userd");
    EXPECT_EQ(paths.userLightingFile(2),
              "/home/u/.local/share/Tarvik Q770RGB-PRO/UserDengColor_2.userd");
    EXPECT_EQ(paths.profileDataFile(0), "/home/u/.local/share/Tarvik Q770RGB-PRO/$Profile0");
    ::setenv("XDG_DATA_HOME", "/srv/data", 1);
    EXPECT_EQ(app::UserPaths::forCurrentUser().userFolder, "/srv/data/Tarvik Q770RGB-PRO");
}

}  // namespace
