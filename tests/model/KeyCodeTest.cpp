// Key codes, rows, list positions, device usages and virtual keys.
#include <gtest/gtest.h>

#include "model/KeyConversions.h"
#include "model/KeyTable.h"

namespace model {
namespace {

TEST(KeyRows, RowAndCodeAreInverseForEveryRow) {
    for (int row = 0; row < 256; ++row) {
        EXPECT_EQ(rowOfKeyCode(keyCodeOfRow(static_cast<std::uint8_t>(row))), row);
    }
    EXPECT_EQ(rowOfKeyCode(0x145), 0xC5);
    EXPECT_EQ(keyCodeOfRow(0xC5), 0x145);
    EXPECT_EQ(rowOfKeyCode(0x036), 0x36);
    EXPECT_EQ(rowOfKeyCode(0x17F), 0xFF);
}

TEST(KeyRows, ExtraKeyCodesGiveRecordIndexesBeyondTheTable) {
    EXPECT_EQ(rowOfKeyCode(0x200), 0x100);
    EXPECT_EQ(rowOfKeyCode(keyCodeOfExtraKey(1)), 256);
    EXPECT_EQ(rowOfKeyCode(keyCodeOfExtraKey(18)), 273);
    // Codes 0x180..0x1FF fold onto the low rows.
    EXPECT_EQ(rowOfKeyCode(0x180), 0x00);
    EXPECT_EQ(rowOfKeyCode(0x1FF), 0x7F);
}

TEST(KeyLists, PositionsAndCodes) {
    EXPECT_EQ(keyCodeOfListIndex(0), 0x01E);
    EXPECT_EQ(keyCodeOfListIndex(110), 0x162);
    EXPECT_EQ(keyCodeOfListIndex(103), 0x036);  // the lower of the two Right Shift rows
    EXPECT_EQ(listIndexOfKeyCode(0x136), 103);
    EXPECT_EQ(listIndexOfKeyCode(0x036), 103);
    EXPECT_EQ(keyCodeOfListIndex(111), kNoKey);
    EXPECT_EQ(keyCodeOfListIndex(0x8000), kNoKey);
    EXPECT_EQ(keyCodeOfListIndex(0xFFFF), kNoKey);  // free rows are not a list position
    EXPECT_EQ(keyCodeOfListIndex(0x8001), 0x15E);
    EXPECT_EQ(keyCodeOfListIndex(0x802D), 0x064);
    EXPECT_EQ(listIndexOfKeyCode(0x05A), kFreeRow);
    EXPECT_EQ(listIndexOfKeyCode(0x205), kFreeRow);
}

TEST(KeyLists, EveryPrimaryPositionRoundTrips) {
    for (std::uint16_t position = 0; position < kPrimaryListSize; ++position) {
        EXPECT_EQ(listIndexOfKeyCode(keyCodeOfListIndex(position)), position) << position;
    }
    for (std::uint16_t position = 1; position <= kSecondaryListSize; ++position) {
        const auto index = static_cast<std::uint16_t>(kSecondaryListBase + position);
        EXPECT_EQ(listIndexOfKeyCode(keyCodeOfListIndex(index)), index) << position;
    }
}

TEST(DeviceUsages, FromKeyCodes) {
    EXPECT_EQ(deviceUsageOfKeyCode(0x01E), (DeviceUsage{7, 0x04}));
    EXPECT_EQ(deviceUsageOfKeyCode(0x15E), (DeviceUsage{1, 0x81}));
    EXPECT_EQ(deviceUsageOfKeyCode(kMouseLeft), (DeviceUsage{2, 0xF1}));
    EXPECT_EQ(deviceUsageOfKeyCode(kWheelDown), (DeviceUsage{2, 0xF5}));
    EXPECT_EQ(deviceUsageOfKeyCode(0x122), (DeviceUsage{7, 0xCE}));  // consumer codes on page 7
    EXPECT_EQ(deviceUsageOfKeyCode(0x170), (DeviceUsage{}));         // no device code
    EXPECT_EQ(deviceUsageOfKeyCode(0x05A), (DeviceUsage{}));         // free row
    EXPECT_EQ(deviceUsageOfKeyCode(0x203), (DeviceUsage{}));         // extra key
}

TEST(DeviceUsages, ToKeyCodesWithTiesToTheLowerRow) {
    EXPECT_EQ(keyCodeOfDeviceUsage({7, 0xE5}), 0x036);
    EXPECT_EQ(keyCodeOfDeviceUsage({7, 0x48}), 0x045);  // Pause, not Break
    EXPECT_EQ(keyCodeOfDeviceUsage({7, 0x28}), 0x01C);
    EXPECT_EQ(keyCodeOfDeviceUsage({7, 0x128}), kNoKey);  // above a byte finds nothing
    EXPECT_EQ(keyCodeOfDeviceUsage({12, 0x00E9}), 0x130);
    EXPECT_EQ(keyCodeOfDeviceUsage({12, 0x00CD}), 0x122);
    EXPECT_EQ(keyCodeOfDeviceUsage({12, 0x0001}), kNoKey);
    EXPECT_EQ(keyCodeOfDeviceUsage({12, 0}), kNoKey);
    EXPECT_EQ(keyCodeOfDeviceUsage({1, 0x82}), 0x15F);
    EXPECT_EQ(keyCodeOfDeviceUsage({1, 0x84}), kNoKey);
    EXPECT_EQ(keyCodeOfDeviceUsage({1, 0x04}), kNoKey);
    EXPECT_EQ(keyCodeOfDeviceUsage({3, 0x04}), kNoKey);
}

TEST(DeviceUsages, EveryKeyWithACodeRoundTripsToItsFirstRow) {
    for (int row = 0; row < 256; ++row) {
        const KeyCode code = keyCodeOfRow(static_cast<std::uint8_t>(row));
        const DeviceUsage usage = deviceUsageOfKeyCode(code);
        if (usage.page == 0) continue;
        const KeyCode back = keyCodeOfDeviceUsage({7, usage.usage});
        EXPECT_EQ(kKeyTable[rowOfKeyCode(back)].deviceCode, usage.usage) << row;
        EXPECT_LE(rowOfKeyCode(back), row) << row;
    }
}

TEST(VirtualKeys, MapSettlements) {
    EXPECT_EQ(keyCodeOfVirtualKey(0x0D), 0x01C);
    EXPECT_EQ(keyCodeOfVirtualKey(0x2C), 0x137);
    EXPECT_EQ(keyCodeOfVirtualKey(0xA1), 0x036);
    EXPECT_EQ(keyCodeOfVirtualKey(0x10), 0x02A);
    EXPECT_EQ(keyCodeOfVirtualKey(0x11), 0x01D);
    EXPECT_EQ(keyCodeOfVirtualKey(0x12), 0x038);
    EXPECT_EQ(keyCodeOfVirtualKey(0x24), 0x147);  // Home, not Num 7
    EXPECT_EQ(keyCodeOfVirtualKey(0x67), 0x047);  // Num 7
    EXPECT_EQ(keyCodeOfVirtualKey(0x90), 0x145);
    EXPECT_EQ(keyCodeOfVirtualKey(0xD1), kWheelUp);
    for (std::uint8_t none : {0x01, 0x02, 0x04, 0x88, 0x8C, 0x97, 0x9F, 0xFF}) {
        EXPECT_EQ(keyCodeOfVirtualKey(none), kNoKey) << int(none);
    }
}

TEST(KeyEvents, ScanCodeAndVirtualKeyRules) {
    auto lParam = [](unsigned scan, bool extended) {
        return scan << 16 | (extended ? 1u << 24 : 0);
    };
    EXPECT_EQ(keyCodeOfKeyEvent(0x90, lParam(0x45, true)), 0x145);   // Num Lock
    EXPECT_EQ(keyCodeOfKeyEvent(0x13, lParam(0x45, false)), 0x045);  // Pause
    EXPECT_EQ(keyCodeOfKeyEvent(0x10, lParam(0x36, false)), 0x036);  // whatever the vk
    EXPECT_EQ(keyCodeOfKeyEvent(0x41, lParam(0x36, false)), 0x036);
    EXPECT_EQ(keyCodeOfKeyEvent(0xFF, lParam(0x73, false)), 0x073);     // vk 0xFF gives the scan
    EXPECT_EQ(keyCodeOfKeyEvent(0x41, lParam(0x00, false)), 0x01E);     // no scan: from the vk
    EXPECT_EQ(keyCodeOfKeyEvent(0x24, lParam(0x47, false)), 0x047);     // Num 7 with Num Lock off
    EXPECT_EQ(keyCodeOfKeyEvent(0x24, lParam(0x47, true)), 0x147);      // Home
    EXPECT_EQ(keyCodeOfKeyEvent(0x0D, lParam(0x1C, true)), 0x11C);      // Num Enter
    EXPECT_EQ(keyCodeOfKeyEvent(0x41, lParam(0x30, false)), 0x01E);     // mismatch: the vk wins
    EXPECT_EQ(keyCodeOfKeyEvent(0x1234, lParam(0x30, false)), kNoKey);  // vk beyond a byte
}

TEST(MediaTables, MediaItemsNameConsumerKeys) {
    EXPECT_EQ(kMediaList[1].consumerUsage, 0x00CD);
    EXPECT_EQ(kMediaList[1].keyCode, 0x122);
    for (const auto &item : kMediaList) {
        EXPECT_EQ(keyCodeOfDeviceUsage({12, item.consumerUsage}), item.keyCode);
    }
    for (std::size_t slot = kConsumerUsageCount; slot < kConsumerUsageTable.size(); ++slot) {
        EXPECT_EQ(kConsumerUsageTable[slot], 0);
    }
}

}  // namespace
}  // namespace model
