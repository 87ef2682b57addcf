#include "ui/skin/layout/LanguageIndex.h"

#include <gtest/gtest.h>

#include "ScratchFolder.h"
#include "platform/Registry.h"

namespace {

class LanguageIndexTest : public ::testing::Test {
protected:
    std::optional<std::uint32_t> stored() const {
        return registry.readDword(skin::kLanguageKeyPath, skin::kLanguageValueName);
    }

    ScratchFolder folder;
    platform::Registry registry{folder.path() / "registry.ini"};
};

}  // namespace

TEST(LanguageIdMap, MapsRegionalVariantsAndPassesOthers) {
    EXPECT_EQ(skin::mapSystemLanguageId(0x0C04), 0x0804);
    EXPECT_EQ(skin::mapSystemLanguageId(0x1004), 0x0404);
    for (std::uint16_t english :
         {0x0809, 0x0C09, 0x1009, 0x1409, 0x1809, 0x1C09, 0x2009, 0x2409, 0x2809, 0x2C09}) {
        EXPECT_EQ(skin::mapSystemLanguageId(english), 0x0409) << english;
    }
    EXPECT_EQ(skin::mapSystemLanguageId(0x0409), 0x0409);
    EXPECT_EQ(skin::mapSystemLanguageId(0x0407), 0x0407);
    EXPECT_EQ(skin::mapSystemLanguageId(0x3009), 0x3009);
}

TEST_F(LanguageIndexTest, FirstRunStoresTheMappedSystemLanguage) {
    EXPECT_EQ(skin::currentLanguageIndex(registry, 0x0C09), 0);
    EXPECT_EQ(stored(), 0x0409u);
}

TEST_F(LanguageIndexTest, UnshippedSystemLanguagesStoreEnglish) {
    EXPECT_EQ(skin::currentLanguageIndex(registry, 0x0407), 0);
    EXPECT_EQ(stored(), 0x0409u);
    // Chinese maps to a language the utility does not ship.
    ScratchFolder other;
    platform::Registry fresh(other.path() / "registry.ini");
    EXPECT_EQ(skin::currentLanguageIndex(fresh, 0x0C04), 0);
    EXPECT_EQ(fresh.readDword(skin::kLanguageKeyPath, skin::kLanguageValueName), 0x0409u);
}

TEST_F(LanguageIndexTest, AChosenLanguageIsKeptAndAWrongTypeIsReplaced) {
    ASSERT_TRUE(registry.writeDword(skin::kLanguageKeyPath, skin::kLanguageValueName, 0x0407));
    EXPECT_EQ(skin::currentLanguageIndex(registry, 0x0809), 0);
    EXPECT_EQ(stored(), 0x0407u);

    ASSERT_TRUE(registry.writeString(skin::kLanguageKeyPath, skin::kLanguageValueName, u"1033"));
    EXPECT_EQ(skin::currentLanguageIndex(registry, 0x0809), 0);
    EXPECT_EQ(registry.typeOf(skin::kLanguageKeyPath, skin::kLanguageValueName),
              platform::RegistryType::Dword);
    EXPECT_EQ(stored(), 0x0409u);
}

TEST(LanguageIndexOfId, FirstMatchingPositionOrZero) {
    EXPECT_EQ(skin::languageIndexOfId(0x0409), 0);
    EXPECT_EQ(skin::languageIndexOfId(0), 0);
    EXPECT_EQ(skin::languageIndexOfId(0x0804), 0);
}
