#include <unistd.h>

#include <cstdlib>

#include <gtest/gtest.h>

#include "ScratchFolder.h"
#include "platform/Folders.h"
#include "platform/LanguageId.h"

namespace {

TEST(Folders, ApplicationFolderIsTheFolderOfThisExecutable) {
    const auto folder = platform::applicationFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_TRUE(std::filesystem::exists(folder / platform::executableFileName()));
    EXPECT_EQ(platform::executableFileName(), "platform_system_tests");
}

TEST(Folders, XdgVariablesWinWhenAbsoluteAndFallBackToHome) {
    ::setenv("HOME", "/home/tester", 1);
    ::setenv("XDG_DATA_HOME", "/data", 1);
    ::setenv("XDG_CONFIG_HOME", "relative/config", 1);  // not absolute: ignored
    ::setenv("XDG_STATE_HOME", "", 1);
    EXPECT_EQ(platform::dataHome(), "/data");
    EXPECT_EQ(platform::configHome(), "/home/tester/.config");
    EXPECT_EQ(platform::stateHome(), "/home/tester/.local/state");
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(platform::dataHome(), "/home/tester/.local/share");
    ::setenv("XDG_RUNTIME_DIR", "/run/user/77", 1);
    EXPECT_EQ(platform::runtimeFolder(), "/run/user/77");
}

TEST(Folders, RuntimeFolderFallbackIsPrivateToTheUser) {
    ScratchFolder scratch;
    ::unsetenv("XDG_RUNTIME_DIR");
    ::setenv("TMPDIR", scratch.path().c_str(), 1);
    const auto folder = platform::runtimeFolder();
    ASSERT_EQ(folder, scratch.path() / ("varnel-" + std::to_string(::getuid())));
    const auto permissions = std::filesystem::status(folder).permissions();
    EXPECT_EQ(permissions & std::filesystem::perms::all, std::filesystem::perms::owner_all);
    // A folder others can enter is not used.
    std::filesystem::permissions(folder, std::filesystem::perms::others_exec,
                                 std::filesystem::perm_options::add);
    EXPECT_EQ(platform::runtimeFolder(), std::filesystem::path{});
    std::filesystem::remove(folder);
    std::filesystem::create_directory_symlink(scratch.path(), folder);
    EXPECT_EQ(platform::runtimeFolder(), std::filesystem::path{});
}

TEST(LanguageId, MapsLocaleNamesToWindowsLanguageIds) {
    EXPECT_EQ(platform::languageIdFromLocale("en_GB.UTF-8"), 0x0809);
    EXPECT_EQ(platform::languageIdFromLocale("en_US.UTF-8"), 0x0409);
    EXPECT_EQ(platform::languageIdFromLocale("de_AT.ISO-8859-1@euro"), 0x0C07);
    EXPECT_EQ(platform::languageIdFromLocale("zh_TW.UTF-8"), 0x0404);
    EXPECT_EQ(platform::languageIdFromLocale("zh_CN"), 0x0804);
    EXPECT_EQ(platform::languageIdFromLocale("fr"), 0x040C);           // main region
    EXPECT_EQ(platform::languageIdFromLocale("pt_AO.UTF-8"), 0x0416);  // unknown region
    EXPECT_EQ(platform::languageIdFromLocale("C"), 0x0409);
    EXPECT_EQ(platform::languageIdFromLocale("POSIX"), 0x0409);
    EXPECT_EQ(platform::languageIdFromLocale("C.UTF-8"), 0x0409);
    EXPECT_EQ(platform::languageIdFromLocale(""), 0x0409);
    EXPECT_EQ(platform::languageIdFromLocale("xx_YY"), 0x0409);
}

TEST(LanguageId, SystemLanguageFollowsTheLocaleVariablesInOrder) {
    ::setenv("LANG", "fr_FR.UTF-8", 1);
    ::setenv("LC_MESSAGES", "de_DE.UTF-8", 1);
    ::setenv("LC_ALL", "", 1);
    EXPECT_EQ(platform::systemLanguageId(), 0x0407);
    ::setenv("LC_ALL", "ja_JP.UTF-8", 1);
    EXPECT_EQ(platform::systemLanguageId(), 0x0411);
    ::unsetenv("LC_ALL");
    ::unsetenv("LC_MESSAGES");
    EXPECT_EQ(platform::systemLanguageId(), 0x040C);
    ::unsetenv("LANG");
    EXPECT_EQ(platform::systemLanguageId(), 0x0409);
}

}  // namespace
