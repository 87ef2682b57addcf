// The keyboard as the kernel sees it: uhid devices with the keyboard's vendor
// and product ids, one per USB interface, whose command reports are answered
// by the simulator's firmware model.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "UhidDevice.h"
#include "usbgate/sim/DeviceMemory.h"
#include "usbgate/sim/Firmware.h"

namespace kerneltest {

inline constexpr uint16_t kKeyboardVendor = 0x0C45;
inline constexpr uint16_t kKeyboardProduct = 0x5004;

// How the collections are laid out over the USB interfaces.
enum class Layout {
    // Boot keyboard; media keys and status bytes (with report ids); vendor
    // commands alone (without report ids).
    SplitInterfaces,
    // Boot keyboard; every other collection on one interface, each with its
    // own report id (the vendor command report's id is the frame's byte 0).
    SharedInterface,
};

class VirtualKeyboard {
public:
    VirtualKeyboard();
    ~VirtualKeyboard();

    // Creates the interfaces in the kernel; false when /dev/uhid refused.
    bool plug(Layout layout = Layout::SplitInterfaces);
    // The hidraw nodes the keyboard has while plugged in.
    size_t interfaceCount() const { return interfaces_.size(); }
    // Removes every interface, as pulling the cable would.
    void unplug();

    // Sends an event code on the consumer collection.
    bool sendEvent(uint16_t code);

    // Waits at most `seconds` until the firmware has answered `count` command
    // reports in all; false when it has not.
    bool waitForAnswers(uint64_t count, int seconds);
    uint64_t answers();

    // Waits at most `seconds` until the memory satisfies `holds`.
    bool waitForMemory(const std::function<bool(const usbgate::sim::DeviceMemory &)> &holds,
                       int seconds);

    // Locked access to the firmware's memory.
    template <typename Change>
    void withMemory(Change &&change) {
        std::lock_guard lock(mutex_);
        change(memory_);
    }

private:
    void addInterface(const char *name, const std::vector<uint8_t> &descriptor);
    std::vector<uint8_t> onOutput(const std::vector<uint8_t> &report);
    std::vector<uint8_t> answer(const uint8_t *command, size_t length);
    void storeStatus(const std::vector<uint8_t> &report);
    std::vector<uint8_t> statusFeature(uint8_t reportId);

    std::mutex mutex_;  // guards the memory, the firmware and the answer count
    std::condition_variable answered_;
    usbgate::sim::DeviceMemory memory_;
    usbgate::sim::Firmware firmware_{memory_};
    uint64_t answers_ = 0;
    std::vector<std::unique_ptr<UhidDevice>> interfaces_;  // [1] carries the consumer collection
};

}  // namespace kerneltest
