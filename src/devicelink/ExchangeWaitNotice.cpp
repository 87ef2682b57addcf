#include "devicelink/ExchangeWaitNotice.h"

#include <algorithm>

namespace devicelink {

ExchangeWaitNotice::ExchangeWaitNotice(ExchangeWaitObserver *observer, const ExchangeTiming &timing)
    : observer_(observer),
      repeat_(timing.busyNoticeRepeat),
      next_(Clock::now() + timing.busyNotice) {}

ExchangeWaitNotice::~ExchangeWaitNotice() {
    if (stalled_) observer_->stalledExchangeEnded();
}

ExchangeWaitNotice::Clock::time_point ExchangeWaitNotice::wakeBefore(
    Clock::time_point deadline) const {
    return observed() ? std::min(deadline, next_) : deadline;
}

void ExchangeWaitNotice::giveDueNotice() {
    const Clock::time_point now = Clock::now();
    if (!observed() || now < next_) return;
    if (stalled_) {
        observer_->exchangeStillWaiting();
    } else {
        stalled_ = true;
        observer_->exchangeStalled();
    }
    next_ = now + repeat_;
}

}  // namespace devicelink
