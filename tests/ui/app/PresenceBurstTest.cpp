// Bursts of unplugs and plugs against the running utility: whatever the burst,
// the presence it ends in is the count the device library reported last.
#include <atomic>
#include <chrono>
#include <random>
#include <thread>

#include "AppTestSupport.h"
#include "devicelink/DevicePresence.h"
#include "devicelink/FourCharCode.h"
#include "devicelink/UsbgateLibrary.h"
#include "ui/mainwindow/CTrayIcon.h"
#include "devicelink/SharedUsbgate.h"

namespace apptest {
namespace {

using devicelink::kTrayIconKeyboard;
using devicelink::kTrayIconNoKeyboard;

// Counts the device-count notifications the library delivers. Registered after
// the window's own read, and the library calls back on one thread in order, so
// every notification it has counted has already reached the window's transport.
class NotificationCounter {
public:
    NotificationCounter() {
        std::string detail;
        library_ = devicelink::sharedUsbgate(detail);
        if (library_ == nullptr) return;
        library_->asyncRead(devicelink::kCommandUnit, &NotificationCounter::onData,
                            devicelink::fourCharCode("BRST"), &requestId_);
    }
    ~NotificationCounter() {
        if (library_ != nullptr && requestId_ != 0) library_->deleteRequest(requestId_);
    }
    bool registered() const { return requestId_ != 0; }
    int seen() const { return seen_.load(); }

private:
    static std::int32_t onData(const UsbgateEvent *event) {
        if (event != nullptr && event->kind == USBGATE_EVENT_DEVICE_COUNT) ++seen_;
        return 1;
    }
    static inline std::atomic<int> seen_{0};
    const devicelink::UsbgateLibrary *library_ = nullptr;
    std::uint32_t requestId_ = 0;
};

class PresenceBurstTest : public AppTest {
protected:
    void TearDown() override {
        sim().latency(0);
        AppTest::TearDown();
    }

    // Plugs in or unplugs the keyboard `changes` times, 0..5 ms apart, on a
    // thread of its own while the window's thread keeps handling its events,
    // as it does while a user plugs and unplugs. Returns once the window's
    // transport has been handed every notification and presence has settled.
    void burst(int changes, const NotificationCounter &counter) {
        const int expected = counter.seen() + changes;
        std::atomic<bool> sent{false};
        std::thread plugging([&] {
            for (int change = 0; change < changes; ++change) {
                plugged_ = !plugged_;
                if (!(plugged_ ? sim().plug() : sim().unplug())) ADD_FAILURE() << sim().lastError();
                std::this_thread::sleep_for(std::chrono::milliseconds(gapMs_(random_)));
            }
            sent = true;
        });
        const bool delivered =
            waitUntil([&] { return sent.load() && counter.seen() == expected; }, 30000);
        plugging.join();
        ASSERT_TRUE(delivered) << counter.seen() << " of " << expected << " notifications";
        settle();
    }

    bool plugged_ = true;
    std::mt19937 random_{15};
    std::uniform_int_distribution<int> gapMs_{0, 5};
};

// 50 bursts of 20 unplug/plug pairs (every other burst ends with one change
// more, so bursts end with the keyboard present and absent, and the window's
// work overlaps the burst). After each, the presence, stored count and tray
// icon, must match the keyboard's last state. The keyboard answers each report
// after 1 ms, as a real one does, so handlings take long enough to overlap.
TEST_F(PresenceBurstTest, EveryBurstEndsInTheLastReportedState) {
    CVarnelDlg &dlg = startWindow(true);
    ASSERT_TRUE(sim().latency(1));
    NotificationCounter counter;
    ASSERT_TRUE(counter.registered());
    for (int round = 0; round < 50; ++round) {
        burst(2 * 20 + round % 2, counter);
        EXPECT_EQ(dlg.presence().lastDeviceCount(), plugged_ ? 1u : 0u) << "burst " << round;
        EXPECT_EQ(dlg.trayIcon().iconId(), plugged_ ? kTrayIconKeyboard : kTrayIconNoKeyboard)
            << "burst " << round;
    }
}

}  // namespace
}  // namespace apptest
