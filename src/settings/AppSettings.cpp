#include "settings/AppSettings.h"

#include <cstdio>

namespace app {

std::uint32_t AppSettings::languageId() {
    if (const auto stored = registry_.readDword(kAppKeyPath, kLanguageIdValue)) return *stored;
    registry_.writeDword(kAppKeyPath, kLanguageIdValue, 0);
    return 0;
}

bool AppSettings::setLanguageId(std::uint32_t languageId) {
    return registry_.writeDword(kAppKeyPath, kLanguageIdValue, languageId);
}

std::u16string AppSettings::profileString(std::u16string_view key,
                                          std::u16string_view fallback) const {
    return registry_.readString(kProfileKeyPath, key).value_or(std::u16string(fallback));
}

bool AppSettings::writeProfileString(std::u16string_view key, std::u16string_view value) {
    return registry_.writeString(kProfileKeyPath, key, value);
}

int AppSettings::profileInt(std::u16string_view key, int fallback) const {
    const auto stored = registry_.readDword(kProfileKeyPath, key);
    return stored ? static_cast<int>(*stored) : fallback;
}

bool AppSettings::writeProfileInt(std::u16string_view key, int value) {
    return registry_.writeDword(kProfileKeyPath, key, static_cast<std::uint32_t>(value));
}

std::u16string AppSettings::profileListKey(int index) {
    char name[24];
    std::snprintf(name, sizeof name, "PROFILE%02d", index);
    return std::u16string(name, name + std::char_traits<char>::length(name));
}

}  // namespace app
