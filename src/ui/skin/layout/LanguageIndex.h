// Which language the utility speaks: the language id chosen once and kept in the
// settings store as "dwLanguageId", and the language index derived from it.
#pragma once

#include <cstdint>
#include <string_view>

#include "settings/AppSettings.h"

namespace skin {

// Where the chosen language is kept: the application settings' own value.
inline constexpr std::u16string_view kLanguageKeyPath = app::kAppKeyPath;
inline constexpr std::u16string_view kLanguageValueName = app::kLanguageIdValue;

// Maps a system language id through the regional-variant table (Chinese variants to
// their base ids, the English variants to 0x0409); other ids pass unchanged.
std::uint16_t mapSystemLanguageId(std::uint16_t systemLanguageId);

// The first position 0..2 of the supported-language table holding the id; 0 when none.
int languageIndexOfId(std::uint32_t languageId);

// Reads "dwLanguageId" (a missing or non-number value is replaced by 0). When it is
// 0 the system language, mapped, is stored if the utility ships it, otherwise 0x0409
// is stored. Returns the language index 0..2 of the stored id. A store that cannot be
// written still yields the index of the language chosen.
int currentLanguageIndex(platform::Registry &registry, std::uint16_t systemLanguageId);

}  // namespace skin
