// The simulated keyboard's command handling: one 64-byte request in, one
// 64-byte answer out, memory changed as the keyboard would change it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "DeviceMemory.h"

namespace usbgate::sim {

inline constexpr size_t kReportSize = 64;
inline constexpr size_t kPayloadSize = 56;
inline constexpr size_t kPayloadOffset = 8;
inline constexpr uint8_t kReportId = 4;
inline constexpr uint8_t kStatusOk = 0;
inline constexpr uint8_t kStatusRefused = 255;
inline constexpr uint8_t kStatusBusy = 254;

using Report = std::array<uint8_t, kReportSize>;

enum Command : uint8_t {
    kBegin = 0x01,
    kEnd = 0x02,
    kReadInfo = 0x03,
    kWriteInfo = 0x04,
    kReadParams = 0x05,
    kWriteParams = 0x06,
    kReadKeyPage = 0x07,
    kWriteKeyPage = 0x08,
    kReadMacroArea = 0x09,
    kWriteMacroArea = 0x0A,
    kReadDefaultMatrix = 0x0F,
    kWriteKeyColours = 0x11,
};

// 16-bit sum of bytes 3..63 of a report.
uint16_t reportCheckSum(const Report &report);
void sealReport(Report &report);

struct CommandResult {
    Report answer{};
    bool memoryChanged = false;
    bool groupClosed = false;  // an EndCommand: a good moment to persist
};

class Firmware {
public:
    explicit Firmware(DeviceMemory &memory) : memory_(memory) {}

    // Handles `length` request bytes; anything but a well-formed 64-byte
    // report with a correct check sum is refused with status 255.
    CommandResult handle(const uint8_t *request, size_t length);

    // An answer that echoes the request's header with `status` and no data.
    static Report echo(const uint8_t *request, size_t length, uint8_t status);

    // True between a BeginCommand and its EndCommand.
    bool groupOpen() const { return groupOpen_; }

private:
    uint8_t execute(const Report &request, CommandResult &result);
    uint8_t readRegion(std::span<const uint8_t> region, const Report &request, Report &answer);
    uint8_t writeRegion(std::span<uint8_t> region, const Report &request, CommandResult &result);
    uint8_t readInfo(const Report &request, Report &answer);
    uint8_t writeInfo(const Report &request, CommandResult &result);

    DeviceMemory &memory_;
    bool groupOpen_ = false;
};

}  // namespace usbgate::sim
