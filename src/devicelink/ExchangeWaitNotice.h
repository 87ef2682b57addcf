// The busy notices of one exchange: tells the observer once the exchange has
// waited the busy notice since it started, then at every repeat while it still
// waits, and once when it ends after having been reported stalled.
#pragma once

#include <chrono>

#include "devicelink/ExchangeTiming.h"
#include "devicelink/ExchangeWaitObserver.h"

namespace devicelink {

class ExchangeWaitNotice {
public:
    using Clock = std::chrono::steady_clock;

    // The exchange starts now; no observer means no notices.
    ExchangeWaitNotice(ExchangeWaitObserver *observer, const ExchangeTiming &timing);
    ~ExchangeWaitNotice();
    ExchangeWaitNotice(const ExchangeWaitNotice &) = delete;
    ExchangeWaitNotice &operator=(const ExchangeWaitNotice &) = delete;

    bool observed() const { return observer_ != nullptr; }
    // When the next notice falls due.
    Clock::time_point nextNotice() const { return next_; }
    // When a wait that ends at `deadline` must wake to give the next notice.
    Clock::time_point wakeBefore(Clock::time_point deadline) const;
    // Gives the notice that is due, if any.
    void giveDueNotice();

private:
    ExchangeWaitObserver *observer_;
    std::chrono::milliseconds repeat_;
    Clock::time_point next_;
    bool stalled_ = false;
};

}  // namespace devicelink
