#include "devicelink/DevicePresence.h"

#include <chrono>
#include <thread>
#include <utility>

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

void DevicePresence::runWorker(std::function<void()> work) {
    {
        std::lock_guard lock(workersMutex_);
        ++runningWorkers_;
    }
    std::thread([this, work = std::move(work)] {
        work();
        std::lock_guard lock(workersMutex_);
        --runningWorkers_;
        workersIdle_.notify_all();
    }).detach();
}

void DevicePresence::startDeviceCountHandling(std::uint32_t count) {
    {
        std::lock_guard lock(newestMutex_);
        if (newestCount_ && *newestCount_ != count) changedMeanwhile_ = true;
        newestCount_ = count;
        if (std::exchange(presenceThreadRuns_, true)) return;
    }
    runWorker([this] { handleNewestCounts(); });
}

// The presence thread: handles the newest count until none is waiting.
void DevicePresence::handleNewestCounts() {
    for (;;) {
        std::uint32_t count = 0;
        bool changedMeanwhile = false;
        {
            std::lock_guard lock(newestMutex_);
            if (!newestCount_ || stopping_) {
                presenceThreadRuns_ = false;
                return;
            }
            count = *std::exchange(newestCount_, std::nullopt);
            changedMeanwhile = std::exchange(changedMeanwhile_, false);
        }
        handleDeviceCount(count, changedMeanwhile);
    }
}

bool DevicePresence::superseded() const {
    std::lock_guard lock(newestMutex_);
    return newestCount_.has_value() || stopping_;
}

void DevicePresence::onDeviceCountChanged(std::uint32_t deviceCount) {
    startDeviceCountHandling(deviceCount);
}

void DevicePresence::onDeviceEvent(std::uint16_t eventCode) {
    handleDeviceEvent(eventCode);
}

bool DevicePresence::waitForReadyWindow() {
    while (!window_.isReady()) {
        if (superseded()) return false;
        std::this_thread::sleep_for(kReadyPoll);
    }
    return !superseded();
}

void DevicePresence::handleDeviceCount(std::uint32_t count, bool changedMeanwhile) {
    std::lock_guard handling(handlingMutex_);
    const bool rerun = unfinished_ || (changedMeanwhile && count != 0);
    if (stopping_ || (count == lastCount_ && !rerun)) return;
    // Stays set when a newer count overtakes this handling: the next one must
    // run even if its count equals the stored one, to undo a partial change.
    unfinished_ = true;
    if (!runChangeSteps(count) || !waitForReadyWindow()) return;
    iconInUse_ = count != 0 ? kTrayIconKeyboard : kTrayIconNoKeyboard;
    window_.setTrayIcon(iconInUse_);
    lastCount_ = count;
    unfinished_ = false;
    if (!autoOpenDone_.exchange(true) && count != 0) window_.postOpen();
}

// The keyboard left: forget its profile, close the child windows, hide. It
// arrived: version check, layout, profile reload, each skipped once a newer
// count is waiting. False when the handling was overtaken.
bool DevicePresence::runChangeSteps(std::uint32_t count) {
    if (count == 0) {
        commands_.forgetActiveProfile();
        window_.sendDeviceGone();
        window_.hideWindow();
        return !superseded();
    }
    for (void (PresenceWindow::*step)() :
         {&PresenceWindow::sendVersionCheck, &PresenceWindow::readKeyboardLayout,
          &PresenceWindow::sendProfileReload}) {
        if (superseded()) return false;
        (window_.*step)();
    }
    return true;
}

bool DevicePresence::bankB() const {
    std::lock_guard lock(statusMutex_);
    return isBankB(status_);
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
                nowB = isBankB(status_);
            }
            writeBankStatus();
            window_.postBankChanged(nowB);
            break;
        }
        case kEventLightingChanged:
            window_.postLightingReadBack();
            break;
        case kEventIconNormal:
            runWorker([this] { iconWorker(0); });
            break;
        case kEventIconHighlight:
            runWorker([this] { iconWorker(kTrayIconKeyboardEvent); });
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
