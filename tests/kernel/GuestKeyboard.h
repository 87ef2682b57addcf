// What every kernel test shares, set up once per test program: the virtual
// keyboard plugged in, a device of another maker beside it, and libUsbgate.so
// bound through the application's own code with its hidraw backend.
#pragma once

#include <gtest/gtest.h>

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>

#include "UhidDevice.h"
#include "VirtualKeyboard.h"
#include "devicelink/DeviceCommands.h"
#include "devicelink/DeviceEventListener.h"
#include "devicelink/ReportTransport.h"
#include "devicelink/UsbgateLibrary.h"

namespace kerneltest {

// Device-count changes and event codes as the transport hands them on.
class RecordingListener : public devicelink::DeviceEventListener {
public:
    void onDeviceCountChanged(std::uint32_t deviceCount) override;
    void onDeviceEvent(std::uint16_t eventCode) override;

    // The next count change or event code, waiting at most `seconds` for it.
    std::optional<std::uint32_t> nextCount(int seconds);
    std::optional<std::uint16_t> nextEvent(int seconds);

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::uint32_t> counts_;
    std::deque<std::uint16_t> events_;
};

class GuestKeyboard {
public:
    static GuestKeyboard &instance();

    VirtualKeyboard &keyboard() { return keyboard_; }
    const devicelink::UsbgateLibrary *library() const { return library_.get(); }
    const std::string &bindDetail() const { return bindDetail_; }
    // Output reports the other maker's device has been sent.
    std::uint64_t foreignOutputs();

    // Waits until `count` hidraw nodes exist (the kernel adds uhid devices
    // on a worker, after UHID_CREATE2 has returned).
    static bool waitForNodes(std::size_t count);

private:
    GuestKeyboard();

    VirtualKeyboard keyboard_;
    std::unique_ptr<UhidDevice> foreign_;
    std::mutex foreignMutex_;
    std::uint64_t foreignOutputs_ = 0;
    std::unique_ptr<devicelink::UsbgateLibrary> library_;
    std::string bindDetail_;
};

// Lets udevd run its queued events and waits until it has passed all of them on.
bool settleUdev();

// A test with the transport registered and the keyboard plugged in.
class GuestKeyboardTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    VirtualKeyboard &keyboard() { return GuestKeyboard::instance().keyboard(); }
    // Unplugs and expects the library to announce that no keyboard is left.
    void unplugAndExpectRemoval();
    // Plugs the keyboard in again, waits until the library announces it and
    // until udev has passed on every interface.
    void replug(Layout layout = Layout::SplitInterfaces);

    RecordingListener listener;
    std::unique_ptr<devicelink::ReportTransport> transport;
    std::unique_ptr<devicelink::DeviceCommands> commands;
};

}  // namespace kerneltest
