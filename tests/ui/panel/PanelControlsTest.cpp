// What each control of the panel does to the keyboard, the model's files and
// the other controls.
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

#include "PanelTestSupport.h"
#include "model/KeyButtons.h"
#include "model/lighting/KeySlots.h"
#include "ui/mainwindow/panel/CBitmapSlider.h"
#include "ui/mainwindow/panel/LightingPanelControls.h"
#include "ui/skin/CPngButton.h"
#include "ui/skin/CSkinColorBtn.h"
#include "ui/skin/ColorPopup.h"

namespace paneltest {
namespace {

using namespace panel::ids;
using devicelink::CommandCode;

class PanelControlsTest : public PanelTest {
protected:
    CSkinColorBtn &colourButton(int id) { return *window->controlAs<CSkinColorBtn>(id); }
    CBitmapSlider &slider(int id) { return *window->controlAs<CBitmapSlider>(id); }
    // The user picks a colour from the button's pop-up.
    void pick(int id, const QColor &colour) {
        skin::ColorPopup *popup = colourButton(id).showColorPopup();
        ASSERT_NE(popup, nullptr);
        emit popup->colorPicked(colour);
    }
    void toUserMode() {
        clickViewSwitch();
        chooseMode(20);
        keyboard().clearWrites();
    }
};

TEST_F(PanelControlsTest, SlidersSendOnlyChangesWithTheirPictures) {
    setRecordBytes(0, {1, 2, 3});
    clickViewSwitch();
    readBack();
    keyboard().clearWrites();

    window->handleMessage(panel::kSliderMovedMessage, kBrightnessSlider, 2);
    EXPECT_TRUE(paramWrites().empty());

    window->handleMessage(panel::kSliderMovedMessage, kBrightnessSlider, 4);
    EXPECT_EQ(paramWrites(), (std::vector<std::pair<int, int>>{{1, 1}}));
    EXPECT_EQ(peek("params", 1, 1), std::vector<std::uint8_t>{4});
    EXPECT_EQ(slider(kBrightnessSlider).bitmap().cacheKey(),
              window->panel().controls().brightness().bitmap().cacheKey());
    EXPECT_FALSE(slider(kBrightnessSlider).bitmap().isNull());

    // Speed 3 shows at position 1; position 0 is speed 4.
    keyboard().clearWrites();
    window->handleMessage(panel::kSliderMovedMessage, kSpeedSlider, 1);
    EXPECT_TRUE(paramWrites().empty());
    window->handleMessage(panel::kSliderMovedMessage, kSpeedSlider, 0);
    EXPECT_EQ(peek("params", 2, 1), std::vector<std::uint8_t>{4});
}

TEST_F(PanelControlsTest, DraggingTheSliderSendsEachNewPosition) {
    setRecordBytes(0, {1, 0});
    clickViewSwitch();
    readBack();
    keyboard().clearWrites();
    CBitmapSlider &brightness = slider(kBrightnessSlider);
    EXPECT_EQ(brightness.positionAt(brightness.margin()), 0);
    EXPECT_EQ(brightness.positionAt(brightness.width() - brightness.margin()), 4);
    EXPECT_EQ(brightness.positionAt(-50), 0);
    EXPECT_EQ(brightness.positionAt(brightness.width() + 50), 4);

    const int y = brightness.height() / 2;
    QTest::mousePress(&brightness, Qt::LeftButton, {}, QPoint(brightness.margin(), y));
    EXPECT_TRUE(paramWrites().empty());  // already at 0
    QMouseEvent move(QEvent::MouseMove, QPointF(brightness.width() / 2, y),
                     brightness.mapToGlobal(QPointF(brightness.width() / 2, y)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&brightness, &move);
    QTest::mouseRelease(&brightness, Qt::LeftButton, {}, QPoint(brightness.width() / 2, y));
    EXPECT_EQ(brightness.position(), 2);
    EXPECT_EQ(peek("params", 1, 1), std::vector<std::uint8_t>{2});
    EXPECT_EQ(window->model().state().brightness, 2);
}

TEST_F(PanelControlsTest, ColourButtonsShareTheColourAndClearMulticolour) {
    setRecordBytes(0, {1, 4, 2, 0, 1});
    clickViewSwitch();
    readBack();
    EXPECT_EQ(pictureOf(kHxMulti), "sjsdown.bmp");
    keyboard().clearWrites();

    pick(kHxColour, QColor(0x10, 0x20, 0x30));
    EXPECT_EQ(colourButton(kFyColour).color(), QColor(0x10, 0x20, 0x30));
    EXPECT_EQ(pictureOf(kHxMulti), "sjsup.bmp");
    EXPECT_EQ(pictureOf(kFyMulti), "sjsup.bmp");
    EXPECT_EQ(paramWrites(), (std::vector<std::pair<int, int>>{{4, 1}, {5, 3}}));
    EXPECT_EQ(peek("params", 4, 4), (std::vector<std::uint8_t>{0, 0x10, 0x20, 0x30}));

    ASSERT_TRUE(window->clickControl(kFyMulti));
    EXPECT_EQ(pictureOf(kHxMulti), "sjsdown.bmp");
    EXPECT_EQ(pictureOf(kFyMulti), "sjsdown.bmp");
    EXPECT_EQ(peek("params", 4, 1), std::vector<std::uint8_t>{1});
}

TEST_F(PanelControlsTest, PresetPicturesSelectOneColour) {
    clickViewSwitch();
    chooseMode(17);
    ASSERT_TRUE(window->clickControl(kPresetRed + 2));
    EXPECT_EQ(pictureOf(kPresetRed), "hong.bmp");
    EXPECT_EQ(pictureOf(kPresetRed + 1), "huang.bmp");
    EXPECT_EQ(pictureOf(kPresetRed + 2), "lvok.bmp");
    EXPECT_EQ(pictureOf(kPresetRed + 3), "lan.bmp");
    EXPECT_EQ(peek("params", 17, 1), std::vector<std::uint8_t>{2});
}

TEST_F(PanelControlsTest, NumberBoxesCapAtTwoHundredFiftyFive) {
    auto *red = window->controlAs<QLineEdit>(kNumberRed);
    ASSERT_NE(red, nullptr);
    red->setText(QStringLiteral("255"));
    EXPECT_EQ(red->text(), "255");
    red->setText(QStringLiteral("256"));
    EXPECT_EQ(red->text(), "255");
    red->clear();
    QTest::keyClicks(red, QStringLiteral("9x99"));
    EXPECT_EQ(red->text(), "255");
}

TEST_F(PanelControlsTest, BaseColourRecoloursOnlyBaseBrushKeys) {
    toUserMode();
    const lighting::LightingModel &model = window->model();
    const lighting::Colour base = model.state().user.baseColour;
    std::vector<int> flagged, unflagged;
    for (std::uint8_t slot : lighting::paintableSlots()) {
        (model.keyColours().baseFlag(0, slot) ? flagged : unflagged).push_back(slot);
    }
    ASSERT_FALSE(flagged.empty());

    pick(kBaseColour,
         QColor(lighting::redOf(base), lighting::greenOf(base), lighting::blueOf(base)));
    EXPECT_TRUE(keyboard().writesOf(CommandCode::WriteKeyColours).empty());

    const std::vector<std::uint8_t> before = peek("colours0", 0, 378);
    pick(kBaseColour, QColor(1, 2, 3));
    const std::vector<std::uint8_t> after = peek("colours0", 0, 378);
    for (int slot : flagged) {
        EXPECT_EQ(std::vector<std::uint8_t>(after.begin() + slot * 3, after.begin() + slot * 3 + 3),
                  (std::vector<std::uint8_t>{1, 2, 3}))
            << slot;
    }
    for (int slot : unflagged) {
        EXPECT_EQ(after[std::size_t(slot * 3)], before[std::size_t(slot * 3)]) << slot;
    }
    // Every base-brush key's button shows the new colour.
    for (const model::KeyButton &key : model::kKeyButtons) {
        const int slot = lighting::slotOfKeyCode(key.keyCode);
        if (model.keyColours().baseFlag(0, slot)) {
            EXPECT_EQ(keyButton(key.controlId).frameColor(), QColor(1, 2, 3)) << key.controlId;
        }
    }
}

TEST_F(PanelControlsTest, PaintingKeysWithBothBrushes) {
    toUserMode();
    const int keyA = 1058;
    EXPECT_TRUE(keyButton(keyA).isFrameMode());
    EXPECT_EQ(keyButton(keyA).framePercentage(), 50);

    pick(kBrushColour, QColor(9, 8, 7));
    ASSERT_TRUE(window->clickControl(kBrushPaint));
    EXPECT_EQ(pictureOf(kBrushPaint), "user1down.bmp");
    EXPECT_EQ(pictureOf(kBrushBase), "user2up.bmp");
    ASSERT_TRUE(window->clickControl(keyA));
    EXPECT_EQ(keyButton(keyA).frameColor(), QColor(9, 8, 7));
    EXPECT_EQ(peek("colours0", lighting::slot::A * 3, 3), (std::vector<std::uint8_t>{9, 8, 7}));

    // Painted with the base brush, the key follows the next base colour.
    ASSERT_TRUE(window->clickControl(kBrushBase));
    EXPECT_EQ(pictureOf(kBrushPaint), "user1up.bmp");
    EXPECT_EQ(pictureOf(kBrushBase), "user2down.bmp");
    ASSERT_TRUE(window->clickControl(keyA));
    pick(kBaseColour, QColor(40, 50, 60));
    EXPECT_EQ(keyButton(keyA).frameColor(), QColor(40, 50, 60));
    EXPECT_EQ(peek("colours0", lighting::slot::A * 3, 3), (std::vector<std::uint8_t>{40, 50, 60}));

    // G keys are never painted.
    keyboard().clearWrites();
    ASSERT_TRUE(window->clickControl(1000));
    EXPECT_TRUE(keyboard().writesOf(CommandCode::WriteKeyColours).empty());
}

TEST_F(PanelControlsTest, UserModeSelectionAndRename) {
    toUserMode();
    auto *selector = window->controlAs<QComboBox>(kUserModeSelector);
    ASSERT_EQ(selector->count(), 10);
    selector->setCurrentIndex(2);
    EXPECT_EQ(window->model().state().user.slot, 2);
    EXPECT_EQ(keyboard().writesOf(CommandCode::WriteKeyColours).size(), 7u);
    EXPECT_NE(userModeText(0).find("mode=2"), std::string::npos);

    selector->lineEdit()->selectAll();
    QTest::keyClicks(selector->lineEdit(), QStringLiteral("Night"));
    EXPECT_EQ(selector->itemText(2), "Night");
    EXPECT_EQ(selector->lineEdit()->text(), "Night");
    EXPECT_EQ(selector->currentIndex(), 2);
    EXPECT_EQ(selector->count(), 10);
    EXPECT_NE(userModeText(0).find("2=Night"), std::string::npos);

    // A name longer than 259 characters is cut.
    selector->lineEdit()->setMaxLength(1000);
    emit selector->lineEdit()->textEdited(QString(300, QLatin1Char('x')));
    EXPECT_EQ(selector->itemText(2).size(), 259);
}

}  // namespace
}  // namespace paneltest
