#include <gtest/gtest.h>

#include "ScratchFolder.h"
#include "settings/CIniFile.h"
#include "settings/UserSettings.h"
#include "settings/VendorLink.h"

namespace {

TEST(UserSettings, LightingViewSwitchIsOnOnlyForTheNumberOne) {
    ScratchFolder folder;
    app::UserSettings settings(folder.path() / "tvkb.ini");
    EXPECT_FALSE(settings.lightingViewSwitch());  // no file yet
    ASSERT_TRUE(settings.setLightingViewSwitch(true));
    EXPECT_EQ(ScratchFolder::read(settings.file()), "[KEYCOLOR]\nDengCheck=1\n");
    EXPECT_TRUE(settings.lightingViewSwitch());
    ASSERT_TRUE(settings.setLightingViewSwitch(false));
    EXPECT_FALSE(settings.lightingViewSwitch());
    for (const auto *text : {"[keycolor]\ndengcheck = 1 \n", "[KEYCOLOR]\nDengCheck=1;x\n"}) {
        folder.write("tvkb.ini", text);
        EXPECT_TRUE(settings.lightingViewSwitch()) << text;
    }
    for (const auto *text : {"[KEYCOLOR]\nDengCheck=2\n", "[KEYCOLOR]\nDengCheck=on\n",
                             "[KEYCOLOR]\nDengCheck=\n", "[OTHER]\nDengCheck=1\n"}) {
        folder.write("tvkb.ini", text);
        EXPECT_FALSE(settings.lightingViewSwitch()) << text;
    }
}

TEST(VendorLink, SkinValueOrTheBuiltInAddress) {
    ScratchFolder folder;
    EXPECT_EQ(app::readVendorLink(folder.path() / "Main.ini"), app::kDefaultVendorLink);
    folder.write("Main.ini", "[SCREEN]\nLink=\n");
    EXPECT_EQ(app::readVendorLink(folder.path() / "Main.ini"), app::kDefaultVendorLink);
    folder.write("Main.ini", "[screen]\nLINK= https://example.org/keyboards \n");
    EXPECT_EQ(app::readVendorLink(folder.path() / "Main.ini"), u"https://example.org/keyboards");
    folder.write("Main.ini", "[SCREEN]\nLink=https://" + std::string(400, 'a') + "\n");
    EXPECT_EQ(app::readVendorLink(folder.path() / "Main.ini").size(), 259u);
}

TEST(CIniFile, ReadsNonEmptyValuesUpToTheLongBufferAndWritesOne) {
    ScratchFolder folder;
    const auto file = folder.write(
        "Main.ini", "[SCREEN]\nEmpty=\nLong=" + std::string(3000, 'v') + "\nTitle=Main\n");
    app::CIniFile ini(file);
    EXPECT_EQ(ini.read(u"screen", u"title"), u"Main");
    EXPECT_EQ(ini.read(u"SCREEN", u"Empty"), std::nullopt);
    EXPECT_EQ(ini.read(u"SCREEN", u"Missing"), std::nullopt);
    EXPECT_EQ(ini.read(u"SCREEN", u"Long")->size(), 2047u);
    ASSERT_TRUE(ini.write(u"SCREEN", u"Title", u"Changed"));
    EXPECT_EQ(app::CIniFile(file).read(u"SCREEN", u"Title"), u"Changed");
    EXPECT_EQ(ini.read(u"SCREEN", u"Long")->size(), 2047u);
}

}  // namespace
