// printf-style formatting of a language text with one integer argument, for texts
// such as "UNKNOWN_KEY" that the language file supplies as a format.
#pragma once

#include <string>
#include <string_view>

namespace model {

// Replaces the first integer conversion (%d, %i, %u, %x, %X, %o with optional
// flags, width and precision) with value and every "%%" with "%". Any other
// conversion is copied unchanged, so a foreign format can never read an argument
// that was not passed.
std::u16string formatWithInteger(std::u16string_view format, unsigned value);

}  // namespace model
