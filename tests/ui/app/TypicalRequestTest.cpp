// The whole way of a request, from a click on a key button of the main window
// through the composite dialog and Apply to the simulated keyboard's memory.
#include <QApplication>
#include <QComboBox>
#include <QTimer>

#include "AppTestSupport.h"
#include "model/KeyButtons.h"
#include "model/ProfileBlock.h"
#include "model/lighting/LightingModel.h"
#include "ui/dialogs/CompositeIds.h"
#include "ui/dialogs/Varnel_DlgComposite.h"
#include "ui/mainwindow/ProfileCommands.h"
#include "ui/skin/CPngButton.h"

namespace apptest {
namespace {

constexpr int kButtonA = 1058;
constexpr int kRecordA = 0x1E;
constexpr int kPlayPauseChoice = 1;  // second entry of the multimedia list

dialogs::Varnel_DlgComposite *openComposite() {
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *dialog = qobject_cast<dialogs::Varnel_DlgComposite *>(widget);
        if (dialog && dialog->isVisible()) return dialog;
    }
    return nullptr;
}

class TypicalRequestTest : public AppTest {};

TEST_F(TypicalRequestTest, PlayPauseChosenForTheAKeyReachesTheKeyboardAfterApply) {
    CVarnelDlg &dlg = startWindow();
    ASSERT_TRUE(waitUntil([&] { return dlg.isVisible(); }));
    EXPECT_FALSE(dlg.profiles().pending());

    // The dialog runs modally: the user's choices happen inside its own loop.
    bool chosen = false;
    QTimer::singleShot(50, [&] {
        dialogs::Varnel_DlgComposite *composite = openComposite();
        if (!composite) return;
        composite->clickControl(dialogs::composite::kTabMedia);
        composite->controlAs<QComboBox>(dialogs::composite::kMediaCombo)
            ->setCurrentIndex(kPlayPauseChoice);
        chosen = composite->clickControl(dialogs::composite::kOk);
    });
    ASSERT_TRUE(dlg.clickControl(kButtonA));
    ASSERT_TRUE(chosen) << "the composite dialog did not open";

    const model::KeyAssignment written =
        stores->working.record(model::globalRecordIndex(0, kRecordA));
    EXPECT_EQ(written.kind, 7);
    EXPECT_EQ(written.value, 1u);
    EXPECT_TRUE(dlg.profiles().pending());
    EXPECT_TRUE(dlg.control(mainwindow::ids::kApply)->isEnabled());

    ASSERT_TRUE(dlg.clickControl(mainwindow::ids::kApply));
    EXPECT_FALSE(dlg.profiles().pending());
    const std::vector<std::uint8_t> page = peek("page0", 0, 378);
    const std::vector<std::uint8_t> factory = peek("default", 0, 378);
    int found = -1;
    for (int i = 0; i + 3 <= 378; i += 3) {
        if (page[i] == 0x03 && page[i + 1] == 0xCD && page[i + 2] == 0x00) found = i;
    }
    ASSERT_GE(found, 0) << "03 CD 00 is not on the keyboard's page";
    EXPECT_EQ(factory[found + 2], 0x04) << "not at the A key's position";
}

TEST_F(TypicalRequestTest, UnpluggingClosesTheOpenCompositeDialogAndHidesTheWindow) {
    CVarnelDlg &dlg = startWindow();
    ASSERT_TRUE(waitUntil([&] { return dlg.isVisible(); }));
    bool sawDialog = false;
    QTimer::singleShot(50, [&] {
        sawDialog = openComposite() != nullptr;
        sim().unplug();
    });
    ASSERT_TRUE(dlg.clickControl(kButtonA));  // returns once the dialog has closed
    EXPECT_TRUE(sawDialog);
    EXPECT_EQ(openComposite(), nullptr);
    EXPECT_TRUE(waitUntil([&] { return !dlg.isVisible(); }));
    // With the dialog closed a profile switch is no longer refused.
    EXPECT_EQ(dlg.profiles().switchProfile(1), 1);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(TypicalRequestTest, KeyClicksFollowTheLightingView) {
    CVarnelDlg &dlg = startWindow(true);
    // Records whether a click opened the composite dialog, and closes it again.
    auto clickAndSeeDialog = [&](int controlId) {
        bool opened = false;
        QTimer::singleShot(50, [&] {
            if (dialogs::Varnel_DlgComposite *composite = openComposite()) {
                opened = true;
                composite->closeAsCancel();
            }
        });
        dlg.onCommand(controlId);
        waitUntil([] { return false; }, 120);
        return opened;
    };
    ASSERT_TRUE(dlg.lightingModel().setLightingView(true));
    ASSERT_NE(dlg.lightingModel().state().mode, 20);
    EXPECT_FALSE(clickAndSeeDialog(kButtonA));
    EXPECT_TRUE(clickAndSeeDialog(model::kExtraKeyButtonIds[0]));  // G1 still opens it
    EXPECT_FALSE(clickAndSeeDialog(1016));                         // D1 does nothing
    ASSERT_TRUE(dlg.lightingModel().setLightingView(false));
    EXPECT_TRUE(clickAndSeeDialog(kButtonA));
    EXPECT_TRUE(clickAndSeeDialog(1007));  // the macro button acts as G9
}

}  // namespace
}  // namespace apptest
