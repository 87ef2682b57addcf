// The 16-byte unit identifier that names one collection of the keyboard in
// every library call: u32 15, u16 vendor id, u16 product id, u16 usage page,
// u16 usage, u32 0, all little-endian.
#pragma once

#include <array>
#include <cstdint>

#include "usbgate/include/usbgate.h"

namespace devicelink {

using UnitId = std::array<std::uint8_t, USBGATE_UNIT_ID_SIZE>;

inline constexpr std::uint16_t kKeyboardVendorId = 0x0C45;
inline constexpr std::uint16_t kKeyboardProductId = 0x5004;

constexpr UnitId makeUnitId(std::uint16_t usagePage, std::uint16_t usage) {
    UnitId unit{};
    const std::uint16_t fields[] = {kKeyboardVendorId, kKeyboardProductId, usagePage, usage};
    unit[0] = 15;
    for (int i = 0; i < 4; ++i) {
        unit[4 + 2 * i] = static_cast<std::uint8_t>(fields[i] & 0xFF);
        unit[5 + 2 * i] = static_cast<std::uint8_t>(fields[i] >> 8);
    }
    return unit;
}

// Command reports and their answers, and the device count.
inline constexpr UnitId kCommandUnit = makeUnitId(0xFF1C, 0x0092);
// The keyboard's own event codes.
inline constexpr UnitId kConsumerUnit = makeUnitId(0x000C, 0x0001);
// The two status bytes (active extra-key bank).
inline constexpr UnitId kStatusUnit = makeUnitId(0x0008, 0x0089);

}  // namespace devicelink
