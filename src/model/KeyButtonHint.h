// What a key button shows for its assignment: the assigned mark and the tooltip.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "KeyAssignment.h"
#include "MacroRecord.h"
#include "TextLookup.h"

namespace model {

inline constexpr std::size_t kHintMaxLength = 259;

struct ButtonHint {
    bool assigned = false;
    std::u16string text;
    bool operator==(const ButtonHint &) const = default;
};

// Base name of a button: the key's display name for a key button, "G1".."G9" for
// an extra-key button; empty for other controls.
std::u16string keyButtonBaseName(int controlId, const TextLookup &lookup);

// The mark and hint of a button with this base name showing this record; macro
// names are taken from macros.
ButtonHint keyButtonHint(std::u16string_view baseName, const KeyAssignment &assignment,
                         std::span<const MacroRecord> macros, const TextLookup &lookup);

}  // namespace model
