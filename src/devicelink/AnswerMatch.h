// Which incoming report answers the exchange that waits for it.
//
// The keyboard echoes a request's code, length and offset (bytes 3..6) in its
// answer and always answers with a whole 64-byte report. An answer that echoes
// other bytes belongs to an earlier exchange (it came after that exchange gave
// up on it); a shorter one is broken. Neither may be taken for the answer.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "devicelink/ReportFrame.h"

namespace devicelink {

class AnswerMatch {
public:
    explicit AnswerMatch(const Report &request);

    bool accepts(std::span<const std::uint8_t> answer) const;

private:
    static constexpr std::size_t kEchoSize = kOffsetHighByte - kCodeByte + 1;

    std::array<std::uint8_t, kEchoSize> echo_{};
};

}  // namespace devicelink
