#include "devicelink/ExchangeState.h"

#include <algorithm>

namespace devicelink {

bool ExchangeState::isPending() const {
    std::lock_guard lock(mutex_);
    return pending_;
}

void ExchangeState::publish(std::uint8_t *answer, std::uint32_t capacity,
                            const AnswerMatch &match) {
    std::lock_guard lock(mutex_);
    match_ = match;
    answer_ = answer;
    capacity_ = answer ? capacity : 0;
    received_ = 0;
    signalled_ = false;
    pending_ = true;
}

void ExchangeState::clearPending() {
    std::lock_guard lock(mutex_);
    pending_ = false;
    signalled_ = false;
}

bool ExchangeState::awaitAnswer(std::chrono::steady_clock::time_point deadline) {
    std::unique_lock lock(mutex_);
    return answered_.wait_until(lock, deadline, [this] { return signalled_; });
}

ExchangeState::WaitResult ExchangeState::endWait() {
    std::lock_guard lock(mutex_);
    const bool answered = signalled_;
    signalled_ = false;
    pending_ = false;
    return answered ? WaitResult::Answered : WaitResult::TimedOut;
}

bool ExchangeState::deliver(std::span<const std::uint8_t> data) {
    {
        std::lock_guard lock(mutex_);
        if (!pending_ || !match_->accepts(data)) return false;
        const std::size_t copied = std::min<std::size_t>(data.size(), capacity_);
        std::copy_n(data.begin(), copied, answer_);
        received_ = static_cast<std::uint32_t>(copied);
        signalled_ = true;
    }
    answered_.notify_one();
    return true;
}

std::uint32_t ExchangeState::receivedLength() const {
    std::lock_guard lock(mutex_);
    return received_;
}

}  // namespace devicelink
