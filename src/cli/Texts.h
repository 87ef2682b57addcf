// Texts varnelctl shows: the language file's text where the window has one, so
// both speak the same words; otherwise varnelctl's own English wording.
#pragma once

#include <string>
#include <string_view>

#include "model/TextLookup.h"

namespace cli {

// The language file's text under `key` of section "TEXT", or `fallback` when the
// file or the key is missing. A "%s" in the text is replaced by `argument`.
std::string languageText(std::u16string_view key, std::string_view fallback,
                         std::string_view argument = {});

// The name the window offers a lighting mode under ("MODE" section).
std::string modeName(int code);

// The lookup the model's code is given.
model::TextLookup textLookup();

std::string utf8(std::u16string_view text);

}  // namespace cli
