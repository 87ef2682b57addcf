#include "platform/IniFile.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include "ScratchFolder.h"
#include "platform/Registry.h"

using platform::readIniInt;
using platform::readIniString;
using platform::writeIniString;

namespace {

class IniFileTest : public ::testing::Test {
protected:
    ScratchFolder folder;
};

TEST_F(IniFileTest, LooksUpSectionsAndKeysWithoutRegardToCaseAndTrimsBlanks) {
    const auto file = folder.write("a.ini",
                                   "[Screen]\n"
                                   "  Link =  https://example.org/a b  \n"
                                   "Empty=\n"
                                   "\tTabbed\t=\tvalue\t\n"
                                   "[ Other ]\n"
                                   "Link=other\n");
    EXPECT_EQ(readIniString(file, u"SCREEN", u"link", u"d"), u"https://example.org/a b");
    EXPECT_EQ(readIniString(file, u"screen", u"EMPTY", u"d"), u"");
    EXPECT_EQ(readIniString(file, u"Screen", u"tabbed", u"d"), u"value");
    EXPECT_EQ(readIniString(file, u"other", u"Link", u"d"), u"other");
}

TEST_F(IniFileTest, MissingFileSectionOrKeyGivesTheDefault) {
    const auto file = folder.write("a.ini", "[A]\nx=1\n");
    EXPECT_EQ(readIniString(folder.path() / "none.ini", u"A", u"x", u"dflt"), u"dflt");
    EXPECT_EQ(readIniString(file, u"B", u"x", u"dflt"), u"dflt");
    EXPECT_EQ(readIniString(file, u"A", u"y", u"dflt"), u"dflt");
    EXPECT_EQ(readIniString(folder.path(), u"A", u"x", u"dflt"), u"dflt");  // a folder, not a file
}

TEST_F(IniFileTest, ReadsFilesAsWindowsToolsWriteThem) {
    const auto file = folder.write("win.ini",
                                   "\xEF\xBB\xBF"
                                   "orphan=before any section\r\n"
                                   "; comment=not a key\r\n"
                                   "[Main]\r\n"
                                   "just a line without equals\r\n"
                                   "Key=first\r\n"
                                   "key=second in same section\r\n"
                                   "[MAIN]\r\n"
                                   "Key=duplicate section\r\n"
                                   "Late=only in duplicate\r\n"
                                   "Text=Gr\xC3\xBC\xC3\x9F"
                                   "e\r\n");
    EXPECT_EQ(readIniString(file, u"Main", u"Key", u"d"), u"first");
    EXPECT_EQ(readIniString(file, u"Main", u"Late", u"d"), u"d");
    EXPECT_EQ(readIniString(file, u"Main", u"just a line without equals", u"d"), u"d");
    EXPECT_EQ(readIniString(file, u"Main", u"; comment", u"d"), u"d");
    EXPECT_EQ(readIniString(file, u"", u"orphan", u"d"), u"d");
    EXPECT_EQ(readIniString(file, u"MAIN", u"Text", u"d"), u"d");  // only in the duplicate
    const auto utf16 =
        folder.write("utf16.ini", std::string("\xFF\xFE[\0A\0]\0\n\0k\0=\0\xFC\0", 16));
    EXPECT_EQ(readIniString(utf16, u"a", u"K", u"d"), u"\u00FC");
}

TEST_F(IniFileTest, OneMatchingPairOfQuotesAroundTheValueIsTakenOff) {
    const auto file = folder.write("q.ini",
                                   "[Q]\n"
                                   "T=\"  hi  \"\n"
                                   "S=  'single'  \n"
                                   "N=\"42\"\n"
                                   "Mixed=\"a'\n"
                                   "Inner=a \"b\" c\n"
                                   "Lone=\"\n"
                                   "Twice=\"\"x\"\"\n"
                                   "Empty=''\n");
    EXPECT_EQ(readIniString(file, u"Q", u"T", u"d"), u"  hi  ");
    EXPECT_EQ(readIniString(file, u"Q", u"S", u"d"), u"single");
    EXPECT_EQ(readIniInt(file, u"Q", u"N", 7), 42);
    EXPECT_EQ(readIniString(file, u"Q", u"Mixed", u"d"), u"\"a'");
    EXPECT_EQ(readIniString(file, u"Q", u"Inner", u"d"), u"a \"b\" c");
    EXPECT_EQ(readIniString(file, u"Q", u"Lone", u"d"), u"\"");
    EXPECT_EQ(readIniString(file, u"Q", u"Twice", u"d"), u"\"x\"");
    EXPECT_EQ(readIniString(file, u"Q", u"Empty", u"d"), u"");
    // The settings store quotes its own strings and still reads them back whole.
    platform::Registry registry(folder.path() / "registry.ini");
    ASSERT_TRUE(registry.writeString(u"Software\\App", u"v", u"\"quoted\" and 'single'"));
    EXPECT_EQ(platform::Registry(folder.path() / "registry.ini").readString(u"Software\\App", u"v"),
              u"\"quoted\" and 'single'");
}

TEST_F(IniFileTest, CutsValuesToTheCallersBuffer) {
    const std::string longValue(3000, 'x');
    const auto file =
        folder.write("long.ini", "[S]\nk=" + longValue + "\nsur=ab\xF0\x9F\x98\x80\n");
    EXPECT_EQ(readIniString(file, u"S", u"k", u"", platform::kIniShortBuffer).size(), 259u);
    EXPECT_EQ(readIniString(file, u"S", u"k", u"", platform::kIniLongBuffer).size(), 2047u);
    EXPECT_EQ(readIniString(file, u"S", u"k", u"", 1), u"");
    EXPECT_EQ(readIniString(file, u"S", u"k", u"", 0), u"");
    EXPECT_EQ(readIniString(file, u"S", u"missing", u"abcdef", 4), u"abc");
    // A cut never leaves half of a surrogate pair behind.
    EXPECT_EQ(readIniString(file, u"S", u"sur", u"", 4), u"ab");
    EXPECT_EQ(readIniString(file, u"S", u"sur", u"", 5), u"ab\U0001F600");
}

TEST_F(IniFileTest, ReadsIntegersFromLeadingDigits) {
    const auto file = folder.write("n.ini",
                                   "[N]\none=1\nneg= -42x\ntext=abc\nempty=\n"
                                   "huge=99999999999\nhex=0x10\n");
    EXPECT_EQ(readIniInt(file, u"N", u"one", 7), 1);
    EXPECT_EQ(readIniInt(file, u"N", u"neg", 7), -42);
    EXPECT_EQ(readIniInt(file, u"N", u"text", 7), 0);
    EXPECT_EQ(readIniInt(file, u"N", u"empty", 7), 7);
    EXPECT_EQ(readIniInt(file, u"N", u"missing", 7), 7);
    EXPECT_EQ(readIniInt(file, u"N", u"huge", 7), 2147483647);
    EXPECT_EQ(readIniInt(file, u"N", u"hex", 7), 0);
}

TEST_F(IniFileTest, WriteReplacesOneKeyAndKeepsEveryOtherLine) {
    const std::string original =
        "\xEF\xBB\xBF; settings\r\n"
        "[KEYCOLOR]\r\n"
        "DengCheck = 0\r\n"
        "Other=x\r\n"
        "\r\n"
        "[Next]\r\n"
        "a=b";
    const auto file = folder.write("t.ini", original);
    ASSERT_TRUE(writeIniString(file, u"keycolor", u"dengcheck", u"1"));
    EXPECT_EQ(
        ScratchFolder::read(file),
        "\xEF\xBB\xBF; settings\r\n[KEYCOLOR]\r\ndengcheck=1\r\nOther=x\r\n\r\n[Next]\r\na=b");
    ASSERT_TRUE(writeIniString(file, u"KEYCOLOR", u"New", u" v "));
    ASSERT_TRUE(writeIniString(file, u"Next", u"c", u"d"));
    ASSERT_TRUE(writeIniString(file, u"Added", u"k", u"\u00E9"));
    EXPECT_EQ(ScratchFolder::read(file),
              "\xEF\xBB\xBF; settings\r\n[KEYCOLOR]\r\ndengcheck=1\r\nOther=x\r\nNew=v\r\n\r\n"
              "[Next]\r\na=b\r\nc=d\r\n\r\n[Added]\r\nk=\xC3\xA9\r\n");
    ASSERT_TRUE(platform::deleteIniKey(file, u"KEYCOLOR", u"OTHER"));
    EXPECT_EQ(readIniString(file, u"KEYCOLOR", u"Other", u"gone"), u"gone");
    EXPECT_EQ(readIniString(file, u"KEYCOLOR", u"New", u""), u"v");
}

TEST_F(IniFileTest, WriteCreatesTheFileAndRefusesStructureBreakingText) {
    const auto file = folder.path() / "new.ini";
    ASSERT_TRUE(writeIniString(file, u"SCREEN", u"Link", u"https://example.org"));
    EXPECT_EQ(ScratchFolder::read(file), "[SCREEN]\nLink=https://example.org\n");
    EXPECT_FALSE(writeIniString(file, u"SCREEN", u"Link", u"a\nInjected=1"));
    EXPECT_FALSE(writeIniString(file, u"SCREEN", u"a=b", u"v"));
    EXPECT_FALSE(writeIniString(file, u"SC]REEN", u"k", u"v"));
    EXPECT_FALSE(writeIniString(file, u"SCREEN", u"", u"v"));
    EXPECT_EQ(ScratchFolder::read(file), "[SCREEN]\nLink=https://example.org\n");
    EXPECT_FALSE(writeIniString(folder.path() / "no-such-folder" / "x.ini", u"S", u"k", u"v"));
}

TEST_F(IniFileTest, KeepsUtf16FilesInTheirEncoding) {
    const auto file = folder.write("w.ini", std::string("\xFF\xFE[\0S\0]\0\n\0", 10));
    ASSERT_TRUE(writeIniString(file, u"S", u"k", u"v"));
    EXPECT_EQ(ScratchFolder::read(file), std::string("\xFF\xFE[\0S\0]\0\n\0k\0=\0v\0\n\0", 18));
}

}  // namespace

namespace {

void makeOld(const std::filesystem::path &file) {
    std::filesystem::last_write_time(
        file, std::filesystem::last_write_time(file) - std::chrono::hours(1));
}

TEST_F(IniFileTest, RepeatedReadsSeeEveryChangeOfTheFile) {
    const auto file = folder.write("c.ini", "[A]\nk=1\n");
    EXPECT_EQ(readIniString(file, u"A", u"k", u""), u"1");
    folder.write("c.ini", "[A]\nk=2\n");  // same size, same file, at once
    EXPECT_EQ(readIniString(file, u"A", u"k", u""), u"2");

    makeOld(file);
    EXPECT_EQ(readIniString(file, u"A", u"k", u""), u"2");
    EXPECT_EQ(readIniString(file, u"A", u"k", u""), u"2");
    ASSERT_TRUE(writeIniString(file, u"A", u"k", u"3"));
    EXPECT_EQ(readIniString(file, u"A", u"k", u""), u"3");
    makeOld(file);
    EXPECT_EQ(readIniString(file, u"A", u"k", u""), u"3");
    folder.write("c.ini", "[A]\nk=4444\n");  // rewritten in place by another program
    EXPECT_EQ(readIniString(file, u"A", u"k", u""), u"4444");
    std::filesystem::remove(file);
    EXPECT_EQ(readIniString(file, u"A", u"k", u"gone"), u"gone");
}

}  // namespace

namespace {

TEST_F(IniFileTest, UnreadableExistingPathIsNeverOverwritten) {
    std::filesystem::create_directory(folder.path() / "taken.ini");
    EXPECT_FALSE(writeIniString(folder.path() / "taken.ini", u"A", u"k", u"v"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "taken.ini"));
    platform::Registry registry(folder.path() / "taken.ini");
    EXPECT_FALSE(registry.writeDword(u"Software\\App", u"v", 1));
    if (::geteuid() != 0) {  // the superuser reads every file
        const auto file = folder.write("locked.ini", "[A]\nkeep=1\n");
        std::filesystem::permissions(file, std::filesystem::perms::none);
        EXPECT_FALSE(writeIniString(file, u"A", u"k", u"v"));
        std::filesystem::permissions(file, std::filesystem::perms::owner_read);
        EXPECT_EQ(ScratchFolder::read(file), "[A]\nkeep=1\n");
    }
}

}  // namespace
