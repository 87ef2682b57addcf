// Told about exchanges that wait long for their answer, on the thread that
// waits. The waiting thread may be the user-interface thread, blocked until the
// answer comes or the wait runs out: these calls are its only chance to show
// that the utility is working.
#pragma once

namespace devicelink {

class ExchangeWaitObserver {
public:
    virtual ~ExchangeWaitObserver() = default;

    // An exchange has waited the timing's busy notice since it started.
    virtual void exchangeStalled() = 0;
    // The stalled exchange is still waiting; repeated at the timing's busy
    // notice repeat.
    virtual void exchangeStillWaiting() = 0;
    // The stalled exchange has ended, with or without its answer.
    virtual void stalledExchangeEnded() = 0;
};

}  // namespace devicelink
