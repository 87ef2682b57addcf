// Every visible text comes from the language file "Lang%04X.ini" beside the
// executable, found by key in section "TEXT", "LIGHT" (lighting panel labels) or
// "MODE" (lighting mode names). Nothing is cached: an edited language file takes
// effect on the next lookup.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "model/TextLookup.h"

namespace skin {

inline constexpr std::u16string_view kTextSection = u"TEXT";
inline constexpr std::u16string_view kLightSection = u"LIGHT";
inline constexpr std::u16string_view kModeSection = u"MODE";

// Shown wherever a text key or the language file is missing.
inline constexpr std::u16string_view kMissingText = u"#Error";

// The languages the utility ships, by language index. Only the first three are ever
// chosen; the fourth entry is a terminator.
inline constexpr std::array<std::uint16_t, 4> kSupportedLanguages{0x0409, 0x0409, 0x0409, 0};

// The language id of a language index; an index outside 0..3 selects entry 0.
std::uint16_t supportedLanguageId(int languageIndex);

// "Lang%04X.ini": 0x0409 gives "Lang0409.ini".
std::string languageFileName(std::uint16_t languageId);

// The folder that holds the language files. Defaults to the executable's folder;
// start-up (or a test) may point it elsewhere. Safe to call from any thread.
void setLanguageFolder(const std::filesystem::path &folder);
std::filesystem::path languageFolder();

// The language file a language index reads.
std::filesystem::path languageFilePath(int languageIndex);

// The text under `key` of `section` for the language index: the value itself (at
// most 259 characters; a present key with an empty value gives the empty text), or
// "#Error" when the key or the file is missing.
std::u16string lookupSectionText(std::u16string_view section, std::u16string_view key,
                                 int languageIndex);

// The three entry points, one per section.
std::u16string lookupText(std::u16string_view key, int languageIndex);
std::u16string lookupLightText(std::u16string_view key, int languageIndex);
std::u16string lookupModeText(std::u16string_view key, int languageIndex);

using LanguageIndexSource = std::function<int()>;

// The lookup the model is given, in the language the source names at each lookup.
model::TextLookup textLookupFor(LanguageIndexSource languageIndex);

}  // namespace skin
