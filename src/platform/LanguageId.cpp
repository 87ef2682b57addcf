#include "LanguageId.h"

#include <array>
#include <cstdlib>

namespace platform {
namespace {

struct LocaleLanguage {
    std::string_view language;
    std::string_view region;  // a language's first entry is its main region
    std::uint16_t id;
};

// Language first, its main region first; the ids are the Windows language ids.
constexpr std::array<LocaleLanguage, 73> kLanguages{{
    {"en", "US", 0x0409}, {"en", "GB", 0x0809}, {"en", "AU", 0x0C09}, {"en", "CA", 0x1009},
    {"en", "NZ", 0x1409}, {"en", "IE", 0x1809}, {"en", "ZA", 0x1C09}, {"en", "IN", 0x4009},
    {"en", "SG", 0x4809}, {"de", "DE", 0x0407}, {"de", "CH", 0x0807}, {"de", "AT", 0x0C07},
    {"de", "LU", 0x1007}, {"de", "LI", 0x1407}, {"fr", "FR", 0x040C}, {"fr", "BE", 0x080C},
    {"fr", "CA", 0x0C0C}, {"fr", "CH", 0x100C}, {"fr", "LU", 0x140C}, {"es", "ES", 0x0C0A},
    {"es", "MX", 0x080A}, {"es", "AR", 0x2C0A}, {"es", "CL", 0x340A}, {"es", "CO", 0x240A},
    {"es", "US", 0x540A}, {"it", "IT", 0x0410}, {"it", "CH", 0x0810}, {"pt", "BR", 0x0416},
    {"pt", "PT", 0x0816}, {"nl", "NL", 0x0413}, {"nl", "BE", 0x0813}, {"zh", "CN", 0x0804},
    {"zh", "TW", 0x0404}, {"zh", "HK", 0x0C04}, {"zh", "SG", 0x1004}, {"zh", "MO", 0x1404},
    {"ja", "JP", 0x0411}, {"ko", "KR", 0x0412}, {"ru", "RU", 0x0419}, {"uk", "UA", 0x0422},
    {"pl", "PL", 0x0415}, {"cs", "CZ", 0x0405}, {"sk", "SK", 0x041B}, {"hu", "HU", 0x040E},
    {"ro", "RO", 0x0418}, {"bg", "BG", 0x0402}, {"el", "GR", 0x0408}, {"tr", "TR", 0x041F},
    {"sv", "SE", 0x041D}, {"sv", "FI", 0x081D}, {"da", "DK", 0x0406}, {"nb", "NO", 0x0414},
    {"no", "NO", 0x0414}, {"nn", "NO", 0x0814}, {"fi", "FI", 0x040B}, {"is", "IS", 0x040F},
    {"et", "EE", 0x0425}, {"lv", "LV", 0x0426}, {"lt", "LT", 0x0427}, {"hr", "HR", 0x041A},
    {"sl", "SI", 0x0424}, {"ca", "ES", 0x0403}, {"eu", "ES", 0x042D}, {"gl", "ES", 0x0456},
    {"ar", "SA", 0x0401}, {"ar", "EG", 0x0C01}, {"he", "IL", 0x040D}, {"fa", "IR", 0x0429},
    {"hi", "IN", 0x0439}, {"th", "TH", 0x041E}, {"vi", "VN", 0x042A}, {"id", "ID", 0x0421},
    {"ms", "MY", 0x043E},
}};

// "en_GB.UTF-8@euro" splits into "en" and "GB".
void splitLocale(std::string_view locale, std::string_view &language, std::string_view &region) {
    locale = locale.substr(0, locale.find_first_of(".@"));
    const auto underscore = locale.find('_');
    language = locale.substr(0, underscore);
    region =
        underscore == std::string_view::npos ? std::string_view{} : locale.substr(underscore + 1);
}

bool equalsAsciiIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

}  // namespace

std::uint16_t languageIdFromLocale(std::string_view locale) {
    std::string_view language;
    std::string_view region;
    splitLocale(locale, language, region);
    const LocaleLanguage *mainRegion = nullptr;
    for (const auto &entry : kLanguages) {
        if (!equalsAsciiIgnoringCase(entry.language, language)) continue;
        if (equalsAsciiIgnoringCase(entry.region, region)) return entry.id;
        if (mainRegion == nullptr) mainRegion = &entry;
    }
    return mainRegion != nullptr ? mainRegion->id : kUsEnglishLanguageId;
}

std::uint16_t systemLanguageId() {
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char *value = std::getenv(variable);
        if (value != nullptr && *value != '\0') return languageIdFromLocale(value);
    }
    return kUsEnglishLanguageId;
}

}  // namespace platform
