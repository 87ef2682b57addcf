// The launch-program and text-block strings of the key records: one slot per
// record (global record index), each a UTF-16 text and its size in bytes
// including the terminator (0 = no string), plus the total of all sizes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace model {

class StringTable {
public:
    static constexpr std::size_t kSlotCount = 2048;

    // Frees the slot's text and subtracts its size from the total.
    void release(std::size_t slot);
    // Replaces the slot's text with a copy of text, cut at its first NUL.
    void store(std::size_t slot, std::u16string_view text);
    void clear();

    bool has(std::size_t slot) const { return byteSize(slot) != 0; }
    std::u16string_view text(std::size_t slot) const;
    std::uint32_t byteSize(std::size_t slot) const;
    std::uint32_t totalBytes() const { return totalBytes_; }

    bool operator==(const StringTable &) const = default;

private:
    std::array<std::u16string, kSlotCount> texts_{};
    std::array<std::uint32_t, kSlotCount> sizes_{};
    std::uint32_t totalBytes_ = 0;
};

}  // namespace model
