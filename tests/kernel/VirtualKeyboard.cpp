#include "VirtualKeyboard.h"

#include <algorithm>
#include <chrono>

#include "HidDescriptors.h"
#include "KeyboardDescriptors.h"

namespace kerneltest {

using namespace usbgate::sim;

VirtualKeyboard::VirtualKeyboard() : memory_(factoryMemory()) {}

VirtualKeyboard::~VirtualKeyboard() {
    unplug();
}

bool VirtualKeyboard::plug(Layout layout) {
    if (!interfaces_.empty()) return true;
    interfaces_.push_back(std::make_unique<UhidDevice>(
        UhidIdentity{"virtual keyboard", kKeyboardVendor, kKeyboardProduct,
                     usbgate::test::kBootKeyboardDescriptor},
        [](const std::vector<uint8_t> &) { return std::vector<uint8_t>{}; }));  // LEDs
    if (layout == Layout::SplitInterfaces) {
        addInterface("virtual keyboard media", kMediaInterfaceDescriptor);
        addInterface("virtual keyboard commands", kVendorInterfaceDescriptor);
    } else {
        addInterface("virtual keyboard controls", usbgate::test::kMultiCollectionDescriptor);
    }
    for (const auto &interface : interfaces_) {
        if (!interface->create()) {
            unplug();
            return false;
        }
    }
    return true;
}

void VirtualKeyboard::addInterface(const char *name, const std::vector<uint8_t> &descriptor) {
    interfaces_.push_back(std::make_unique<UhidDevice>(
        UhidIdentity{name, kKeyboardVendor, kKeyboardProduct, descriptor},
        [this](const std::vector<uint8_t> &report) { return onOutput(report); },
        [this](uint8_t reportId) { return statusFeature(reportId); }));
}

void VirtualKeyboard::unplug() {
    while (!interfaces_.empty()) interfaces_.pop_back();
}

bool VirtualKeyboard::sendEvent(uint16_t code) {
    return interfaces_.size() > 1 &&
           interfaces_[1]->sendInput(
               {kConsumerReportId, static_cast<uint8_t>(code), static_cast<uint8_t>(code >> 8)});
}

// Byte 0 is the report id; 0 on the interface that numbers no reports, which
// carries only vendor commands and whose 0 is not part of the command, just as
// a USB host controller would not send it.
std::vector<uint8_t> VirtualKeyboard::onOutput(const std::vector<uint8_t> &report) {
    if (report.empty()) return {};
    if (report[0] == 0) return answer(report.data() + 1, report.size() - 1);
    if (report[0] == kReportId) return answer(report.data(), report.size());
    if (report[0] == kStatusReportId) storeStatus(report);
    return {};
}

std::vector<uint8_t> VirtualKeyboard::answer(const uint8_t *command, size_t length) {
    CommandResult result;
    {
        std::lock_guard lock(mutex_);
        result = firmware_.handle(command, length);
        ++answers_;
    }
    answered_.notify_all();
    return std::vector<uint8_t>(result.answer.begin(), result.answer.end());
}

void VirtualKeyboard::storeStatus(const std::vector<uint8_t> &report) {
    {
        std::lock_guard lock(mutex_);
        memory_.status.fill(0);
        std::copy_n(report.begin(), std::min(report.size(), memory_.status.size()),
                    memory_.status.begin());
    }
    answered_.notify_all();
}

std::vector<uint8_t> VirtualKeyboard::statusFeature(uint8_t reportId) {
    if (reportId != kStatusReportId) return {};
    std::lock_guard lock(mutex_);
    return std::vector<uint8_t>(memory_.status.begin() + 1, memory_.status.end());
}

bool VirtualKeyboard::waitForAnswers(uint64_t count, int seconds) {
    std::unique_lock lock(mutex_);
    return answered_.wait_for(lock, std::chrono::seconds(seconds),
                              [&] { return answers_ >= count; });
}

bool VirtualKeyboard::waitForMemory(const std::function<bool(const DeviceMemory &)> &holds,
                                    int seconds) {
    std::unique_lock lock(mutex_);
    return answered_.wait_for(lock, std::chrono::seconds(seconds), [&] { return holds(memory_); });
}

uint64_t VirtualKeyboard::answers() {
    std::lock_guard lock(mutex_);
    return answers_;
}

}  // namespace kerneltest
