// The per-user folder under the user's data folder and the files in it: the
// settings file, the user lighting files (one per on-board profile) and the
// profile data files.
#pragma once

#include <filesystem>

namespace app {

struct UserPaths {
    std::filesystem::path dataHome;
    std::filesystem::path userFolder;    // <data home>/Tarvik Q770RGB-PRO
    std::filesystem::path settingsFile;  // tvkb.ini

    static UserPaths build(const std::filesystem::path &dataHome);
    // From $XDG_DATA_HOME (default ~/.local/share).
    static UserPaths forCurrentUser();

    // UserDengColor_<profile>.userd, profile 0..2.
    std::filesystem::path userLightingFile(int profile) const;
    // $Profile<n>, the profile data file of the key configuration.
    std::filesystem::path profileDataFile(int number) const;
};

// UserDengColor_<number>.userd in the folder: the per-user lighting files
// (0..2) and the template they are seeded from (3).
std::filesystem::path lightingFileIn(const std::filesystem::path &folder, int number);

}  // namespace app
