// The fixed macro record, identical in memory and in profile files: a name, the
// play settings and up to 2000 timed steps.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace model {

static_assert(std::endian::native == std::endian::little,
              "macro records are kept in memory in their little-endian file layout");

inline constexpr std::size_t kMaxMacros = 100;
inline constexpr std::size_t kMaxMacroActions = 2000;
inline constexpr std::size_t kMacroNameUnits = 250;  // including the terminator

struct MacroAction {
    std::uint32_t wait = 0;       // ms between this step and the next
    std::uint16_t key = 0;        // KeyCode of the key or mouse button
    std::uint16_t direction = 0;  // 0 press, 1 release

    bool operator==(const MacroAction &) const = default;
};

static_assert(sizeof(MacroAction) == 8);
static_assert(offsetof(MacroAction, wait) == 0 && offsetof(MacroAction, key) == 4);
static_assert(offsetof(MacroAction, direction) == 6);

struct MacroRecord {
    char16_t name[kMacroNameUnits] = {};
    std::uint8_t cycles = 0;
    std::uint8_t reserved1 = 0;
    std::uint16_t isNew = 0;
    std::uint16_t playMode = 0;
    std::uint16_t id = 0;
    std::uint16_t actionCount = 0;
    std::uint16_t reserved2 = 0;
    MacroAction actions[kMaxMacroActions] = {};

    // Readers of records from files must not trust the stored count or terminator.
    std::size_t validActionCount() const {
        return std::min<std::size_t>(actionCount, kMaxMacroActions);
    }
    std::u16string_view nameView() const {
        const auto *end = std::find(name, name + kMacroNameUnits - 1, u'\0');
        return {name, static_cast<std::size_t>(end - name)};
    }
    // Cuts the text to the units that fit before the terminator and clears the
    // rest of the field.
    void setName(std::u16string_view text) {
        std::fill_n(name, kMacroNameUnits, u'\0');
        std::copy_n(text.begin(), std::min(text.size(), kMacroNameUnits - 1), name);
    }
};

static_assert(sizeof(MacroRecord) == 16512);
static_assert(offsetof(MacroRecord, name) == 0 && offsetof(MacroRecord, cycles) == 500);
static_assert(offsetof(MacroRecord, reserved1) == 501 && offsetof(MacroRecord, isNew) == 502);
static_assert(offsetof(MacroRecord, playMode) == 504 && offsetof(MacroRecord, id) == 506);
static_assert(offsetof(MacroRecord, actionCount) == 508);
static_assert(offsetof(MacroRecord, reserved2) == 510 && offsetof(MacroRecord, actions) == 512);

}  // namespace model
