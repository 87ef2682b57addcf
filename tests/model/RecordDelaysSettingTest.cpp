#include <gtest/gtest.h>

#include "ProfileTestSupport.h"
#include "TestTexts.h"
#include "settings/AppSettings.h"
#include "model/RecordDelaysSetting.h"
#include "platform/Registry.h"

using namespace model;

namespace {

TEST(RecordDelaysSettingTest, StoredUnderTheLookedUpNameAndClampedOnEveryAccess) {
    test::TemporaryFolder folder;
    platform::Registry registry(folder / "registry.ini");
    app::AppSettings settings(registry);
    RecordDelaysSetting setting(settings, test::testTexts());
    const std::u16string entry = u"<MACRO_ACTION_RECORD_DELAY>";

    // Missing: the default 0, written back.
    EXPECT_EQ(setting.read(), 0);
    EXPECT_EQ(settings.profileString(entry, u"missing"), u"0");

    ASSERT_TRUE(settings.writeProfileString(entry, u"7"));
    EXPECT_EQ(setting.read(), 0);
    EXPECT_EQ(settings.profileString(entry, u""), u"0");

    ASSERT_TRUE(settings.writeProfileString(entry, u" 1"));
    EXPECT_EQ(setting.read(), 1);
    EXPECT_EQ(settings.profileString(entry, u""), u"1");

    EXPECT_EQ(setting.write(5), 0);
    EXPECT_EQ(settings.profileString(entry, u""), u"0");
    EXPECT_EQ(setting.write(1), 1);
    EXPECT_EQ(setting.read(), 1);
    EXPECT_EQ(setting.write(-1), 0);

    // The entry follows the language: the key itself is not the name.
    EXPECT_EQ(settings.profileString(u"MACRO_ACTION_RECORD_DELAY", u"none"), u"none");
}

}  // namespace
