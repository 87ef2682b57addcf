#include "AnswerScheduler.h"

#include <sys/prctl.h>

namespace usbgate::sim {

AnswerScheduler::~AnswerScheduler() {
    stop();
}

void AnswerScheduler::start() {
    std::lock_guard lock(mutex_);
    if (thread_.joinable()) return;
    stopping_ = false;
    thread_ = std::thread(&AnswerScheduler::run, this);
}

void AnswerScheduler::stop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        actions_.clear();
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void AnswerScheduler::schedule(uint32_t delayMs, std::function<void()> action) {
    {
        std::lock_guard lock(mutex_);
        if (stopping_) return;
        actions_.emplace(
            std::make_pair(Clock::now() + std::chrono::milliseconds(delayMs), sequence_++),
            std::move(action));
    }
    wake_.notify_one();
}

void AnswerScheduler::run() {
    // Answers are due at their stated latency; the default timer slack of the
    // kernel would add tens of microseconds to every delayed answer.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        if (actions_.empty()) {
            wake_.wait(lock);
            continue;
        }
        auto first = actions_.begin();
        const Clock::time_point due = first->first.first;
        if (due > Clock::now()) {
            waitUntil(lock, due);
            continue;
        }
        std::function<void()> action = std::move(first->second);
        actions_.erase(first);
        lock.unlock();
        action();
        lock.lock();
    }
}

void AnswerScheduler::waitUntil(std::unique_lock<std::mutex> &lock, Clock::time_point due) {
    // A timed sleep on a virtual machine wakes tens of microseconds late, which a
    // keyboard answering every millisecond would not. The thread sleeps until
    // shortly before the due time and yields the last stretch, then the loop looks
    // at the earliest action again (a sooner one or a stop may have come).
    if (due - Clock::now() > kYieldWindow) {
        wake_.wait_until(lock, due - kYieldWindow);
        return;
    }
    lock.unlock();
    while (Clock::now() < due) std::this_thread::yield();
    lock.lock();
}

}  // namespace usbgate::sim
