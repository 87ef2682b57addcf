#include "ui/skin/SkinPlacement.h"

#include <gtest/gtest.h>

#include <QLabel>

#include "TestPictures.h"
#include "ui/skin/CPngButton.h"

namespace {

class SkinPlacementTest : public ::testing::Test {
protected:
    ScratchFolder folder;
    QString ini = QString::fromStdString(
        folder
            .write("Main.ini",
                   "[BUTTONINFO]\nKEY_01E=10,20,30,40\nCOLOR_R=5,6,70,80\nLEFT_ARROW=300,40,12,9\n"
                   "NEGATIVE=3,4,-5,-6\n[BUTTONINFO2]\nDOWN_ARROW_LEFT1=24,48,12,9\n")
            .string());
    skin::StatePicture picture =
        skin::renderStatePicture(testpictures::coordinates(400, 200), QSize(400, 200));

    QWidget window;
};

}  // namespace

TEST_F(SkinPlacementTest, ImageButtonsTakeRectangleOffsetAndPictures) {
    CPngButton button(1, &window);
    const skin::SkinRect rect = skin::placeImageButton(
        button, ini, skin::kButtonInfoSection, u"KEY_01E", skin::ButtonPictures::single(picture));
    EXPECT_EQ(rect, (skin::SkinRect{10, 20, 30, 40}));
    EXPECT_EQ(button.geometry(), QRect(10, 20, 30, 40));
    EXPECT_EQ(button.pictureOffset(), QPoint(10, 20));
    EXPECT_EQ(button.pictures().selected, picture);
    EXPECT_TRUE(button.isEnabled());
}

TEST_F(SkinPlacementTest, AMissingKeyGivesADisabledOnePixelButtonAtOneOne) {
    CPngButton button(2, &window);
    skin::placeImageButton(button, ini, skin::kButtonInfoSection, u"KEY_0FF",
                           skin::ButtonPictures::single(picture));
    EXPECT_EQ(button.geometry(), QRect(1, 1, 1, 1));
    EXPECT_FALSE(button.isEnabled());

    QLabel label(&window);
    skin::placeControl(label, ini, skin::kButtonInfoSection, u"NOT_THERE");
    EXPECT_EQ(label.geometry(), QRect(1, 1, 1, 1));
}

TEST_F(SkinPlacementTest, PlaceSizesMoveKeepsTheSize) {
    QLabel label(&window);
    label.setGeometry(0, 0, 17, 19);
    skin::moveControl(label, ini, skin::kButtonInfoSection, u"COLOR_R");
    EXPECT_EQ(label.geometry(), QRect(5, 6, 17, 19));
    skin::placeControl(label, ini, skin::kButtonInfoSection, u"COLOR_R");
    EXPECT_EQ(label.geometry(), QRect(5, 6, 70, 80));
    // Negative sizes from a damaged skin give an empty control, not a failure.
    skin::placeControl(label, ini, skin::kButtonInfoSection, u"NEGATIVE");
    EXPECT_EQ(label.geometry(), QRect(3, 4, 0, 0));
}

TEST_F(SkinPlacementTest, SinglePictureButtonsTakeTheirOffsetFromTheSecondRectangle) {
    CPngButton arrow(1132, &window);
    skin::placeSinglePictureButton(arrow, ini, skin::kButtonInfoSection, u"LEFT_ARROW",
                                   skin::kButtonInfo2Section, u"DOWN_ARROW_LEFT1", picture);
    EXPECT_EQ(arrow.geometry(), QRect(300, 40, 12, 9));
    EXPECT_EQ(arrow.pictureOffset(), QPoint(24, 48));
    EXPECT_EQ(arrow.pictures().normal, picture);
    EXPECT_EQ(arrow.pictures().disabled, picture);
    arrow.setEnabled(false);
    EXPECT_EQ(testpictures::pixelOf(arrow.grab().toImage(), 0, 0), QColor(23, 47, 77));
}
