// Results of every device operation. 1 is the only success; callers treat any
// other value as a failed command.
#pragma once

#include <cstdint>

namespace devicelink {

inline constexpr std::int32_t kDone = 1;
// No keyboard present, or the wait for its answer failed.
inline constexpr std::int32_t kNoDevice = 0;
// The device library refused to write the report.
inline constexpr std::int32_t kWriteRefused = -1;
// No matching answer after every attempt (lost, foreign or unusably short answers).
inline constexpr std::int32_t kNoAnswer = -2;
// The keyboard answered with status 255 (busy) or 254 (refused).
inline constexpr std::int32_t kStatusBusy = -102;
inline constexpr std::int32_t kStatusRefused = -103;
// An argument addresses memory outside the keyboard's regions; nothing was sent.
inline constexpr std::int32_t kOutOfRange = -201;

}  // namespace devicelink
