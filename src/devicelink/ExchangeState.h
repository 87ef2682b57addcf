// The state one exchange shares with the library's callback thread: whether an
// answer is awaited, where it goes, how much of it fits, how much arrived, and
// the auto-reset "answer arrived" signal.
//
// All of it is guarded by one mutex, so the callback can never copy into an
// answer buffer after the exchange has given up on it and returned, and a
// report that does not answer the waiting exchange never reaches its buffer.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <span>

#include "devicelink/AnswerMatch.h"

namespace devicelink {

class ExchangeState {
public:
    enum class WaitResult { Answered, TimedOut };

    bool isPending() const;

    // Publishes where the next answer goes and which report answers, resets
    // the signal and sets pending.
    void publish(std::uint8_t *answer, std::uint32_t capacity, const AnswerMatch &match);

    void clearPending();

    // Waits until the signal or `deadline` and leaves the exchange pending
    // (true = signalled), so a caller can wake on the way without losing the
    // answer.
    bool awaitAnswer(std::chrono::steady_clock::time_point deadline);
    // Ends the wait: an answer ends the pending state, so nothing more is
    // copied into the buffer while the exchange examines it.
    WaitResult endWait();

    // Called by the callback thread: copies at most the published capacity
    // while pending, records the copied length and signals. Returns false
    // (dropping the data) when nothing is pending or the data does not answer
    // the waiting exchange; the exchange then goes on waiting.
    bool deliver(std::span<const std::uint8_t> data);

    std::uint32_t receivedLength() const;

private:
    mutable std::mutex mutex_;
    std::condition_variable answered_;
    bool pending_ = false;
    bool signalled_ = false;
    std::optional<AnswerMatch> match_;
    std::uint8_t *answer_ = nullptr;
    std::uint32_t capacity_ = 0;
    std::uint32_t received_ = 0;
};

}  // namespace devicelink
