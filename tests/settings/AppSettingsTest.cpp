#include "settings/AppSettings.h"

#include <gtest/gtest.h>

#include "ScratchFolder.h"

namespace {

class AppSettingsTest : public ::testing::Test {
protected:
    ScratchFolder folder;
    platform::Registry registry{folder.path() / "registry.ini"};
    app::AppSettings settings{registry};
};

TEST_F(AppSettingsTest, MissingOrWronglyTypedLanguageIsReplacedByZero) {
    EXPECT_EQ(settings.languageId(), 0u);
    EXPECT_EQ(registry.readDword(app::kAppKeyPath, app::kLanguageIdValue), 0u);
    ASSERT_TRUE(registry.writeString(app::kAppKeyPath, app::kLanguageIdValue, u"1033"));
    EXPECT_EQ(settings.languageId(), 0u);
    EXPECT_EQ(registry.typeOf(app::kAppKeyPath, app::kLanguageIdValue),
              platform::RegistryType::Dword);
    ASSERT_TRUE(settings.setLanguageId(0x0409));
    EXPECT_EQ(settings.languageId(), 0x0409u);
    EXPECT_EQ(platform::Registry(registry.storeFile())
                  .readDword(u"SOFTWARE\\bramwel_09a", u"DWLANGUAGEID"),
              0x0409u);
}

TEST_F(AppSettingsTest, UnusableStoreReadsTheLanguageAsZero) {
    const auto blocker = folder.write("blocker", "x");
    platform::Registry broken(blocker / "registry.ini");
    app::AppSettings brokenSettings(broken);
    EXPECT_EQ(brokenSettings.languageId(), 0u);
    EXPECT_FALSE(brokenSettings.setLanguageId(0x0409));
    EXPECT_EQ(brokenSettings.languageId(), 0u);
}

TEST_F(AppSettingsTest, ProfileStringsAndNumbersLiveInTheProfilesSection) {
    EXPECT_EQ(settings.profileString(u"Flip", u"0"), u"0");
    EXPECT_EQ(settings.profileInt(u"RecordDelay", 1), 1);
    ASSERT_TRUE(settings.writeProfileString(u"Flip", u"1"));
    ASSERT_TRUE(settings.writeProfileString(app::AppSettings::profileListKey(0),
                                            u"/home/u/My Profile.vrp"));
    ASSERT_TRUE(settings.writeProfileInt(u"RecordDelay", -5));
    EXPECT_EQ(settings.profileString(u"flip", u"0"), u"1");
    EXPECT_EQ(settings.profileString(u"PROFILE00", u""), u"/home/u/My Profile.vrp");
    EXPECT_EQ(settings.profileInt(u"RecordDelay", 1), -5);
    EXPECT_EQ(settings.profileInt(u"Flip", 7), 7);  // a string is not a number
    EXPECT_EQ(registry.readString(u"Software\\Varnel_Quorell\\Tarvik Q770RGB\\PROFILES", u"Flip"),
              u"1");
}

TEST(ProfileListKey, TwoDigitsAtLeast) {
    EXPECT_EQ(app::AppSettings::profileListKey(0), u"PROFILE00");
    EXPECT_EQ(app::AppSettings::profileListKey(7), u"PROFILE07");
    EXPECT_EQ(app::AppSettings::profileListKey(123), u"PROFILE123");
}

}  // namespace
