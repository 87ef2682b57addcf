#include "TestTexts.h"

namespace model::test {

TextLookup testTexts() {
    return [](std::u16string_view section, std::u16string_view key) -> std::u16string {
        if (section != u"TEXT") return u"#Error";
        if (key == u"UNKNOWN_KEY") return u"Key 0x%03X";
        if (key == u"KEY_PROMPT_SET") return u" (set";
        if (key == u"IDS_KEYBOARD_SYSREQ") return u"";  // a key whose text is missing
        return u"<" + std::u16string(key) + u">";
    };
}

std::string narrow(const std::u16string &text) {
    std::string result;
    for (char16_t unit : text) result.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
    return result;
}

}  // namespace model::test
