#include "devicelink/DevicePresence.h"

#include <chrono>
#include <thread>

#include "devicelink/FourCharCode.h"
#include "devicelink/ReportTransport.h"

namespace devicelink {
namespace {

constexpr std::chrono::milliseconds kReadyPoll{50};
constexpr std::chrono::milliseconds kIconBusyPoll{1};
constexpr std::chrono::milliseconds kIconHold{1};

}  // namespace

DevicePresence::DevicePresence(DeviceCommands &commands, PresenceWindow &window)
    : commands_(commands), window_(window) {}

DevicePresence::~DevicePresence() {
    stop();
    waitIdle();
}

void DevicePresence::stop() {
    stopping_ = true;
}

void DevicePresence::waitIdle() {
    std::unique_lock lock(workersMutex_);
    workersIdle_.wait(lock, [this] { return runningWorkers_ == 0; });
}

void DevicePresence::runWorker(void (DevicePresence::*work)(std::uint32_t),
                               std::uint32_t argument) {
    {
        std::lock_guard lock(workersMutex_);
        ++runningWorkers_;
    }
    std::thread([this, work, argument] {
        (this->*work)(argument);
        std::lock_guard lock(workersMutex_);
        --runningWorkers_;
        workersIdle_.notify_all();
    }).detach();
}

void DevicePresence::startDeviceCountHandling(std::uint32_t count) {
    runWorker(&DevicePresence::handleDeviceCount, count);
}

void DevicePresence::onDeviceCountChanged(std::uint32_t deviceCount) {
    startDeviceCountHandling(deviceCount);
}

void DevicePresence::onDeviceEvent(std::uint16_t eventCode) {
    handleDeviceEvent(eventCode);
}

bool DevicePresence::waitForReadyWindow() {
    while (!window_.isReady()) {
        if (stopping_) return false;
        std::this_thread::sleep_for(kReadyPoll);
    }
    return !stopping_;
}

void DevicePresence::handleDeviceCount(std::uint32_t count) {
    std::lock_guard handling(handlingMutex_);
    if (stopping_ || count == lastCount_) return;
    if (count == 0) {
        commands_.forgetActiveProfile();
        window_.sendDeviceGone();
        window_.hideWindow();
    } else {
        window_.sendVersionCheck();
        window_.readKeyboardLayout();
        window_.sendProfileReload();
    }
    if (!waitForReadyWindow()) return;
    iconInUse_ = count != 0 ? kTrayIconKeyboard : kTrayIconNoKeyboard;
    window_.setTrayIcon(iconInUse_);
    lastCount_ = count;
    if (!autoOpenDone_.exchange(true) && count != 0) window_.postOpen();
}

bool DevicePresence::bankB() const {
    std::lock_guard lock(statusMutex_);
    return (status_[1] & 1) != 0;
}

std::int32_t DevicePresence::writeBankStatus() {
    std::lock_guard lock(statusMutex_);
    const UsbgateLibrary &library = commands_.transport().library();
    if (statusRequestId_ != 0) library.deleteRequest(statusRequestId_);
    statusRequestId_ = 0;
    return library.statusWrite(kStatusUnit, &ReportTransport::onDeviceData, kTagLed, status_,
                               &statusRequestId_);
}

void DevicePresence::handleDeviceEvent(std::uint16_t code) {
    switch (code) {
        case kEventBankToggle: {
            bool nowB = false;
            {
                std::lock_guard lock(statusMutex_);
                status_[1] ^= 1;
                nowB = (status_[1] & 1) != 0;
            }
            writeBankStatus();
            window_.postBankChanged(nowB);
            break;
        }
        case kEventLightingChanged:
            window_.postLightingReadBack();
            break;
        case kEventIconNormal:
            runWorker(&DevicePresence::iconWorker, 0);
            break;
        case kEventIconHighlight:
            runWorker(&DevicePresence::iconWorker, kTrayIconKeyboardEvent);
            break;
        default:
            break;  // 0x1801..0x1804 and unknown codes change nothing
    }
}

// 0 puts back the icon in use; any other value is the icon to show.
void DevicePresence::iconWorker(std::uint32_t iconId) {
    bool expected = false;
    while (!iconWorkerBusy_.compare_exchange_weak(expected, true)) {
        expected = false;
        std::this_thread::sleep_for(kIconBusyPoll);
    }
    window_.setTrayIcon(iconId == 0 ? iconInUse_.load() : static_cast<int>(iconId));
    std::this_thread::sleep_for(kIconHold);
    iconWorkerBusy_ = false;
}

}  // namespace devicelink
