// The library's callback thread: delivers queued events to the callers'
// callbacks in order, building the event records they read.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "usbgate.h"

namespace usbgate {

struct PendingEvent {
    UsbgateCallback callback;
    uint32_t kind;
    uint32_t tag;
    uint32_t count;  // device count for kind 0; ignored for kind 1 (bytes.size())
    std::vector<uint8_t> bytes;
};

class CallbackDispatcher {
public:
    CallbackDispatcher() = default;
    ~CallbackDispatcher();
    CallbackDispatcher(const CallbackDispatcher &) = delete;
    CallbackDispatcher &operator=(const CallbackDispatcher &) = delete;

    void start();
    // Stops the thread; events still queued are discarded.
    void stop();
    void post(PendingEvent event);
    bool isCallbackThread() const;

private:
    void run(uint64_t generation);
    static void deliver(const PendingEvent &event);

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<PendingEvent> queue_;
    bool stopping_ = false;
    uint64_t generation_ = 0;
    std::thread thread_;
};

}  // namespace usbgate
