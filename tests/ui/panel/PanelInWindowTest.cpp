// The lighting panel inside the utility's main window: the window's routing of
// key clicks, its preview timer and its read-backs reach the panel.
#include <QComboBox>

#include "AppTestSupport.h"
#include "model/lighting/KeySlots.h"
#include "model/lighting/LightingModel.h"
#include "ui/mainwindow/KeyboardView.h"
#include "ui/mainwindow/panel/LightingPanel.h"
#include "ui/skin/CPngButton.h"

namespace apptest {
namespace {

using namespace panel::ids;

constexpr int kKeyA = 1058;

class PanelInWindowTest : public AppTest {
protected:
    CVarnelDlg &openWindow() {
        CVarnelDlg &dlg = startWindow();
        EXPECT_TRUE(waitUntil([&] { return dlg.isVisible(); }));
        dlg.parts().openComposite = [this](int record, int, QRect) {
            composites.push_back(record);
        };
        return dlg;
    }
    void chooseMode(CVarnelDlg &dlg, int code) {
        const int index = dlg.lightingModel().modes().indexOf(code);
        ASSERT_GE(index, 0);
        dlg.controlAs<QComboBox>(kModeSelector)->setCurrentIndex(index);
    }
    CPngButton &key(CVarnelDlg &dlg, int id) { return *dlg.keyboardView().button(id); }

    std::vector<int> composites;
};

TEST_F(PanelInWindowTest, KeyClicksOpenTheAssignmentOnlyWhileTheViewIsOff) {
    CVarnelDlg &dlg = openWindow();
    ASSERT_FALSE(dlg.lightingModel().state().viewOn);
    EXPECT_FALSE(dlg.control(kModeSelector)->isVisible());
    ASSERT_TRUE(dlg.clickControl(kKeyA));
    EXPECT_EQ(composites, std::vector<int>{0x1E});

    ASSERT_TRUE(dlg.clickControl(kViewSwitch));
    ASSERT_TRUE(dlg.lightingModel().state().viewOn);
    EXPECT_TRUE(dlg.control(kModeSelector)->isVisible());
    chooseMode(dlg, 20);
    ASSERT_TRUE(dlg.clickControl(kBrushPaint));
    ASSERT_TRUE(dlg.clickControl(kKeyA));
    EXPECT_EQ(composites.size(), 1u);
    const lighting::Colour brush = dlg.lightingModel().state().user.brushColour;
    EXPECT_EQ(peek("colours0", lighting::slot::A * 3, 3),
              (std::vector<std::uint8_t>{lighting::redOf(brush), lighting::greenOf(brush),
                                         lighting::blueOf(brush)}));
    EXPECT_TRUE(key(dlg, kKeyA).isFrameMode());
    EXPECT_EQ(key(dlg, kKeyA).framePercentage(), 50);

    ASSERT_TRUE(dlg.clickControl(kViewSwitch));
    EXPECT_FALSE(key(dlg, kKeyA).isFrameMode());
    EXPECT_FALSE(dlg.control(kModeSelector)->isVisible());
    ASSERT_TRUE(dlg.clickControl(kKeyA));
    EXPECT_EQ(composites.size(), 2u);
}

TEST_F(PanelInWindowTest, ThePreviewTimerPaintsTheShownWindow) {
    CVarnelDlg &dlg = openWindow();
    ASSERT_TRUE(dlg.clickControl(kViewSwitch));
    chooseMode(dlg, 4);
    EXPECT_TRUE(waitUntil([&] { return key(dlg, kKeyA).isFrameMode(); }, 2000));
    const QColor first = key(dlg, kKeyA).frameColor();
    EXPECT_TRUE(waitUntil([&] { return key(dlg, kKeyA).frameColor() != first; }, 2000));
}

TEST_F(PanelInWindowTest, ReadBackAfterADeviceChangeRefreshesThePanel) {
    CVarnelDlg &dlg = openWindow();
    ASSERT_TRUE(dlg.clickControl(kViewSwitch));
    ASSERT_TRUE(sim().poke("params", 0, {17, 1, 0, 0}));
    dlg.postLightingReadBack();
    auto *selector = dlg.controlAs<QComboBox>(kModeSelector);
    EXPECT_TRUE(waitUntil(
        [&] { return dlg.lightingModel().modes().codeOf(selector->currentIndex()) == 0x11; }));
    EXPECT_TRUE(dlg.control(kPresetRed)->isVisible());
    EXPECT_FALSE(dlg.control(kSpeedSlider)->isVisible());
}

}  // namespace
}  // namespace apptest
