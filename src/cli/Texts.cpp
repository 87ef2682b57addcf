#include "cli/Texts.h"

#include "model/lighting/ModeList.h"
#include "platform/Registry.h"
#include "platform/Utf.h"
#include "settings/AppSettings.h"
#include "ui/skin/layout/LanguageIndex.h"
#include "ui/skin/layout/LanguageText.h"

namespace cli {
namespace {

// The language the window was set to; read only, so a read command never
// writes the settings store.
int languageIndex() {
    static const int index = [] {
        platform::Registry registry(platform::Registry::defaultStoreFile());
        const auto id = registry.readDword(app::kAppKeyPath, app::kLanguageIdValue);
        return skin::languageIndexOfId(id.value_or(0));
    }();
    return index;
}

std::string replacePlaceholder(std::string text, std::string_view argument) {
    const auto at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, argument);
    return text;
}

}  // namespace

std::string utf8(std::u16string_view text) {
    return platform::toUtf8(text);
}

std::string languageText(std::u16string_view key, std::string_view fallback,
                         std::string_view argument) {
    const std::u16string found = skin::lookupText(key, languageIndex());
    const std::string text = found == skin::kMissingText ? std::string(fallback) : utf8(found);
    return replacePlaceholder(text, argument);
}

std::string modeName(int code) {
    return utf8(lighting::modeDisplayName(textLookup(), code));
}

model::TextLookup textLookup() {
    return skin::textLookupFor(languageIndex);
}

}  // namespace cli
