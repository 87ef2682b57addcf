// Feeds arbitrary text to the simulated keyboard's control commands, one line
// at a time as the control channel hands them over, on a fresh keyboard without
// a state file or socket. Every line gets a reply whose last line is "OK" or
// "ERR <reason>", and the memory keeps its shape: a macro area exactly as large
// as the capacity the info block states.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "sim/ControlInterpreter.h"
#include "sim/SimulatorBackend.h"

namespace {

using usbgate::sim::SimulatorBackend;

class QuietSink : public usbgate::BackendSink {
public:
    void onReport(usbgate::Collection, const std::uint8_t *, std::size_t) override {}
    void onDeviceCountChanged(std::uint32_t) override {}
};

void checkReply(const std::string &reply) {
    const std::size_t lastLine = reply.rfind('\n');
    const std::string_view last =
        std::string_view(reply).substr(lastLine == std::string::npos ? 0 : lastLine + 1);
    if (last != "OK" && !last.starts_with("ERR ")) __builtin_trap();
}

void checkShape(SimulatorBackend &simulator) {
    const auto capacityUnits = simulator.peek("info", usbgate::sim::kInfoCapacity, 1);
    if (!capacityUnits) __builtin_trap();
    const std::size_t capacity = (*capacityUnits)[0] * usbgate::sim::kCapacityUnit;
    // An empty area is no region at all.
    if ((capacity != 0 && !simulator.peek("macro", 0, capacity)) ||
        simulator.peek("macro", capacity, 1)) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    QuietSink sink;
    SimulatorBackend simulator(usbgate::sim::SimulatorSettings{"", "", std::nullopt, true});
    simulator.start(sink);
    std::string_view text(reinterpret_cast<const char *>(data), size);
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string line(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        if (!line.empty() && line.back() == '\r') line.pop_back();
        checkReply(usbgate::sim::interpretControlLine(simulator, line));
    }
    checkShape(simulator);
    simulator.stop();
    return 0;
}
