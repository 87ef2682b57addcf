#include "settings/FirstRun.h"

#include <gtest/gtest.h>

#include "ScratchFolder.h"

namespace {

using app::FirstRunResult;

class FirstRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(folder.path() / "app" / "Skins");
        template_ = std::string("\x00\x01\xFF\r\nlighting", 13);
        folder.write("app/Skins/UserDengColor_3.userd", template_);
    }

    ScratchFolder folder;
    std::string template_;
    app::AppPaths appPaths = app::AppPaths::build(folder.path() / "app", "varnel");
    app::UserPaths user = app::UserPaths::build(folder.path() / "data" / "share");
};

TEST_F(FirstRunTest, NewUserGetsTheFolderAndThreeIdenticalLightingFiles) {
    ASSERT_EQ(app::initialiseUserFolder(user, appPaths), FirstRunResult::Created);
    for (int profile = 0; profile < 3; ++profile) {
        EXPECT_EQ(ScratchFolder::read(user.userLightingFile(profile)), template_) << profile;
    }
    EXPECT_FALSE(std::filesystem::exists(user.userLightingFile(3)));
}

TEST_F(FirstRunTest, ExistingFolderIsLeftAloneEvenWithFilesMissing) {
    ASSERT_EQ(app::initialiseUserFolder(user, appPaths), FirstRunResult::Created);
    std::filesystem::remove(user.userLightingFile(1));
    folder.write("data/share/Tarvik Q770RGB-PRO/UserDengColor_0.userd", "edited");
    EXPECT_EQ(app::initialiseUserFolder(user, appPaths), FirstRunResult::AlreadySetUp);
    EXPECT_FALSE(std::filesystem::exists(user.userLightingFile(1)));
    EXPECT_EQ(ScratchFolder::read(user.userLightingFile(0)), "edited");
}

TEST_F(FirstRunTest, MissingTemplateOrUnusableDataFolderMakesNoCopies) {
    std::filesystem::remove(appPaths.defaultLightingFile());
    EXPECT_EQ(app::initialiseUserFolder(user, appPaths), FirstRunResult::CreatedNoCopy);
    EXPECT_TRUE(std::filesystem::is_directory(user.userFolder));
    EXPECT_FALSE(std::filesystem::exists(user.userLightingFile(0)));

    const auto blocker = folder.write("blocker", "a file where the data folder should be");
    const auto blocked = app::UserPaths::build(blocker / "share");
    EXPECT_EQ(app::initialiseUserFolder(blocked, appPaths), FirstRunResult::Failed);
}

}  // namespace
