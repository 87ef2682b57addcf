// Everything the simulated keyboard stores.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace usbgate::sim {

inline constexpr size_t kInfoSize = 44;
inline constexpr size_t kRecordSize = 42;
inline constexpr size_t kProfileCount = 3;
inline constexpr size_t kParamsSize = kRecordSize * kProfileCount;
inline constexpr size_t kPageSize = 378;
inline constexpr size_t kPagesSize = kPageSize * kProfileCount;
inline constexpr size_t kColourSlotSize = 512;
inline constexpr size_t kColoursSize = kColourSlotSize * kProfileCount;
inline constexpr size_t kStatusSize = 2;
inline constexpr size_t kCapacityUnit = 128;
inline constexpr size_t kMaxMacroCapacity = 255 * kCapacityUnit;

// Info block fields.
inline constexpr size_t kInfoFirmware = 8;
inline constexpr size_t kInfoProfile = 10;
inline constexpr size_t kInfoCapacity = 11;
inline constexpr size_t kInfoModes = 12;
inline constexpr size_t kModeSlots = 32;

inline constexpr uint16_t kDefaultFirmware = 0x0109;
inline constexpr uint8_t kDefaultCapacityUnits = 0x80;

struct DeviceMemory {
    std::array<uint8_t, kInfoSize> info{};
    std::array<uint8_t, kParamsSize> params{};
    std::array<uint8_t, kPagesSize> pages{};
    std::vector<uint8_t> macro;  // always exactly the capacity in bytes
    std::array<uint8_t, kColoursSize> colours{};
    std::array<uint8_t, kStatusSize> status{};

    bool operator==(const DeviceMemory &) const = default;
    uint16_t firmware() const;
    void setFirmware(uint16_t version);
    size_t macroCapacity() const;
    // Sets the capacity to `bytes` rounded down to whole units; false above the maximum.
    bool setMacroCapacity(size_t bytes);
};

// The keyboard's memory as it leaves the factory.
DeviceMemory factoryMemory();

// The keyboard's own default key matrix: 126 entries of 3 bytes.
const std::array<uint8_t, kPageSize> &defaultMatrix();

// A named view of one region, as used by the control channel's peek and poke;
// empty when the name is unknown.
std::span<uint8_t> regionByName(DeviceMemory &memory, std::string_view name,
                                std::array<uint8_t, kPageSize> &defaultCopy);

}  // namespace usbgate::sim
