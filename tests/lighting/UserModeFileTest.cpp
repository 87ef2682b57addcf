#include <gtest/gtest.h>

#include <vector>

#include "LightingTestSupport.h"
#include "model/lighting/UserModeFile.h"
#include "platform/AtomicFile.h"

using namespace lighting;
using lighting::test::writeText;

TEST(UserModeFile, MissingEntriesReadAsDefaults) {
    ScratchFolder folder;
    UserModeFile file(UserModeFile::pathFor(folder.path(), 2));
    EXPECT_EQ(file.path().filename(), "UserDengColor_2.userd");
    EXPECT_EQ(file.presentSlot(), 0);
    EXPECT_EQ(file.slotName(4), u"0");
    UserModeTools tools = file.tools(3);
    EXPECT_EQ(tools.brush, 0);
    EXPECT_EQ(tools.baseColour, kBlack);
    EXPECT_EQ(tools.brushColour, kBlack);
    UserKeyColour key = file.keyColour(3, 64);
    EXPECT_EQ(key.colour, kRed);
    EXPECT_TRUE(key.baseFlag);
    for (const UserKeyColour &entry : file.keyColours(3)) {
        EXPECT_EQ(entry.colour, kRed);
        EXPECT_TRUE(entry.baseFlag);
    }
}

TEST(UserModeFile, ReadsWhatItWroteAndToleratesMalformedValues) {
    ScratchFolder folder;
    UserModeFile file(folder.path() / "modes.userd");
    writeText(file.path(),
              "[PRESENTMODE]\nmode=12\n[MODENAME]\n1=Night\n"
              "[Mode1]\ntool=7\njcolor=300,-4,x\ncolor=1,2\n"
              "64=10,20,30,5\n65=garbage\n66= 7 , 8 , 9 , 0\n67=\"1,2,3,0\"\n");
    EXPECT_EQ(file.presentSlot(), 0);  // out of range
    EXPECT_EQ(file.slotName(1), u"Night");
    UserModeTools tools = file.tools(1);
    EXPECT_EQ(tools.brush, 0);
    EXPECT_EQ(tools.baseColour, makeColour(255, 0, 0));
    EXPECT_EQ(tools.brushColour, makeColour(1, 2, 0));
    auto keys = file.keyColours(1);
    EXPECT_EQ(keys[64].colour, makeColour(10, 20, 30));
    EXPECT_TRUE(keys[64].baseFlag);  // any non-zero flag reads as set
    EXPECT_EQ(keys[65].colour, kBlack);
    EXPECT_FALSE(keys[65].baseFlag);
    EXPECT_EQ(keys[66].colour, makeColour(7, 8, 9));
    EXPECT_FALSE(keys[66].baseFlag);
    // A quoted entry reads the same whether read alone or with the whole section.
    EXPECT_EQ(keys[67].colour, makeColour(1, 2, 3));
    EXPECT_EQ(file.keyColour(1, 67).colour, makeColour(1, 2, 3));

    ASSERT_TRUE(file.setPresentSlot(4));
    EXPECT_FALSE(file.setPresentSlot(10));
    ASSERT_TRUE(file.setTools(4, {1, makeColour(1, 2, 3), makeColour(4, 5, 6)}));
    ASSERT_TRUE(file.setKeyColour(4, 70, {makeColour(7, 8, 9), false}));
    std::vector<std::pair<int, UserKeyColour>> batch{{71, {kWhite, true}}, {72, {kBlack, false}}};
    ASSERT_TRUE(file.setKeyColours(4, batch));
    EXPECT_EQ(file.presentSlot(), 4);
    tools = file.tools(4);
    EXPECT_EQ(tools.brush, 1);
    EXPECT_EQ(tools.baseColour, makeColour(1, 2, 3));
    EXPECT_EQ(tools.brushColour, makeColour(4, 5, 6));
    keys = file.keyColours(4);
    EXPECT_EQ(keys[70].colour, makeColour(7, 8, 9));
    EXPECT_FALSE(keys[70].baseFlag);
    EXPECT_EQ(keys[71].colour, kWhite);
    EXPECT_EQ(keys[72].colour, kBlack);
    // Entries of other slots are untouched.
    EXPECT_EQ(file.keyColours(1)[64].colour, makeColour(10, 20, 30));
    auto text = platform::readWholeFile(file.path()).value_or("");
    EXPECT_NE(text.find("70=7,8,9,0"), std::string::npos);
    EXPECT_NE(text.find("jcolor=1,2,3"), std::string::npos);
}

TEST(UserModeFile, TemplateReplacesTheWholeFile) {
    ScratchFolder folder;
    UserModeFile file(folder.path() / "UserDengColor_0.userd");
    writeText(file.path(), "[Mode0]\n64=1,1,1,0\n");
    writeText(folder.path() / "template.userd", "[PRESENTMODE]\nmode=2\n");
    ASSERT_TRUE(file.resetFromTemplate(folder.path() / "template.userd"));
    EXPECT_EQ(file.presentSlot(), 2);
    EXPECT_EQ(file.keyColour(0, 64).colour, kRed);

    // Without a template the file is emptied and every entry reads as default.
    ASSERT_TRUE(file.resetFromTemplate(folder.path() / "missing.userd"));
    EXPECT_TRUE(std::filesystem::exists(file.path()));
    EXPECT_EQ(std::filesystem::file_size(file.path()), 0u);
    EXPECT_EQ(file.presentSlot(), 0);
}

TEST(UserModeFile, OneKeyAndTheWholeSlotReadLongValuesAlike) {
    ScratchFolder folder;
    UserModeFile file(folder.path() / "modes.userd");
    // Values are read into a 260-character buffer: the flag after the blanks
    // of entry 5 is cut off, the whole of entry 6 fits.
    const std::string blanks(251, ' ');
    writeText(file.path(),
              "[Mode2]\n5=0,0,255," + blanks + "1\n6=0,0,255," + blanks.substr(10) + "1\n");
    const auto slot = file.keyColours(2);
    for (int key = 0; key < kSlotCount; ++key) {
        const UserKeyColour single = file.keyColour(2, key);
        EXPECT_EQ(single.colour, slot[key].colour) << key;
        EXPECT_EQ(single.baseFlag, slot[key].baseFlag) << key;
    }
    EXPECT_EQ(slot[5].colour, makeColour(0, 0, 255));
    EXPECT_FALSE(slot[5].baseFlag);
    EXPECT_TRUE(slot[6].baseFlag);
}
