#include "FaultPlan.h"

namespace usbgate::sim {
namespace {

bool consume(uint32_t &counter) {
    if (counter == 0) return false;
    --counter;
    return true;
}

}  // namespace

void FaultPlan::statusNext(uint8_t status, uint32_t count) {
    statusValue_ = status;
    status_ = count;
}

void FaultPlan::delayNext(uint32_t ms, uint32_t count) {
    delayMs_ = ms;
    delay_ = count;
}

void FaultPlan::unplugAfter(uint32_t answers) {
    unplugCountdown_ = answers;
}

void FaultPlan::clear() {
    uint32_t latency = latencyMs_;
    *this = FaultPlan();
    latencyMs_ = latency;
}

AnswerFate FaultPlan::nextFate() {
    AnswerFate fate;
    if (consume(drop_)) {
        fate.deliver = false;
    } else if (consume(status_)) {
        fate.execute = false;
    } else if (consume(foreign_)) {
        fate.foreign = true;
    }
    fate.delayMs = consume(delay_) ? delayMs_ : latencyMs_;
    fate.unplugAfter = consume(unplugCountdown_) && unplugCountdown_ == 0;
    return fate;
}

void FaultPlan::alter(const AnswerFate &fate, Report &answer) const {
    const bool refused = !fate.execute;
    if (refused) answer[7] = statusValue_;
    // Another command's code: the host must not take it for its own answer.
    if (fate.foreign) answer[3] = static_cast<uint8_t>(answer[3] ^ 0x40);
    if (refused || fate.foreign) sealReport(answer);
}

}  // namespace usbgate::sim
