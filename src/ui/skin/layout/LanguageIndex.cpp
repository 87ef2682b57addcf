#include "ui/skin/layout/LanguageIndex.h"

#include <algorithm>
#include <array>
#include <utility>

#include "platform/Registry.h"
#include "ui/skin/layout/LanguageText.h"

namespace skin {
namespace {

constexpr std::uint16_t kFallbackLanguageId = 0x0409;
constexpr std::size_t kChoosableLanguages = 3;

constexpr std::array<std::pair<std::uint16_t, std::uint16_t>, 12> kLanguageIdMap{{
    {0x0C04, 0x0804},
    {0x1004, 0x0404},
    {0x0809, 0x0409},
    {0x0C09, 0x0409},
    {0x1009, 0x0409},
    {0x1409, 0x0409},
    {0x1809, 0x0409},
    {0x1C09, 0x0409},
    {0x2009, 0x0409},
    {0x2409, 0x0409},
    {0x2809, 0x0409},
    {0x2C09, 0x0409},
}};

bool isShipped(std::uint32_t languageId) {
    const auto *end = kSupportedLanguages.begin() + kChoosableLanguages;
    return std::find(kSupportedLanguages.begin(), end, languageId) != end;
}

}  // namespace

std::uint16_t mapSystemLanguageId(std::uint16_t systemLanguageId) {
    for (const auto &[from, to] : kLanguageIdMap) {
        if (from == systemLanguageId) return to;
    }
    return systemLanguageId;
}

int languageIndexOfId(std::uint32_t languageId) {
    for (std::size_t i = 0; i < kChoosableLanguages; ++i) {
        if (kSupportedLanguages[i] == languageId) return static_cast<int>(i);
    }
    return 0;
}

int currentLanguageIndex(platform::Registry &registry, std::uint16_t systemLanguageId) {
    app::AppSettings settings(registry);
    std::uint32_t languageId = settings.languageId();
    if (languageId == 0) {
        const std::uint16_t mapped = mapSystemLanguageId(systemLanguageId);
        languageId = isShipped(mapped) ? mapped : kFallbackLanguageId;
        settings.setLanguageId(languageId);
    }
    return languageIndexOfId(languageId);
}

}  // namespace skin
