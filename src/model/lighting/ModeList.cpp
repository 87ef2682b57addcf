#include "ModeList.h"

#include <algorithm>

#include "model/DecimalText.h"

namespace lighting {

void ModeList::build(std::span<const std::uint8_t, kModeSlotCount> modeBytes) {
    codes_.clear();
    for (std::uint8_t code : modeBytes)
        if (code != 0) codes_.push_back(code);
}

int ModeList::codeOf(int index) const {
    return index >= 0 && index < size() ? codes_[std::size_t(index)] : -1;
}

int ModeList::indexOf(int code) const {
    auto it = std::find(codes_.begin(), codes_.end(), code);
    return it == codes_.end() ? -1 : int(it - codes_.begin());
}

std::u16string modeDisplayName(const model::TextLookup &lookup, int code) {
    return lookup(u"MODE", model::decimalText(code));
}

}  // namespace lighting
