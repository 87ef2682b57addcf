// Typed values under Windows-style key paths ("Software\\Bramwel_09A"), kept in
// one file under $XDG_CONFIG_HOME and written atomically. A value read with the
// wrong type behaves as it would on Windows: the typed read reports it missing.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

enum class RegistryType { None, Dword, String };

class Registry {
public:
    // Opens (or, on first write, creates) the store file.
    explicit Registry(std::filesystem::path storeFile);

    // $XDG_CONFIG_HOME (default ~/.config) + "/Tarvik Q770RGB-PRO/registry.ini".
    static std::filesystem::path defaultStoreFile();

    RegistryType typeOf(std::u16string_view keyPath, std::u16string_view name) const;
    std::optional<std::uint32_t> readDword(std::u16string_view keyPath,
                                           std::u16string_view name) const;
    std::optional<std::u16string> readString(std::u16string_view keyPath,
                                             std::u16string_view name) const;
    bool writeDword(std::u16string_view keyPath, std::u16string_view name, std::uint32_t value);
    bool writeString(std::u16string_view keyPath, std::u16string_view name,
                     std::u16string_view value);

    const std::filesystem::path &storeFile() const { return storeFile_; }

private:
    bool writeData(std::u16string_view keyPath, std::u16string_view name, const std::string &data);

    std::filesystem::path storeFile_;
};

}  // namespace platform
