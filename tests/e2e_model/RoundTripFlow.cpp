#include "RoundTripFlow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "ProfileTestSupport.h"
#include "TestTexts.h"
#include "model/AssignmentEncoding.h"
#include "model/DeviceImage.h"
#include "model/ProfileFile.h"

namespace model::test {
namespace {

struct Assigned {
    std::uint16_t kind;
    std::uint32_t value;
};

// What each kind is set to, in turn, on the keys of the matrix.
const std::vector<Assigned> kAssignments{
    {kKindDisabled, 0}, {kKindKey, 0x30}, {kKindKey, 0x1D},   {kKindKey, 0x171},
    {kKindKey, 0x162},  {kKindLaunch, 0}, {kKindMacro, 3},    {kKindStopMacro, 0},
    {kKindText, 0},     {kKindMedia, 5},  {kKindFunction, 7}, {kKindMacro, 5},
    {kKindDefault, 0},  {kKindMedia, 17}, {kKindKey, 0x15B},  {kKindFunction, 0},
};

// What comes back: strings do not reach the keyboard, so a launch key is the
// default key again and a text key is disabled; a key sent as itself is its default.
Assigned expectedBack(const Assigned &sent, std::size_t global) {
    const bool itself =
        sent.kind == kKindKey && rowOfKeyCode(static_cast<KeyCode>(sent.value)) == global % 512;
    if (sent.kind == kKindLaunch || itself) return {kKindDefault, 0};
    if (sent.kind == kKindText) return {kKindDisabled, 0};
    return sent;
}

MacroRecord macroNumber(std::uint16_t id) {
    MacroRecord macro{};
    const std::u16string name = u"Macro \u00e9" + std::u16string(id, u'x');
    std::copy(name.begin(), name.end(), macro.name);
    macro.id = id;
    macro.cycles = static_cast<std::uint8_t>(id * 3);
    const std::vector<KeyCode> keys{0x1E, 0x30, 0x1D, 0x2A, 0x171, 0x172, 0x161, 0x15E};
    macro.actionCount = static_cast<std::uint16_t>(10 * id);
    for (std::uint16_t step = 0; step < macro.actionCount; ++step) {
        macro.actions[step] = {static_cast<std::uint32_t>(10 * (step * 37 % 4000)),
                               keys[(step + id) % keys.size()],
                               static_cast<std::uint16_t>(step % 2)};
    }
    return macro;
}

}  // namespace

void roundTripThroughKeyboard(devicelink::DeviceCommands &commands,
                              const std::filesystem::path &downloaded) {
    KeyboardMemory memory;
    ASSERT_EQ(memory.readDefaultMatrix(commands, {}), 1);
    std::array<std::uint8_t, 44> info{};
    ASSERT_EQ(commands.readInfo(info), 1);
    memory.setMacroCapacityFromInfo(info);
    const KeyPageBytes matrix = memory.defaultMatrix();

    auto working = defaultStore();
    for (std::uint16_t id = 1; id <= 5; ++id) working->macros.push_back(macroNumber(id));
    std::vector<std::pair<std::size_t, Assigned>> sent;
    for (int profile = 0; profile < 3; ++profile) {
        std::size_t turn = static_cast<std::size_t>(profile) * 5;
        for (std::size_t position = 0; position < kMatrixPositions; ++position) {
            const auto recordIndex = recordIndexOfPosition(matrix, position);
            if (!recordIndex) continue;
            const Assigned assigned = kAssignments[turn++ % kAssignments.size()];
            const std::size_t global = globalRecordIndex(profile, *recordIndex);
            if (kindHasString(assigned.kind)) {
                assignString(*working, global, assigned.kind, u"/usr/bin/true");
            } else {
                KeyAssignment record = working->record(global);
                record.kind = assigned.kind;
                record.value = assigned.value;
                working->setRecord(global, record);
            }
            sent.emplace_back(global, assigned);
        }
    }
    ASSERT_GT(sent.size(), 3 * kAssignments.size());
    const auto isExtraKey = [](const auto &item) { return item.first % 512 >= 256; };
    EXPECT_TRUE(std::any_of(sent.begin(), sent.end(), isExtraKey));

    ProfileStore snapshot;
    {
        std::scoped_lock locks(working->mutex(), snapshot.mutex());
        snapshot.copyContentFrom(*working);
    }
    std::vector<std::string> messages;
    DeviceImageTransfer transfer(
        commands, memory, snapshot, [] { return 0; },
        [&](const UserMessage &message) {
            messages.push_back(narrow(std::u16string(message.textKey)));
        },
        testTexts());
    ASSERT_TRUE(transfer.uploadDeviceImage(true));
    EXPECT_TRUE(messages.empty());

    const auto &path = downloaded;
    ASSERT_TRUE(transfer.downloadDeviceImage(path));
    ASSERT_EQ(validateProfileFile(path, {}), 1);
    ProfileStore loaded;
    ASSERT_EQ(readProfileFile(path, loaded), 1);

    for (const auto &[global, assigned] : sent) {
        const Assigned expected = expectedBack(assigned, global);
        const KeyAssignment record = loaded.record(global);
        EXPECT_EQ(record.kind, expected.kind) << "record " << global;
        EXPECT_EQ(record.value, expected.value) << "record " << global;
        EXPECT_FALSE(loaded.strings.has(global));
    }
    ASSERT_EQ(loaded.macros.size(), 5u);
    for (std::size_t index = 0; index < 5; ++index) {
        const MacroRecord &original = working->macros[index];
        const MacroRecord &back = loaded.macros[index];
        EXPECT_EQ(back.nameView(), original.nameView());
        EXPECT_EQ(back.id, original.id);
        EXPECT_EQ(back.cycles, original.cycles);
        ASSERT_EQ(back.actionCount, original.actionCount);
        for (std::size_t step = 0; step < back.actionCount; ++step) {
            ASSERT_EQ(back.actions[step], original.actions[step]) << index << "/" << step;
        }
    }
    EXPECT_EQ(loaded.strings.totalBytes(), 0u);
}

}  // namespace model::test
