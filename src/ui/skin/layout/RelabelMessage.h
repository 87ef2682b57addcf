// The message by which a window sets every text of its controls again: message
// 0x5041 ("PA") with the first parameter "LANG" and the language index as the second.
#pragma once

#include <cstdint>

namespace skin {

inline constexpr std::uint32_t kRelabelMessage = 0x5041;
inline constexpr std::uint32_t kRelabelTag = 0x4C414E47;

// Messages with the relabel number but another first parameter are not relabel requests.
constexpr bool isRelabelRequest(std::uint32_t message, std::uint64_t firstParameter) {
    return message == kRelabelMessage && firstParameter == kRelabelTag;
}

}  // namespace skin
