// The per-user settings file tvkb.ini. Section "KEYCOLOR", key "DengCheck" holds
// the lighting view switch: "1" on, "0" off; a missing file or key reads as "0".
#pragma once

#include <filesystem>

namespace app {

class UserSettings {
public:
    explicit UserSettings(std::filesystem::path settingsFile);

    // On when the value reads as the number 1.
    bool lightingViewSwitch() const;
    bool setLightingViewSwitch(bool on);

    const std::filesystem::path &file() const { return file_; }

private:
    std::filesystem::path file_;
};

}  // namespace app
