// The lighting panel inside the utility's main window: the window's routing of
// key clicks, its preview timer and its read-backs reach the panel.
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QToolTip>

#include "AppTestSupport.h"
#include "model/lighting/KeySlots.h"
#include "model/lighting/LightingModel.h"
#include "ui/mainwindow/AboutBox.h"
#include "ui/mainwindow/KeyboardView.h"
#include "ui/mainwindow/WindowMessages.h"
#include "ui/mainwindow/panel/LightingPanel.h"
#include "ui/skin/CPngButton.h"
#include "ui/skin/WindowSnapshot.h"
#include "ui/skin/layout/LanguageText.h"

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

TEST_F(PanelInWindowTest, TheNumberBoxesAreLabelledAndNeverTakeTheFocusOnOpening) {
    CVarnelDlg &dlg = openWindow();
    dlg.activateWindow();
    QApplication::processEvents();
    auto *label = dlg.controlAs<QLabel>(kNumberCaption);
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(label->text(), QString::fromStdU16String(skin::lookupLightText(u"RGB", 0)));
    // Beside the boxes, left of the first.
    const QRect red = dlg.control(kNumberRed)->geometry();
    EXPECT_LE(label->geometry().right(), red.left());
    EXPECT_LT(std::abs(label->geometry().center().y() - red.center().y()), red.height());
    EXPECT_EQ(qobject_cast<QLineEdit *>(QApplication::focusWidget()), nullptr);
    EXPECT_EQ(qobject_cast<QLineEdit *>(dlg.focusWidget()), nullptr);
}

TEST_F(PanelInWindowTest, AKeyClickThatCannotPaintSaysWhy) {
    CVarnelDlg &dlg = openWindow();
    ASSERT_TRUE(dlg.clickControl(kViewSwitch));
    // In the custom mode the click paints and needs no word.
    chooseMode(dlg, 20);
    ASSERT_TRUE(dlg.clickControl(kKeyA));
    EXPECT_NE(QToolTip::text(), languageText("MAIN_KEYS_LIGHTING_HINT"));

    chooseMode(dlg, 1);
    ASSERT_TRUE(dlg.clickControl(kKeyA));
    EXPECT_TRUE(composites.empty());
    EXPECT_EQ(QToolTip::text(), languageText("MAIN_KEYS_LIGHTING_HINT"));
}

TEST_F(PanelInWindowTest, FramedKeysAreDrawnByTheWindowAndStillTakeMouseClicks) {
    CVarnelDlg &dlg = openWindow();
    ASSERT_TRUE(dlg.clickControl(kViewSwitch));
    chooseMode(dlg, 20);
    CPngButton &a = key(dlg, kKeyA);
    ASSERT_TRUE(a.isFrameMode());
    // One picture for all framed keys: the window draws A's frame at A's place.
    const QImage shown = dlg.grab().toImage();
    EXPECT_EQ(shown.pixelColor(a.geometry().topLeft() + QPoint(0, a.height() / 2)), a.frameColor());

    // A click of the pointer on the framed key still paints it.
    ASSERT_TRUE(dlg.clickControl(kBrushPaint));
    const lighting::Colour brush = dlg.lightingModel().state().user.brushColour;
    const std::vector<std::uint8_t> painted{lighting::redOf(brush), lighting::greenOf(brush),
                                            lighting::blueOf(brush)};
    ASSERT_NE(peek("colours0", lighting::slot::A * 3, 3), painted);
    QTest::mouseClick(dlg.windowHandle(), Qt::LeftButton, {}, a.geometry().center());
    QApplication::processEvents();
    EXPECT_EQ(peek("colours0", lighting::slot::A * 3, 3), painted);
    EXPECT_TRUE(composites.empty());
}

// The preview repaints only what it changed: after every tick the screen shows
// exactly the window drawn anew, in a mode that recolours every key on each tick
// and one that recolours a few.
TEST_F(PanelInWindowTest, AfterEachPreviewTickTheScreenShowsTheWholeWindowDrawnAnew) {
    CVarnelDlg &dlg = openWindow();
    ASSERT_TRUE(dlg.clickControl(kViewSwitch));
    auto onScreen = [&] {
        return dlg.screen()
            ->grabWindow(dlg.winId())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    };
    auto tickAndCompare = [&](const std::string &what) {
        dlg.parts().previewTick();
        const QImage drawnAnew = dlg.grab().toImage().convertToFormat(QImage::Format_RGB32);
        // The window paints at the platform's next update request.
        EXPECT_TRUE(waitUntil([&] { return onScreen() == drawnAnew; })) << what;
    };
    for (int mode : {14, 1}) {
        chooseMode(dlg, mode);
        // The test drives the ticks, so none lands between the repaint and the look.
        dlg.timer(mainwindow::kTimerPreview).stop();
        for (int tick = 0; tick < 6; ++tick)
            tickAndCompare("mode " + std::to_string(mode) + ", tick " + std::to_string(tick));
    }
    // A control over a key goes away in the same frame as a tick that only
    // recolours frames (mode 1 recolours every key): the key's inside is drawn
    // again where the control was.
    QLabel cover(&dlg);
    cover.setStyleSheet(QStringLiteral("background: #ff00ff"));
    cover.setGeometry(key(dlg, kKeyA).geometry().adjusted(6, 6, -6, -6));
    cover.show();
    tickAndCompare("cover shown");
    cover.hide();
    tickAndCompare("cover hidden");
}

// Pictures of the real main window and about box for review and for the user
// guide (made by "make screenshots").
TEST_F(PanelInWindowTest, ScreenshotsOfTheMainWindowAndTheAboutBox) {
    CVarnelDlg &dlg = openWindow();
    const QDir folder(QCoreApplication::applicationDirPath() + "/../screenshots/windows");
    ASSERT_TRUE(folder.mkpath("."));
    auto shoot = [&](QWidget &window, const char *name) {
        const QString file = folder.filePath(QLatin1String(name));
        EXPECT_TRUE(skin::saveWindowSnapshot(window, file)) << name;
        EXPECT_FALSE(QImage(file).isNull()) << name;
    };
    shoot(dlg, "main-window.png");
    ASSERT_TRUE(dlg.clickControl(kViewSwitch));
    chooseMode(dlg, 1);
    for (int tick = 0; tick < 12; ++tick) dlg.parts().previewTick();
    shoot(dlg, "main-window-lighting.png");
    chooseMode(dlg, 20);
    shoot(dlg, "main-window-custom.png");
    ASSERT_TRUE(dlg.clickControl(kViewSwitch));
    dlg.openAboutBox();
    ASSERT_NE(dlg.aboutBox(), nullptr);
    QApplication::processEvents();
    shoot(*dlg.aboutBox(), "about-box.png");
}

}  // namespace
}  // namespace apptest
