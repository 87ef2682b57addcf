// Sends arbitrary text to a running simulated keyboard's control channel, one
// command per line, through the control client and the channel's server as
// usbgate-sim does. Every command gets its reply, whether "OK" or
// "ERR <reason>"; the client reads the replies of peek and stats; and the memory
// keeps its shape: a macro area exactly as large as the capacity the info block
// states.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "ScratchFolder.h"
#include "SimControl.h"
#include "sim/SimulatorBackend.h"

namespace {

using usbgate::sim::SimulatorBackend;

class QuietSink : public usbgate::BackendSink {
public:
    void onReport(usbgate::Collection, const std::uint8_t *, std::size_t) override {}
    void onDeviceCountChanged(std::uint32_t) override {}
};

struct Channel {
    ScratchFolder folder;
    QuietSink sink;
    SimulatorBackend simulator{
        usbgate::sim::SimulatorSettings{"", (folder / "control").string(), std::nullopt, true}};
    usbgate::SimControl client{(folder / "control").string()};

    Channel() {
        if (!simulator.start(sink)) __builtin_trap();
    }
};

Channel &channel() {
    static Channel instance;
    return instance;
}

void checkAnswered(usbgate::SimControl &client, const std::string &line) {
    if (client.send(line)) return;
    const std::string &error = client.lastError();
    if (error.starts_with("no answer") || error.starts_with("no simulator")) __builtin_trap();
}

void checkShape(SimulatorBackend &simulator, usbgate::SimControl &client) {
    const auto capacityUnits = simulator.peek("info", usbgate::sim::kInfoCapacity, 1);
    if (!capacityUnits) __builtin_trap();
    const std::size_t capacity = (*capacityUnits)[0] * usbgate::sim::kCapacityUnit;
    // An empty area is no region at all.
    if ((capacity != 0 && client.peek("macro", 0, capacity).size() != capacity) ||
        simulator.peek("macro", capacity, 1)) {
        __builtin_trap();
    }
    if (!client.stats()) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    Channel &fixture = channel();
    fixture.simulator.resetMemory();
    fixture.simulator.changeFaults([](usbgate::sim::FaultPlan &faults) { faults.clear(); });
    fixture.simulator.plug();
    std::string_view text(reinterpret_cast<const char *>(data), size);
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        checkAnswered(fixture.client, std::string(text.substr(0, end)));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    checkShape(fixture.simulator, fixture.client);
    return 0;
}
