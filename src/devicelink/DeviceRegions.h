// Sizes and addressing of the keyboard memory the commands reach.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace devicelink {

inline constexpr int kProfileCount = 3;

// Info block: whole block only.
inline constexpr std::size_t kInfoSize = 44;
inline constexpr std::size_t kInfoFirmwareOffset = 8;   // 16-bit, low byte first
inline constexpr std::size_t kInfoProfileOffset = 10;   // active on-board profile 0..2
inline constexpr std::size_t kInfoCapacityOffset = 11;  // macro capacity in 128-byte units
inline constexpr std::size_t kInfoModesOffset = 12;     // 32 supported lighting mode codes
inline constexpr std::size_t kInfoModeCount = 32;
inline constexpr std::uint32_t kMacroCapacityUnit = 128;

// Parameter area: one record per on-board profile at profile × 42.
inline constexpr std::size_t kParamRecordSize = 42;

// Fields of a parameter record that are written one by one.
inline constexpr std::size_t kParamColourChoiceOffset = 4;  // 0 = the fixed colour below
inline constexpr std::size_t kParamColourOffset = 5;        // red, green, blue
// The lighting-defaults write covers the first 35 bytes of a record.
inline constexpr std::size_t kLightingDefaultsSize = 35;

// Key-map pages: page p at p × 378; the default matrix has the same shape.
inline constexpr std::size_t kKeyPageSize = 378;

// Key colour area: a 512-byte slot per profile, 3 bytes per key.
inline constexpr std::size_t kKeyColourSlotSize = 512;
inline constexpr std::size_t kKeyColourKeyCount = 126;

// The macro area's chunk offsets are 16-bit.
inline constexpr std::size_t kMacroAreaLimit = 0x10000;

using InfoBlock = std::array<std::uint8_t, kInfoSize>;
using ParamRecord = std::array<std::uint8_t, kParamRecordSize>;
using KeyPage = std::array<std::uint8_t, kKeyPageSize>;

// The keyboard's firmware version, as an info block gives it.
inline std::uint16_t firmwareVersionOf(const InfoBlock &info) {
    return static_cast<std::uint16_t>(info[kInfoFirmwareOffset] | info[kInfoFirmwareOffset + 1]
                                                                      << 8);
}

// The size in bytes of the keyboard's macro area, as an info block gives it.
inline std::uint32_t macroCapacityOf(const InfoBlock &info) {
    return info[kInfoCapacityOffset] * kMacroCapacityUnit;
}

}  // namespace devicelink
