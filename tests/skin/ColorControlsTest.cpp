#include <gtest/gtest.h>

#include <QPushButton>
#include <QSignalSpy>

#include "FakeDialogServices.h"
#include "TestPictures.h"
#include "ui/skin/CSkinColorBtn.h"
#include "ui/skin/ColorPopup.h"
#include "ui/skin/ColorRef.h"
#include "ui/skin/ColorStatic.h"

TEST(ColorRef, KeepsRedInTheLowByte) {
    EXPECT_EQ(skin::refFromColor(QColor(0x12, 0x34, 0x56)), 0x563412u);
    EXPECT_EQ(skin::colorFromRef(0x563412), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(skin::colorFromRef(0xFF563412), QColor(0x12, 0x34, 0x56));
}

TEST(ColorStatic, WhiteTransparentTextThatTakesColourAndHeight) {
    QWidget window;
    window.resize(100, 40);
    window.setAutoFillBackground(true);
    QPalette red = window.palette();
    red.setColor(QPalette::Window, Qt::red);
    window.setPalette(red);
    auto *label = new ColorStatic(1204, &window);
    label->setGeometry(0, 0, 100, 40);
    label->setText(QStringLiteral("Rate"));
    EXPECT_EQ(label->textColor(), QColor(Qt::white));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::white));
    // The window's background shows through where there is no text.
    EXPECT_EQ(testpictures::pixelOf(window.grab().toImage(), 98, 2), QColor(Qt::red));

    label->setTextColor(QColor(1, 2, 3));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(1, 2, 3));
    label->setFontHeight(15);
    EXPECT_EQ(label->font().pixelSize(), 15);
    label->setFontHeight(0);
    EXPECT_EQ(label->font().pixelSize(), 15);
}

namespace {

class SkinColorBtnTest : public ::testing::Test {
protected:
    void SetUp() override { button.resize(60, 20); }

    FakeDialogServices services;
    CSkinColorBtn button{1150};
};

}  // namespace

TEST_F(SkinColorBtnTest, PopupOffersTenColumnsAndSetsTheChosenColour) {
    QSignalSpy chosen(&button, &CSkinColorBtn::colorChosen);
    button.click();
    skin::ColorPopup *popup = button.popup();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(skin::kColorPopupColumns, 10);
    EXPECT_EQ(popup->swatchCount() % 10, 0);
    EXPECT_EQ(popup->otherEntry()->text(), QStringLiteral("other"));
    EXPECT_EQ(popup->swatch(popup->swatchCount()), nullptr);

    popup->swatch(15)->click();
    const QColor expected = skin::colorPopupPalette()[15];
    EXPECT_EQ(button.color(), expected);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.front().front().value<QColor>(), expected);
}

TEST_F(SkinColorBtnTest, OtherAsksTheColourDialogAndACancelChangesNothing) {
    button.setColor(QColor(10, 20, 30));
    services.color = std::nullopt;
    button.showColorPopup()->otherEntry()->click();
    EXPECT_EQ(button.color(), QColor(10, 20, 30));
    ASSERT_EQ(services.colorRequests.size(), 1u);
    EXPECT_EQ(services.colorRequests[0], QColor(10, 20, 30));

    services.color = QColor(200, 100, 50);
    button.showColorPopup()->otherEntry()->click();
    EXPECT_EQ(button.color(), QColor(200, 100, 50));
}

TEST_F(SkinColorBtnTest, FaceShowsSwatchAndDropDown) {
    button.setColor(QColor(0, 128, 255));
    QImage face = button.grab().toImage();
    const QRect swatch = button.swatchRect();
    EXPECT_EQ(swatch.right(), (60 + 1) / 2 + 5 - 1);
    EXPECT_EQ(testpictures::pixelOf(face, 10, 10), QColor(0, 128, 255));
    EXPECT_EQ(testpictures::pixelOf(face, 45, 3), QColor(148, 146, 139));
    EXPECT_EQ(testpictures::pixelOf(face, 61 - 8, 11 - 1), QColor(Qt::black));

    // Without a colour the automatic colour shows; disabled buttons show none.
    button.setColor(QColor());
    button.setAutomaticColor(QColor(9, 9, 9));
    face = button.grab().toImage();
    EXPECT_EQ(testpictures::pixelOf(face, 10, 10), QColor(9, 9, 9));
    button.setEnabled(false);
    face = button.grab().toImage();
    EXPECT_NE(testpictures::pixelOf(face, 10, 10), QColor(9, 9, 9));
}
