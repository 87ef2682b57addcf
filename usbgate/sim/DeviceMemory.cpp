#include "DeviceMemory.h"

#include <algorithm>
#include <string>

namespace usbgate::sim {
namespace {

constexpr uint8_t kSupportedModes[] = {1,  2,  3,  4,  5,  6,  7,  8,  9, 10,
                                       11, 12, 13, 14, 15, 16, 17, 18, 20};

// Lighting defaults of one parameter record: mode 1, brightness 4, speed 2,
// direction 0, multicolour, white.
void writeDefaultRecord(uint8_t *record) {
    const uint8_t head[] = {1, 4, 2, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    std::copy(std::begin(head), std::end(head), record);
}

}  // namespace

uint16_t DeviceMemory::firmware() const {
    return static_cast<uint16_t>(info[kInfoFirmware] | info[kInfoFirmware + 1] << 8);
}

void DeviceMemory::setFirmware(uint16_t version) {
    info[kInfoFirmware] = static_cast<uint8_t>(version);
    info[kInfoFirmware + 1] = static_cast<uint8_t>(version >> 8);
}

size_t DeviceMemory::macroCapacity() const {
    return info[kInfoCapacity] * kCapacityUnit;
}

bool DeviceMemory::setMacroCapacity(size_t bytes) {
    if (bytes > kMaxMacroCapacity) return false;
    info[kInfoCapacity] = static_cast<uint8_t>(bytes / kCapacityUnit);
    macro.resize(macroCapacity(), 0);
    return true;
}

DeviceMemory factoryMemory() {
    DeviceMemory memory;
    memory.setFirmware(kDefaultFirmware);
    memory.info[kInfoProfile] = 0;
    std::copy(std::begin(kSupportedModes), std::end(kSupportedModes),
              memory.info.begin() + kInfoModes);
    memory.setMacroCapacity(kDefaultCapacityUnits * kCapacityUnit);
    // An empty macro area: mark, total size 16, no macros, names included.
    const uint8_t header[] = {0xAA, 0x55, 16, 0, 0, 0, 1, 0};
    std::copy(std::begin(header), std::end(header), memory.macro.begin());
    for (size_t p = 0; p < kProfileCount; ++p) {
        writeDefaultRecord(memory.params.data() + p * kRecordSize);
        std::copy(defaultMatrix().begin(), defaultMatrix().end(),
                  memory.pages.begin() + p * kPageSize);
    }
    memory.colours.fill(0xFF);
    memory.status = {0x05, 0x02};
    return memory;
}

std::span<uint8_t> regionByName(DeviceMemory &memory, std::string_view name,
                                std::array<uint8_t, kPageSize> &defaultCopy) {
    if (name == "info") return memory.info;
    if (name == "params") return memory.params;
    if (name == "macro") return memory.macro;
    if (name == "status") return memory.status;
    if (name == "default") {
        defaultCopy = defaultMatrix();
        return defaultCopy;
    }
    for (size_t p = 0; p < kProfileCount; ++p) {
        const char digit = static_cast<char>('0' + p);
        if (name == std::string("page") + digit) {
            return std::span<uint8_t>(memory.pages).subspan(p * kPageSize, kPageSize);
        }
        if (name == std::string("colours") + digit) {
            return std::span<uint8_t>(memory.colours).subspan(p * kColourSlotSize, kColourSlotSize);
        }
    }
    return {};
}

}  // namespace usbgate::sim
