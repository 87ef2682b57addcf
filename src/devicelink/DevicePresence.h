// Keyboard arrival and removal, and the keyboard's own event codes.
//
// Device-count changes are handled off the library's callback thread, one at a
// time and always for the newest count reported: counts that a newer one
// supersedes before their handling starts are skipped, and a handling that a
// newer count overtakes stops between its steps without storing its count. So
// the count stored last is always the count the library reported last. A
// keyboard that left and came back meanwhile is handled as a new arrival.
// Event codes arrive on the library's callback thread, which never waits for
// the user-interface thread: what the window has to do is handed to it
// without waiting.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>

#include "devicelink/DeviceCommands.h"
#include "devicelink/DeviceEventListener.h"
#include "devicelink/StatusBytes.h"

namespace devicelink {

// Tray icons by resource number.
inline constexpr int kTrayIconNoKeyboard = 128;
inline constexpr int kTrayIconKeyboard = 141;
inline constexpr int kTrayIconKeyboardEvent = 142;

// Event codes the keyboard sends on its consumer collection.
inline constexpr std::uint16_t kEventBankToggle = 0x02FF;
inline constexpr std::uint16_t kEventLightingChanged = 0x0401;
inline constexpr std::uint16_t kEventIconNormal = 0x1810;
inline constexpr std::uint16_t kEventIconHighlight = 0x1811;

// The status bytes the keyboard is first given: bank A.
inline constexpr StatusBytes kInitialStatusBytes{0x05, 0x02};

// What device presence needs from the main window. "send" calls block until
// the user-interface thread has run them (or the window has shut down);
// "post" calls return at once.
class PresenceWindow {
public:
    virtual ~PresenceWindow() = default;
    // Send: the firmware version check (may end the process).
    virtual void sendVersionCheck() = 0;
    // Send: reload the working store from the keyboard and refresh.
    virtual void sendProfileReload() = 0;
    // Send: the keyboard is gone; close the child windows.
    virtual void sendDeviceGone() = 0;
    // Hides the main window (handed to the user-interface thread).
    virtual void hideWindow() = 0;
    // Post: open the window.
    virtual void postOpen() = 0;
    // Post: the active extra-key bank is now B (true) or A.
    virtual void postBankChanged(bool bankB) = 0;
    // Post: start the lighting read-back timer with no delay.
    virtual void postLightingReadBack() = 0;
    // Changes the tray icon; callable from any thread.
    virtual void setTrayIcon(int iconId) = 0;
    // Set once start-up has finished.
    virtual bool isReady() const = 0;
    // Reads the keyboard's default matrix and macro capacity (on the calling thread).
    virtual void readKeyboardLayout() = 0;
};

class DevicePresence final : public DeviceEventListener {
public:
    DevicePresence(DeviceCommands &commands, PresenceWindow &window);
    // Stops waiting for the window and waits for every running handling.
    ~DevicePresence() override;
    DevicePresence(const DevicePresence &) = delete;
    DevicePresence &operator=(const DevicePresence &) = delete;

    // Hands `count` to the presence thread (started when none runs), where it
    // supersedes every count not yet handled.
    void startDeviceCountHandling(std::uint32_t count);
    // HandleDeviceCount itself, on the calling thread. `changedMeanwhile`: a
    // superseded count differed from this one, so a keyboard that is present
    // now is a new arrival even when the stored count is the same.
    void handleDeviceCount(std::uint32_t count, bool changedMeanwhile = false);
    // HandleDeviceEvent.
    void handleDeviceEvent(std::uint16_t code);
    // Withdraws the previous status write and sends the two status bytes.
    std::int32_t writeBankStatus();

    void onDeviceCountChanged(std::uint32_t deviceCount) override;
    void onDeviceEvent(std::uint16_t eventCode) override;

    // Once set, a keyboard arrival no longer opens the window.
    void setAutoOpenDone() { autoOpenDone_ = true; }
    bool autoOpenDone() const { return autoOpenDone_; }
    std::uint32_t lastDeviceCount() const { return lastCount_; }
    int trayIconInUse() const { return iconInUse_; }
    bool bankB() const;
    // Makes every later wait give up at once; used before the window goes away.
    void stop();
    // Waits until no handling or icon worker runs.
    void waitIdle();

private:
    void runWorker(std::function<void()> work);
    void iconWorker(std::uint32_t iconId);
    void handleNewestCounts();
    bool runChangeSteps(std::uint32_t count);
    bool superseded() const;
    bool waitForReadyWindow();

    DeviceCommands &commands_;
    PresenceWindow &window_;
    std::mutex handlingMutex_;  // one HandleDeviceCount at a time
    bool unfinished_ = false;   // the last handling was overtaken; guarded by handlingMutex_

    // Counts reported and not yet handled: only the newest is kept.
    mutable std::mutex newestMutex_;
    std::optional<std::uint32_t> newestCount_;
    bool changedMeanwhile_ = false;  // a superseded count differed from the newest
    bool presenceThreadRuns_ = false;
    std::atomic<std::uint32_t> lastCount_{0};
    std::atomic<bool> autoOpenDone_{false};
    std::atomic<int> iconInUse_{kTrayIconNoKeyboard};
    std::atomic<bool> iconWorkerBusy_{false};

    mutable std::mutex statusMutex_;
    StatusBytes status_ = kInitialStatusBytes;
    std::uint32_t statusRequestId_ = 0;

    std::mutex workersMutex_;
    std::condition_variable workersIdle_;
    int runningWorkers_ = 0;
    std::atomic<bool> stopping_{false};
};

}  // namespace devicelink
