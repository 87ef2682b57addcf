#include <gtest/gtest.h>

#include <cstring>

#include "model/AssignmentEncoding.h"
#include "model/DeviceImage.h"
#include "model/KeyboardMemory.h"

using namespace model;

namespace {

constexpr std::size_t kPositionOfA = 19;      // default 02 02 04
constexpr std::size_t kPositionOfShift = 12;  // default 02 01 02
constexpr std::size_t kPositionOfFn = 53;     // default 05 02 02, no key
constexpr std::uint16_t kRecordOfA = 0x1E;

KeyAssignment recordOf(std::uint16_t kind, std::uint32_t value) {
    KeyAssignment record;
    record.kind = kind;
    record.value = value;
    return record;
}

DeviceEntry encoded(std::uint16_t kind, std::uint32_t value) {
    const DeviceEntry defaultEntry{2, 2, 0x04};
    return encodeAssignment(recordOf(kind, value), defaultEntry,
                            [](std::uint32_t id) -> std::uint16_t { return id == 7 ? 3 : 0; });
}

TEST(DeviceEntryTest, EntriesNameTheirKeys) {
    EXPECT_EQ(keyCodeOfDeviceEntry({1, 1, 0x02}), 0x172);
    EXPECT_EQ(keyCodeOfDeviceEntry({1, 1, 0x03}), 0);
    EXPECT_EQ(keyCodeOfDeviceEntry({2, 1, 0x60}), 0x036);  // lowest bit: Right Shift
    EXPECT_EQ(keyCodeOfDeviceEntry({2, 7, 0x00}), 0);
    EXPECT_EQ(keyCodeOfDeviceEntry({3, 0xCD, 0x00}), 0x122);
    EXPECT_EQ(keyCodeOfDeviceEntry({4, 0x82, 0x00}), 0x15F);
    EXPECT_EQ(keyCodeOfDeviceEntry({6, 0xA2, 18}), 0x211);
    EXPECT_EQ(keyCodeOfDeviceEntry({6, 0xA2, 0}), 0);
    EXPECT_EQ(keyCodeOfDeviceEntry({5, 0, 0}), 0);
}

TEST(DeviceEntryTest, BuiltInMatrixHoldsTheFactoryEntries) {
    const KeyPageBytes &matrix = builtInDefaultMatrix();
    EXPECT_EQ(entryAt(matrix, 0), (DeviceEntry{5, 0, 0}));
    EXPECT_EQ(entryAt(matrix, 6), DeviceEntry{});
    EXPECT_EQ(entryAt(matrix, kPositionOfA), (DeviceEntry{2, 2, 0x04}));
    EXPECT_EQ(entryAt(matrix, kPositionOfFn), (DeviceEntry{5, 2, 2}));
    EXPECT_EQ(entryAt(matrix, 125), DeviceEntry{});
    EXPECT_EQ(recordIndexOfPosition(matrix, kPositionOfA), kRecordOfA);
    EXPECT_EQ(recordIndexOfPosition(matrix, kPositionOfShift), 0x2A);
    EXPECT_EQ(recordIndexOfPosition(matrix, kPositionOfFn), std::nullopt);

    KeyboardMemory memory;
    EXPECT_EQ(memory.defaultMatrix(), matrix);
    EXPECT_EQ(memory.macroCapacity(), 0u);
    std::uint8_t info[44] = {};
    info[11] = 3;
    memory.setMacroCapacityFromInfo(info);
    EXPECT_EQ(memory.macroCapacity(), 384u);
}

TEST(AssignmentEncodingTest, EveryKindHasItsEntry) {
    EXPECT_EQ(encoded(kKindDefault, 0), (DeviceEntry{2, 2, 0x04}));
    EXPECT_EQ(encoded(kKindDisabled, 0), DeviceEntry{});
    EXPECT_EQ(encoded(kKindKey, 0x138), (DeviceEntry{2, 1, 0x40}));  // Right Alt
    EXPECT_EQ(encoded(kKindKey, 0x173), (DeviceEntry{1, 1, 0x04}));
    EXPECT_EQ(encoded(kKindKey, 0x30), (DeviceEntry{2, 2, 0x05}));   // B
    EXPECT_EQ(encoded(kKindKey, 0x15E), (DeviceEntry{2, 2, 0x00}));  // system key: no usage
    EXPECT_EQ(encoded(kKindMacro, 7), (DeviceEntry{5, 1, 3}));
    EXPECT_EQ(encoded(kKindMacro, 8), (DeviceEntry{5, 1, 0}));
    EXPECT_EQ(encoded(kKindStopMacro, 0), (DeviceEntry{5, 2, 0}));
    EXPECT_EQ(encoded(kKindMedia, 1), (DeviceEntry{3, 0xCD, 0x00}));
    EXPECT_EQ(encoded(kKindMedia, 18), DeviceEntry{});
    EXPECT_EQ(encoded(kKindFunction, 0x1FF), (DeviceEntry{5, 5, 0xFF}));
    EXPECT_EQ(encoded(42, 1), (DeviceEntry{2, 2, 0x04}));
}

TEST(AssignmentEncodingTest, PageEntriesDecodeToRecords) {
    EXPECT_EQ(decodeDeviceEntry({5, 1, 3}), recordOf(kKindMacro, 4));
    EXPECT_EQ(decodeDeviceEntry({5, 2, 9}), recordOf(kKindStopMacro, 0));
    EXPECT_EQ(decodeDeviceEntry({5, 3, 0}), recordOf(kKindDisabled, 0));
    EXPECT_EQ(decodeDeviceEntry({3, 0xB5, 0}), recordOf(kKindMedia, 4));
    EXPECT_EQ(decodeDeviceEntry({1, 1, 0x01}), recordOf(kKindKey, 0x171));
    EXPECT_EQ(decodeDeviceEntry({1, 1, 0x08}), recordOf(kKindDisabled, 0));
    EXPECT_EQ(decodeDeviceEntry({2, 2, 0x05}), recordOf(kKindKey, 0x30));
    EXPECT_EQ(decodeDeviceEntry({2, 2, 0x00}), recordOf(kKindDisabled, 0));
    EXPECT_EQ(decodeDeviceEntry({2, 1, 0x10}), recordOf(kKindKey, 0x11D));
    EXPECT_EQ(decodeDeviceEntry({2, 1, 0x30}), recordOf(kKindKey, 0x11D));
    // A modifier entry without a bit is still a key assignment, with no key.
    EXPECT_EQ(decodeDeviceEntry({2, 1, 0x00}), recordOf(kKindKey, 0));
    EXPECT_EQ(decodeDeviceEntry({2, 3, 0x10}), recordOf(kKindDisabled, 0));
    EXPECT_EQ(decodeDeviceEntry({4, 0x81, 0}), recordOf(kKindDisabled, 0));
}

TEST(AssignmentEncodingTest, PagesDecodeAgainstTheDefaultMatrix) {
    const KeyPageBytes &matrix = builtInDefaultMatrix();
    ProfileBlock block{};
    block.fill(0xEE);
    decodeKeyPage(matrix, matrix, 1, block);
    for (int index = 0; index < 512; ++index) {
        KeyAssignment record;
        std::memcpy(&record, block.data() + recordByteOffset(globalRecordIndex(1, index)), 16);
        KeyAssignment expected;
        expected.extra = extraKeyIdentifier(index);
        ASSERT_EQ(record, expected) << index;
    }

    KeyPageBytes page = matrix;
    setEntryAt(page, kPositionOfA, {5, 1, 3});
    setEntryAt(page, kPositionOfFn, {3, 0xCD, 0});  // no key at this position
    setEntryAt(page, kPositionOfShift, {0, 0, 0});
    decodeKeyPage(page, matrix, 2, block);
    KeyAssignment record;
    std::memcpy(&record, block.data() + recordByteOffset(globalRecordIndex(2, kRecordOfA)), 16);
    EXPECT_EQ(record, recordOf(kKindMacro, 4));
    std::memcpy(&record, block.data() + recordByteOffset(globalRecordIndex(2, 0x2A)), 16);
    EXPECT_EQ(record, recordOf(kKindDisabled, 0));
}

TEST(UploadImageTest, MacroAreaSizesDecideWhatIsSent) {
    ProfileStore store;
    const KeyPageBytes &matrix = builtInDefaultMatrix();
    EXPECT_EQ(buildUploadImage(store, {0}, matrix, 0).status, UploadImage::Status::MacrosTooLong);
    UploadImage empty = buildUploadImage(store, {0, 1, 2}, matrix, 16);
    ASSERT_EQ(empty.status, UploadImage::Status::Ready);
    EXPECT_EQ(empty.macroArea.size(), 16u);
    EXPECT_EQ(empty.pages.size(), 3u);
    EXPECT_EQ(empty.pages[0], matrix);

    MacroRecord macro{};
    macro.id = 5;
    macro.name[0] = u'N';
    macro.actionCount = 1;
    store.macros = {macro, macro};
    store.macros[1].id = 9;
    KeyAssignment record = recordOf(kKindMacro, 9);
    store.setRecord(globalRecordIndex(1, kRecordOfA), record);
    record.value = 33;  // no such macro
    store.setRecord(globalRecordIndex(2, kRecordOfA), record);
    // Full: 16 + 4 + 2 x 10; reduced: 16 + 4 + 2 x 8.
    UploadImage tight = buildUploadImage(store, {1, 2}, matrix, 39);
    ASSERT_EQ(tight.status, UploadImage::Status::Ready);
    EXPECT_TRUE(tight.namesLeftOut);
    EXPECT_EQ(tight.macroArea.size(), 36u);
    EXPECT_EQ(entryAt(tight.pages[0], kPositionOfA), (DeviceEntry{5, 1, 1}));
    EXPECT_EQ(entryAt(tight.pages[1], kPositionOfA), (DeviceEntry{5, 1, 0}));
    EXPECT_EQ(entryAt(tight.pages[1], kPositionOfFn), (DeviceEntry{5, 2, 2}));
    EXPECT_FALSE(buildUploadImage(store, {0}, matrix, 40).namesLeftOut);
    EXPECT_EQ(buildUploadImage(store, {0}, matrix, 35).status, UploadImage::Status::MacrosTooLong);
}

}  // namespace
