// The real libUsbgate.so with its simulated keyboard, bound once per test
// program, and a transport registered for each test.
//
// Writes made through the library are recorded on their way in, so tests can
// check the exact bytes of every report while the real library and simulator
// handle them.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ScratchFolder.h"
#include "devicelink/DeviceCommands.h"
#include "devicelink/ReportTransport.h"
#include "devicelink/UsbgateLibrary.h"
#include "usbgate/control/SimControl.h"

namespace devicelink::testing {

using usbgate::SimControl;

// Waits short enough for fault tests, long enough for a loaded machine.
ExchangeTiming shortTiming();

// The bound library, every report written through it, and the simulator's
// control channel. Set up once per test program.
class SimulatedKeyboard {
public:
    static SimulatedKeyboard &instance();

    BindStatus bindStatus() const { return bindStatus_; }
    const std::string &bindDetail() const { return bindDetail_; }
    const UsbgateLibrary &library() const { return *recordingLibrary_; }
    SimControl &control() { return *control_; }

    // Reports written since the last clearWrites(), in order.
    std::vector<Report> writes() const;
    std::vector<Report> writesOf(CommandCode code) const;
    void clearWrites();

    // Makes the library refuse every report of `code` after the first
    // `passFirst` of them, as a library that cannot write would.
    void refuseWritesOf(CommandCode code, int passFirst = 0);

    // Sends a control command and expects it to succeed.
    void command(const std::string &line);
    // Factory memory, no faults, no latency, plugged in, nothing recorded.
    void restart();

private:
    SimulatedKeyboard();

    ScratchFolder folder_;  // the simulator's state file and control socket
    BindStatus bindStatus_ = BindStatus::LibraryNotLoaded;
    std::string bindDetail_;
    std::unique_ptr<UsbgateLibrary> realLibrary_;
    std::unique_ptr<UsbgateLibrary> recordingLibrary_;
    std::unique_ptr<SimControl> control_;
};

// A test whose transport is registered with the simulated keyboard for the
// duration of the test.
class SimulatedKeyboardTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    SimulatedKeyboard &keyboard() { return SimulatedKeyboard::instance(); }
    std::vector<std::uint8_t> peek(const std::string &region, int offset, int length);
    void poke(const std::string &region, int offset, const std::vector<std::uint8_t> &bytes);

    std::unique_ptr<ReportTransport> transport;
    std::unique_ptr<DeviceCommands> commands;
};

// Bytes 0, 1, 2, ... cycling below 251, offset by `seed`: distinct per region.
std::vector<std::uint8_t> pattern(std::size_t length, std::uint8_t seed);

}  // namespace devicelink::testing
