#include "ui/skin/CBaseDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QWindow>

#include "TestPictures.h"
#include "ui/skin/CPngButton.h"
#include "ui/skin/SkinPicture.h"
#include "ui/skin/StatePicture.h"
#include "ui/skin/layout/RelabelMessage.h"

namespace {

class CountingDialog : public CBaseDialog {
public:
    using CBaseDialog::CBaseDialog;
    int initialisations = 0;
    std::vector<int> relabels;

protected:
    void onInitDialog() override {
        ++initialisations;
        CBaseDialog::onInitDialog();
    }
    void relabel(int languageIndex) override { relabels.push_back(languageIndex); }
};

// A dark picture with white corners, so its shape is the window minus the corners.
QImage roundedBackground() {
    QImage picture = testpictures::solid(120, 80, Qt::white);
    QPainter painter(&picture);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 30, 40));
    painter.drawRoundedRect(QRect(0, 0, 120, 80), 12, 12);
    return picture;
}

class BaseDialogTest : public ::testing::Test {
protected:
    QString folderName() const { return QString::fromStdString(folder.path().string()); }
    QString writeSkin(const std::string &screen) {
        return QString::fromStdString(folder.write("Test.ini", "[SCREEN]\n" + screen).string());
    }

    ScratchFolder folder;
};

}  // namespace

TEST_F(BaseDialogTest, BackgroundSizesTheWindowAndDoublesAsMask) {
    testpictures::save(folder, "back.png", roundedBackground());
    CountingDialog dialog(nullptr, writeSkin("Main=back.png\n"), folderName());
    dialog.applySkin();
    EXPECT_EQ(dialog.size(), QSize(120, 80));
    EXPECT_FALSE(dialog.isApplyingSkin());
    const QRegion shape = dialog.windowShape();
    EXPECT_TRUE(shape.contains(QPoint(60, 40)));
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_FALSE(shape.contains(QPoint(119, 79)));
    ASSERT_NE(dialog.windowHandle(), nullptr);
    EXPECT_EQ(dialog.windowHandle()->mask(), shape);
}

TEST_F(BaseDialogTest, AnAllWhiteMaskKeepsTheWindowRectangular) {
    testpictures::save(folder, "back.bmp", roundedBackground());
    testpictures::save(folder, "mask.bmp", testpictures::solid(120, 80, Qt::white));
    CountingDialog dialog(nullptr, writeSkin("Main=back.bmp\nMask=mask.bmp\n"), folderName());
    dialog.applySkin();
    EXPECT_TRUE(dialog.windowShape().isEmpty());
    ASSERT_NE(dialog.windowHandle(), nullptr);
    EXPECT_TRUE(dialog.windowHandle()->mask().isEmpty());
}

TEST_F(BaseDialogTest, InitialisesOnEveryOpeningAndPaintsTheBackground) {
    testpictures::save(folder, "back.png", testpictures::solid(50, 40, QColor(10, 200, 30)));
    CountingDialog dialog(nullptr, writeSkin("Main=back.png\n"), folderName());
    dialog.show();
    EXPECT_EQ(dialog.initialisations, 1);
    EXPECT_EQ(testpictures::pixelOf(dialog.grab().toImage(), 25, 20), QColor(10, 200, 30));
    dialog.hide();
    dialog.show();
    EXPECT_EQ(dialog.initialisations, 1);
    dialog.accept();
    EXPECT_TRUE(dialog.background().isNull());
    dialog.show();
    EXPECT_EQ(dialog.initialisations, 2);
    EXPECT_FALSE(dialog.background().isNull());
}

TEST_F(BaseDialogTest, ControlsAreFoundAndClickedByTheirIds) {
    CountingDialog dialog(nullptr, writeSkin(""), folderName());
    auto *ok = new CPngButton(1, &dialog);
    auto *off = new CPngButton(1010, &dialog);
    off->setEnabled(false);
    dialog.registerControl(1, ok);
    dialog.registerControl(1010, off);
    QSignalSpy clicks(&dialog, &CBaseDialog::controlClicked);
    EXPECT_EQ(dialog.controlAs<CPngButton>(1), ok);
    EXPECT_EQ(dialog.control(77), nullptr);
    EXPECT_TRUE(dialog.clickControl(1));
    EXPECT_FALSE(dialog.clickControl(1010));
    EXPECT_FALSE(dialog.clickControl(77));
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.front().front().toInt(), 1);
}

TEST_F(BaseDialogTest, RelabelsOnlyOnTheLanguageRequest) {
    CountingDialog dialog(nullptr, writeSkin(""), folderName());
    EXPECT_TRUE(dialog.handleMessage(skin::kRelabelMessage, skin::kRelabelTag, 2));
    EXPECT_FALSE(dialog.handleMessage(skin::kRelabelMessage, 0x4C414E48, 1));
    EXPECT_FALSE(dialog.handleMessage(0x5350, skin::kRelabelTag, 1));
    EXPECT_EQ(dialog.relabels, std::vector<int>{2});
}

TEST_F(BaseDialogTest, DraggingAnyPointThatIsNotAControlMovesTheWindow) {
    testpictures::save(folder, "back.png", testpictures::solid(100, 60, Qt::darkGray));
    CountingDialog dialog(nullptr, writeSkin("Main=back.png\n"), folderName());
    auto *button = new CPngButton(1, &dialog);
    button->setGeometry(60, 10, 30, 30);
    dialog.move(200, 100);
    dialog.show();
    const QPoint start = dialog.pos();
    const auto send = [](QWidget &target, QEvent::Type type, QPoint local, QPoint global) {
        QMouseEvent event(type, local, global, Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&target, &event);
    };
    const QPoint grip = dialog.mapToGlobal(QPoint(10, 10));
    send(dialog, QEvent::MouseButtonPress, QPoint(10, 10), grip);
    send(dialog, QEvent::MouseMove, QPoint(40, 30), grip + QPoint(30, 20));
    send(dialog, QEvent::MouseButtonRelease, QPoint(40, 30), grip + QPoint(30, 20));
    EXPECT_EQ(dialog.pos(), start + QPoint(30, 20));

    // A press on a control belongs to the control.
    const QPoint onButton = button->mapToGlobal(QPoint(5, 5));
    send(*button, QEvent::MouseButtonPress, QPoint(5, 5), onButton);
    send(*button, QEvent::MouseMove, QPoint(25, 25), onButton + QPoint(20, 20));
    send(*button, QEvent::MouseButtonRelease, QPoint(25, 25), onButton + QPoint(20, 20));
    EXPECT_EQ(dialog.pos(), start + QPoint(30, 20));
}

TEST(SkinPictureDeathTest, AMissingPictureEndsTheProcessNamingTheFile) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(skin::loadSkinPictureOrExit(QStringLiteral("/nonexistent/main_over.jpg")),
                ::testing::ExitedWithCode(skin::kMissingPictureExitCode),
                "cannot load skin picture /nonexistent/main_over.jpg");
}

TEST_F(BaseDialogTest, AnUndecodableBackgroundEndsTheProcess) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    folder.write("broken.jpg", "not a picture at all");
    const QString ini = writeSkin("Main=broken.jpg\n");
    EXPECT_EXIT(
        {
            CountingDialog dialog(nullptr, ini, folderName());
            dialog.applySkin();
        },
        ::testing::ExitedWithCode(skin::kMissingPictureExitCode), "broken.jpg");
}

TEST_F(BaseDialogTest, PictureSetsAreCheckedWholeBeforeAnyIsRendered) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    testpictures::save(folder, "a.jpg", testpictures::solid(20, 20, Qt::red));
    skin::StatePictureSet set;
    const auto &rendered = set.ensureRendered(folderName(), {"a.jpg", "a.jpg"}, QSize(10, 10));
    ASSERT_EQ(rendered.size(), 2u);
    EXPECT_TRUE(set.isRendered());
    EXPECT_EQ(rendered[0]->size(), QSize(110, 110));
    // Rendered once: a second call with other names keeps the first pictures.
    EXPECT_EQ(&set.ensureRendered(folderName(), {"gone.jpg"}, QSize(10, 10)), &rendered);

    skin::StatePictureSet broken;
    EXPECT_EXIT(broken.ensureRendered(folderName(), {"a.jpg", "missing.jpg"}, QSize(10, 10)),
                ::testing::ExitedWithCode(skin::kMissingPictureExitCode), "missing.jpg");
}
