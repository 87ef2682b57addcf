#include "ui/skin/layout/LanguageText.h"

#include <mutex>

#include "platform/Folders.h"
#include "platform/IniFile.h"
#include "settings/AppPaths.h"

namespace skin {
namespace {

struct LanguageFolderSetting {
    std::mutex mutex;
    std::filesystem::path folder;
    bool set = false;
};

LanguageFolderSetting &folderSetting() {
    static LanguageFolderSetting setting;
    return setting;
}

}  // namespace

std::uint16_t supportedLanguageId(int languageIndex) {
    const bool inTable =
        languageIndex >= 0 && static_cast<std::size_t>(languageIndex) < kSupportedLanguages.size();
    return kSupportedLanguages[inTable ? static_cast<std::size_t>(languageIndex) : 0];
}

std::string languageFileName(std::uint16_t languageId) {
    return app::languageFileName(languageId);
}

void setLanguageFolder(const std::filesystem::path &folder) {
    LanguageFolderSetting &setting = folderSetting();
    std::lock_guard lock(setting.mutex);
    setting.folder = folder;
    setting.set = true;
}

std::filesystem::path languageFolder() {
    LanguageFolderSetting &setting = folderSetting();
    std::lock_guard lock(setting.mutex);
    if (!setting.set) {
        setting.folder = platform::applicationFolder();
        setting.set = true;
    }
    return setting.folder;
}

std::filesystem::path languageFilePath(int languageIndex) {
    return languageFolder() / languageFileName(supportedLanguageId(languageIndex));
}

std::u16string lookupSectionText(std::u16string_view section, std::u16string_view key,
                                 int languageIndex) {
    return platform::readIniString(languageFilePath(languageIndex), section, key, kMissingText,
                                   platform::kIniShortBuffer);
}

std::u16string lookupText(std::u16string_view key, int languageIndex) {
    return lookupSectionText(kTextSection, key, languageIndex);
}

std::u16string lookupLightText(std::u16string_view key, int languageIndex) {
    return lookupSectionText(kLightSection, key, languageIndex);
}

std::u16string lookupModeText(std::u16string_view key, int languageIndex) {
    return lookupSectionText(kModeSection, key, languageIndex);
}

model::TextLookup textLookupFor(LanguageIndexSource languageIndex) {
    return [languageIndex = std::move(languageIndex)](std::u16string_view section,
                                                      std::u16string_view key) {
        return lookupSectionText(section, key, languageIndex());
    };
}

}  // namespace skin
