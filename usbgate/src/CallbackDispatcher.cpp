#include "CallbackDispatcher.h"

#include <cstring>

namespace usbgate {

CallbackDispatcher::~CallbackDispatcher() {
    stop();
}

void CallbackDispatcher::start() {
    std::lock_guard lock(mutex_);
    if (thread_.joinable()) return;
    stopping_ = false;
    thread_ = std::thread(&CallbackDispatcher::run, this, generation_);
}

void CallbackDispatcher::stop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        ++generation_;
        queue_.clear();
    }
    wake_.notify_all();
    if (!thread_.joinable()) return;
    // Stopped from inside a callback (End, or exit): the thread ends by itself
    // once that callback returns.
    if (isCallbackThread()) {
        thread_.detach();
    } else {
        thread_.join();
    }
}

void CallbackDispatcher::post(PendingEvent event) {
    {
        std::lock_guard lock(mutex_);
        if (stopping_ || !thread_.joinable()) return;
        queue_.push_back(std::move(event));
    }
    wake_.notify_one();
}

bool CallbackDispatcher::isCallbackThread() const {
    return std::this_thread::get_id() == thread_.get_id();
}

void CallbackDispatcher::run(uint64_t generation) {
    std::unique_lock lock(mutex_);
    for (;;) {
        // A thread detached by a stop from inside a callback must not take
        // events of a later start.
        auto finished = [&] { return stopping_ || generation != generation_; };
        wake_.wait(lock, [&] { return finished() || !queue_.empty(); });
        if (finished()) return;
        PendingEvent event = std::move(queue_.front());
        queue_.pop_front();
        lock.unlock();
        deliver(event);
        lock.lock();
    }
}

void CallbackDispatcher::deliver(const PendingEvent &event) {
    // The records live on this thread's stack for the duration of the call.
    UsbgateReportDetail detail;
    std::memset(&detail, 0, sizeof detail);
    detail.report = event.bytes.empty() ? nullptr : event.bytes.data();
    UsbgateRequestRecord request{};
    request.tag = event.tag;
    request.count =
        event.kind == USBGATE_EVENT_DATA ? static_cast<uint32_t>(event.bytes.size()) : event.count;
    request.data = detail.report;
    request.detail = &detail;
    UsbgateEvent record{};
    record.kind = event.kind;
    record.request = &request;
    event.callback(&record);
}

}  // namespace usbgate
