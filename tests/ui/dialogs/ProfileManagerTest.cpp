// The profile manager: its rows, the single tick, adding and deleting rows,
// and Apply storing the list, switching and reloading.
#include <QApplication>
#include <fstream>

#include "DialogTestSupport.h"
#include "model/ProfileFile.h"
#include "ui/dialogs/CVarnel_DlgProfile.h"
#include "ui/skin/CPngButton.h"
#include "ui/skin/WindowSnapshot.h"
#include "ui/skin/layout/LanguageText.h"
#include "ui/widgets/CReportCtrl.h"

namespace dialogtest {
namespace {

using dialogs::CVarnel_DlgProfile;

class ProfileManagerTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        userFolder = scratch() / "user";
        std::filesystem::create_directories(userFolder);
    }
    void TearDown() override {
        if (manager) manager->closeAsCancel();
        manager.reset();
        DialogTest::TearDown();
    }
    CVarnel_DlgProfile &open() {
        manager = std::make_unique<CVarnel_DlgProfile>(
            nullptr, dialogs::ProfileManagerContext{skinFolder() / "Profile.ini", skinFolder(),
                                                    userFolder, *settings, window});
        manager->openModeless();
        QApplication::processEvents();
        return *manager;
    }
    void click(int id) {
        ASSERT_TRUE(manager->clickControl(id)) << id;
        QApplication::processEvents();
    }
    std::u16string entry(int index) {
        return settings->profileString(app::AppSettings::profileListKey(index), u"(none)");
    }

    std::filesystem::path userFolder;
    std::unique_ptr<CVarnel_DlgProfile> manager;
};

TEST_F(ProfileManagerTest, StartsWithThreeRowsOfTheDataFileAndTheActiveOneTicked) {
    window.profile = 1;
    auto &m = open();
    CReportCtrl &list = m.list();
    ASSERT_EQ(list.rowCount(), 3);
    const auto file = model::profileFilePath(userFolder, 0);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(list.itemText(row, 1).toStdU16String(), file.stem().u16string());
        EXPECT_EQ(list.itemText(row, 2).toStdU16String(), file.parent_path().u16string() + u"/");
    }
    EXPECT_EQ(list.checkedRow(), 1);
    EXPECT_FALSE(m.pending());
    EXPECT_FALSE(m.control(CVarnel_DlgProfile::kApply)->isEnabled());
    EXPECT_EQ(m.openCount(), 1);

    // Ticking a row clears the other tick and makes Apply pending.
    list.setChecked(2, true);
    EXPECT_EQ(list.checkedRow(), 2);
    EXPECT_FALSE(list.isChecked(1));
    EXPECT_TRUE(m.pending());
    EXPECT_TRUE(m.control(CVarnel_DlgProfile::kApply)->isEnabled());

    click(2);
    EXPECT_EQ(m.openCount(), 0);
    EXPECT_FALSE(m.pending());
    EXPECT_TRUE(window.switches.empty());
}

TEST_F(ProfileManagerTest, ApplyStoresEveryRowSwitchesAndReloads) {
    auto &m = open();
    answers.fileName = QString::fromStdString((scratch() / "shared" / "team.vrp").string());
    click(CVarnel_DlgProfile::kAddExisting);
    ASSERT_EQ(m.list().rowCount(), 4);
    EXPECT_EQ(m.list().itemText(3, 1), "team");
    m.list().setChecked(2, true);
    window.applyPending = true;

    click(CVarnel_DlgProfile::kApply);
    const std::u16string dataFile =
        model::profileFilePath(userFolder, 0).replace_extension(".vrp").u16string();
    EXPECT_EQ(entry(1), dataFile);
    EXPECT_EQ(entry(3), dataFile);
    EXPECT_EQ(entry(4), (scratch() / "shared" / "team.vrp").u16string());
    EXPECT_EQ(entry(0), u"4");
    EXPECT_EQ(entry(5), u"(none)");
    EXPECT_EQ(window.switches, std::vector<int>{2});
    EXPECT_EQ(window.reloads, 1);
    EXPECT_EQ(window.labelRefreshes, 1);
    EXPECT_FALSE(m.pending());
    EXPECT_FALSE(window.applyPending);
    EXPECT_EQ(m.openCount(), 1);
}

TEST_F(ProfileManagerTest, ApplyWithoutATickStillReloads) {
    auto &m = open();
    m.list().setChecked(0, false);
    ASSERT_EQ(m.list().checkedRow(), -1);
    click(1);  // OK applies, then closes
    EXPECT_EQ(window.switches, std::vector<int>{-1});
    EXPECT_EQ(window.reloads, 1);
    EXPECT_EQ(m.openCount(), 0);
}

TEST_F(ProfileManagerTest, ATickedFileRowIsNoOnBoardProfile) {
    auto &m = open();
    answers.fileName = QString::fromStdString((scratch() / "other.vrp").string());
    click(CVarnel_DlgProfile::kAddExisting);
    m.list().setChecked(3, true);
    click(CVarnel_DlgProfile::kApply);
    EXPECT_EQ(window.switches, std::vector<int>{-1});
    EXPECT_EQ(window.reloads, 1);
}

TEST_F(ProfileManagerTest, AddNewCreatesADefaultFileAndDeleteRemovesOnlyTheRow) {
    auto &m = open();
    answers.fileName = QString::fromStdString((scratch() / "fresh").string());
    click(CVarnel_DlgProfile::kAddNew);
    ASSERT_EQ(answers.offeredNames.size(), 1u);
    EXPECT_TRUE(answers.offeredNames[0].endsWith(text("PROFILE_NEW")));
    const auto created = scratch() / "fresh.vrp";
    ASSERT_TRUE(std::filesystem::exists(created));
    EXPECT_EQ(std::filesystem::file_size(created), 32832u);
    EXPECT_EQ(m.list().rowCount(), 4);
    EXPECT_EQ(m.list().itemText(3, 1), "fresh");

    // Cancelling the file dialog adds nothing.
    m.clearPending();
    answers.fileName.clear();
    click(CVarnel_DlgProfile::kAddNew);
    EXPECT_EQ(m.list().rowCount(), 4);
    EXPECT_FALSE(m.pending());

    // Delete with no selection does nothing; with one it removes the row only.
    m.list().clearSelection();
    click(CVarnel_DlgProfile::kDelete);
    EXPECT_EQ(m.list().rowCount(), 4);
    m.list().selectRowVisible(3);
    click(CVarnel_DlgProfile::kDelete);
    EXPECT_EQ(m.list().rowCount(), 3);
    EXPECT_TRUE(m.pending());
    EXPECT_TRUE(std::filesystem::exists(created));
}

TEST_F(ProfileManagerTest, ScreenshotOfTheProfileManager) {
    auto &m = open();
    const QString file =
        QString::fromStdString((screenshotFolder() / "profile_manager.png").string());
    EXPECT_TRUE(skin::saveWindowSnapshot(m, file));
    EXPECT_FALSE(QImage(file).isNull());
}

}  // namespace
}  // namespace dialogtest

namespace dialogtest {
namespace {

// The brightest luminance of a widget's picture: its caption, when it has one.
int brightestLuminance(QWidget &widget) {
    const QImage picture = widget.grab().toImage();
    int brightest = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            brightest = std::max(brightest, qGray(picture.pixel(x, y)));
    return brightest;
}

TEST_F(ProfileManagerTest, ColumnTitlesComeFromTheLanguageFileAndFixedTextsOnlyWithoutIt) {
    CReportCtrl &list = open().list();
    const char *keys[] = {"PROFILE_COLUMN_ACTIVE", "PROFILE_COLUMN_NAME", "PROFILE_COLUMN_FOLDER"};
    for (int column = 0; column < 3; ++column) {
        const QString title = list.horizontalHeaderItem(column)->text();
        EXPECT_EQ(title, text(keys[column])) << column;
        for (QChar c : title) EXPECT_LT(c.unicode(), 0x2E80) << "CJK in " << title.toStdString();
    }

    // A language file without the titles keeps the fixed ones.
    const auto bare = scratch() / "bare";
    std::filesystem::create_directories(bare);
    std::ofstream(bare / "Lang0409.ini") << "[TEXT]\nPROFILE_NEW=new\n";
    skin::setLanguageFolder(bare);
    manager->relabelFor(0);
    skin::setLanguageFolder(binFolder());
    EXPECT_EQ(list.horizontalHeaderItem(0)->text(), QStringLiteral("激活"));
    EXPECT_EQ(list.horizontalHeaderItem(2)->text(), QStringLiteral("路径"));
}

TEST_F(ProfileManagerTest, LongFoldersAreCutInTheMiddleWithTheWholePathAsTooltip) {
    auto &m = open();
    const auto deep = scratch() / "a-rather-long-folder-name" / "that-goes-on-and-on" / "profiles";
    answers.fileName = QString::fromStdString((deep / "team.vrp").string());
    click(CVarnel_DlgProfile::kAddExisting);
    CReportCtrl &list = m.list();
    ASSERT_EQ(list.rowCount(), 4);
    EXPECT_EQ(list.textElideMode(), Qt::ElideMiddle);
    const QString whole = QString::fromStdString((deep / "team.vrp").string());
    for (int column = 0; column < 3; ++column)
        EXPECT_EQ(list.item(3, column)->toolTip(), whole) << column;
    // The cell keeps the whole folder: the list stores what the rows hold.
    EXPECT_EQ(list.itemText(3, 2), QString::fromStdString(deep.string() + "/"));
}

TEST_F(ProfileManagerTest, DisabledApplyReadsAsUnavailable) {
    auto &m = open();
    QWidget &apply = *m.control(CVarnel_DlgProfile::kApply);
    ASSERT_FALSE(apply.isEnabled());
    const int disabled = brightestLuminance(apply);
    m.list().setChecked(2, true);
    ASSERT_TRUE(apply.isEnabled());
    const int enabled = brightestLuminance(apply);
    // The enabled caption is light; the disabled one is drawn at less than half
    // its brightness, never in the highlight colour.
    EXPECT_GT(enabled, 200);
    EXPECT_LT(disabled, enabled / 2);
}

}  // namespace
}  // namespace dialogtest
