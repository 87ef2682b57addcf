// The simulated keyboard's command handling, driven directly: the default
// matrix, and arbitrary requests that must never reach outside the memory.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "sim/DeviceMemory.h"
#include "sim/Firmware.h"

namespace usbgate::sim {
namespace {

Report request(uint8_t code, uint8_t length, uint16_t offset) {
    Report report{};
    report[0] = kReportId;
    report[3] = code;
    report[4] = length;
    report[5] = static_cast<uint8_t>(offset);
    report[6] = static_cast<uint8_t>(offset >> 8);
    sealReport(report);
    return report;
}

TEST(UsbgateDefaultMatrix, CoversEveryKeyOfTheKeyboardViewFnAndTheNineExtraKeys) {
    const auto &matrix = defaultMatrix();
    std::set<uint8_t> keys, modifiers, extraKeys;
    int fn = 0, empty = 0;
    for (size_t p = 0; p < 126; ++p) {
        const uint8_t *e = matrix.data() + 3 * p;
        bool unique = true;
        if (e[0] == 2 && e[1] == 2) unique = keys.insert(e[2]).second;
        if (e[0] == 2 && e[1] == 1) unique = modifiers.insert(e[2]).second;
        if (e[0] == 6 && e[1] == 0xA2) unique = extraKeys.insert(e[2]).second;
        EXPECT_TRUE(unique) << "entry at position " << p << " appears twice";
        fn += e[0] == 5 && e[1] == 2 && e[2] == 2;
        empty += e[0] == 0 && e[1] == 0 && e[2] == 0;
    }
    EXPECT_EQ(keys.size() + modifiers.size(), 104u);
    EXPECT_EQ(modifiers, (std::set<uint8_t>{0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80}));
    EXPECT_EQ(extraKeys, (std::set<uint8_t>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(fn, 1);
    EXPECT_EQ(empty, 126 - 104 - 1 - 9);
    // Letters, digits, function keys, navigation and the numeric pad are all there.
    for (uint8_t usage = 0x04; usage <= 0x63; ++usage) {
        if (usage == 0x32) continue;  // the non-US hash key is not on this keyboard
        EXPECT_TRUE(keys.count(usage)) << std::hex << int(usage);
    }
    EXPECT_TRUE(keys.count(0x65));  // App
}

TEST(UsbgateFirmware, ShortOrUnsealedReportsAreRefusedAndChangeNothing) {
    DeviceMemory memory = factoryMemory();
    const DeviceMemory before = memory;
    Firmware firmware(memory);
    Report write = request(kWriteParams, 4, 0);
    write[8] = 0x42;
    sealReport(write);
    for (size_t length = 0; length < kReportSize; ++length) {
        CommandResult result = firmware.handle(write.data(), length);
        EXPECT_EQ(result.answer[7], kStatusRefused) << length;
        EXPECT_FALSE(result.memoryChanged);
    }
    Report wrongId = write;
    wrongId[0] = 5;
    EXPECT_EQ(firmware.handle(wrongId.data(), kReportSize).answer[7], kStatusRefused);
    EXPECT_EQ(memory.params, before.params);
    EXPECT_EQ(firmware.handle(write.data(), kReportSize).answer[7], kStatusOk);
    EXPECT_EQ(memory.params[0], 0x42);
}

TEST(UsbgateFirmware, GroupsOpenAndCloseAndEveryLoneWriteIsMarked) {
    DeviceMemory memory = factoryMemory();
    Firmware firmware(memory);
    EXPECT_FALSE(firmware.groupOpen());
    firmware.handle(request(kBegin, 0, 0).data(), kReportSize);
    EXPECT_TRUE(firmware.groupOpen());
    CommandResult end = firmware.handle(request(kEnd, 0, 0).data(), kReportSize);
    EXPECT_TRUE(end.groupClosed);
    EXPECT_FALSE(firmware.groupOpen());
    EXPECT_TRUE(firmware.handle(request(kWriteKeyColours, 3, 0).data(), kReportSize).memoryChanged);
}

// Random requests of every code, length and offset, with valid check sums so
// they reach the command handling; run under AddressSanitizer this proves no
// request reaches outside a region.
TEST(UsbgateFirmware, ArbitraryRequestsStayInsideTheirRegions) {
    DeviceMemory memory = factoryMemory();
    memory.setMacroCapacity(300);
    Firmware firmware(memory);
    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> byte(0, 255);
    const uint16_t interestingOffsets[] = {0,   41,  42,   84,   125,  126,  299,   300,
                                           377, 378, 1133, 1134, 1535, 1536, 0xFFFF};
    for (int round = 0; round < 20000; ++round) {
        Report report{};
        for (uint8_t &b : report) b = static_cast<uint8_t>(byte(random));
        report[0] = kReportId;
        report[3] = static_cast<uint8_t>(round % 0x14);
        if (round % 2 == 0) {
            uint16_t offset = interestingOffsets[round / 2 % std::size(interestingOffsets)];
            report[5] = static_cast<uint8_t>(offset);
            report[6] = static_cast<uint8_t>(offset >> 8);
            report[4] = static_cast<uint8_t>(byte(random) % 60);
        }
        sealReport(report);
        CommandResult result = firmware.handle(report.data(), kReportSize);
        ASSERT_TRUE(result.answer[7] == kStatusOk || result.answer[7] == kStatusRefused);
        ASSERT_EQ(result.answer[3], report[3]);
    }
    EXPECT_EQ(memory.macro.size(), memory.macroCapacity());
    EXPECT_EQ(memory.firmware(), kDefaultFirmware);
    EXPECT_LT(memory.info[kInfoProfile], kProfileCount);
}

}  // namespace
}  // namespace usbgate::sim
