// The preview on the key buttons: painted each tick only while the lighting
// view is on and the window shows, and only the buttons whose look changed.
#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>

#include "PanelTestSupport.h"
#include "model/KeyButtons.h"
#include "model/lighting/KeySlots.h"
#include "ui/mainwindow/panel/KeyPreviewPainter.h"
#include "ui/skin/CPngButton.h"

namespace paneltest {
namespace {

using preview::KeyLook;

class PreviewPaintTest : public PanelTest {
protected:
    int framedKeys() const {
        int framed = 0;
        for (const model::KeyButton &key : model::kKeyButtons) {
            framed += keyButton(key.controlId).isFrameMode() ? 1 : 0;
        }
        return framed;
    }
    std::vector<QColor> keyColours() const {
        std::vector<QColor> colours;
        for (const model::KeyButton &key : model::kKeyButtons) {
            colours.push_back(keyButton(key.controlId).frameColor());
        }
        return colours;
    }
};

TEST_F(PreviewPaintTest, PainterRedrawsOnlyChangedButtons) {
    panel::KeyPreviewPainter painter(window->view().keyButtons());
    EXPECT_EQ(painter.slotOfControl(1058), lighting::slot::A);
    EXPECT_EQ(painter.slotOfControl(panel::kFnButtonId), lighting::slot::Fn);
    EXPECT_EQ(painter.slotOfControl(1140), lighting::slot::GKeys);
    EXPECT_EQ(painter.slotOfControl(panel::ids::kViewSwitch), -1);

    preview::PreviewFrame frame{};
    for (std::uint8_t slot : lighting::paintableSlots()) {
        frame[slot] = {KeyLook::Kind::Painted, lighting::makeColour(200, 0, 0)};
    }
    EXPECT_EQ(painter.apply(frame), 105);
    EXPECT_EQ(painter.apply(frame), 0);
    EXPECT_EQ(keyButton(1058).framePercentage(), panel::kKeyFramePercentage);
    EXPECT_EQ(keyButton(1058).frameColor(), QColor(200, 0, 0));

    frame[lighting::slot::A].colour = lighting::makeColour(0, 0, 200);
    frame[lighting::slot::Esc] = {KeyLook::Kind::Plain, lighting::kBlack};
    EXPECT_EQ(painter.apply(frame), 2);
    EXPECT_FALSE(keyButton(1022).isFrameMode());

    // Keep leaves even a differently coloured key alone.
    frame.fill({KeyLook::Kind::Keep, lighting::kBlack});
    EXPECT_EQ(painter.apply(frame), 0);

    // The plain appearance also clears the selected look of an unframed key.
    painter.showPlain();
    EXPECT_EQ(framedKeys(), 0);
    keyButton(1058).setSelected(true);
    frame[lighting::slot::A] = {KeyLook::Kind::Plain, lighting::kBlack};
    EXPECT_EQ(painter.apply(frame), 1);
    EXPECT_FALSE(keyButton(1058).isSelected());
}

TEST_F(PreviewPaintTest, TicksPaintOnlyWhileTheViewIsOnAndTheWindowShows) {
    setRecordBytes(0, {1, 4, 2, 0xFF, 1});
    readBack();
    window->panel().previewTick();  // hidden and switched off
    EXPECT_EQ(framedKeys(), 0);

    window->show();
    window->panel().previewTick();  // switched off
    EXPECT_EQ(framedKeys(), 0);

    clickViewSwitch();
    window->panel().previewTick();
    EXPECT_EQ(framedKeys(), 103);  // every key but right Win
    EXPECT_FALSE(keyButton(1087).isFrameMode());
    const std::vector<QColor> first = keyColours();
    window->panel().previewTick();
    EXPECT_NE(keyColours(), first);  // the wave moves on

    window->hide();
    const std::vector<QColor> hidden = keyColours();
    window->panel().previewTick();
    EXPECT_EQ(keyColours(), hidden);
    window->showMinimized();
    window->panel().previewTick();
    EXPECT_EQ(keyColours(), hidden);

    window->show();
    clickViewSwitch();
    EXPECT_EQ(framedKeys(), 0);
    window->panel().previewTick();
    EXPECT_EQ(framedKeys(), 0);
}

TEST_F(PreviewPaintTest, ModesWithoutAnimationAndTheUserMode) {
    window->show();
    clickViewSwitch();
    chooseMode(7);
    window->panel().previewTick();
    EXPECT_EQ(framedKeys(), 0);

    chooseMode(20);
    const lighting::KeyColourTable &table = window->model().keyColours();
    const auto expected = [&](int id, int slot) {
        const lighting::Colour colour = table.colour(0, slot);
        EXPECT_EQ(
            keyButton(id).frameColor(),
            QColor(lighting::redOf(colour), lighting::greenOf(colour), lighting::blueOf(colour)))
            << id;
    };
    EXPECT_EQ(framedKeys(), 104);
    window->panel().previewTick();
    EXPECT_EQ(framedKeys(), 104);
    expected(1058, lighting::slot::A);
    expected(panel::kFnButtonId, lighting::slot::Fn);
    expected(1000, lighting::slot::GKeys);

    // Leaving mode 20 returns the keys to their plain look until the preview paints.
    chooseMode(9);
    EXPECT_EQ(framedKeys(), 0);
}

TEST_F(PreviewPaintTest, SparklePaintsAFewKeysPerTick) {
    setRecordBytes(0, {10, 4, 2, 0, 0, 0xFF, 0xFF, 0xFF});
    readBack();
    window->show();
    clickViewSwitch();
    chooseMode(10);
    window->panel().previewTick();
    // Every key of the preview is drawn (dark ones black), three of them brightly.
    int bright = 0;
    for (const QColor &colour : keyColours()) bright += colour.red() > 200 ? 1 : 0;
    EXPECT_EQ(bright, 3);
}

TEST_F(PreviewPaintTest, AFramedKeyShowsItsTooltip) {
    keyButton(1058).setToolTipText(QStringLiteral("A: Ctrl+A"), true);
    window->show();
    clickViewSwitch();
    window->panel().previewTick();
    ASSERT_TRUE(keyButton(1058).isFrameMode());
    ASSERT_FALSE(keyButton(1058).isVisible());

    const QPoint centre = keyButton(1058).geometry().center();
    QHelpEvent hover(QEvent::ToolTip, centre, window->mapToGlobal(centre));
    QApplication::sendEvent(window.get(), &hover);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QStringLiteral("A: Ctrl+A"));
    QToolTip::hideText();
}

}  // namespace
}  // namespace paneltest
