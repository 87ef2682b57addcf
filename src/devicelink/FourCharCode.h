// Four-character constants: up to four letters packed into 32 bits with the
// first letter in the most significant used byte ("LED" = 0x004C4544).
#pragma once

#include <cstdint>
#include <string_view>

namespace devicelink {

constexpr std::uint32_t fourCharCode(std::string_view letters) {
    std::uint32_t value = 0;
    for (char letter : letters) value = (value << 8) | static_cast<std::uint8_t>(letter);
    return value;
}

// Tags of the library registrations.
inline constexpr std::uint32_t kTagCtrl = fourCharCode("CTRL");
inline constexpr std::uint32_t kTagCons = fourCharCode("CONS");
inline constexpr std::uint32_t kTagLed = fourCharCode("LED");

static_assert(kTagCtrl == 0x4354524C);
static_assert(kTagCons == 0x434F4E53);
static_assert(kTagLed == 0x004C4544);

}  // namespace devicelink
