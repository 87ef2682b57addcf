// The vendor web address: section "SCREEN", key "Link" of the main skin file, read
// into a 260-character buffer; the built-in address when the value is missing or
// empty.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace app {

inline constexpr std::u16string_view kDefaultVendorLink = u"https://www.tarvik.example/";

std::u16string readVendorLink(const std::filesystem::path &mainSkinFile);

}  // namespace app
