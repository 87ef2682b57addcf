// Conversions between key codes, list positions, virtual keys, device usages and
// display names. All are pure functions over the constant key tables.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "KeyCode.h"
#include "TextLookup.h"

namespace model {

inline constexpr std::size_t kKeyNameCapacity = 260;

// HID usage pages as the device link names them: 1 system control, 2 mouse (this
// system's own number), 7 keyboard, 12 consumer; 0 = no usage.
struct DeviceUsage {
    std::uint16_t page = 0;
    std::uint16_t usage = 0;
    bool operator==(const DeviceUsage &) const = default;
};

inline constexpr std::uint16_t kUsagePageSystem = 1;
inline constexpr std::uint16_t kUsagePageMouse = 2;
inline constexpr std::uint16_t kUsagePageKeyboard = 7;
inline constexpr std::uint16_t kUsagePageConsumer = 12;

// Code of the first row (ascending) with this list index; 0 when none.
KeyCode keyCodeOfListIndex(std::uint16_t listIndex);

// List index of the code's row; 0xFFFF for free rows and codes outside the table.
std::uint16_t listIndexOfKeyCode(KeyCode code);

// Language text of the first row with this list index; empty when none or unnamed.
std::u16string keyTextOfListIndex(std::uint16_t listIndex, const TextLookup &lookup);

// Display name of a key, cut to capacity - 1 characters. A key without a name
// (or whose name text is empty) is named by "UNKNOWN_KEY" formatted with its code.
std::u16string keyDisplayName(KeyCode code, const TextLookup &lookup,
                              std::size_t capacity = kKeyNameCapacity);

DeviceUsage deviceUsageOfKeyCode(KeyCode code);
KeyCode keyCodeOfDeviceUsage(DeviceUsage usage);
KeyCode keyCodeOfDeviceCode(std::uint16_t deviceCode);

KeyCode keyCodeOfVirtualKey(std::uint8_t virtualKey);

// Code of a key reported by a keyboard message: lParam bits 16..23 hold the scan
// code, bit 24 the extended flag.
KeyCode keyCodeOfKeyEvent(std::uint32_t virtualKey, std::uint32_t lParam);

}  // namespace model
