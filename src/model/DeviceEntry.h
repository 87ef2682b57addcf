// The 3-byte key action [t, a, b] the keyboard keeps per matrix position, and the
// conversions between such entries and key codes. The same [t, a, b] shape
// encodes the steps of the keyboard's macro area.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "KeyCode.h"
#include "devicelink/DeviceRegions.h"

namespace model {

struct DeviceEntry {
    std::uint8_t type = 0;
    std::uint8_t a = 0;
    std::uint8_t b = 0;

    bool operator==(const DeviceEntry &) const = default;
};

inline constexpr std::size_t kDeviceEntrySize = 3;
inline constexpr std::size_t kMatrixPositions = 126;
inline constexpr std::size_t kKeyPageBytes = devicelink::kKeyPageSize;
static_assert(kKeyPageBytes == kMatrixPositions * kDeviceEntrySize);

// One key map page (or the default matrix): position p at byte 3p.
using KeyPageBytes = devicelink::KeyPage;

// Entry types.
inline constexpr std::uint8_t kEntryMouse = 1;
inline constexpr std::uint8_t kEntryKeyboard = 2;
inline constexpr std::uint8_t kEntryConsumer = 3;
inline constexpr std::uint8_t kEntrySystem = 4;
inline constexpr std::uint8_t kEntryMacro = 5;
inline constexpr std::uint8_t kEntryExtraKey = 6;

// Second bytes of the mouse, keyboard and macro types.
inline constexpr std::uint8_t kMouseButtons = 1;
inline constexpr std::uint8_t kMouseWheel = 5;
inline constexpr std::uint8_t kKeyboardModifier = 1;
inline constexpr std::uint8_t kKeyboardUsage = 2;
inline constexpr std::uint8_t kMacroPlay = 1;
inline constexpr std::uint8_t kMacroStop = 2;
inline constexpr std::uint8_t kMacroFunction = 5;
inline constexpr std::uint8_t kExtraKeyMarker = 0xA2;

DeviceEntry entryAt(const KeyPageBytes &page, std::size_t position);
void setEntryAt(KeyPageBytes &page, std::size_t position, DeviceEntry entry);

// The key a device entry stands for; 0 when it names none.
KeyCode keyCodeOfDeviceEntry(DeviceEntry entry);

// The modifier key of the lowest set bit of a modifier byte; 0 for no bit.
KeyCode modifierKeyOfBits(std::uint8_t bits);

// The modifier bit of a modifier key code (the eight keys of the modifier byte).
std::optional<std::uint8_t> modifierBitOfKeyCode(KeyCode code);

// The [t, a, b] of a mouse button or wheel key code.
std::optional<DeviceEntry> mouseEntryOfKeyCode(KeyCode code);

}  // namespace model
