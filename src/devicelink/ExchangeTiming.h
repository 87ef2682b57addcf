// Every wait of the report transport and the command set, given to them as one
// value so that tests can run the same code with short waits.
#pragma once

#include <chrono>

namespace devicelink {

struct ExchangeTiming {
    // Longest wait for an answer to one written report.
    std::chrono::milliseconds answerWait{1000};
    // Pause before a report is written again after a lost, foreign or busy answer.
    std::chrono::milliseconds retryPause{10};
    // Back-off of an exchange that finds the previous one still pending.
    std::chrono::milliseconds pendingBackoff{1001};
    // Pause before the report that closes a command group.
    std::chrono::milliseconds endCommandPause{10};
    // Number of times one report is written before the exchange gives up.
    int attempts = 3;
    // How long an exchange waits, from its start, before it is reported as
    // stalled (so the window can show that it is busy), and how often it is
    // reported again while it still waits.
    std::chrono::milliseconds busyNotice{150};
    std::chrono::milliseconds busyNoticeRepeat{50};
};

}  // namespace devicelink
