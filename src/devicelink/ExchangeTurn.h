// One exchange at a time: the lock exchanges take their turn with. A thread
// waiting for its turn can wake at set times (to report that it waits), and
// thread checkers see every wait of it, being made of a mutex, a flag and a
// condition variable. Lockable, so std::unique_lock works with it.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace devicelink {

class ExchangeTurn {
public:
    void lock();
    // False when the turn is still taken at `deadline`.
    bool try_lock_until(std::chrono::steady_clock::time_point deadline);
    void unlock();

private:
    std::mutex mutex_;
    std::condition_variable released_;
    bool taken_ = false;
};

}  // namespace devicelink
