// The profile manager: its rows, the single tick, adding and deleting rows,
// and Apply storing the list, switching and reloading.
#include <QApplication>
#include <fstream>

#include "DialogTestSupport.h"
#include "model/ProfileFile.h"
#include "ui/dialogs/CVarnel_DlgProfile.h"
#include "ui/skin/CPngButton.h"
#include "ui/skin/WindowSnapshot.h"
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
