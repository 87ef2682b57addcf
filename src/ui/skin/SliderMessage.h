// The message a slider sends its window while the user moves it: the first
// parameter is the slider's control id, the second its new position.
#pragma once

#include <cstdint>

namespace skin {

inline constexpr std::uint32_t kSliderMovedMessage = 0x28D1;

}  // namespace skin
