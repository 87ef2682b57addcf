// Private-profile INI files with the semantics the skin, language, settings and
// lighting files were written for: case-insensitive sections and keys, the
// caller's default when the file, section or key is missing, values trimmed and
// cut to the caller's buffer size, and writes that keep every other line.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

class IniDocument;

// Buffer sizes the callers use, in characters including the terminator: a read
// returns at most bufferSize - 1 characters.
inline constexpr std::size_t kIniShortBuffer = 260;
inline constexpr std::size_t kIniLongBuffer = 2048;

// Reads one value. A present key with an empty value gives the empty text; a
// value wholly inside one pair of matching quotes is given without them.
std::u16string readIniString(const std::filesystem::path &file, std::u16string_view section,
                             std::u16string_view key, std::u16string_view fallback,
                             std::size_t bufferSize = kIniShortBuffer);

// The same read from a document already loaded, for several values of one file
// read from one loading of it.
std::u16string readIniString(const IniDocument &document, std::u16string_view section,
                             std::u16string_view key, std::u16string_view fallback,
                             std::size_t bufferSize = kIniShortBuffer);

// Reads one value as a number the way the Windows integer read does: leading
// decimal digits (optional sign), or the fallback when the key is missing.
int readIniInt(const std::filesystem::path &file, std::u16string_view section,
               std::u16string_view key, int fallback);

// Writes one value, creating the file and section when missing and replacing
// only that key. The file is replaced atomically. Returns false on failure,
// leaving the previous file whole.
bool writeIniString(const std::filesystem::path &file, std::u16string_view section,
                    std::u16string_view key, std::u16string_view value);

// Removes one key (the Windows write with a null value). Returns false on failure.
bool deleteIniKey(const std::filesystem::path &file, std::u16string_view section,
                  std::u16string_view key);

}  // namespace platform
