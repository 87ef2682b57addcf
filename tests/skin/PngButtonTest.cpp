#include "ui/skin/CPngButton.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QSignalSpy>

#include "TestPictures.h"

using Look = CPngButton::Look;

namespace {

skin::StatePicture solidPicture(const QColor &color) {
    return skin::renderStatePicture(testpictures::solid(60, 60, color), QSize(60, 60));
}

struct Palette {
    skin::StatePicture normal = solidPicture(Qt::gray);
    skin::StatePicture over = solidPicture(Qt::green);
    skin::StatePicture down = solidPicture(Qt::blue);
    skin::StatePicture disabled = solidPicture(Qt::darkRed);
    skin::StatePicture selected = solidPicture(Qt::yellow);
    skin::StatePicture checkOff = solidPicture(Qt::cyan);
    skin::StatePicture checkOn = solidPicture(Qt::magenta);

    skin::ButtonPictures five() const { return {normal, over, down, disabled, selected}; }
};

class PngButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        button.setGeometry(10, 20, 16, 12);
        button.setPictures(10, 20, pictures.five());
    }

    QColor shownColor() { return testpictures::pixelOf(button.grab().toImage(), 4, 4); }

    void enter() {
        QEnterEvent event(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(&button, &event);
    }
    void leave() {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(&button, &event);
    }
    void mouse(QEvent::Type type) {
        QMouseEvent event(type, QPointF(3, 3), QPointF(3, 3), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&button, &event);
    }

    Palette pictures;
    CPngButton button{1042};
};

}  // namespace

TEST_F(PngButtonTest, LooksFollowTheirOrderOfPrecedence) {
    EXPECT_EQ(button.currentLook(), Look::Normal);
    EXPECT_EQ(shownColor(), QColor(Qt::gray));

    button.setSelected(true);
    EXPECT_EQ(shownColor(), QColor(Qt::yellow));
    enter();
    EXPECT_EQ(button.currentLook(), Look::Over);
    EXPECT_EQ(shownColor(), QColor(Qt::green));
    button.setDown(true);
    EXPECT_EQ(button.currentLook(), Look::Down);
    EXPECT_EQ(shownColor(), QColor(Qt::blue));

    button.setCheckMode(pictures.checkOff, pictures.checkOn, true, true);
    EXPECT_EQ(button.currentLook(), Look::CheckOn);
    EXPECT_EQ(shownColor(), QColor(Qt::magenta));
    button.setCheckMode(pictures.checkOff, pictures.checkOn, true, false);
    EXPECT_EQ(shownColor(), QColor(Qt::cyan));

    // A disabled button in check mode shows the disabled picture.
    button.setEnabled(false);
    EXPECT_EQ(button.currentLook(), Look::Disabled);
    EXPECT_EQ(shownColor(), QColor(Qt::darkRed));
}

TEST_F(PngButtonTest, ShowsThePicturePartOnePixelUpAndLeftOfItsPosition) {
    const auto picture = skin::renderStatePicture(testpictures::coordinates(80, 80), QSize(80, 80));
    button.setPictures(10, 20, skin::ButtonPictures::single(picture));
    EXPECT_EQ(button.pictureOffset(), QPoint(10, 20));
    const QImage shown = button.grab().toImage();
    EXPECT_EQ(testpictures::pixelOf(shown, 0, 0), QColor(9, 19, 77));
    EXPECT_EQ(testpictures::pixelOf(shown, 15, 11), QColor(24, 30, 77));
}

TEST_F(PngButtonTest, AButtonAtTheWindowCornerKeepsItsPictureInPlace) {
    const auto picture = skin::renderStatePicture(testpictures::coordinates(80, 80), QSize(80, 80));
    button.setGeometry(0, 0, 16, 12);
    button.setPictures(0, 0, skin::ButtonPictures::single(picture));
    const QImage shown = button.grab().toImage();
    EXPECT_EQ(testpictures::pixelOf(shown, 1, 1), QColor(0, 0, 77));
    EXPECT_EQ(testpictures::pixelOf(shown, 15, 11), QColor(14, 10, 77));
}

TEST_F(PngButtonTest, HoverFollowsEnterAndLeaveAndNewPicturesClearIt) {
    enter();
    EXPECT_TRUE(button.isHovered());
    leave();
    EXPECT_FALSE(button.isHovered());
    enter();
    button.setDown(true);
    button.setPictures(pictures.five());
    EXPECT_FALSE(button.isHovered());
    EXPECT_FALSE(button.isDown());
    EXPECT_EQ(button.currentLook(), Look::Normal);
}

TEST_F(PngButtonTest, ADoubleClickDeliversTwoClicks) {
    QSignalSpy clicks(&button, &QAbstractButton::clicked);
    mouse(QEvent::MouseButtonPress);
    mouse(QEvent::MouseButtonRelease);
    mouse(QEvent::MouseButtonDblClick);
    mouse(QEvent::MouseButtonRelease);
    EXPECT_EQ(clicks.count(), 2);
}

TEST_F(PngButtonTest, FrameModeDrawsAColouredFrameInsteadOfThePicture) {
    button.setFrame(QColor(255, 0, 0), 150, true);
    EXPECT_EQ(button.framePercentage(), 100);
    const QImage shown = button.grab().toImage();
    // A two-pixel band along every edge of the 16 x 12 button, corners included.
    for (QPoint edge : {QPoint(0, 0), QPoint(1, 1), QPoint(15, 11), QPoint(14, 10), QPoint(8, 0),
                        QPoint(8, 11), QPoint(0, 6), QPoint(15, 6)}) {
        EXPECT_EQ(testpictures::pixelOf(shown, edge.x(), edge.y()), QColor(255, 0, 0))
            << edge.x() << "," << edge.y();
    }
    for (QPoint inside : {QPoint(2, 2), QPoint(13, 9), QPoint(8, 6)}) {
        const QColor colour = testpictures::pixelOf(shown, inside.x(), inside.y());
        EXPECT_NE(colour, QColor(255, 0, 0));
        EXPECT_NE(colour, QColor(Qt::gray));
    }
    button.setFrame(QColor(255, 0, 0), -5, false);
    EXPECT_EQ(button.framePercentage(), 0);
    EXPECT_EQ(shownColor(), QColor(Qt::gray));
}

TEST_F(PngButtonTest, AfterDrawCallbackToldWhetherTheNormalPictureShowed) {
    std::vector<bool> calls;
    button.setAfterDraw([&](CPngButton &drawn, bool normalShown) {
        EXPECT_EQ(&drawn, &button);
        calls.push_back(normalShown);
    });
    button.grab();
    button.setSelected(true);
    button.grab();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_TRUE(calls[0]);
    EXPECT_FALSE(calls[1]);
}

TEST_F(PngButtonTest, CaptionsUseTheColourOfTheLook) {
    button.resize(60, 30);
    button.setText(QStringLiteral("WWWWW"));
    skin::CaptionStyle style = skin::windowButtonCaptionStyle();
    style.pointSize = 14;
    button.setCaptionStyle(style);
    const auto countColor = [this](const QColor &color) {
        const QImage shown = button.grab().toImage();
        int count = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) count += QColor(shown.pixel(x, y)) == color;
        }
        return count;
    };
    EXPECT_GT(countColor(Qt::white), 10);
    button.setEnabled(false);
    EXPECT_EQ(countColor(Qt::white), 0);
    EXPECT_GT(countColor(QColor(0x7F, 0x7F, 0x7F)), 10);
    // A rotated caption is still drawn inside the button.
    button.setEnabled(true);
    button.setRotatedCaption(900, true);
    EXPECT_GT(countColor(Qt::white), 10);
}

TEST_F(PngButtonTest, TooltipsKeepTheirTextAndComeBackOnHover) {
    button.setToolTipText(QStringLiteral("Minimise"));
    EXPECT_EQ(button.toolTip(), QStringLiteral("Minimise"));
    button.setToolTipText(QString());
    EXPECT_EQ(button.toolTipText(), QStringLiteral("Minimise"));
    button.deleteToolTip();
    EXPECT_TRUE(button.toolTip().isEmpty());
    enter();
    EXPECT_EQ(button.toolTip(), QStringLiteral("Minimise"));
    button.setToolTipText(QStringLiteral("Hidden"), false);
    EXPECT_TRUE(button.toolTip().isEmpty());
    EXPECT_EQ(button.toolTipText(), QStringLiteral("Hidden"));
}

TEST_F(PngButtonTest, ButtonsWithoutPicturesDrawNothingAndStillClick) {
    CPngButton bare(7);
    bare.resize(10, 10);
    QSignalSpy clicks(&bare, &QAbstractButton::clicked);
    bare.grab();
    bare.click();
    EXPECT_EQ(clicks.count(), 1);
}
