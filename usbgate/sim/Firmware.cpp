#include "Firmware.h"

#include <algorithm>
#include <span>

namespace usbgate::sim {
namespace {

struct Chunk {
    size_t length;
    size_t offset;
};

Chunk chunkOf(const Report &request) {
    return {request[4], static_cast<size_t>(request[5] | request[6] << 8)};
}

// Info bytes the host may change: the profile and the bytes the firmware does
// not interpret. Version, capacity and mode list belong to the firmware.
bool isHostWritableInfoByte(size_t index) {
    return index < kInfoFirmware || index == kInfoProfile;
}

}  // namespace

uint16_t reportCheckSum(const Report &report) {
    uint32_t sum = 0;
    for (size_t i = 3; i < kReportSize; ++i) sum += report[i];
    return static_cast<uint16_t>(sum);
}

void sealReport(Report &report) {
    uint16_t sum = reportCheckSum(report);
    report[1] = static_cast<uint8_t>(sum);
    report[2] = static_cast<uint8_t>(sum >> 8);
}

Report Firmware::echo(const uint8_t *request, size_t length, uint8_t status) {
    Report answer{};
    answer[0] = kReportId;
    for (size_t i = 3; i < 7 && i < length; ++i) answer[i] = request[i];
    answer[7] = status;
    sealReport(answer);
    return answer;
}

CommandResult Firmware::handle(const uint8_t *request, size_t length) {
    CommandResult result;
    Report copy{};
    std::copy_n(request, std::min(length, kReportSize), copy.begin());
    result.answer = echo(request, length, kStatusOk);
    const bool wellFormed = length == kReportSize && copy[0] == kReportId &&
                            (copy[1] | copy[2] << 8) == reportCheckSum(copy);
    result.answer[7] = wellFormed ? execute(copy, result) : kStatusRefused;
    sealReport(result.answer);
    return result;
}

uint8_t Firmware::execute(const Report &request, CommandResult &result) {
    std::span<uint8_t> macro(memory_.macro);
    switch (request[3]) {
        case kBegin:
            groupOpen_ = true;
            return kStatusOk;
        case kEnd:
            groupOpen_ = false;
            result.groupClosed = true;
            return kStatusOk;
        case kReadInfo:
            return readInfo(request, result.answer);
        case kWriteInfo:
            return writeInfo(request, result);
        case kReadParams:
            return readRegion(memory_.params, request, result.answer);
        case kWriteParams:
            return writeRegion(memory_.params, request, result);
        case kReadKeyPage:
            return readRegion(memory_.pages, request, result.answer);
        case kWriteKeyPage:
            return writeRegion(memory_.pages, request, result);
        case kReadMacroArea:
            return readRegion(macro, request, result.answer);
        case kWriteMacroArea:
            return writeRegion(macro, request, result);
        case kReadDefaultMatrix:
            return readRegion(defaultMatrix(), request, result.answer);
        case kWriteKeyColours:
            return writeRegion(memory_.colours, request, result);
        default:
            return kStatusRefused;
    }
}

// A read must start inside the region and ask for 1..56 bytes; the answer
// carries up to 56 bytes from the offset, zero past the region's end (the host
// reads whole 56-byte windows of the parameter area).
uint8_t Firmware::readRegion(std::span<const uint8_t> region, const Report &request,
                             Report &answer) {
    Chunk chunk = chunkOf(request);
    if (chunk.length == 0 || chunk.length > kPayloadSize || chunk.offset >= region.size()) {
        return kStatusRefused;
    }
    size_t available = std::min(kPayloadSize, region.size() - chunk.offset);
    std::copy_n(region.begin() + static_cast<ptrdiff_t>(chunk.offset), available,
                answer.begin() + kPayloadOffset);
    return kStatusOk;
}

// A write must carry 1..56 bytes that fit entirely inside the region.
uint8_t Firmware::writeRegion(std::span<uint8_t> region, const Report &request,
                              CommandResult &result) {
    Chunk chunk = chunkOf(request);
    if (chunk.length == 0 || chunk.length > kPayloadSize || chunk.offset > region.size() ||
        chunk.length > region.size() - chunk.offset) {
        return kStatusRefused;
    }
    std::copy_n(request.begin() + kPayloadOffset, chunk.length,
                region.begin() + static_cast<ptrdiff_t>(chunk.offset));
    result.memoryChanged = true;
    return kStatusOk;
}

uint8_t Firmware::readInfo(const Report &request, Report &answer) {
    Chunk chunk = chunkOf(request);
    if (chunk.length != kInfoSize || chunk.offset != 0) return kStatusRefused;
    std::copy(memory_.info.begin(), memory_.info.end(), answer.begin() + kPayloadOffset);
    return kStatusOk;
}

uint8_t Firmware::writeInfo(const Report &request, CommandResult &result) {
    Chunk chunk = chunkOf(request);
    if (chunk.length != kInfoSize || chunk.offset != 0) return kStatusRefused;
    const uint8_t *block = request.data() + kPayloadOffset;
    if (block[kInfoProfile] >= kProfileCount) return kStatusRefused;
    for (size_t i = 0; i < kInfoSize; ++i) {
        if (isHostWritableInfoByte(i)) memory_.info[i] = block[i];
    }
    result.memoryChanged = true;
    return kStatusOk;
}

}  // namespace usbgate::sim
