// The macro area of the keyboard's memory: a 16-byte header, one 16-bit offset
// per macro and the macro blocks (action count, cycles, name length, 4-byte
// actions, UTF-16LE name). Building it from macro records and reading it back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "MacroRecord.h"
#include "TextLookup.h"

namespace model {

inline constexpr std::uint16_t kMacroAreaMagic = 0x55AA;
inline constexpr std::size_t kMacroAreaHeaderSize = 16;
inline constexpr std::size_t kMacroBlockHeaderSize = 4;
inline constexpr std::size_t kMacroActionBytes = 4;
// Sizes and offsets of the area are 16-bit.
inline constexpr std::size_t kMacroAreaMaxSize = 0xFFFF;
// Waits are sent in units of 10 ms in a 12-bit field.
inline constexpr std::uint32_t kMacroWaitUnitMs = 10;
inline constexpr std::uint16_t kMacroWaitMask = 0x0FFF;

struct MacroAreaSizes {
    std::uint64_t full = 0;     // names included
    std::uint64_t reduced = 0;  // names left out
};

MacroAreaSizes macroAreaSizes(std::span<const MacroRecord> macros);

// The 4 bytes of one step: the wait, step type and press bit, then [a, b].
std::array<std::uint8_t, kMacroActionBytes> encodeMacroAction(const MacroAction &action);
MacroAction decodeMacroAction(std::span<const std::uint8_t, kMacroActionBytes> bytes);

// Appends one macro block to out.
void appendMacroBlock(std::vector<std::uint8_t> &out, const MacroRecord &macro, bool withNames);

// The whole area in macro-list order; nothing when it would not fit the 16-bit
// sizes and offsets of the area.
std::optional<std::vector<std::uint8_t>> buildMacroArea(std::span<const MacroRecord> macros,
                                                        bool withNames);

// What the first 16 bytes of an area read from the keyboard announce.
struct MacroAreaHeader {
    bool marked = false;  // bytes 0..1 hold 0x55AA
    std::uint16_t totalSize = 0;
    std::uint16_t macroCount = 0;
};

MacroAreaHeader parseMacroAreaHeader(std::span<const std::uint8_t> area);

// Turns an area read from the keyboard into macro records (ids 1..N in area
// order). The keyboard's bytes are not trusted: an area that claims more than
// 100 macros, a total size below its own header, above `sizeLimit` or above the
// bytes given, a block offset outside the area or actions running past it gives
// nothing. Action counts above 2000 and names above 249 units are cut; a name
// running past the area keeps the units inside it. A macro stored without a name
// is named by the text of "MACRO_NEW_PREFIX" and its number.
std::optional<std::vector<MacroRecord>> decodeMacroArea(std::span<const std::uint8_t> area,
                                                        std::size_t sizeLimit,
                                                        const TextLookup &lookup);

}  // namespace model
