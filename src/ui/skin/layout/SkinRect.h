// Control rectangles of the skin files: section "BUTTONINFO" (and "BUTTONINFO2")
// values of the form "x,y,w,h" in client coordinates of the parent window.
#pragma once

#include <filesystem>
#include <string_view>

namespace skin {

inline constexpr std::u16string_view kButtonInfoSection = u"BUTTONINFO";
inline constexpr std::u16string_view kButtonInfo2Section = u"BUTTONINFO2";
inline constexpr std::u16string_view kScreenSection = u"SCREEN";

// What a missing key reads as: x = y = w = h = 1.
inline constexpr std::u16string_view kMissingRectValue = u"1,1,1,1,x";

struct SkinRect {
    int x = 1;
    int y = 1;
    int w = 1;
    int h = 1;

    // A control placed at (1, 1) came from a missing key; image buttons there are disabled.
    bool isAtMissingKeyPosition() const { return x == 1 && y == 1; }
    bool operator==(const SkinRect &) const = default;
};

// Parses "%d,%d,%d,%d": each number may have leading blanks and a sign, the commas
// must follow the numbers directly, and anything after the fourth number is ignored.
// Parsing stops at the first field that does not match; the fields from there on keep
// the missing-key value 1. Numbers beyond the int range saturate.
SkinRect parseSkinRect(std::u16string_view value);

// Reads one rectangle from a skin file; a missing file or key gives (1, 1, 1, 1).
SkinRect readSkinRect(const std::filesystem::path &iniFile, std::u16string_view section,
                      std::u16string_view key);

}  // namespace skin
