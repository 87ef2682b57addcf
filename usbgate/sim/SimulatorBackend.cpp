#include "SimulatorBackend.h"

#include <algorithm>
#include <cstdlib>

#include "../control/SocketPath.h"
#include "../src/Diagnostics.h"
#include "ControlInterpreter.h"
#include "MemoryDump.h"

namespace usbgate::sim {

SimulatorSettings SimulatorSettings::fromEnvironment() {
    SimulatorSettings settings;
    settings.statePath = defaultStatePath();
    settings.socketPath = simulatorSocketPath();
    if (const char *firmware = std::getenv("USBGATE_SIM_FIRMWARE")) {
        char *end = nullptr;
        unsigned long version = std::strtoul(firmware, &end, 0);
        if (end != firmware && *end == '\0' && version <= 0xFFFF) {
            settings.firmware = static_cast<uint16_t>(version);
        } else {
            diagnose(Level::Error,
                     "USBGATE_SIM_FIRMWARE=\"%s\" is not a version 0..0xFFFF; ignored", firmware);
        }
    }
    const char *plugged = std::getenv("USBGATE_SIM_PLUGGED");
    const std::string pluggedText = plugged ? plugged : "1";
    settings.denied = pluggedText == "denied";
    settings.plugged = pluggedText != "0" && !settings.denied;
    return settings;
}

SimulatorBackend::SimulatorBackend() : SimulatorBackend(SimulatorSettings::fromEnvironment()) {}

SimulatorBackend::SimulatorBackend(SimulatorSettings settings)
    : settings_(std::move(settings)),
      memory_(factoryMemory()),
      stateFile_(settings_.statePath),
      plugged_(settings_.plugged),
      denied_(settings_.denied) {}

SimulatorBackend::~SimulatorBackend() {
    stop();
}

bool SimulatorBackend::start(BackendSink &sink) {
    {
        std::lock_guard lock(mutex_);
        stateFile_.load(memory_);
        if (settings_.firmware) memory_.setFirmware(*settings_.firmware);
        sink_ = &sink;
    }
    scheduler_.start();
    if (!settings_.socketPath.empty()) {
        server_ = std::make_unique<ControlServer>(
            [this](const std::string &line) { return interpretControlLine(*this, line); });
        if (!server_->start(settings_.socketPath)) server_.reset();
    }
    return true;
}

void SimulatorBackend::stop() {
    if (server_) server_->stop();
    server_.reset();
    scheduler_.stop();
    std::lock_guard lock(mutex_);
    if (dirty_) persistLocked();
    sink_ = nullptr;
}

uint32_t SimulatorBackend::deviceCount(Collection /*collection*/) {
    std::lock_guard lock(mutex_);
    return plugged_ && !leaving_ ? 1 : 0;
}

uint32_t SimulatorBackend::deniedNodeCount() {
    std::lock_guard lock(mutex_);
    return denied_ ? 1 : 0;
}

bool SimulatorBackend::writeReport(Collection collection, const uint8_t *bytes, size_t length) {
    if (collection == Collection::Status) return setFeature(collection, bytes, length);
    if (collection != Collection::Vendor) return false;
    AnswerFate fate;
    Report answer;
    {
        std::lock_guard lock(mutex_);
        if (!plugged_ || leaving_) return false;
        ++stats_[length > 3 ? bytes[3] : 0];
        fate = faults_.nextFate();
        if (fate.execute) {
            CommandResult result = firmware_.handle(bytes, length);
            answer = result.answer;
            dirty_ = dirty_ || result.memoryChanged;
            // Keep the file current at the end of every group and for lone writes.
            if (dirty_ && (result.groupClosed || !firmware_.groupOpen())) persistLocked();
        } else {
            answer = Firmware::echo(bytes, length, kStatusOk);
        }
        faults_.alter(fate, answer);
        // A keyboard that leaves after this answer takes no further report,
        // even before its removal has been announced.
        leaving_ = fate.unplugAfter;
    }
    deliverAnswer(fate, answer);
    return true;
}

void SimulatorBackend::deliverAnswer(const AnswerFate &fate, const Report &answer) {
    if (fate.deliver && fate.delayMs == 0 && !fate.unplugAfter) {
        std::lock_guard lock(mutex_);
        if (sink_) sink_->onReport(Collection::Vendor, answer.data(), answer.size());
        return;
    }
    if (fate.deliver) {
        scheduler_.schedule(fate.delayMs, [this, answer] {
            std::lock_guard lock(mutex_);
            if (sink_ && plugged_)
                sink_->onReport(Collection::Vendor, answer.data(), answer.size());
        });
    }
    if (fate.unplugAfter) scheduler_.schedule(fate.delayMs, [this] { unplug(); });
}

bool SimulatorBackend::setFeature(Collection collection, const uint8_t *bytes, size_t length) {
    if (collection != Collection::Status) return false;
    std::lock_guard lock(mutex_);
    if (!plugged_) return false;
    std::copy_n(bytes, std::min(length, memory_.status.size()), memory_.status.begin());
    dirty_ = true;
    return true;
}

bool SimulatorBackend::getStatus(Collection collection, std::vector<uint8_t> &bytes) {
    if (collection != Collection::Status) return false;
    std::lock_guard lock(mutex_);
    if (!plugged_) return false;
    bytes.assign(memory_.status.begin(), memory_.status.end());
    return true;
}

void SimulatorBackend::setPlugged(bool plugged, bool denied) {
    std::lock_guard lock(mutex_);
    denied_ = denied;
    if (!plugged) leaving_ = false;
    if (plugged_ == plugged) return;
    plugged_ = plugged;
    if (!plugged && dirty_) persistLocked();
    if (sink_) sink_->onDeviceCountChanged(plugged ? 1 : 0);
}

void SimulatorBackend::plug() {
    setPlugged(true);
}
void SimulatorBackend::unplug() {
    setPlugged(false);
}
void SimulatorBackend::plugDenied() {
    setPlugged(false, true);
}

bool SimulatorBackend::sendEvent(uint16_t code) {
    std::lock_guard lock(mutex_);
    if (!plugged_ || !sink_) return false;
    const uint8_t report[2] = {static_cast<uint8_t>(code), static_cast<uint8_t>(code >> 8)};
    sink_->onReport(Collection::Consumer, report, sizeof report);
    return true;
}

void SimulatorBackend::setFirmware(uint16_t version) {
    std::lock_guard lock(mutex_);
    memory_.setFirmware(version);
    persistLocked();
}

bool SimulatorBackend::setCapacity(size_t bytes) {
    std::lock_guard lock(mutex_);
    if (!memory_.setMacroCapacity(bytes)) return false;
    persistLocked();
    return true;
}

void SimulatorBackend::resetMemory() {
    std::lock_guard lock(mutex_);
    memory_ = factoryMemory();
    if (settings_.firmware) memory_.setFirmware(*settings_.firmware);
    persistLocked();
}

std::string SimulatorBackend::dump() {
    std::lock_guard lock(mutex_);
    return dumpMemory(memory_);
}

std::optional<std::vector<uint8_t>> SimulatorBackend::peek(const std::string &region, size_t offset,
                                                           size_t length) {
    std::lock_guard lock(mutex_);
    std::array<uint8_t, kPageSize> defaults;
    std::span<uint8_t> bytes = regionByName(memory_, region, defaults);
    if (bytes.empty() || offset > bytes.size() || length > bytes.size() - offset) {
        return std::nullopt;
    }
    return std::vector<uint8_t>(bytes.begin() + static_cast<ptrdiff_t>(offset),
                                bytes.begin() + static_cast<ptrdiff_t>(offset + length));
}

bool SimulatorBackend::poke(const std::string &region, size_t offset,
                            const std::vector<uint8_t> &bytes) {
    std::lock_guard lock(mutex_);
    std::array<uint8_t, kPageSize> defaults;
    if (region == "default") return false;  // the default matrix is read-only
    std::span<uint8_t> target = regionByName(memory_, region, defaults);
    if (target.empty() || offset > target.size() || bytes.size() > target.size() - offset) {
        return false;
    }
    std::copy(bytes.begin(), bytes.end(), target.begin() + static_cast<ptrdiff_t>(offset));
    // A poke of the capacity byte resizes the macro area with it.
    if (region == "info") memory_.setMacroCapacity(memory_.macroCapacity());
    persistLocked();
    return true;
}

void SimulatorBackend::changeFaults(const std::function<void(FaultPlan &)> &change) {
    std::lock_guard lock(mutex_);
    change(faults_);
}

void SimulatorBackend::unplugAfter(uint32_t answers) {
    if (answers == 0) {
        unplug();
        return;
    }
    changeFaults([answers](FaultPlan &faults) { faults.unplugAfter(answers); });
}

std::map<uint8_t, uint32_t> SimulatorBackend::stats() {
    std::lock_guard lock(mutex_);
    return stats_;
}

void SimulatorBackend::resetStats() {
    std::lock_guard lock(mutex_);
    stats_.clear();
}

void SimulatorBackend::persistLocked() {
    if (stateFile_.path().empty()) return;
    if (stateFile_.save(memory_)) dirty_ = false;
}

}  // namespace usbgate::sim
