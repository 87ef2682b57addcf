// The per-user folder under the user's data folder and the files in it: the
// settings file, the user lighting files (one per on-board profile) and the
// profile data files.
#pragma once

#include <filesystem>

namespace app {

struct UserPaths {
    std::filesystem::path dataHome;
    std::filesystem::path userFolder;          // <data home>/Tarvik Q770RGB-PRO
    std::filesystem::path settingsFile;        // tvkb.ini
    std::filesystem::path userLightingPrefix;  // ".../UserDengColor_"

    static UserPaths build(const std::filesystem::path &dataHome);
    // From $XDG_DATA_HOME (default ~/.local/share).
    static UserPaths forCurrentUser();

    // UserDengColor_<profile>.userd, profile 0..2.
    std::filesystem::path userLightingFile(int profile) const;
    // $Profile<n>, the profile data file of the key configuration.
    std::filesystem::path profileDataFile(int number) const;
};

}  // namespace app
