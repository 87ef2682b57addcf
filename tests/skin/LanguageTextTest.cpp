#include "ui/skin/layout/LanguageText.h"

#include <gtest/gtest.h>

#include "ScratchFolder.h"

namespace {

class LanguageTextTest : public ::testing::Test {
protected:
    void SetUp() override { skin::setLanguageFolder(folder.path()); }

    ScratchFolder folder;
};

}  // namespace

TEST(LanguageFileName, IsFourUpperCaseHexDigits) {
    EXPECT_EQ(skin::languageFileName(0x0409), "Lang0409.ini");
    EXPECT_EQ(skin::languageFileName(1033), "Lang0409.ini");
    EXPECT_EQ(skin::languageFileName(0x0C0A), "Lang0C0A.ini");
    EXPECT_EQ(skin::languageFileName(0), "Lang0000.ini");
}

TEST(LanguageFileName, IndexesOutsideTheTableReadEntryZero) {
    EXPECT_EQ(skin::supportedLanguageId(0), 0x0409);
    EXPECT_EQ(skin::supportedLanguageId(2), 0x0409);
    EXPECT_EQ(skin::supportedLanguageId(3), 0);
    EXPECT_EQ(skin::supportedLanguageId(4), 0x0409);
    EXPECT_EQ(skin::supportedLanguageId(5), 0x0409);
    EXPECT_EQ(skin::supportedLanguageId(-1), 0x0409);
}

TEST_F(LanguageTextTest, FindsTextsBySectionAndKey) {
    folder.write("Lang0409.ini",
                 "[TEXT]\nPROFILE_OK=OK\nUNKNOWN_KEY=Key %d\nBLANK=\n"
                 "[LIGHT]\nSpeed=Speed\n[MODE]\n1=Static\n");
    EXPECT_EQ(skin::lookupText(u"PROFILE_OK", 0), u"OK");
    EXPECT_EQ(skin::lookupText(u"profile_ok", 1), u"OK");
    EXPECT_EQ(skin::lookupText(u"UNKNOWN_KEY", 2), u"Key %d");
    EXPECT_EQ(skin::lookupLightText(u"Speed", 0), u"Speed");
    EXPECT_EQ(skin::lookupModeText(u"1", 0), u"Static");
    // Sections do not leak into each other.
    EXPECT_EQ(skin::lookupText(u"Speed", 0), skin::kMissingText);
    EXPECT_EQ(skin::lookupModeText(u"PROFILE_OK", 0), skin::kMissingText);
    // Present but empty is the empty text, not a missing one.
    EXPECT_EQ(skin::lookupText(u"BLANK", 0), u"");
    EXPECT_EQ(skin::lookupText(u"NOT_THERE", 0), skin::kMissingText);
    // Index 5 reads the file of entry 0; index 3 names a file that does not ship.
    EXPECT_EQ(skin::lookupText(u"PROFILE_OK", 5), u"OK");
    EXPECT_EQ(skin::lookupText(u"PROFILE_OK", 3), skin::kMissingText);
}

TEST_F(LanguageTextTest, MissingFileGivesTheErrorTextAndEditsShowAtOnce) {
    EXPECT_EQ(skin::lookupText(u"PROFILE_OK", 0), skin::kMissingText);
    folder.write("Lang0409.ini", "[TEXT]\nPROFILE_OK=Fine\n");
    EXPECT_EQ(skin::lookupText(u"PROFILE_OK", 0), u"Fine");
    folder.write("Lang0409.ini", "[TEXT]\nPROFILE_OK=Done\n");
    EXPECT_EQ(skin::lookupText(u"PROFILE_OK", 0), u"Done");
}

TEST_F(LanguageTextTest, LongTextsAreCutTo259Characters) {
    folder.write("Lang0409.ini", "[TEXT]\nLONG=" + std::string(600, 'a') + "\n");
    EXPECT_EQ(skin::lookupText(u"LONG", 0), std::u16string(259, u'a'));
}
