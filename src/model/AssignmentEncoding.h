// Key map pages: what a key record sends to the keyboard, and what a page read
// from the keyboard means as key records. Positions are tied to keys only through
// the default matrix: the key at position p is the key of its default entry.
#pragma once

#include <cstdint>
#include <functional>

#include "DeviceEntry.h"
#include "KeyAssignment.h"
#include "ProfileBlock.h"

namespace model {

// The 0-based position in the macro list of the macro with this id.
using MacroPositionOfId = std::function<std::uint16_t(std::uint32_t id)>;

// The entry a key record sends; `defaultEntry` is the position's factory entry.
DeviceEntry encodeAssignment(const KeyAssignment &record, DeviceEntry defaultEntry,
                             const MacroPositionOfId &macroPosition);

// The record index of the key at a position; nothing for positions without a key.
std::optional<std::uint16_t> recordIndexOfPosition(const KeyPageBytes &defaultMatrix,
                                                   std::size_t position);

// The page of one profile (0..3) of the block: the default matrix with every
// position that has a key replaced by the entry of that key's record.
KeyPageBytes buildKeyPage(const ProfileBlock &block, int profile, const KeyPageBytes &defaultMatrix,
                          const MacroPositionOfId &macroPosition);

// The record a page entry that differs from the default entry decodes to.
KeyAssignment decodeDeviceEntry(DeviceEntry entry);

// Replaces the records of one profile (0..3) with the meaning of a page: zero
// records with the extra-key identifiers, and a decoded record for every key
// whose entry differs from its default entry.
void decodeKeyPage(const KeyPageBytes &page, const KeyPageBytes &defaultMatrix, int profile,
                   ProfileBlock &block);

}  // namespace model
