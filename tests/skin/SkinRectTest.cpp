#include "ui/skin/layout/SkinRect.h"

#include <gtest/gtest.h>

#include "ScratchFolder.h"

using skin::SkinRect;

TEST(SkinRect, ParsesFourNumbersAndIgnoresTheRest) {
    EXPECT_EQ(skin::parseSkinRect(u"10,20,30,40"), (SkinRect{10, 20, 30, 40}));
    EXPECT_EQ(skin::parseSkinRect(u"10,20,30,40,99,junk"), (SkinRect{10, 20, 30, 40}));
    EXPECT_EQ(skin::parseSkinRect(u"1,1,1,1,x"), (SkinRect{1, 1, 1, 1}));
    EXPECT_EQ(skin::parseSkinRect(u" -5, +7, 8,9"), (SkinRect{-5, 7, 8, 9}));
    EXPECT_EQ(skin::parseSkinRect(u"3,4,5,6px"), (SkinRect{3, 4, 5, 6}));
}

TEST(SkinRect, MalformedValuesKeepTheMissingKeyFields) {
    // Fields after the first mismatch keep the missing-key value 1.
    EXPECT_EQ(skin::parseSkinRect(u""), (SkinRect{1, 1, 1, 1}));
    EXPECT_EQ(skin::parseSkinRect(u"10,20"), (SkinRect{10, 20, 1, 1}));
    EXPECT_EQ(skin::parseSkinRect(u"10 ,20,30,40"), (SkinRect{10, 1, 1, 1}));
    EXPECT_EQ(skin::parseSkinRect(u"10,,30,40"), (SkinRect{10, 1, 1, 1}));
    EXPECT_EQ(skin::parseSkinRect(u"abc"), (SkinRect{1, 1, 1, 1}));
    EXPECT_EQ(skin::parseSkinRect(u"10,-,30,40"), (SkinRect{10, 1, 1, 1}));
    EXPECT_EQ(skin::parseSkinRect(u"7,8,9,"), (SkinRect{7, 8, 9, 1}));
}

TEST(SkinRect, HugeNumbersSaturateInsteadOfOverflowing) {
    const SkinRect rect = skin::parseSkinRect(u"99999999999999999999,-99999999999999999999,0,0");
    EXPECT_EQ(rect.x, 2147483647);
    EXPECT_EQ(rect.y, -2147483647 - 1);
}

TEST(SkinRect, ReadsFromTheSkinFileWithTheMissingKeyDefault) {
    ScratchFolder folder;
    const auto ini = folder.write("Main.ini",
                                  "[ButtonInfo]\r\nkey_01e = 10,20,30,40\r\nEMPTY=\r\n"
                                  "[BUTTONINFO2]\r\nLEFT_ARROW=5,6,7,8\r\n");
    EXPECT_EQ(skin::readSkinRect(ini, skin::kButtonInfoSection, u"KEY_01E"),
              (SkinRect{10, 20, 30, 40}));
    EXPECT_EQ(skin::readSkinRect(ini, skin::kButtonInfo2Section, u"LEFT_ARROW"),
              (SkinRect{5, 6, 7, 8}));

    const SkinRect missing = skin::readSkinRect(ini, skin::kButtonInfoSection, u"KEY_01F");
    EXPECT_EQ(missing, (SkinRect{1, 1, 1, 1}));
    EXPECT_TRUE(missing.isAtMissingKeyPosition());
    EXPECT_TRUE(
        skin::readSkinRect(ini, skin::kButtonInfoSection, u"EMPTY").isAtMissingKeyPosition());
    EXPECT_EQ(
        skin::readSkinRect(folder.path() / "absent.ini", skin::kButtonInfoSection, u"KEY_01E"),
        (SkinRect{1, 1, 1, 1}));
}
