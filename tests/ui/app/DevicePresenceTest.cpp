// Device-count handling on its own threads: serialised, waiting for the window,
// opening it at most once, and giving up when the window goes away.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "devicelink/DeviceCommands.h"
#include "devicelink/DevicePresence.h"
#include "devicelink/ReportTransport.h"
#include "devicelink/UsbgateLibrary.h"

namespace {

using namespace std::chrono_literals;
using devicelink::DevicePresence;

// Records what device presence asks of the window; the arrival's sends take a
// while, so overlapping handlings would show.
class RecordingWindow : public devicelink::PresenceWindow {
public:
    void sendVersionCheck() override {
        enter();
        ++versionChecks;
        // Runs once.
        if (auto hook = std::exchange(duringVersionCheck, nullptr)) hook();
        leave();
    }
    void sendProfileReload() override {
        enter();
        ++reloads;
        leave();
    }
    void sendDeviceGone() override {
        enter();
        leave();
    }
    void hideWindow() override { ++hides; }
    void postOpen() override { ++opens; }
    void postBankChanged(bool) override { ++bankChanges; }
    void postLightingReadBack() override { ++readBacks; }
    void setTrayIcon(int iconId) override {
        std::lock_guard lock(mutex);
        icons.push_back(iconId);
    }
    bool isReady() const override { return ready; }
    void readKeyboardLayout() override {
        enter();
        std::this_thread::sleep_for(20ms);
        leave();
    }

    void enter() {
        const int now = ++inside;
        int seen = mostInside.load();
        while (now > seen && !mostInside.compare_exchange_weak(seen, now)) {
        }
    }
    void leave() { --inside; }

    std::atomic<bool> ready{true};
    std::atomic<int> inside{0}, mostInside{0};
    std::atomic<int> opens{0}, hides{0}, bankChanges{0}, readBacks{0};
    std::atomic<int> versionChecks{0}, reloads{0};
    std::function<void()> duringVersionCheck;
    std::mutex mutex;
    std::vector<int> icons;
};

class DevicePresenceTest : public ::testing::Test {
protected:
    devicelink::UsbgateLibrary library{devicelink::UsbgateEntryPoints{}};
    devicelink::ReportTransport transport{library};
    devicelink::DeviceCommands commands{transport};
    RecordingWindow window;
};

TEST_F(DevicePresenceTest, HandlingsNeverInterleaveAndTheWindowOpensOnce) {
    DevicePresence presence(commands, window);
    for (std::uint32_t count : {1u, 2u, 0u, 1u, 3u, 0u, 2u}) presence.onDeviceCountChanged(count);
    presence.waitIdle();
    EXPECT_EQ(window.mostInside.load(), 1);
    EXPECT_LE(window.opens.load(), 1);
    EXPECT_TRUE(presence.autoOpenDone());
    // Every handling that changed the count put its icon, matching the count it stored.
    const int expectedIcon = presence.lastDeviceCount() != 0 ? devicelink::kTrayIconKeyboard
                                                             : devicelink::kTrayIconNoKeyboard;
    ASSERT_FALSE(window.icons.empty());
    EXPECT_EQ(window.icons.back(), expectedIcon);
    EXPECT_EQ(presence.trayIconInUse(), expectedIcon);
}

// Counts reported while an arrival is being handled supersede it and one
// another: the arrival stops after its current step, only the newest count is
// handled, and the counts in between cost nothing.
TEST_F(DevicePresenceTest, OnlyTheNewestCountIsHandledAndItOvertakesARunningHandling) {
    DevicePresence presence(commands, window);
    window.duringVersionCheck = [&] {
        for (std::uint32_t count : {0u, 1u, 0u, 1u, 0u}) presence.onDeviceCountChanged(count);
    };
    presence.onDeviceCountChanged(1);
    presence.waitIdle();
    EXPECT_EQ(window.versionChecks.load(), 1);
    EXPECT_EQ(window.reloads.load(), 0);
    EXPECT_EQ(window.opens.load(), 0);
    EXPECT_EQ(presence.lastDeviceCount(), 0u);
    // The overtaken arrival may have left traces (a cached profile): the
    // removal undoes them although the stored count was already 0.
    EXPECT_EQ(window.hides.load(), 1);
    EXPECT_EQ(window.icons, (std::vector<int>{devicelink::kTrayIconNoKeyboard}));

    // Gone and back before the handling starts: a new arrival, not "no change".
    window.duringVersionCheck = [&] {
        for (std::uint32_t count : {0u, 1u}) presence.onDeviceCountChanged(count);
    };
    presence.onDeviceCountChanged(1);
    presence.waitIdle();
    EXPECT_EQ(window.versionChecks.load(), 3);
    EXPECT_EQ(window.reloads.load(), 1);
    EXPECT_EQ(presence.lastDeviceCount(), 1u);
}

TEST_F(DevicePresenceTest, SameCountAgainOrNoKeyboardDoesNotOpen) {
    DevicePresence presence(commands, window);
    presence.handleDeviceCount(0);  // equal to the initial count: nothing at all
    EXPECT_TRUE(window.icons.empty());
    EXPECT_FALSE(presence.autoOpenDone());
    presence.setAutoOpenDone();  // "/Start", or no keyboard at start
    presence.handleDeviceCount(1);
    EXPECT_EQ(window.opens.load(), 0);
    EXPECT_EQ(presence.lastDeviceCount(), 1u);
    presence.handleDeviceCount(0);
    EXPECT_EQ(window.hides.load(), 1);
    EXPECT_EQ(window.icons,
              (std::vector<int>{devicelink::kTrayIconKeyboard, devicelink::kTrayIconNoKeyboard}));
}

TEST_F(DevicePresenceTest, WaitsForTheReadyWindowAndGivesUpWhenStopped) {
    window.ready = false;
    DevicePresence presence(commands, window);
    presence.startDeviceCountHandling(1);
    std::this_thread::sleep_for(150ms);
    EXPECT_TRUE(window.icons.empty());  // still waiting for the window
    window.ready = true;
    presence.waitIdle();
    EXPECT_EQ(window.opens.load(), 1);

    window.ready = false;
    presence.startDeviceCountHandling(0);
    presence.stop();
    presence.waitIdle();
    EXPECT_EQ(presence.lastDeviceCount(), 1u);  // the abandoned handling stored nothing
}

TEST_F(DevicePresenceTest, EventCodesReachTheWindowWithoutWaiting) {
    DevicePresence presence(commands, window);
    presence.handleDeviceEvent(devicelink::kEventLightingChanged);
    for (std::uint16_t code : {0x1801, 0x1802, 0x1803, 0x1804, 0x0000, 0xFFFF}) {
        presence.handleDeviceEvent(code);
    }
    presence.handleDeviceEvent(devicelink::kEventIconHighlight);
    presence.waitIdle();
    presence.handleDeviceEvent(devicelink::kEventIconNormal);
    presence.waitIdle();
    EXPECT_EQ(window.readBacks.load(), 1);
    EXPECT_EQ(window.bankChanges.load(), 0);
    EXPECT_EQ(window.icons, (std::vector<int>{devicelink::kTrayIconKeyboardEvent,
                                              devicelink::kTrayIconNoKeyboard}));
}

}  // namespace
