// What a key does, as one word or "kind:argument" on the command line:
// default, disable, a key or mouse button by name, media:NAME, macro:NAME,
// launch:TARGET, text:TEXT, function:N (1..11), stop-macro. The same words
// are printed by 'keys show', so its output can be fed back to 'keys set'.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/KeyAssignment.h"
#include "model/MacroRecord.h"

namespace cli {

struct KeyAction {
    std::uint16_t kind = model::kKindDefault;
    std::uint32_t value = 0;
    std::u16string text;           // the launch target or text block
    std::uint8_t macroCycles = 0;  // of the macro a macro action plays
};

// The macro of that name; fails with a usage error naming the list command.
const model::MacroRecord &macroNamed(const std::vector<model::MacroRecord> &macros,
                                     std::string_view name);

// Fails with a usage error that says what is wrong.
KeyAction parseKeyAction(std::string_view text, const std::vector<model::MacroRecord> &macros);

std::string describeKeyAction(const model::KeyAssignment &record, std::u16string_view text,
                              const std::vector<model::MacroRecord> &macros);

// "default", "disabled", "key", "launch", "macro", "stop-macro", "text", "media", "function".
std::string kindName(std::uint16_t kind);

}  // namespace cli
