#include "platform/Registry.h"

#include <gtest/gtest.h>

#include "ScratchFolder.h"
#include "platform/Utf.h"

using platform::Registry;
using platform::RegistryType;

namespace {

class RegistryTest : public ::testing::Test {
protected:
    ScratchFolder folder;
    std::filesystem::path store = folder.path() / "config" / "registry.ini";
    Registry registry{store};
};

TEST_F(RegistryTest, KeepsTypedValuesAcrossInstances) {
    EXPECT_EQ(registry.typeOf(u"Software\\App", u"dwLanguageId"), RegistryType::None);
    ASSERT_TRUE(registry.writeDword(u"Software\\App", u"dwLanguageId", 0x0409));
    ASSERT_TRUE(registry.writeDword(u"Software\\App", u"max", 0xFFFFFFFFu));
    ASSERT_TRUE(registry.writeString(u"Software\\Fw\\Title\\PROFILES", u"PROFILE00",
                                     u" /home/u/a \"b\".vrp\n\u00E9\\ "));
    Registry reopened(store);
    EXPECT_EQ(reopened.readDword(u"Software\\App", u"dwLanguageId"), 0x0409u);
    EXPECT_EQ(reopened.readDword(u"Software\\App", u"max"), 0xFFFFFFFFu);
    EXPECT_EQ(reopened.readString(u"Software\\Fw\\Title\\PROFILES", u"PROFILE00"),
              u" /home/u/a \"b\".vrp\n\u00E9\\ ");
    EXPECT_EQ(reopened.typeOf(u"Software\\App", u"dwLanguageId"), RegistryType::Dword);
    EXPECT_EQ(reopened.typeOf(u"Software\\Fw\\Title\\PROFILES", u"PROFILE00"),
              RegistryType::String);
}

TEST_F(RegistryTest, WrongTypeReadsAsMissingAndAWriteChangesTheType) {
    ASSERT_TRUE(registry.writeString(u"Software\\App", u"dwLanguageId", u"1033"));
    EXPECT_EQ(registry.readDword(u"Software\\App", u"dwLanguageId"), std::nullopt);
    ASSERT_TRUE(registry.writeDword(u"Software\\App", u"dwLanguageId", 0));
    EXPECT_EQ(registry.readDword(u"Software\\App", u"dwLanguageId"), 0u);
    EXPECT_EQ(registry.readString(u"Software\\App", u"dwLanguageId"), std::nullopt);
}

TEST_F(RegistryTest, KeyPathsAndNamesMatchWithoutRegardToCase) {
    ASSERT_TRUE(registry.writeDword(u"Software\\App", u"Value", 1));
    ASSERT_TRUE(registry.writeDword(u"\\SOFTWARE\\\\app\\", u"VALUE", 2));
    EXPECT_EQ(registry.readDword(u"software\\APP", u"value"), 2u);
    EXPECT_EQ(registry.readDword(u"Software\\App\\Sub", u"Value"), std::nullopt);
    EXPECT_EQ(registry.readDword(u"Software", u"Value"), std::nullopt);
}

TEST_F(RegistryTest, DamagedEntriesReadAsMissingAndBadNamesAreRefused) {
    std::filesystem::create_directories(store.parent_path());
    folder.write("config/registry.ini",
                 "[Software\\App]\nnohex=dword:12\nlong=dword:0x123456789\n"
                 "open=sz:\"unterminated\nnotype=5\n");
    for (const auto *name : {u"nohex", u"long", u"open", u"notype", u"absent"}) {
        EXPECT_EQ(registry.typeOf(u"Software\\App", name), RegistryType::None)
            << platform::toUtf8(name);
    }
    EXPECT_FALSE(registry.writeDword(u"Software\\App", u"a=b", 1));
    EXPECT_FALSE(registry.writeDword(u"Software\\App", u"", 1));
    EXPECT_FALSE(registry.writeDword(u"", u"name", 1));
    EXPECT_FALSE(registry.writeDword(u"Software\\A]pp", u"name", 1));
    EXPECT_TRUE(registry.writeDword(u"Software\\App", u"nohex", 3));
    EXPECT_EQ(registry.readDword(u"Software\\App", u"nohex"), 3u);
}

TEST_F(RegistryTest, StoreThatCannotBeCreatedFailsTheWrite) {
    const auto blocker = folder.write("file", "x");
    Registry blocked(blocker / "registry.ini");
    EXPECT_FALSE(blocked.writeDword(u"Software\\App", u"v", 1));
    EXPECT_EQ(blocked.readDword(u"Software\\App", u"v"), std::nullopt);
}

}  // namespace
