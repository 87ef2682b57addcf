// Keys by the names the window shows: the keys of the keyboard view and the
// extra keys a command may address, and the keys an action or a macro step
// may name.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/KeyCode.h"

namespace cli {

// A key record of a profile: a key of the keyboard view (record = its table
// row) or an extra key (G1..G9 of bank A, B:G1..B:G9 of bank B).
struct KeyRecord {
    std::uint16_t recordIndex;
    std::string name;
    bool macroOnly = false;  // the ninth extra key of each bank plays macros only
};

// The 104 keys of the keyboard view, then the extra keys of bank A and bank B.
std::vector<KeyRecord> keyboardViewRecords();

// By display name (letter case ignored), extra-key name, or table row
// (decimal or 0x hex) of one of those records.
std::optional<KeyRecord> keyRecordByText(std::string_view text);

// The display name of a key ("Left Ctrl", "Left Button").
std::string keyName(model::KeyCode code);

// A key of the primary key list (keys, modifiers, mouse buttons and wheel:
// what a key action or a macro step may press) by its display name.
std::optional<model::KeyCode> pressableKeyByName(std::string_view name);

// Whether two names are the same but for the case of ASCII letters.
bool sameName(std::string_view a, std::string_view b);

}  // namespace cli
