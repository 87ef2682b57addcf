// The profile commands of the main window against the simulated keyboard:
// apply, the profile switch with pending changes, restore defaults, export and
// import, and the whole path from a key's assignment to the keyboard's memory.
#include <fstream>
#include <iterator>

#include "AppTestSupport.h"
#include "model/KeyAssignment.h"
#include "model/KeyButtons.h"
#include "model/ProfileBlock.h"
#include "model/ProfileFile.h"
#include "model/ProfileFileHeader.h"
#include "platform/Folders.h"
#include "platform/InstanceLock.h"
#include "settings/InstanceChannel.h"
#include "ui/mainwindow/ProfileCommands.h"
#include "ui/mainwindow/WindowMessages.h"
#include "ui/skin/CPngButton.h"

namespace apptest {
namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr int kRecordA = 0x1E;
constexpr std::uint16_t kKindMedia = 7;
constexpr std::uint32_t kPlayPause = 1;
const model::KeyAssignment kDisabled{model::kKindDisabled, 0, 0, 0, 0};

Bytes fileBytes(const std::filesystem::path &file) {
    std::ifstream in(file, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

class ProfileCommandsTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        startWindow(true);
        profile = window->profiles().currentProfile();
        ASSERT_EQ(profile, 0);
    }
    model::KeyAssignment record(int p, int index) {
        std::lock_guard lock(stores->working.mutex());
        return stores->working.record(model::globalRecordIndex(p, index));
    }
    void setRecord(int p, int index, const model::KeyAssignment &assignment) {
        std::lock_guard lock(stores->working.mutex());
        stores->working.setRecord(model::globalRecordIndex(p, index), assignment);
    }
    // Where the keyboard's page holds the entry, as a matrix position; -1 when nowhere.
    int positionOf(const Bytes &page, const Bytes &entry) {
        for (std::size_t i = 0; i + 3 <= page.size(); i += 3) {
            if (Bytes(page.begin() + i, page.begin() + i + 3) == entry) return int(i / 3);
        }
        return -1;
    }
    bool pending() { return window->profiles().pending(); }
    int profile = -1;
};

TEST_F(ProfileCommandsTest, PlayPauseOnTheAKeyReachesTheKeyboardThroughApply) {
    EXPECT_FALSE(pending());
    ASSERT_TRUE(window->keyAssignments().writeAssignment(profile, kRecordA, kKindMedia, 0,
                                                         kPlayPause, u""));
    EXPECT_TRUE(pending());
    window->keyAssignments().refreshKeyButtons();
    EXPECT_TRUE(window->controlAs<CPngButton>(1058)->isSelected());  // the A key shows it

    ASSERT_TRUE(window->clickControl(mainwindow::ids::kApply));
    EXPECT_FALSE(pending());
    const Bytes page = peek("page0", 0, 378);
    const int position = positionOf(page, {0x03, 0xCD, 0x00});
    ASSERT_GE(position, 0);
    // The position is the one where the keyboard's own default matrix holds the
    // A key (usage 0x04).
    const Bytes factory = peek("default", position * 3, 3);
    EXPECT_EQ(factory.back(), 0x04) << position;
    // The profile data file holds the assignment too.
    model::ProfileStore reread;
    ASSERT_EQ(model::readProfileFile(userFolder() / "$Profile0", reread), 1);
    EXPECT_EQ(reread.record(model::globalRecordIndex(0, kRecordA)).kind, kKindMedia);
}

TEST_F(ProfileCommandsTest, SwitchWithPendingChangesAnsweredNoDiscardsThem) {
    setRecord(0, kRecordA, kDisabled);
    window->markApplyPending();
    const Bytes pageBefore = peek("page0", 0, 378);
    // A second switch while the question is open does not ask again.
    dialogs.whileOpen = [&] {
        dialogs.whileOpen = nullptr;
        window->profiles().switchProfile(2);
    };
    dialogs.answers = {skin::MessageAnswer::No};
    EXPECT_EQ(window->profiles().switchProfile(1), 1);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, languageText("PROFILE_SELECT_PROMPT"));
    EXPECT_EQ(dialogs.shown[0].buttons, skin::MessageButtons::YesNo);
    EXPECT_FALSE(pending());
    EXPECT_EQ(record(0, kRecordA), model::KeyAssignment{});  // reloaded from the file
    EXPECT_EQ(peek("info", 10, 1), Bytes{1});
    EXPECT_EQ(peek("page0", 0, 378), pageBefore);  // nothing was uploaded
}

TEST_F(ProfileCommandsTest, ChangesThatCannotBeDiscardedStayPending) {
    setRecord(0, kRecordA, kDisabled);
    window->markApplyPending();
    std::filesystem::remove(userFolder() / "$Profile0");
    dialogs.answers = {skin::MessageAnswer::No};
    EXPECT_EQ(window->profiles().switchProfile(1), 1);
    EXPECT_EQ(record(0, kRecordA), kDisabled);  // nothing lost
    EXPECT_TRUE(pending());
}

TEST_F(ProfileCommandsTest, SwitchWithPendingChangesAnsweredYesAppliesFirst) {
    ASSERT_TRUE(
        window->keyAssignments().writeAssignment(0, kRecordA, kKindMedia, 0, kPlayPause, u""));
    dialogs.answers = {skin::MessageAnswer::Yes};
    EXPECT_EQ(window->profiles().switchProfile(1), 1);
    EXPECT_FALSE(pending());
    EXPECT_GE(positionOf(peek("page0", 0, 378), {0x03, 0xCD, 0x00}), 0);
    EXPECT_EQ(peek("info", 10, 1), Bytes{1});
    EXPECT_EQ(record(0, kRecordA).kind, kKindMedia);
    EXPECT_EQ(window->controlAs<CPngButton>(1005)->text(), QStringLiteral("$Profile0"));

    // Without pending changes the switch asks nothing; a number beyond 2 means profile 0.
    EXPECT_EQ(window->profiles().switchProfile(3), 1);
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(peek("info", 10, 1), Bytes{0});
}

TEST_F(ProfileCommandsTest, RestoreDefaultsResetsOnlyTheCurrentProfilesKeysAndBank) {
    const int bankAFirst = model::extraKeyRecordIndex(0, false);
    const int bankBFirst = model::extraKeyRecordIndex(0, true);
    setRecord(0, kRecordA, kDisabled);
    setRecord(1, kRecordA, kDisabled);
    setRecord(0, bankAFirst, kDisabled);
    setRecord(0, bankBFirst, kDisabled);
    setRecord(0, 0x70, kDisabled);  // a record no key button shows
    stores->working.macros.resize(1);

    dialogs.answers = {skin::MessageAnswer::No};
    ASSERT_TRUE(window->clickControl(mainwindow::ids::kRestoreDefaults));
    EXPECT_EQ(record(0, kRecordA), kDisabled);

    dialogs.answers = {skin::MessageAnswer::Yes};
    ASSERT_TRUE(window->clickControl(mainwindow::ids::kRestoreDefaults));
    EXPECT_EQ(dialogs.shown.back().text, languageText("MAIN_PROMPT_DEFAULT"));
    EXPECT_EQ(record(0, kRecordA), model::KeyAssignment{});
    EXPECT_EQ(record(0, bankAFirst), model::KeyAssignment{});
    EXPECT_EQ(record(1, kRecordA), kDisabled);
    EXPECT_EQ(record(0, bankBFirst), kDisabled);
    EXPECT_EQ(record(0, 0x70), kDisabled);
    EXPECT_EQ(stores->working.macros.size(), 1u);
}

TEST_F(ProfileCommandsTest, ImportOfAFileWithAWrongChecksumChangesNothing) {
    const std::filesystem::path file = scratch() / "broken.vrp";
    setRecord(0, kRecordA, kDisabled);
    window->profiles().exportTo(QString::fromStdString(file.string()));
    Bytes bytes = fileBytes(file);
    ASSERT_GT(bytes.size(), model::kChecksumOffset);
    bytes[model::kChecksumOffset] ^= 0x5A;
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));

    setRecord(0, kRecordA, model::KeyAssignment{});
    const model::ProfileBlock before = stores->working.block;
    const Bytes pageBefore = peek("page0", 0, 378);
    dialogs.fileName = QString::fromStdString(file.string());
    window->onCommand(mainwindow::ids::kMenuRestore);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_TRUE(dialogs.shown[0].text.startsWith(QString::fromStdString(file.string())));
    EXPECT_EQ(dialogs.shown[1].text, languageText("MAIN_PROMPT_INPORT"));
    EXPECT_EQ(stores->working.block, before);
    EXPECT_EQ(peek("page0", 0, 378), pageBefore);

    // A file that cannot be read at all only gets the import notice.
    dialogs.fileName = QString::fromStdString((scratch() / "missing.vrp").string());
    window->onCommand(mainwindow::ids::kMenuRestore);
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[2].text, languageText("MAIN_PROMPT_INPORT"));
}

TEST_F(ProfileCommandsTest, ExportThenImportRoundTripsTheStoreByteForByte) {
    setRecord(0, kRecordA, kDisabled);
    setRecord(2, 0x10, model::KeyAssignment{model::kKindKey, 0, 0x1F, 0, 0});
    const std::filesystem::path first = scratch() / "first.vrp";
    dialogs.fileName = QString::fromStdString((scratch() / "first").string());  // extension added
    window->onCommand(mainwindow::ids::kMenuBackup);
    ASSERT_TRUE(std::filesystem::exists(first));
    const model::ProfileBlock exported = stores->working.block;

    setRecord(0, kRecordA, model::KeyAssignment{});
    window->markApplyPending();
    const Bytes pageBefore = peek("page0", 0, 378);
    dialogs.fileName = QString::fromStdString(first.string());
    window->onCommand(mainwindow::ids::kMenuRestore);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_FALSE(pending());
    EXPECT_EQ(stores->working.block, exported);

    const std::filesystem::path second = scratch() / "second.vrp";
    window->profiles().exportTo(QString::fromStdString(second.string()));
    EXPECT_EQ(fileBytes(first), fileBytes(second));
    // The import reached the profile data file and the keyboard.
    EXPECT_EQ(fileBytes(userFolder() / "$Profile0"), fileBytes(first));
    EXPECT_NE(peek("page0", 0, 378), pageBefore);
}

// varnelctl changes the profile data file and tells the window over its channel;
// while the window has unapplied changes it holds the per-user files instead.
TEST_F(ProfileCommandsTest, ChangesMadeElsewhereAreReloadedAndUnappliedOnesHoldTheFiles) {
    const std::filesystem::path dataFile = window->profiles().profileDataFile();
    {
        model::ProfileStore elsewhere;
        std::lock_guard lock(elsewhere.mutex());
        ASSERT_EQ(model::readProfileFile(dataFile, elsewhere), 1);
        elsewhere.setRecord(model::globalRecordIndex(profile, kRecordA), kDisabled);
        ASSERT_TRUE(model::writeProfileFile(elsewhere, dataFile, model::StoreLocking::AlreadyHeld));
    }
    window->sendMessage(mainwindow::kMsgReload, mainwindow::kTagFiles);
    EXPECT_EQ(record(profile, kRecordA), kDisabled);

    auto filesLock = [] {
        return platform::InstanceLock(platform::runtimeFolder(), app::kUserFilesLockName);
    };
    EXPECT_TRUE(filesLock().held());
    ASSERT_TRUE(window->keyAssignments().writeAssignment(profile, kRecordA, kKindMedia, 0,
                                                         kPlayPause, u""));
    ASSERT_TRUE(pending());
    EXPECT_TRUE(filesLock().heldElsewhere());
    window->sendMessage(mainwindow::kMsgReload, mainwindow::kTagFiles);
    EXPECT_EQ(record(profile, kRecordA).kind, kKindMedia) << "unapplied changes stay";
    window->profiles().apply();
    EXPECT_FALSE(pending());
    EXPECT_TRUE(filesLock().held());
}

}  // namespace
}  // namespace apptest
