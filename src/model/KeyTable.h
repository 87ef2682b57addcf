// The 256-row key table and the virtual-key map, built at compile time from the
// two key lists. Every part of the system that names, shows or converts a key
// reads these tables and keeps no key list of its own.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "KeyCode.h"
#include "KeyListData.h"

namespace model {

inline constexpr std::uint16_t kFreeRow = 0xFFFF;
inline constexpr std::uint16_t kSecondaryListBase = 0x8000;
inline constexpr std::size_t kPrimaryListSize = keylists::kPrimary.size();
inline constexpr std::size_t kSecondaryListSize = keylists::kSecondary.size();

struct KeyEntry {
    std::uint16_t listIndex = kFreeRow;
    std::uint8_t virtualKey = 0;
    std::uint8_t altVirtualKey = 0;
    std::uint8_t deviceCode = 0;
    std::u16string_view textKey{};
};

using KeyTable = std::array<KeyEntry, 256>;

namespace detail {

constexpr KeyEntry entryOf(std::uint16_t listIndex, const keylists::ListedKey &key) {
    return KeyEntry{listIndex, key.virtualKey, key.virtualKey, key.deviceCode, key.textKey};
}

constexpr KeyTable buildKeyTable() {
    KeyTable table{};
    for (std::size_t position = 0; position < keylists::kPrimary.size(); ++position) {
        const auto &key = keylists::kPrimary[position];
        table[key.row] = entryOf(static_cast<std::uint16_t>(position), key);
    }
    table[keylists::kRightShiftSecondRow] =
        entryOf(keylists::kRightShiftPosition, keylists::kPrimary[keylists::kRightShiftPosition]);
    for (std::size_t index = 0; index < keylists::kSecondary.size(); ++index) {
        const auto &key = keylists::kSecondary[index];
        table[key.row] = entryOf(static_cast<std::uint16_t>(kSecondaryListBase + index + 1), key);
    }
    for (const auto &alternative : keylists::kNumPadAlternatives) {
        table[alternative.row].altVirtualKey = alternative.virtualKey;
    }
    return table;
}

constexpr std::size_t countUsedRows(const KeyTable &table) {
    std::size_t used = 0;
    for (const auto &entry : table) used += entry.listIndex != kFreeRow ? 1 : 0;
    return used;
}

}  // namespace detail

inline constexpr KeyTable kKeyTable = detail::buildKeyTable();

// 111 primary rows, the second Right Shift row and 45 secondary rows, none overlapping.
static_assert(detail::countUsedRows(kKeyTable) == 111 + 1 + 45);
static_assert(kKeyTable[0].listIndex == kFreeRow && kKeyTable[0].deviceCode == 0);
static_assert(kKeyTable[0x36].listIndex == 103 && kKeyTable[0xB6].listIndex == 103);
static_assert(kKeyTable[0x2B].deviceCode == 0x31);
static_assert(kKeyTable[0x47].altVirtualKey == 0x24 && kKeyTable[0x47].virtualKey == 0x67);
static_assert(kKeyTable[0x64].listIndex == kSecondaryListBase + 45 &&
              kKeyTable[0x64].textKey.empty());

// Usage ids of the consumer page; slot i is the device code 0xC0 + i.
inline constexpr std::uint8_t kConsumerDeviceCodeBase = 0xC0;
inline constexpr std::size_t kConsumerUsageCount = 18;
inline constexpr std::array<std::uint16_t, 32> kConsumerUsageTable{
    0x00E9, 0x00EA, 0x0183, 0x018A, 0x0192, 0x0194, 0x0221, 0x0223, 0x0224,
    0x0225, 0x0226, 0x0227, 0x022A, 0x00E2, 0x00CD, 0x00B7, 0x00B6, 0x00B5};

// The multimedia choices of an assignment, in the order the dialogs show them.
struct MediaItem {
    std::uint16_t consumerUsage;
    KeyCode keyCode;
};
inline constexpr std::array<MediaItem, 18> kMediaList{{
    {0x0183, 0x16D},
    {0x00CD, 0x122},
    {0x00B7, 0x124},
    {0x00B6, 0x110},
    {0x00B5, 0x119},
    {0x00EA, 0x12E},
    {0x00E9, 0x130},
    {0x00E2, 0x120},
    {0x0223, 0x132},
    {0x0227, 0x167},
    {0x0226, 0x168},
    {0x0224, 0x16A},
    {0x0225, 0x169},
    {0x022A, 0x166},
    {0x0221, 0x165},
    {0x0194, 0x16B},
    {0x0192, 0x121},
    {0x018A, 0x16C},
}};

namespace detail {

// Every media item names a key whose device code is the consumer slot of its usage.
constexpr bool mediaListMatchesKeyTable() {
    for (const auto &item : kMediaList) {
        const auto device = kKeyTable[rowOfKeyCode(item.keyCode)].deviceCode;
        const auto slot = static_cast<std::size_t>(device - kConsumerDeviceCodeBase);
        if (device < kConsumerDeviceCodeBase || slot >= kConsumerUsageCount) return false;
        if (kConsumerUsageTable[slot] != item.consumerUsage) return false;
    }
    return true;
}

}  // namespace detail

static_assert(detail::mediaListMatchesKeyTable());

// Virtual-key code to row (0 = none).
using VirtualKeyMap = std::array<std::uint8_t, 256>;

namespace detail {

// Mouse buttons and the pseudo virtual keys of the secondary list produce no key.
constexpr bool isUnmappedVirtualKey(std::uint8_t vk) {
    return vk == 0x01 || vk == 0x02 || vk == 0x04 || vk == 0xFF || (vk >= 0x88 && vk <= 0x8C) ||
           (vk >= 0x97 && vk <= 0x9F);
}

constexpr VirtualKeyMap buildVirtualKeyMap() {
    VirtualKeyMap map{};
    for (std::size_t row = 0; row < kKeyTable.size(); ++row) {
        const auto &entry = kKeyTable[row];
        if (entry.listIndex == kFreeRow || isUnmappedVirtualKey(entry.virtualKey)) continue;
        if (map[entry.virtualKey] == 0) map[entry.virtualKey] = static_cast<std::uint8_t>(row);
    }
    map[0x0D] = 0x1C;  // Enter, not Num Enter
    map[0x2C] = 0xB7;  // Print Screen, not Sys Req
    map[0xA1] = 0x36;  // Right Shift, not its second row
    map[0x10] = 0x2A;  // generic Shift, Ctrl and Alt name the left keys
    map[0x11] = 0x1D;
    map[0x12] = 0x38;
    return map;
}

}  // namespace detail

inline constexpr VirtualKeyMap kVirtualKeyMap = detail::buildVirtualKeyMap();

static_assert(kVirtualKeyMap[0x0D] == 0x1C && kVirtualKeyMap[0x2C] == 0xB7);
static_assert(kVirtualKeyMap[0x24] == 0xC7);  // Home, not Num 7
static_assert(kVirtualKeyMap[0x90] == 0xC5 && kVirtualKeyMap[0x91] == 0x46);
static_assert(kVirtualKeyMap[0xD1] == 0xE1 && kVirtualKeyMap[0xD2] == 0xE2);
static_assert(kVirtualKeyMap[0x01] == 0 && kVirtualKeyMap[0x9C] == 0 && kVirtualKeyMap[0xFF] == 0);

}  // namespace model
