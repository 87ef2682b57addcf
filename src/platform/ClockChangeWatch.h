// Notices when the system's wall clock is set (by the user, a time service or a
// time-zone-independent jump), the event the main window applies pending
// changes on. A timer file armed far in the future with cancel-on-set becomes
// readable, with the read failing as cancelled, whenever the realtime clock is
// set; the watch then arms itself again.
#pragma once

namespace platform {

class ClockChangeWatch {
public:
    ClockChangeWatch();
    ~ClockChangeWatch();
    ClockChangeWatch(const ClockChangeWatch &) = delete;
    ClockChangeWatch &operator=(const ClockChangeWatch &) = delete;

    // The descriptor to wait on for readability; -1 when it could not be made.
    int descriptor() const { return fd_; }
    // Whether the timer is armed and waiting for a clock change.
    bool isArmed() const;
    // Called when the descriptor is readable: true when the clock was set.
    // Arms the timer again either way.
    bool takeClockChange();

private:
    bool arm();

    int fd_ = -1;
};

}  // namespace platform
