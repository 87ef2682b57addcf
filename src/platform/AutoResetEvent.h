// An event that wakes one waiter and then resets itself, with a timed wait.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace platform {

class AutoResetEvent {
public:
    explicit AutoResetEvent(bool signalled = false) : signalled_(signalled) {}

    void set();
    void reset();
    // True when the event was signalled within the timeout; the wait consumes it.
    bool wait(std::chrono::milliseconds timeout);

private:
    std::mutex mutex_;
    std::condition_variable condition_;
    bool signalled_;
};

}  // namespace platform
