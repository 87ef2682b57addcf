#include "TextFold.h"

namespace platform {

char16_t foldCase(char16_t unit) {
    const auto shifted = [unit](int by) { return static_cast<char16_t>(unit + by); };
    if (unit >= u'A' && unit <= u'Z') return shifted(0x20);
    if (unit < 0xC0) return unit;
    if (unit <= 0xDE && unit != 0xD7) return shifted(0x20);                     // Latin-1 capitals
    if (unit >= 0x391 && unit <= 0x3AB && unit != 0x3A2) return shifted(0x20);  // Greek
    if (unit >= 0x400 && unit <= 0x40F) return shifted(0x50);                   // Cyrillic Ѐ..Џ
    if (unit >= 0x410 && unit <= 0x42F) return shifted(0x20);                   // Cyrillic А..Я
    return unit;
}

bool equalsIgnoringCase(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (foldCase(a[i]) != foldCase(b[i])) return false;
    }
    return true;
}

}  // namespace platform
