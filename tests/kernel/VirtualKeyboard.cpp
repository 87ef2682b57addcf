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

bool VirtualKeyboard::plug() {
    if (vendor_) return true;
    const auto ignore = [](const std::vector<uint8_t> &) { return std::vector<uint8_t>{}; };
    bootKeyboard_ = std::make_unique<UhidDevice>(
        UhidIdentity{"virtual keyboard", kKeyboardVendor, kKeyboardProduct,
                     usbgate::test::kBootKeyboardDescriptor},
        ignore);
    media_ = std::make_unique<UhidDevice>(
        UhidIdentity{"virtual keyboard media", kKeyboardVendor, kKeyboardProduct,
                     kMediaInterfaceDescriptor},
        [this](const std::vector<uint8_t> &report) {
            onMediaOutput(report);
            return std::vector<uint8_t>{};
        },
        [this](uint8_t reportId) { return statusFeature(reportId); });
    vendor_ = std::make_unique<UhidDevice>(
        UhidIdentity{"virtual keyboard commands", kKeyboardVendor, kKeyboardProduct,
                     kVendorInterfaceDescriptor},
        [this](const std::vector<uint8_t> &report) { return answer(report); });
    const bool created = bootKeyboard_->create() && media_->create() && vendor_->create();
    if (!created) unplug();
    return created;
}

void VirtualKeyboard::unplug() {
    vendor_.reset();
    media_.reset();
    bootKeyboard_.reset();
}

bool VirtualKeyboard::sendEvent(uint16_t code) {
    return media_ && media_->sendInput({kConsumerReportId, static_cast<uint8_t>(code),
                                        static_cast<uint8_t>(code >> 8)});
}

// The vendor interface numbers no reports, so the host's leading 0 is not part
// of the command, just as a USB host controller would not send it.
std::vector<uint8_t> VirtualKeyboard::answer(const std::vector<uint8_t> &report) {
    if (report.empty()) return {};
    CommandResult result;
    {
        std::lock_guard lock(mutex_);
        result = firmware_.handle(report.data() + 1, report.size() - 1);
        ++answers_;
    }
    answered_.notify_all();
    return std::vector<uint8_t>(result.answer.begin(), result.answer.end());
}

void VirtualKeyboard::onMediaOutput(const std::vector<uint8_t> &report) {
    if (report.empty() || report[0] != kStatusReportId) return;
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
