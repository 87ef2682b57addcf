// Decimal numbers typed by the user or kept as text in the settings: leading
// blanks, an optional sign, then digits up to the first other character; text
// without digits reads as 0. Values beyond the 64-bit range saturate.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace model {

std::int64_t parseDecimalText(std::u16string_view text);

std::u16string decimalText(std::int64_t value);

}  // namespace model
