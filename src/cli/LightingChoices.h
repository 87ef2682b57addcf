// The words varnelctl takes and prints for lighting values: directions by the
// mode's own pair of words, colours as RRGGBB or a preset colour's name, and
// the slider positions the window shows for brightness and speed.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "model/lighting/Colour.h"

namespace cli {

// A fixed colour, or the index 0..3 of a preset colour (mode 17).
using ColourChoice = std::variant<lighting::Colour, int>;

// "RRGGBB" (hex, an optional leading '#') or red, yellow, green, blue.
std::optional<ColourChoice> parseColourChoice(std::string_view text);
std::string colourText(lighting::Colour colour);
std::string presetColourName(int index);

// left, up, outward give 0xFF; right, down, inward give 0x00.
std::optional<std::uint8_t> parseDirection(std::string_view text);
// The mode's word for the direction byte: up/down for mode 12, outward/inward
// for mode 18, left/right otherwise.
std::string directionName(int mode, std::uint8_t direction);

}  // namespace cli
