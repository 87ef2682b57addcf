#include "ui/skin/layout/SkinRect.h"

#include <climits>
#include <cstdint>
#include <optional>

#include "platform/IniFile.h"

namespace skin {
namespace {

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f';
}

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// One "%d" conversion: skips blanks, reads an optional sign and at least one digit.
// Advances `pos` past what it read; nothing when no number starts there.
std::optional<int> scanInt(std::u16string_view text, std::size_t &pos) {
    std::size_t at = pos;
    while (at < text.size() && isBlank(text[at])) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) {
        negative = text[at] == u'-';
        ++at;
    }
    if (at >= text.size() || !isDigit(text[at])) return std::nullopt;
    std::int64_t magnitude = 0;
    const std::int64_t limit = negative ? -static_cast<std::int64_t>(INT_MIN) : INT_MAX;
    for (; at < text.size() && isDigit(text[at]); ++at) {
        magnitude = magnitude * 10 + (text[at] - u'0');
        if (magnitude > limit) magnitude = limit;
    }
    pos = at;
    return static_cast<int>(negative ? -magnitude : magnitude);
}

}  // namespace

SkinRect parseSkinRect(std::u16string_view value) {
    SkinRect rect;
    int *fields[] = {&rect.x, &rect.y, &rect.w, &rect.h};
    std::size_t pos = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        if (i > 0) {
            if (pos >= value.size() || value[pos] != u',') break;
            ++pos;
        }
        const std::optional<int> number = scanInt(value, pos);
        if (!number) break;
        *fields[i] = *number;
    }
    return rect;
}

SkinRect readSkinRect(const std::filesystem::path &iniFile, std::u16string_view section,
                      std::u16string_view key) {
    return parseSkinRect(platform::readIniString(iniFile, section, key, kMissingRectValue,
                                                 platform::kIniShortBuffer));
}

}  // namespace skin
