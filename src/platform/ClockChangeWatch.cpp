#include "platform/ClockChangeWatch.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace platform {
namespace {

// An expiry no running program reaches (the year 2400); only a clock change ends the wait.
constexpr time_t kFarFuture = 13569465600;

}  // namespace

ClockChangeWatch::ClockChangeWatch()
    : fd_(::timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC)) {
    if (fd_ >= 0 && !arm()) {
        ::close(fd_);
        fd_ = -1;
    }
}

ClockChangeWatch::~ClockChangeWatch() {
    if (fd_ >= 0) ::close(fd_);
}

bool ClockChangeWatch::arm() {
    itimerspec expiry{};
    expiry.it_value.tv_sec = kFarFuture;
    return ::timerfd_settime(fd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &expiry, nullptr) ==
           0;
}

bool ClockChangeWatch::isArmed() const {
    itimerspec current{};
    if (fd_ < 0 || ::timerfd_gettime(fd_, &current) != 0) return false;
    return current.it_value.tv_sec != 0 || current.it_value.tv_nsec != 0;
}

bool ClockChangeWatch::takeClockChange() {
    if (fd_ < 0) return false;
    std::uint64_t expirations = 0;
    ssize_t got = 0;
    do {
        got = ::read(fd_, &expirations, sizeof expirations);
    } while (got < 0 && errno == EINTR);
    const bool clockWasSet = got < 0 && errno == ECANCELED;
    arm();
    return clockWasSet;
}

}  // namespace platform
