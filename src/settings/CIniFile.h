// One skin file of a skinned dialog: reads single values (up to 2047 characters)
// and writes one value when asked.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace app {

class CIniFile {
public:
    explicit CIniFile(std::filesystem::path file);

    // The value, or nothing when it is missing or empty.
    std::optional<std::u16string> read(std::u16string_view section, std::u16string_view key) const;
    bool write(std::u16string_view section, std::u16string_view key, std::u16string_view value);

    const std::filesystem::path &path() const { return file_; }

private:
    std::filesystem::path file_;
};

}  // namespace app
