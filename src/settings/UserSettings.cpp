#include "settings/UserSettings.h"

#include "platform/IniFile.h"

namespace app {
namespace {

constexpr std::u16string_view kSection = u"KEYCOLOR";
constexpr std::u16string_view kSwitchKey = u"DengCheck";

}  // namespace

UserSettings::UserSettings(std::filesystem::path settingsFile) : file_(std::move(settingsFile)) {}

bool UserSettings::lightingViewSwitch() const {
    return platform::readIniInt(file_, kSection, kSwitchKey, 0) == 1;
}

bool UserSettings::setLightingViewSwitch(bool on) {
    return platform::writeIniString(file_, kSection, kSwitchKey, on ? u"1" : u"0");
}

}  // namespace app
