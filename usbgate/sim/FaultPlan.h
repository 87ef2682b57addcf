// Faults the simulated keyboard applies to its next answers, for tests.
#pragma once

#include <cstdint>

#include "Firmware.h"

namespace usbgate::sim {

struct AnswerFate {
    bool deliver = true;
    bool execute = true;   // false when the keyboard refuses without acting
    bool foreign = false;  // answered with another command's code
    uint32_t delayMs = 0;
    bool unplugAfter = false;  // unplug once this answer is out
};

class FaultPlan {
public:
    void dropNext(uint32_t count) { drop_ = count; }
    void foreignNext(uint32_t count) { foreign_ = count; }
    void statusNext(uint8_t status, uint32_t count);
    void delayNext(uint32_t ms, uint32_t count);
    // Unplugs once `answers` (at least 1) more answers are out.
    void unplugAfter(uint32_t answers);
    void setLatency(uint32_t ms) { latencyMs_ = ms; }
    void clear();

    // Decides what happens to the answer of the request about to be handled.
    AnswerFate nextFate();
    // Changes the answer as its fate says (refusing status, foreign code).
    void alter(const AnswerFate &fate, Report &answer) const;

private:
    uint32_t drop_ = 0;
    uint32_t foreign_ = 0;
    uint32_t status_ = 0;
    uint8_t statusValue_ = kStatusRefused;
    uint32_t delay_ = 0;
    uint32_t delayMs_ = 0;
    uint32_t unplugCountdown_ = 0;  // answers until the unplug, 0 = none
    uint32_t latencyMs_ = 0;
};

}  // namespace usbgate::sim
