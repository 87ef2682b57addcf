#include "ui/dialogs/ProfileRows.h"

namespace dialogs {

ProfileRow profileRowOf(const std::filesystem::path &file) {
    ProfileRow row;
    row.name = file.stem().u16string();
    std::u16string folder = file.parent_path().u16string();
    if (folder.empty() || folder.back() != u'/') folder += u'/';
    row.folder = std::move(folder);
    return row;
}

std::u16string storedProfilePath(const ProfileRow &row) {
    return row.folder + row.name + u".vrp";
}

std::filesystem::path withProfileExtension(const std::filesystem::path &file) {
    if (file.empty() || file.has_extension()) return file;
    std::filesystem::path named = file;
    named += ".vrp";
    return named;
}

}  // namespace dialogs
