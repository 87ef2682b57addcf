// Which controls the panel shows for the lighting view switch and each mode,
// and where the direction group sits.
#include <QComboBox>

#include "PanelTestSupport.h"
#include "ui/mainwindow/panel/CBitmapSlider.h"
#include "ui/mainwindow/panel/LightingPanelControls.h"
#include "ui/mainwindow/panel/PanelRules.h"
#include "ui/skin/CPngButton.h"
#include "ui/skin/SkinPath.h"
#include "ui/skin/layout/SkinRect.h"

namespace paneltest {
namespace {

using namespace panel::ids;

class PanelModeGroupsTest : public PanelTest {};

TEST_F(PanelModeGroupsTest, SwitchOffHidesEveryGroupAndKeysOpenTheirAssignment) {
    setRecordBytes(0, {1, 2, 2, 0xFF, 0});
    readBack();
    clickViewSwitch();
    EXPECT_TRUE(window->panel().lightingViewOn());
    EXPECT_EQ(pictureOf(kViewSwitch), "dengdown.bmp");
    for (int id : {kModeSelector, kBrightnessSlider, kSpeedSlider, kDirectionFirst, kHxColour}) {
        EXPECT_TRUE(visible(id)) << id;
    }
    EXPECT_NE(settingsText().find("DengCheck=1"), std::string::npos);

    clickViewSwitch();
    EXPECT_FALSE(window->panel().lightingViewOn());
    EXPECT_EQ(pictureOf(kViewSwitch), "dengup.bmp");
    for (int id : allGroupControls()) EXPECT_FALSE(visible(id)) << id;
    EXPECT_TRUE(visible(kViewSwitch));
    EXPECT_TRUE(visible(kViewCaption));
    EXPECT_EQ(window->assignmentRefreshes, 1);
    EXPECT_NE(settingsText().find("DengCheck=0"), std::string::npos);

    // A key click now opens its assignment and paints nothing.
    const int keyA = 1058;
    ASSERT_TRUE(window->clickControl(keyA));
    EXPECT_EQ(window->assignmentsOpened, std::vector<int>{keyA});
    EXPECT_FALSE(keyButton(keyA).isFrameMode());
    EXPECT_TRUE(keyboard().writesOf(devicelink::CommandCode::WriteKeyColours).empty());
}

TEST_F(PanelModeGroupsTest, RefusedReselectionKeepsTheSwitchOff) {
    window->allowReselect = false;
    clickViewSwitch();
    EXPECT_FALSE(window->panel().lightingViewOn());
    EXPECT_EQ(pictureOf(kViewSwitch), "dengup.bmp");
    for (int id : allGroupControls()) EXPECT_FALSE(visible(id)) << id;
}

TEST_F(PanelModeGroupsTest, UnknownModeHidesEverythingAcrossSwitching) {
    std::vector<std::uint8_t> modes;
    for (int code = 1; code <= 20; ++code) modes.push_back(std::uint8_t(code));
    setModeBytes(modes);
    setRecordBytes(0, {19});
    clickViewSwitch();
    readBack();
    ASSERT_EQ(window->model().state().mode, 19);
    for (int id : allGroupControls()) EXPECT_FALSE(visible(id)) << id;

    clickViewSwitch();
    clickViewSwitch();
    EXPECT_TRUE(window->panel().lightingViewOn());
    for (int id : allGroupControls()) EXPECT_FALSE(visible(id)) << id;
}

TEST_F(PanelModeGroupsTest, EachModeShowsItsGroups) {
    clickViewSwitch();
    struct Expected {
        int code;
        std::vector<int> shown;
        std::vector<int> hidden;
    };
    const Expected cases[] = {
        {1,
         {kBrightnessSlider, kSpeedSlider, kDirectionFirst, kHxColour},
         {kFyColour, kPresetRed, kUserModeSelector}},
        {4, {kBrightnessSlider, kSpeedSlider}, {kDirectionFirst, kHxColour, kFyColour}},
        {6, {kBrightnessSlider, kFyColour, kFyMulti}, {kSpeedSlider, kHxColour, kDirectionFirst}},
        {12, {kSpeedSlider, kDirectionSecond}, {kHxColour, kFyColour}},
        {16, {kFyColour}, {kSpeedSlider, kHxColour}},
        {17, {kBrightnessSlider, kPresetRed + 3}, {kSpeedSlider, kHxColour, kFyColour}},
        {18, {kDirectionCaption, kDirectionFirst}, {kSpeedSlider, kHxColour}},
        {20,
         {kModeSelector, kUserModeSelector, kBaseColour, kBrushBase},
         {kSpeedSlider, kDirectionFirst, kHxColour, kPresetRed}},
    };
    for (const Expected &expected : cases) {
        chooseMode(expected.code);
        EXPECT_EQ(window->model().state().mode, expected.code);
        EXPECT_TRUE(visible(kModeSelector)) << expected.code;
        for (int id : expected.shown) EXPECT_TRUE(visible(id)) << expected.code << " " << id;
        for (int id : expected.hidden) EXPECT_FALSE(visible(id)) << expected.code << " " << id;
    }
}

TEST_F(PanelModeGroupsTest, DirectionPicturesFollowTheModeFamilyAndReadBack) {
    setRecordBytes(0, {12, 2, 2, 0x00});
    clickViewSwitch();
    readBack();
    EXPECT_EQ(pictureOf(kDirectionFirst), "upup.bmp");
    EXPECT_EQ(pictureOf(kDirectionSecond), "downdown.bmp");
    const std::filesystem::path ini = skin::toPath(window->skinIniPath());
    const std::pair<int, std::u16string_view> placed[] = {
        {kDirectionCaption, u"CONTROL_BLFXStatic3"},
        {kDirectionFirst, u"CONTROL_BLFXLStaPic3"},
        {kDirectionSecond, u"CONTROL_BLFXRStaPic3"}};
    for (const auto &[id, key] : placed) {
        const skin::SkinRect rect = skin::readSkinRect(ini, skin::kButtonInfoSection, key);
        EXPECT_EQ(window->control(id)->pos(), QPoint(rect.x, rect.y)) << id;
    }

    ASSERT_TRUE(window->clickControl(kDirectionFirst));
    EXPECT_EQ(pictureOf(kDirectionFirst), "updown.bmp");
    EXPECT_EQ(pictureOf(kDirectionSecond), "downup.bmp");
    EXPECT_EQ(peek("params", 3, 1), std::vector<std::uint8_t>{0xFF});

    chooseMode(18);
    EXPECT_EQ(pictureOf(kDirectionFirst), "kuosandown.bmp");
    EXPECT_EQ(pictureOf(kDirectionSecond), "julong.bmp");
    ASSERT_TRUE(window->clickControl(kDirectionSecond));
    EXPECT_EQ(pictureOf(kDirectionFirst), "kuosan.bmp");
    EXPECT_EQ(pictureOf(kDirectionSecond), "julongdown.bmp");
    EXPECT_EQ(peek("params", 3, 1), std::vector<std::uint8_t>{0x00});

    chooseMode(2);
    EXPECT_EQ(pictureOf(kDirectionFirst), "leftup.bmp");
    EXPECT_EQ(pictureOf(kDirectionSecond), "rightdown.bmp");
}

TEST_F(PanelModeGroupsTest, RefreshShowsTheReadBackRecord) {
    setRecordBytes(0, {5, 3, 1, 0x00, 1, 0x10, 0x20, 0x30});
    setRecordBytes(15, {2, 0, 7});
    readBack();
    auto *selector = window->controlAs<QComboBox>(kModeSelector);
    EXPECT_EQ(window->model().modes().codeOf(selector->currentIndex()), 5);
    EXPECT_EQ(selector->count(), window->model().modes().size());
    EXPECT_EQ(pictureOf(kHxMulti), "sjsdown.bmp");
    EXPECT_EQ(pictureOf(kFyMulti), "sjsdown.bmp");
    EXPECT_EQ(pictureOf(kPresetRed), "hongok.bmp");  // index 7 is shown as red
    EXPECT_EQ(window->view().shownReportRate(), 2);
    EXPECT_EQ(window->panel().controls().brightness().position(), 3);
    EXPECT_EQ(window->panel().controls().speed().position(), 3);
}

TEST(PanelRules, SliderPicturesForReadBackValues) {
    EXPECT_EQ(panel::speedPicture(0), 9);
    EXPECT_EQ(panel::speedPicture(4), 5);
    EXPECT_EQ(panel::speedPicture(5), 20);
    EXPECT_EQ(panel::speedPicture(25), 0);
    EXPECT_EQ(panel::speedPicture(26), std::nullopt);
    EXPECT_EQ(panel::brightnessPicture(25), 25);
    EXPECT_EQ(panel::brightnessPicture(26), std::nullopt);
    EXPECT_EQ(panel::speedPosition(9), 0);
    EXPECT_EQ(panel::brightnessPosition(9), 4);
}

}  // namespace
}  // namespace paneltest
