// The 16-byte per-key assignment record, identical in memory, in the store's block
// and in profile files (little-endian).
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

namespace model {

static_assert(std::endian::native == std::endian::little,
              "records are kept in memory in their little-endian file layout");

struct KeyAssignment {
    std::uint16_t kind = 0;
    std::uint16_t extra = 0;  // extra-key identifier, or a macro's cycle count
    std::uint32_t value = 0;  // kind-dependent; a string's byte offset in profile files
    std::uint32_t mark = 0;
    std::uint32_t reserved = 0;

    bool operator==(const KeyAssignment &) const = default;
};

static_assert(sizeof(KeyAssignment) == 16);
static_assert(offsetof(KeyAssignment, kind) == 0 && offsetof(KeyAssignment, extra) == 2);
static_assert(offsetof(KeyAssignment, value) == 4 && offsetof(KeyAssignment, mark) == 8);
static_assert(offsetof(KeyAssignment, reserved) == 12);

// What a key does (the record's kind).
enum AssignmentKind : std::uint16_t {
    kKindDefault = 0,
    kKindDisabled = 1,
    kKindKey = 2,     // value: the KeyCode of another key or mouse action
    kKindLaunch = 3,  // the program path is the record's string
    kKindMacro = 4,   // value: macro id 1..100
    kKindStopMacro = 5,
    kKindText = 6,      // the text block is the record's string
    kKindMedia = 7,     // value: index into the media list
    kKindFunction = 8,  // value: index into the device function list
};

inline constexpr std::uint32_t kFunctionCount = 11;

constexpr bool kindHasString(std::uint16_t kind) {
    return kind == kKindLaunch || kind == kKindText;
}

}  // namespace model
