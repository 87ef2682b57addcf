#include "devicelink/ExchangeTurn.h"

namespace devicelink {

void ExchangeTurn::lock() {
    std::unique_lock lock(mutex_);
    released_.wait(lock, [this] { return !taken_; });
    taken_ = true;
}

bool ExchangeTurn::try_lock_until(std::chrono::steady_clock::time_point deadline) {
    std::unique_lock lock(mutex_);
    if (!released_.wait_until(lock, deadline, [this] { return !taken_; })) return false;
    taken_ = true;
    return true;
}

void ExchangeTurn::unlock() {
    {
        std::lock_guard lock(mutex_);
        taken_ = false;
    }
    released_.notify_one();
}

}  // namespace devicelink
