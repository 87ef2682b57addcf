#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ProfileTestSupport.h"
#include "SimulatedKeyboard.h"
#include "TestTexts.h"
#include "model/ByteOrder.h"
#include "model/DeviceImage.h"
#include "model/MacroArea.h"
#include "model/ProfileFile.h"

using namespace model;
using devicelink::CommandCode;
using devicelink::testing::pattern;
using Bytes = std::vector<std::uint8_t>;

namespace {

class DeviceImageTransferTest : public devicelink::testing::SimulatedKeyboardTest {
protected:
    void SetUp() override {
        SimulatedKeyboardTest::SetUp();
        ASSERT_EQ(memory.readDefaultMatrix(*commands, sink()), 1);
        std::array<std::uint8_t, 44> info{};
        ASSERT_EQ(commands->readInfo(info), 1);
        memory.setMacroCapacityFromInfo(info);
        ASSERT_GT(memory.macroCapacity(), 1000u);
        transfer = std::make_unique<DeviceImageTransfer>(
            *commands, memory, snapshot, [this] { return currentProfile; }, sink(),
            test::testTexts());
        keyboard().clearWrites();
    }

    MessageSink sink() {
        return [this](const UserMessage &message) {
            messages.push_back(test::narrow(std::u16string(message.textKey)));
            EXPECT_TRUE(message.topmost || message.textKey == u"MAIN_DEFAULT_MATRIX_PROMPT");
        };
    }

    std::size_t reportsOf(CommandCode code) { return keyboard().writesOf(code).size(); }

    void addMacro(std::uint16_t id, std::u16string_view name, std::uint16_t steps) {
        MacroRecord macro = test::macroWithSteps(id, steps);
        std::fill(std::begin(macro.name), std::end(macro.name), u'\0');
        std::copy(name.begin(), name.end(), macro.name);
        snapshot.macros.push_back(macro);
    }

    KeyboardMemory memory;
    ProfileStore snapshot;
    int currentProfile = 1;
    std::unique_ptr<DeviceImageTransfer> transfer;
    std::vector<std::string> messages;
};

TEST_F(DeviceImageTransferTest, UnknownCapacityRefusesAndSendsNothing) {
    memory.setMacroCapacity(0);
    EXPECT_FALSE(transfer->uploadDeviceImage(true));
    EXPECT_EQ(messages, std::vector<std::string>{"EXTRA_MACRO_TOO_LONG"});
    EXPECT_TRUE(keyboard().writes().empty());
}

TEST_F(DeviceImageTransferTest, CurrentProfileUploadWritesTheAreaAndOnlyThatPage) {
    const Bytes page0 = peek("page0", 0, 378);
    const Bytes page2 = peek("page2", 0, 378);
    KeyAssignment disabled;
    disabled.kind = kKindDisabled;
    for (int profile = 0; profile < 3; ++profile) {
        snapshot.setRecord(globalRecordIndex(profile, 0x1E), disabled);
    }
    ASSERT_TRUE(transfer->uploadDeviceImage(false));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(peek("macro", 0, 16), (Bytes{0xAA, 0x55, 16, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(reportsOf(CommandCode::WriteMacroArea), 1u);
    EXPECT_EQ(reportsOf(CommandCode::WriteKeyPage), 7u);
    EXPECT_EQ(reportsOf(CommandCode::BeginCommand), 1u);
    EXPECT_EQ(reportsOf(CommandCode::EndCommand), 1u);
    EXPECT_EQ(peek("page0", 0, 378), page0);
    EXPECT_EQ(peek("page2", 0, 378), page2);
    const Bytes page1 = peek("page1", 0, 378);
    EXPECT_NE(page1, page0);
    const KeyPageBytes matrix = memory.defaultMatrix();
    int disabledPositions = 0;
    for (std::size_t position = 0; position < kMatrixPositions; ++position) {
        const bool differs =
            !std::equal(page1.begin() + 3 * position, page1.begin() + 3 * position + 3,
                        matrix.begin() + 3 * position);
        disabledPositions += differs ? 1 : 0;
    }
    EXPECT_EQ(disabledPositions, 1);

    currentProfile = -1;
    keyboard().clearWrites();
    EXPECT_FALSE(transfer->uploadDeviceImage(false));
    EXPECT_TRUE(keyboard().writes().empty());
}

TEST_F(DeviceImageTransferTest, TightSpaceSendsTheAreaWithoutNamesThenWarns) {
    addMacro(1, u"Long enough name", 10);
    addMacro(2, u"Another", 3);
    const MacroAreaSizes sizes = macroAreaSizes(snapshot.macros);
    memory.setMacroCapacity(static_cast<std::uint32_t>(sizes.full - 1));
    ASSERT_TRUE(transfer->uploadDeviceImage(true));
    EXPECT_EQ(messages, std::vector<std::string>{"EXTRA_PROFILE_SPACE_TIGHT"});
    const Bytes header = peek("macro", 0, 8);
    EXPECT_EQ(loadU16(&header[2]), sizes.reduced);
    EXPECT_EQ(loadU16(&header[6]), 0);
    EXPECT_EQ(reportsOf(CommandCode::WriteKeyPage), 21u);
}

TEST_F(DeviceImageTransferTest, RefusedMacroAreaWriteFailsTheUpload) {
    addMacro(1, u"m", 4);
    keyboard().refuseWritesOf(CommandCode::WriteMacroArea);
    EXPECT_FALSE(transfer->uploadDeviceImage(true));
    // The pages still went out and the group was closed.
    EXPECT_EQ(reportsOf(CommandCode::EndCommand), 1u);
    keyboard().refuseWritesOf(CommandCode::WriteKeyPage, 14);
    EXPECT_FALSE(transfer->uploadDeviceImage(true));
}

TEST_F(DeviceImageTransferTest, DownloadDecodesPagesAndMacros) {
    addMacro(1, u"First", 3);
    addMacro(6, u"Second", 2);
    KeyAssignment record;
    record.kind = kKindMacro;
    record.value = 6;
    snapshot.setRecord(globalRecordIndex(2, 0x1E), record);
    ASSERT_TRUE(transfer->uploadDeviceImage(true));

    test::TemporaryFolder folder;
    const auto path = folder / "downloaded.vrp";
    ASSERT_TRUE(transfer->downloadDeviceImage(path));
    ProfileStore loaded;
    ASSERT_EQ(readProfileFile(path, loaded), 1);
    ASSERT_EQ(loaded.macros.size(), 2u);
    EXPECT_EQ(loaded.macros[1].id, 2);  // ids follow the area's order
    EXPECT_EQ(loaded.macros[1].nameView(), u"Second");
    EXPECT_EQ(loaded.record(globalRecordIndex(2, 0x1E)).kind, kKindMacro);
    EXPECT_EQ(loaded.record(globalRecordIndex(2, 0x1E)).value, 2u);
    EXPECT_EQ(loaded.record(globalRecordIndex(0, 0x1E)).kind, kKindDefault);
    EXPECT_EQ(loaded.record(globalRecordIndex(3, 0)).kind, 0);

    // An unmarked area downloads as no macros.
    poke("macro", 0, {0, 0});
    ASSERT_TRUE(transfer->downloadDeviceImage(path));
    ASSERT_EQ(readProfileFile(path, loaded), 1);
    EXPECT_TRUE(loaded.macros.empty());

    currentProfile = -1;
    EXPECT_FALSE(transfer->downloadDeviceImage(folder / "unknown-profile"));
    EXPECT_FALSE(std::filesystem::exists(folder / "unknown-profile"));
}

TEST_F(DeviceImageTransferTest, UntrustworthyAreasAndFailedReadsWriteNothing) {
    addMacro(1, u"m", 2);
    ASSERT_TRUE(transfer->uploadDeviceImage(true));
    test::TemporaryFolder folder;
    const auto path = folder / "kept.vrp";
    test::writeBytes(path, {1, 2, 3});

    const Bytes header = peek("macro", 0, 18);  // the header and the first block offset
    const auto withWord = [&](std::size_t offset, std::uint16_t value) {
        Bytes changed = header;
        storeU16(&changed[offset], value);
        poke("macro", 0, changed);
    };
    withWord(4, 101);
    EXPECT_FALSE(transfer->downloadDeviceImage(path));
    withWord(2, 8);
    EXPECT_FALSE(transfer->downloadDeviceImage(path));
    withWord(2, static_cast<std::uint16_t>(memory.macroCapacity() + 1));
    EXPECT_FALSE(transfer->downloadDeviceImage(path));
    withWord(16, 0x7000);
    EXPECT_FALSE(transfer->downloadDeviceImage(path));
    EXPECT_EQ(test::readBytes(path), (Bytes{1, 2, 3}));

    poke("macro", 0, header);
    keyboard().control().unplugAfter(9);  // in the middle of the pages
    EXPECT_FALSE(transfer->downloadDeviceImage(path));
    EXPECT_EQ(test::readBytes(path), (Bytes{1, 2, 3}));
}

}  // namespace
