#include "KeyButtons.h"

namespace model {

std::optional<int> extraKeyButtonPosition(int controlId) {
    for (std::size_t j = 0; j < kExtraKeyButtonIds.size(); ++j) {
        if (kExtraKeyButtonIds[j] == controlId) return static_cast<int>(j);
    }
    return std::nullopt;
}

std::optional<std::uint16_t> recordIndexForButton(int controlId, bool bankB) {
    if (const auto position = extraKeyButtonPosition(controlId)) {
        return extraKeyRecordIndex(*position, bankB);
    }
    for (const auto &button : kKeyButtons) {
        if (button.controlId == controlId) return rowOfKeyCode(button.keyCode);
    }
    return std::nullopt;
}

std::u16string extraKeyCaption(int position, bool bankB) {
    if (position < 0 || position >= kExtraKeysPerBank) return {};
    return {bankB ? u'B' : u'A', static_cast<char16_t>(u'1' + position)};
}

}  // namespace model
