// A row of the profile manager's list: a profile file's name without folder and
// extension, and its folder; and the path the row stands for when the list is
// stored.
#pragma once

#include <filesystem>
#include <string>

namespace dialogs {

struct ProfileRow {
    std::u16string name;    // file name without folder and extension
    std::u16string folder;  // the folder, ending with a separator
};

ProfileRow profileRowOf(const std::filesystem::path &file);

// folder + name + ".vrp".
std::u16string storedProfilePath(const ProfileRow &row);

// The chosen file name with the ".vrp" extension when it has none.
std::filesystem::path withProfileExtension(const std::filesystem::path &file);

}  // namespace dialogs
