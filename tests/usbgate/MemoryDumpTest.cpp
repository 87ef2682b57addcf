// The simulated keyboard's memory dump on macro areas whose counts lie: the dump
// stays in proportion to the area, and a well-formed area is shown whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "sim/ControlInterpreter.h"
#include "sim/MemoryDump.h"
#include "sim/SimulatorBackend.h"

namespace usbgate::sim {
namespace {

size_t occurrences(const std::string &text, const std::string &needle) {
    size_t count = 0;
    for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1))
        ++count;
    return count;
}

// Lines of the dump outside the macro area, with room to spare.
constexpr size_t kFixedLines = 200;

TEST(UsbgateMemoryDump, AMacroCountBeyondTheAreaDumpsNoMoreThanTheAreaHolds) {
    // Without a state file or socket, as the control channel drives it.
    SimulatorBackend simulator(SimulatorSettings{});
    ASSERT_EQ(interpretControlLine(simulator, "poke macro 4 FFFF"), "OK");
    const std::string dump = interpretControlLine(simulator, "dump");
    const size_t area = factoryMemory().macroCapacity();
    EXPECT_LT(occurrences(dump, "\n"), area / 4 + kFixedLines);
    EXPECT_NE(dump.find("claim more than the area holds"), std::string::npos);
    EXPECT_TRUE(dump.ends_with("\nOK"));
}

TEST(UsbgateMemoryDump, AMacroFillingTheWholeAreaIsShownStepByStep) {
    DeviceMemory memory = factoryMemory();
    const size_t steps = (memory.macro.size() - 16 - 2 - 4) / 4;
    const uint8_t header[] = {0xAA, 0x55, 0, 0x40, 1, 0, 0, 0};
    std::copy(std::begin(header), std::end(header), memory.macro.begin());
    memory.macro[16] = 18;  // the one block starts after the table
    memory.macro[18] = static_cast<uint8_t>(steps);
    memory.macro[19] = static_cast<uint8_t>(steps >> 8);
    const std::string dump = dumpMemory(memory);
    EXPECT_NE(dump.find("macro 1 at 18: " + std::to_string(steps) + " actions"), std::string::npos);
    EXPECT_EQ(occurrences(dump, "release type 0 [00 00] wait 0 ms"), steps);
    EXPECT_EQ(dump.find("claim more"), std::string::npos);
}

}  // namespace
}  // namespace usbgate::sim
