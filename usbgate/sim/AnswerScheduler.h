// Runs the simulated keyboard's actions (answers, unplugs) at their due time,
// in order, on a thread of its own.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <utility>

namespace usbgate::sim {

class AnswerScheduler {
public:
    using Clock = std::chrono::steady_clock;

    AnswerScheduler() = default;
    ~AnswerScheduler();
    AnswerScheduler(const AnswerScheduler &) = delete;
    AnswerScheduler &operator=(const AnswerScheduler &) = delete;

    void start();
    // Stops the thread; actions not yet due are dropped.
    void stop();
    void schedule(uint32_t delayMs, std::function<void()> action);

private:
    // How long before an action is due the thread stops sleeping and yields instead.
    static constexpr std::chrono::microseconds kYieldWindow{150};

    void run();
    void waitUntil(std::unique_lock<std::mutex> &lock, Clock::time_point due);

    std::mutex mutex_;
    std::condition_variable wake_;
    // Keyed by due time, then by order of scheduling.
    std::map<std::pair<Clock::time_point, uint64_t>, std::function<void()>> actions_;
    uint64_t sequence_ = 0;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace usbgate::sim
