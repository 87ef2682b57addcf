// Case-insensitive comparison of names the way Windows compares section, key and
// registry names: letters of the Latin, Greek and Cyrillic alphabets match their
// other case; everything else must be equal.
#pragma once

#include <string_view>

namespace platform {

char16_t foldCase(char16_t unit);
bool equalsIgnoringCase(std::u16string_view a, std::u16string_view b);

}  // namespace platform
