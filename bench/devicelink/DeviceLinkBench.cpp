// Costs of the device link through the whole stack: the real libUsbgate.so
// with its simulated keyboard, bound and registered as the utility does.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "devicelink/DeviceCommands.h"
#include "devicelink/ReportTransport.h"
#include "devicelink/UsbgateLibrary.h"
#include "usbgate/control/SimControl.h"

using namespace devicelink;
using usbgate::SimControl;

namespace {

constexpr std::size_t kUploadMacroBytes = 4096;
constexpr int kSimulatedLatencyMs = 1;

struct SimulatedLink {
    std::unique_ptr<UsbgateLibrary> library;
    std::unique_ptr<ReportTransport> transport;
    std::unique_ptr<DeviceCommands> commands;
    std::unique_ptr<SimControl> control;
    std::string failure;
};

SimulatedLink &link() {
    static SimulatedLink link = [] {
        SimulatedLink made;
        std::string folder =
            (std::filesystem::temp_directory_path() / "devicelink-bench-XXXXXX").string();
        if (mkdtemp(folder.data()) == nullptr) folder = std::filesystem::temp_directory_path();
        const std::string socket = folder + "/sim.sock";
        setenv("USBGATE_BACKEND", "simulator", 1);
        setenv("USBGATE_SIM_PLUGGED", "1", 1);
        setenv("XDG_STATE_HOME", (folder + "/state").c_str(), 1);
        setenv("USBGATE_SIM_SOCKET", socket.c_str(), 1);
        BindResult bound = bindUsbgate();
        if (bound.status != BindStatus::Bound) {
            made.failure = "libUsbgate.so not bound: " + bound.detail;
            return made;
        }
        made.library = std::move(bound.library);
        made.transport = std::make_unique<ReportTransport>(*made.library);
        made.transport->registerReads();
        made.commands = std::make_unique<DeviceCommands>(*made.transport);
        made.control = std::make_unique<SimControl>(socket);
        return made;
    }();
    return link;
}

bool prepare(benchmark::State &state, const std::string &latencyCommand) {
    SimulatedLink &simulated = link();
    if (!simulated.failure.empty()) {
        state.SkipWithError(simulated.failure.c_str());
        return false;
    }
    simulated.control->send("fault clear");
    simulated.control->send(latencyCommand);
    return true;
}

// One ReadInfo exchange with the keyboard answering at once: frame, library
// write, simulated firmware, callback thread, answer copy and wake-up.
void BM_ExchangeOverhead(benchmark::State &state) {
    if (!prepare(state, "latency 0")) return;
    InfoBlock info{};
    for (auto _ : state) {
        if (link().commands->readInfo(info) != 1) {
            state.SkipWithError("exchange failed");
            break;
        }
        benchmark::DoNotOptimize(info);
    }
}
BENCHMARK(BM_ExchangeOverhead)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->UseRealTime();

// The same exchange with the keyboard answering after 1 ms: how close one
// round trip comes to the simulated latency, the unit of the upload budget.
void BM_ExchangeAtSimulatedLatency(benchmark::State &state) {
    if (!prepare(state, "latency " + std::to_string(kSimulatedLatencyMs))) return;
    InfoBlock info{};
    for (auto _ : state) {
        if (link().commands->readInfo(info) != 1) {
            state.SkipWithError("exchange failed");
            break;
        }
    }
    link().control->send("latency 0");
}
BENCHMARK(BM_ExchangeAtSimulatedLatency)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->UseRealTime();

// A full upload: group start, a 4 KiB macro area, the three key pages and the
// group end, with the keyboard answering every report after the argument's
// latency in ms. The budget base is the exchanges' simulated latency plus the
// fixed pause before the group end; the overhead counter is what each
// exchange costs beyond that.
bool uploadOnce(DeviceCommands &commands, const std::vector<std::uint8_t> &macroArea,
                const KeyPage &page) {
    bool done = commands.beginCommand() == 1 && commands.writeMacroArea(macroArea) == 1;
    for (int p = 0; p < 3 && done; ++p) done = commands.writeKeyPage(page, p) == 1;
    return done && commands.endCommand() == 1;
}

void BM_FullUploadSequence(benchmark::State &state) {
    const auto latencyMs = static_cast<int>(state.range(0));
    if (!prepare(state, "latency " + std::to_string(latencyMs))) return;
    link().control->send("capacity " + std::to_string(kUploadMacroBytes * 2));
    const std::vector<std::uint8_t> macroArea(kUploadMacroBytes, 0x5A);
    KeyPage page{};
    page.fill(0x21);
    const int exchanges = 2 + static_cast<int>((kUploadMacroBytes + 55) / 56) + 3 * 7;
    const double baseSeconds =
        exchanges * latencyMs / 1000.0 +
        std::chrono::duration<double>(link().transport->timing().endCommandPause).count();
    double totalSeconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const bool done = uploadOnce(*link().commands, macroArea, page);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        if (!done) {
            state.SkipWithError("upload failed");
            break;
        }
        state.SetIterationTime(elapsed.count());
        totalSeconds += elapsed.count();
    }
    if (state.iterations() > 0) {
        const double meanSeconds = totalSeconds / static_cast<double>(state.iterations());
        state.counters["ratio_to_budget_base"] = meanSeconds / baseSeconds;
        state.counters["overhead_us_per_exchange"] = (meanSeconds - baseSeconds) * 1e6 / exchanges;
    }
    state.counters["exchanges"] = exchanges;
    link().control->send("latency 0");
}
BENCHMARK(BM_FullUploadSequence)
    ->Arg(kSimulatedLatencyMs)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(10)
    ->Repetitions(3);

}  // namespace

BENCHMARK_MAIN();
