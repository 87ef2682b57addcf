#include "devicelink/AnswerMatch.h"

#include <algorithm>

namespace devicelink {

AnswerMatch::AnswerMatch(const Report &request) {
    std::copy_n(request.begin() + kCodeByte, kEchoSize, echo_.begin());
}

bool AnswerMatch::accepts(std::span<const std::uint8_t> answer) const {
    return answer.size() >= kReportSize &&
           std::equal(echo_.begin(), echo_.end(), answer.begin() + kCodeByte);
}

}  // namespace devicelink
