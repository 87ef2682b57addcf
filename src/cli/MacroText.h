// The plain text form of a macro, for files a user edits and keeps:
//
//   # comments and blank lines are ignored
//   name: Copy          (optional; the file name or --name otherwise)
//   cycles: 1           (optional, 1..255, default 1)
//   Left Ctrl down 20   one step a line: KEY down|up DELAY
//   C down 20           KEY is a key or mouse button as the window names it,
//   C up 20             DELAY the milliseconds 0..40000 before the next step
//   Left Ctrl up 0
#pragma once

#include <string>
#include <string_view>

#include "model/MacroRecord.h"

namespace cli {

std::string formatMacroText(const model::MacroRecord &macro);

// A macro (id 0, not yet in a list) from its text form. Fails with a file error
// naming the line when the text is not a valid macro; `defaultName` is used
// when the text names none.
model::MacroRecord parseMacroText(std::string_view text, std::string_view defaultName);

std::string directionName(std::uint16_t direction);

}  // namespace cli
