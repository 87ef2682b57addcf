// Writes that the keyboard takes as one group: opened by BeginCommand, closed
// by EndCommand. Each returns 1 when every report of the group succeeded,
// else the first failing result. Nothing is written when the group cannot be
// opened; once it is open it is always closed, even after a failed write.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "devicelink/DeviceCommands.h"

namespace devicelink {

using Rgb = std::array<std::uint8_t, 3>;  // red, green, blue as they travel
using KeyColourBytes = std::array<std::uint8_t, kKeyColourKeyCount * 3>;

// One or more bytes at `fieldOffset` of the parameter record of `profile`.
std::int32_t writeParamField(DeviceCommands &commands, int profile, std::size_t fieldOffset,
                             std::span<const std::uint8_t> bytes);

// A colour change: the colour choice byte first, then the three colour bytes.
std::int32_t writeParamColour(DeviceCommands &commands, int profile, std::uint8_t choice,
                              const Rgb &colour);

// The record's first 35 bytes as the keyboard's lighting defaults: mode 1,
// brightness 4, speed 2, direction 0, multicolour, white, all else zero.
std::int32_t writeLightingDefaults(DeviceCommands &commands, int profile);

// All 126 key colours of `profile`, in seven reports of 18 keys.
std::int32_t writeKeyColourTable(DeviceCommands &commands, int profile,
                                 const KeyColourBytes &table);

// The colour of one key of `profile`.
std::int32_t writeKeyColour(DeviceCommands &commands, int profile, std::uint16_t key,
                            const Rgb &colour);

}  // namespace devicelink
