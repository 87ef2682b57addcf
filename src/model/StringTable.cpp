#include "StringTable.h"

namespace model {

void StringTable::release(std::size_t slot) {
    if (slot >= kSlotCount) return;
    totalBytes_ -= sizes_[slot];
    sizes_[slot] = 0;
    texts_[slot] = std::u16string();
}

void StringTable::store(std::size_t slot, std::u16string_view text) {
    if (slot >= kSlotCount) return;
    release(slot);
    const auto terminator = text.find(u'\0');
    if (terminator != std::u16string_view::npos) text = text.substr(0, terminator);
    texts_[slot] = std::u16string(text);
    sizes_[slot] = static_cast<std::uint32_t>((text.size() + 1) * sizeof(char16_t));
    totalBytes_ += sizes_[slot];
}

void StringTable::clear() {
    for (std::size_t slot = 0; slot < kSlotCount; ++slot) release(slot);
}

std::u16string_view StringTable::text(std::size_t slot) const {
    return slot < kSlotCount ? std::u16string_view(texts_[slot]) : std::u16string_view();
}

std::uint32_t StringTable::byteSize(std::size_t slot) const {
    return slot < kSlotCount ? sizes_[slot] : 0;
}

}  // namespace model
