// The Windows language identifier of the user's locale, as the system default
// language would report it: LC_ALL, then LC_MESSAGES, then LANG, the first that is
// set and not empty. "C", "POSIX" and an unset locale give US English (0x0409).
#pragma once

#include <cstdint>
#include <string_view>

namespace platform {

inline constexpr std::uint16_t kUsEnglishLanguageId = 0x0409;

// "en_GB.UTF-8" gives 0x0809, "de" gives 0x0407 (the language's main region); a
// language the table does not know gives 0x0409.
std::uint16_t languageIdFromLocale(std::string_view locale);

std::uint16_t systemLanguageId();

}  // namespace platform
