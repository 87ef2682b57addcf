#include "SimulatedKeyboard.h"

#include <cstdlib>
#include <mutex>
#include <numeric>

namespace devicelink::testing {

namespace {

std::mutex recordMutex;
std::vector<Report> recordedWrites;
decltype(&::RequestWriteOne) realWriteOne = nullptr;
int refusedCode = -1;   // guarded by recordMutex
int refusalPasses = 0;  // reports of refusedCode still let through

// Counts the report against the refusal; true when it must be refused.
bool refuse(const Report &report) {
    if (report[kCodeByte] != refusedCode) return false;
    if (refusalPasses == 0) return true;
    --refusalPasses;
    return false;
}

// Records every command report on its way into the real library.
std::int32_t recordingWriteOne(const std::uint8_t *unit, UsbgateCallback callback,
                               std::uint32_t tag, const std::uint8_t *data, std::uint32_t length,
                               std::uint32_t check, std::uint32_t *requestId) {
    if (data != nullptr && length == kReportSize) {
        Report report;
        std::copy_n(data, kReportSize, report.begin());
        std::lock_guard lock(recordMutex);
        recordedWrites.push_back(report);
        if (refuse(report)) return 0;
    }
    return realWriteOne(unit, callback, tag, data, length, check, requestId);
}

}  // namespace

ExchangeTiming shortTiming() {
    ExchangeTiming timing;
    timing.answerWait = std::chrono::milliseconds(200);
    timing.retryPause = std::chrono::milliseconds(1);
    timing.pendingBackoff = std::chrono::milliseconds(5);
    timing.endCommandPause = std::chrono::milliseconds(1);
    return timing;
}

SimulatedKeyboard &SimulatedKeyboard::instance() {
    static SimulatedKeyboard keyboard;
    return keyboard;
}

SimulatedKeyboard::SimulatedKeyboard() {
    setenv("USBGATE_BACKEND", "simulator", 1);
    setenv("USBGATE_SIM_PLUGGED", "1", 1);
    setenv("XDG_STATE_HOME", (folder_ / "state").c_str(), 1);
    setenv("USBGATE_SIM_SOCKET", (folder_ / "sim.sock").c_str(), 1);
    BindResult bound = bindUsbgate();
    bindStatus_ = bound.status;
    bindDetail_ = bound.detail;
    if (bound.status != BindStatus::Bound) return;
    realLibrary_ = std::move(bound.library);
    UsbgateEntryPoints recording = realLibrary_->entryPoints();
    realWriteOne = recording.requestWriteOne;
    recording.requestWriteOne = &recordingWriteOne;
    recordingLibrary_ = std::make_unique<UsbgateLibrary>(recording);
    control_ = std::make_unique<SimControl>((folder_ / "sim.sock").string());
}

std::vector<Report> SimulatedKeyboard::writes() const {
    std::lock_guard lock(recordMutex);
    return recordedWrites;
}

std::vector<Report> SimulatedKeyboard::writesOf(CommandCode code) const {
    std::vector<Report> matching;
    for (const Report &report : writes()) {
        if (report[kCodeByte] == static_cast<std::uint8_t>(code)) matching.push_back(report);
    }
    return matching;
}

void SimulatedKeyboard::clearWrites() {
    std::lock_guard lock(recordMutex);
    recordedWrites.clear();
}

void SimulatedKeyboard::refuseWritesOf(CommandCode code, int passFirst) {
    std::lock_guard lock(recordMutex);
    refusedCode = static_cast<int>(code);
    refusalPasses = passFirst;
}

void SimulatedKeyboard::command(const std::string &line) {
    EXPECT_TRUE(control_->send(line).has_value()) << line << ": " << control_->lastError();
}

void SimulatedKeyboard::restart() {
    command("fault clear");
    command("latency 0");
    command("reset");
    control_->send("plug");
    clearWrites();
    std::lock_guard lock(recordMutex);
    refusedCode = -1;
}

void SimulatedKeyboardTest::SetUp() {
    SimulatedKeyboard &simulated = keyboard();
    ASSERT_EQ(simulated.bindStatus(), BindStatus::Bound) << simulated.bindDetail();
    simulated.restart();
    transport = std::make_unique<ReportTransport>(simulated.library(), shortTiming());
    ASSERT_EQ(transport->registerReads(), 1);
    commands = std::make_unique<DeviceCommands>(*transport);
}

void SimulatedKeyboardTest::TearDown() {
    if (!transport) return;
    transport->withdrawReads();
    commands.reset();
    transport.reset();
    keyboard().command("fault clear");
}

std::vector<std::uint8_t> SimulatedKeyboardTest::peek(const std::string &region, int offset,
                                                      int length) {
    return keyboard().control().peek(region, offset, length);
}

void SimulatedKeyboardTest::poke(const std::string &region, int offset,
                                 const std::vector<std::uint8_t> &bytes) {
    EXPECT_TRUE(keyboard().control().poke(region, offset, bytes)) << "poke " << region;
}

std::vector<std::uint8_t> pattern(std::size_t length, std::uint8_t seed) {
    std::vector<std::uint8_t> bytes(length);
    for (std::size_t i = 0; i < length; ++i) bytes[i] = static_cast<std::uint8_t>((i + seed) % 251);
    return bytes;
}

}  // namespace devicelink::testing
