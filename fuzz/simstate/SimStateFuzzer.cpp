// Feeds arbitrary bytes to the simulated keyboard's state file reader, once as
// they are and once resealed with the check sum of all but their last four
// bytes, so that the sections behind the check sum are reached too. Whatever
// loads must keep the macro area as large as its capacity, read back the same
// from its own encoding, and dump in proportion to its size.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "sim/MemoryDump.h"
#include "sim/StateFile.h"

namespace {

using usbgate::sim::DeviceMemory;

std::vector<std::uint8_t> resealed(std::span<const std::uint8_t> file) {
    std::vector<std::uint8_t> bytes(file.begin(), file.end() - 4);
    usbgate::sim::sealState(bytes);
    return bytes;
}

void checkLoaded(const DeviceMemory &memory) {
    if (memory.macro.size() != memory.macroCapacity()) __builtin_trap();
    DeviceMemory again = usbgate::sim::factoryMemory();
    if (!usbgate::sim::decodeState(usbgate::sim::encodeState(memory), again)) __builtin_trap();
    if (memory != again) __builtin_trap();
    // Outside the macro area the dump has a fixed number of lines; inside, at
    // most one per four bytes.
    const std::string dump = usbgate::sim::dumpMemory(memory);
    const auto lines = static_cast<std::size_t>(std::count(dump.begin(), dump.end(), '\n'));
    if (lines > memory.macro.size() / 4 + 200) __builtin_trap();
}

void load(std::span<const std::uint8_t> file) {
    DeviceMemory memory = usbgate::sim::factoryMemory();
    const DeviceMemory before = memory;
    if (usbgate::sim::decodeState(file, memory)) {
        checkLoaded(memory);
    } else if (memory != before) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::span<const std::uint8_t> file(data, size);
    load(file);
    if (size >= 4) load(resealed(file));
    return 0;
}
