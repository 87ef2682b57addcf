// The utility's values in the settings store: the chosen language under the
// application key, and the profile strings and numbers of section "PROFILES"
// ("Flip", the record-delays setting, PROFILE00, PROFILE01, ...).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Registry.h"

namespace app {

inline constexpr std::u16string_view kAppKeyPath = u"Software\\Bramwel_09A";
inline constexpr std::u16string_view kLanguageIdValue = u"dwLanguageId";
inline constexpr std::u16string_view kProfileKeyPath =
    u"Software\\Varnel_Quorell\\Tarvik Q770RGB\\PROFILES";

class AppSettings {
public:
    explicit AppSettings(platform::Registry &registry) : registry_(registry) {}

    // The chosen language id; 0 = not chosen yet. A value that is missing or not a
    // number is replaced by 0 and 0 is returned.
    std::uint32_t languageId();
    bool setLanguageId(std::uint32_t languageId);

    // Profile strings are stored as text, profile numbers as numbers; a value of
    // the other type reads as missing.
    std::u16string profileString(std::u16string_view key, std::u16string_view fallback) const;
    bool writeProfileString(std::u16string_view key, std::u16string_view value);
    int profileInt(std::u16string_view key, int fallback) const;
    bool writeProfileInt(std::u16string_view key, int value);

    // "PROFILE00", "PROFILE01", ...: the profile list entry of index n.
    static std::u16string profileListKey(int index);

private:
    platform::Registry &registry_;
};

}  // namespace app
