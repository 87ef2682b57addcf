#include <gtest/gtest.h>

#include "SimulatedLighting.h"
#include "platform/IniFile.h"

using namespace lighting;
using namespace lighting::test;
using devicelink::CommandCode;
using Bytes = std::vector<std::uint8_t>;

namespace {

Bytes rgb(Colour c) {
    return {redOf(c), greenOf(c), blueOf(c)};
}

constexpr Colour kBlue = makeColour(0, 0, 255);
constexpr Colour kGreen = makeColour(0, 255, 0);

}  // namespace

class UserModeTest : public SimulatedLightingTest {
protected:
    // Profile 0 with mode 20 selected and the lighting view on.
    void enterUserMode(const std::string &fileText) {
        writeText(UserModeFile::pathFor(folder.path(), 0), fileText);
        setModeBytes({1, 20});
        ASSERT_EQ(model->reloadAllLighting(), 0);
        ASSERT_TRUE(model->setLightingView(true));
        selectCode(kUserMode);
        keyboard().clearWrites();
    }
    UserModeFile file() { return UserModeFile(UserModeFile::pathFor(folder.path(), 0)); }
};

TEST_F(UserModeTest, ArrivalLoadsTheSlotAndUploadsEveryKey) {
    writeText(UserModeFile::pathFor(folder.path(), 0),
              "[PRESENTMODE]\nmode=3\n[MODENAME]\n3=Evening\n[Mode2]\n64=1,2,3,0\n");
    setModeBytes({1, 20});
    ASSERT_EQ(model->reloadAllLighting(), 0);
    const UserModeState &user = model->state().user;
    EXPECT_EQ(user.slot, 3);
    EXPECT_EQ(user.brush, 0);
    EXPECT_EQ(user.baseColour, kBlack);
    EXPECT_EQ(user.brushColour, kBlack);
    EXPECT_EQ(user.shownBrushColour, kBlack);
    EXPECT_EQ(model->userModeNames()[3], u"Evening");
    EXPECT_EQ(model->userModeNames()[0], u"0");
    for (std::uint8_t slot : paintableSlots()) {
        EXPECT_EQ(keyColour(0, slot), rgb(kRed)) << int(slot);
        // Red keys do not show the black base colour, whatever the file's flag says.
        EXPECT_FALSE(model->keyColours().baseFlag(0, slot));
    }
    EXPECT_EQ(countOf(CommandCode::WriteKeyColours), 7);
    // The user-mode group nests inside the read-back group.
    EXPECT_EQ(countOf(CommandCode::BeginCommand), 2);
    // The other profiles' colours are not touched.
    EXPECT_EQ(keyColour(1, slot::A), (Bytes{0xFF, 0xFF, 0xFF}));
}

TEST_F(UserModeTest, WithoutModeTwentyNoUserModeIsLoaded) {
    setModeBytes({1, 2});
    ASSERT_EQ(model->reloadAllLighting(), 0);
    EXPECT_EQ(countOf(CommandCode::WriteKeyColours), 0);
}

TEST_F(UserModeTest, BaseColourBrushKeysFollowTheBaseColour) {
    enterUserMode("[Mode0]\ntool=0\njcolor=255,0,0\ncolor=0,0,255\n64=0,0,255,0\n65=0,0,255,0\n");
    ASSERT_TRUE(model->selectBrush(1));
    model->setBaseColour(
        kWhite);  // every default (red, base-coloured) key turns white; A and S stay
    EXPECT_EQ(keyColour(0, slot::Q), rgb(kWhite));
    EXPECT_EQ(keyColour(0, slot::A), rgb(kBlue));

    model->paintKey(slot::A);
    EXPECT_EQ(keyColour(0, slot::A), rgb(kWhite));
    EXPECT_EQ(host.shown[slot::A], kWhite);
    EXPECT_EQ(file().keyColour(0, slot::A).colour, kWhite);
    EXPECT_TRUE(file().keyColour(0, slot::A).baseFlag);

    model->setBaseColour(kGreen);
    EXPECT_EQ(keyColour(0, slot::A), rgb(kGreen));
    EXPECT_EQ(keyColour(0, slot::S), rgb(kBlue));
    EXPECT_EQ(file().keyColour(0, slot::A).colour, kGreen);
    EXPECT_EQ(file().tools(0).baseColour, kGreen);
    EXPECT_EQ(host.shown[slot::A], kGreen);

    // Painting with the colour brush detaches the key from the base colour.
    ASSERT_TRUE(model->selectBrush(0));
    ASSERT_TRUE(model->setBrushColour(kRed));
    model->paintKey(slot::A);
    EXPECT_FALSE(model->keyColours().baseFlag(0, slot::A));
    model->setBaseColour(kBlue);
    EXPECT_EQ(keyColour(0, slot::A), rgb(kRed));
    EXPECT_EQ(file().keyColour(0, slot::A).colour, kRed);
    EXPECT_FALSE(file().keyColour(0, slot::A).baseFlag);
    EXPECT_EQ(file().tools(0).brush, 0);
    EXPECT_EQ(file().tools(0).brushColour, kRed);

    // An unchanged base colour sends nothing.
    keyboard().clearWrites();
    model->setBaseColour(kBlue);
    EXPECT_EQ(countOf(CommandCode::WriteKeyColours), 0);
}

TEST_F(UserModeTest, FullReadBackLetOnlyKeysShowingTheBaseColourFollowIt) {
    // Slot 2 has no section: black base colour, every key red with its flag set.
    enterUserMode("[PRESENTMODE]\nmode=2\n");
    model->setBaseColour(kWhite);
    for (std::uint8_t slot : paintableSlots()) {
        EXPECT_EQ(keyColour(0, slot), rgb(kRed)) << int(slot);
        EXPECT_EQ(host.shown[slot], kBlack) << int(slot);  // never shown in another colour
    }
    EXPECT_EQ(file().keyColour(2, slot::A).colour, kRed);

    // A key showing the base colour follows it even when the file says it does not.
    enterUserMode("[PRESENTMODE]\nmode=2\n[Mode2]\njcolor=1,2,3\n64=1,2,3,0\n");
    EXPECT_TRUE(model->keyColours().baseFlag(0, slot::A));
    EXPECT_FALSE(model->keyColours().baseFlag(0, slot::S));
    model->setBaseColour(kGreen);
    EXPECT_EQ(keyColour(0, slot::A), rgb(kGreen));
    EXPECT_EQ(keyColour(0, slot::S), rgb(kRed));
}

TEST_F(UserModeTest, PaintingNeedsTheViewAndModeTwenty) {
    enterUserMode("[Mode0]\ncolor=0,255,0\n");
    EXPECT_EQ(model->paintKey(slot::GKeys), 0);  // the G keys are never painted
    EXPECT_EQ(model->paintKey(13), 0);           // no key there
    ASSERT_EQ(model->paintKey(slot::Fn), 1);
    EXPECT_EQ(keyColour(0, slot::Fn), rgb(kGreen));
    EXPECT_EQ(countOf(CommandCode::WriteKeyColours), 1);

    selectCode(1);
    EXPECT_EQ(model->paintKey(slot::A), 0);
    selectCode(kUserMode);
    model->setLightingView(false);
    EXPECT_EQ(model->paintKey(slot::A), 0);
    EXPECT_EQ(keyColour(0, slot::A), rgb(kRed));
    EXPECT_EQ(countOf(CommandCode::WriteKeyColours), 1);
}

TEST_F(UserModeTest, SelectingAndNamingSlots) {
    enterUserMode("[Mode5]\njcolor=9,9,9\n64=1,2,3,1\n");
    model->setCurrentProfile(0);
    ASSERT_EQ(model->selectUserMode(5), 1);
    EXPECT_EQ(file().presentSlot(), 5);
    EXPECT_EQ(model->state().user.baseColour, makeColour(9, 9, 9));
    EXPECT_EQ(keyColour(0, slot::A), (Bytes{1, 2, 3}));
    EXPECT_EQ(model->selectUserMode(10), 0);
    EXPECT_EQ(file().presentSlot(), 5);

    ASSERT_TRUE(model->renameUserMode(u"Gaming"));
    EXPECT_EQ(model->userModeNames()[5], u"Gaming");
    EXPECT_EQ(file().slotName(5), u"Gaming");

    // Flags are recomputed against the base colour for all three profiles.
    model->recomputeBaseFlags();
    EXPECT_FALSE(model->keyColours().baseFlag(0, slot::A));
    EXPECT_FALSE(model->keyColours().baseFlag(1, slot::A));
    model->setBaseColour(kBlack);
    model->recomputeBaseFlags();
    EXPECT_TRUE(model->keyColours().baseFlag(1, slot::A));
}

TEST_F(UserModeTest, DefaultsRestoreTheTemplateIntoTheCurrentProfile) {
    enterUserMode("[PRESENTMODE]\nmode=4\n[Mode4]\n64=1,1,1,0\n");
    writeText(paths().userModeTemplate, "[MODENAME]\n0=Factory\n[Mode0]\n64=0,0,255,0\n");
    model->restoreLightingDefaults();
    EXPECT_EQ(model->state().user.slot, 0);
    EXPECT_EQ(model->userModeNames()[0], u"Factory");
    EXPECT_EQ(keyColour(0, slot::A), rgb(kBlue));
    EXPECT_EQ(keyColour(0, slot::S), rgb(kRed));
}

TEST_F(UserModeTest, ColoursGoToTheCurrentProfilesArea) {
    writeText(UserModeFile::pathFor(folder.path(), 1), "[Mode0]\n64=5,6,7,0\n");
    setModeBytes({1, 20});
    model->setCurrentProfile(1);
    ASSERT_EQ(model->reloadAllLighting(), 0);
    EXPECT_EQ(keyColour(1, slot::A), (Bytes{5, 6, 7}));
    EXPECT_EQ(keyColour(0, slot::A), (Bytes{0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(model->keyColours().colour(1, slot::A), makeColour(5, 6, 7));
}
