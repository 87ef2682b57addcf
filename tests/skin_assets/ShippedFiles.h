// Access to the files the build puts beside the executable, and to the lists of
// keys, pictures and texts the windows ask for.
#pragma once

#include <QImage>
#include <filesystem>
#include <string>
#include <vector>

namespace shipped {

// The folder that holds the executable, Skins/ and Lang0409.ini.
std::filesystem::path binFolder();
std::filesystem::path skinFolder();

// The non-comment, non-empty lines of one of the lists, split at blanks.
std::vector<std::vector<std::string>> requiredList(const std::string &fileName);

// Reads a value from an INI file, telling a missing key from an empty value.
bool hasIniKey(const std::filesystem::path &file, const std::string &section,
               const std::string &key);
std::string iniValue(const std::filesystem::path &file, const std::string &section,
                     const std::string &key);

QImage loadSkinPicture(const std::string &fileName);

}  // namespace shipped
