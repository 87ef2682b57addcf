// The simulated keyboard as a backend of the library: the firmware model, its
// memory and state file, fault injection and the control channel.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "../src/Backend.h"
#include "AnswerScheduler.h"
#include "ControlServer.h"
#include "DeviceMemory.h"
#include "FaultPlan.h"
#include "Firmware.h"
#include "StateFile.h"

namespace usbgate::sim {

struct SimulatorSettings {
    std::string statePath;
    std::string socketPath;
    std::optional<uint16_t> firmware;
    bool plugged = true;
    // Present but not to be opened, as a node without the udev rule's access.
    bool denied = false;

    // From USBGATE_SIM_SOCKET, XDG_STATE_HOME, USBGATE_SIM_FIRMWARE, USBGATE_SIM_PLUGGED.
    static SimulatorSettings fromEnvironment();
};

class SimulatorBackend : public Backend {
public:
    SimulatorBackend();
    explicit SimulatorBackend(SimulatorSettings settings);
    ~SimulatorBackend() override;

    bool start(BackendSink &sink) override;
    void stop() override;
    uint32_t deviceCount(Collection collection) override;
    uint32_t deniedNodeCount() override;
    bool writeReport(Collection collection, const uint8_t *bytes, size_t length) override;
    bool setFeature(Collection collection, const uint8_t *bytes, size_t length) override;
    bool getStatus(Collection collection, std::vector<uint8_t> &bytes) override;

    // Operations of the control channel.
    void plug();
    void unplug();
    // Plugged in, but as a keyboard whose node this user may not open (no udev rule).
    void plugDenied();
    bool sendEvent(uint16_t code);
    void setFirmware(uint16_t version);
    bool setCapacity(size_t bytes);
    void resetMemory();
    std::string dump();
    std::optional<std::vector<uint8_t>> peek(const std::string &region, size_t offset,
                                             size_t length);
    bool poke(const std::string &region, size_t offset, const std::vector<uint8_t> &bytes);
    void changeFaults(const std::function<void(FaultPlan &)> &change);
    void unplugAfter(uint32_t answers);
    std::map<uint8_t, uint32_t> stats();
    void resetStats();

private:
    // `denied`: a keyboard is there but this user may not open it.
    void setPlugged(bool plugged, bool denied = false);
    void deliverAnswer(const AnswerFate &fate, const Report &answer);
    void persistLocked();

    SimulatorSettings settings_;
    std::mutex mutex_;  // guards everything below except the scheduler and server
    DeviceMemory memory_;
    Firmware firmware_{memory_};
    FaultPlan faults_;
    StateFile stateFile_;
    std::map<uint8_t, uint32_t> stats_;
    bool plugged_ = true;
    bool denied_ = false;
    bool leaving_ = false;  // unplugs once the last answer is out
    bool dirty_ = false;
    BackendSink *sink_ = nullptr;
    AnswerScheduler scheduler_;
    std::unique_ptr<ControlServer> server_;
};

}  // namespace usbgate::sim
