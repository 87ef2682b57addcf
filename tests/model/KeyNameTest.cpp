// Display names and list texts of keys through the language lookup.
#include <gtest/gtest.h>

#include "TestTexts.h"
#include "model/IntegerFormat.h"
#include "model/KeyConversions.h"

namespace model {
namespace {

using test::narrow;
using test::testTexts;

TEST(KeyNames, NamedKeysUseTheirText) {
    EXPECT_EQ(narrow(keyDisplayName(0x001, testTexts())), "<IDS_KEYBOARD_ESC>");
    EXPECT_EQ(narrow(keyDisplayName(0x136, testTexts())), "<IDS_KEYBOARD_RSHIFT>");
    EXPECT_EQ(narrow(keyDisplayName(0x16D, testTexts())), "<MEDIA_PALYER_1>");
}

TEST(KeyNames, UnnamedKeysFallBackToTheFormattedCode) {
    EXPECT_EQ(narrow(keyDisplayName(0x064, testTexts())), "Key 0x064");  // F13, no text key
    EXPECT_EQ(narrow(keyDisplayName(0x05A, testTexts())), "Key 0x05A");  // free row
    EXPECT_EQ(narrow(keyDisplayName(0x054, testTexts())), "Key 0x054");  // empty text
    EXPECT_EQ(narrow(keyDisplayName(0x203, testTexts())), "Key 0x203");  // extra key code
}

TEST(KeyNames, NamesAreCutToTheCapacity) {
    EXPECT_EQ(narrow(keyDisplayName(0x001, testTexts(), 5)), "<IDS");
    EXPECT_EQ(keyDisplayName(0x001, testTexts(), 1), u"");
    EXPECT_EQ(keyDisplayName(0x001, testTexts(), 0), u"");
}

TEST(KeyNames, ListTexts) {
    EXPECT_EQ(narrow(keyTextOfListIndex(0, testTexts())), "<IDS_KEYBOARD_A>");
    EXPECT_EQ(narrow(keyTextOfListIndex(103, testTexts())), "<IDS_KEYBOARD_RSHIFT>");
    EXPECT_EQ(keyTextOfListIndex(111, testTexts()), u"");
    EXPECT_EQ(keyTextOfListIndex(0x802D, testTexts()), u"");  // F13 has no text key
}

TEST(IntegerFormat, OneIntegerConversionAndNothingElse) {
    EXPECT_EQ(formatWithInteger(u"G%d", 3), u"G3");
    EXPECT_EQ(formatWithInteger(u"[%04X] %%", 0x1AB), u"[01AB] %");
    EXPECT_EQ(formatWithInteger(u"%-5u|", 42), u"42   |");
    // A second conversion or a non-integer one has no argument and stays as text.
    EXPECT_EQ(formatWithInteger(u"%d %d", 7), u"7 %d");
    EXPECT_EQ(formatWithInteger(u"%s %n %d", 7), u"%s %n 7");
    EXPECT_EQ(formatWithInteger(u"ends with %", 7), u"ends with %");
    EXPECT_EQ(formatWithInteger(u"%999999999999d", 7), u"%999999999999d");
}

}  // namespace
}  // namespace model
