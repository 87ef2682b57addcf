#include "devicelink/DeviceCommands.h"

#include <algorithm>
#include <thread>

#include "devicelink/DeviceResult.h"

namespace devicelink {

namespace {

constexpr std::size_t kParamAreaSize = kParamRecordSize * kProfileCount;

std::int32_t statusResult(std::uint8_t status) {
    if (status == kStatusBusyValue) return kStatusBusy;
    if (status == kStatusRefusedValue) return kStatusRefused;
    return kDone;
}

std::uint8_t chunkLength(std::size_t total, std::size_t offset) {
    return static_cast<std::uint8_t>(std::min(kPayloadSize, total - offset));
}

bool isPageIndex(int pageIndex) {
    return pageIndex >= 0 && pageIndex < kProfileCount;
}

}  // namespace

// One exchange of a complete request, then the status test. An answer too
// short to carry its status cannot confirm anything and counts as no answer.
std::int32_t DeviceCommands::exchange(const Report &request, Report &answer) {
    answer.fill(0);
    std::uint32_t received = 0;
    const std::int32_t result = transport_.exchangeReport(request, answer, received);
    if (result != kDone) return result;
    if (received <= kStatusByte) return kNoAnswer;
    return statusResult(answer[kStatusByte]);
}

std::int32_t DeviceCommands::send(CommandCode code, std::uint8_t length, std::uint16_t offset,
                                  std::span<const std::uint8_t> payload) {
    Report answer;
    return exchange(buildRequest(code, length, offset, payload), answer);
}

std::int32_t DeviceCommands::beginCommand() {
    return send(CommandCode::BeginCommand);
}

std::int32_t DeviceCommands::endCommand() {
    std::this_thread::sleep_for(transport_.timing().endCommandPause);
    return send(CommandCode::EndCommand);
}

std::int32_t DeviceCommands::readInfo(std::span<std::uint8_t, kInfoSize> info) {
    Report answer;
    const auto length = static_cast<std::uint8_t>(kInfoSize);
    const std::int32_t result = exchange(buildRequest(CommandCode::ReadInfo, length), answer);
    if (result != kDone) return result;
    std::copy_n(answer.begin() + kPayloadByte, kInfoSize, info.begin());
    return kDone;
}

std::int32_t DeviceCommands::writeInfo(std::span<const std::uint8_t, kInfoSize> info) {
    return send(CommandCode::WriteInfo, static_cast<std::uint8_t>(kInfoSize), 0, info);
}

std::int32_t DeviceCommands::readParams(std::span<std::uint8_t, kPayloadSize> destination,
                                        std::uint8_t length, std::uint16_t offset) {
    if (length > kPayloadSize) return kOutOfRange;
    Report answer;
    const std::int32_t result =
        exchange(buildRequest(CommandCode::ReadParams, length, offset), answer);
    if (result != kDone) return result;
    std::copy_n(answer.begin() + kPayloadByte, kPayloadSize, destination.begin());
    return kDone;
}

std::int32_t DeviceCommands::writeParams(std::span<const std::uint8_t> bytes,
                                         std::uint16_t offset) {
    if (bytes.size() > kPayloadSize || offset + bytes.size() > kParamAreaSize) {
        return kOutOfRange;
    }
    return send(CommandCode::WriteParams, static_cast<std::uint8_t>(bytes.size()), offset, bytes);
}

// Chunks of at most 56 bytes at offsets 0, 56, 112, ... within the block; the
// request addresses base + offset. A chunk's data follows byte 8 of its answer.
std::int32_t DeviceCommands::readChunks(CommandCode code, std::size_t base,
                                        std::span<std::uint8_t> block) {
    for (std::size_t offset = 0; offset < block.size(); offset += kPayloadSize) {
        const std::uint8_t length = chunkLength(block.size(), offset);
        Report answer;
        const std::int32_t result =
            exchange(buildRequest(code, length, static_cast<std::uint16_t>(base + offset)), answer);
        if (result != kDone) return result;
        std::copy_n(answer.begin() + kPayloadByte, length, block.begin() + offset);
    }
    return kDone;
}

std::int32_t DeviceCommands::writeChunks(CommandCode code, std::size_t base,
                                         std::span<const std::uint8_t> block) {
    for (std::size_t offset = 0; offset < block.size(); offset += kPayloadSize) {
        const std::uint8_t length = chunkLength(block.size(), offset);
        const std::int32_t result = send(code, length, static_cast<std::uint16_t>(base + offset),
                                         block.subspan(offset, length));
        if (result != kDone) return result;
    }
    return kDone;
}

std::int32_t DeviceCommands::readKeyPage(std::span<std::uint8_t, kKeyPageSize> page,
                                         int pageIndex) {
    if (!isPageIndex(pageIndex)) return kOutOfRange;
    return readChunks(CommandCode::ReadKeyPage, pageIndex * kKeyPageSize, page);
}

std::int32_t DeviceCommands::writeKeyPage(std::span<const std::uint8_t, kKeyPageSize> page,
                                          int pageIndex) {
    if (!isPageIndex(pageIndex)) return kOutOfRange;
    return writeChunks(CommandCode::WriteKeyPage, pageIndex * kKeyPageSize, page);
}

std::int32_t DeviceCommands::readMacroArea(std::span<std::uint8_t> area) {
    if (area.size() > kMacroAreaLimit) return kOutOfRange;
    return readChunks(CommandCode::ReadMacroArea, 0, area);
}

std::int32_t DeviceCommands::writeMacroArea(std::span<const std::uint8_t> area) {
    if (area.size() > kMacroAreaLimit) return kOutOfRange;
    return writeChunks(CommandCode::WriteMacroArea, 0, area);
}

std::int32_t DeviceCommands::readDefaultMatrix(std::span<std::uint8_t, kKeyPageSize> matrix) {
    return readChunks(CommandCode::ReadDefaultMatrix, 0, matrix);
}

std::int32_t DeviceCommands::writeKeyColours(std::span<const std::uint8_t> rgb,
                                             std::uint16_t firstKey, int profile) {
    const std::size_t start = static_cast<std::size_t>(firstKey) * 3;
    if (!isPageIndex(profile) || rgb.size() > kPayloadSize ||
        start + rgb.size() > kKeyColourSlotSize) {
        return kOutOfRange;
    }
    const auto offset = static_cast<std::uint16_t>(start + profile * kKeyColourSlotSize);
    return send(CommandCode::WriteKeyColours, static_cast<std::uint8_t>(rgb.size()), offset, rgb);
}

int DeviceCommands::activeProfile() {
    const int cached = activeProfile_;
    if (cached >= 0) return cached;
    InfoBlock info{};
    if (readInfo(info) != kDone) return -1;
    const int profile = info[kInfoProfileOffset];
    if (!isPageIndex(profile)) return -1;
    activeProfile_ = profile;
    return profile;
}

std::int32_t DeviceCommands::setActiveProfile(int profile) {
    if (!isPageIndex(profile)) return kOutOfRange;
    InfoBlock info{};
    const std::int32_t read = readInfo(info);
    if (read != kDone) return read;
    info[kInfoProfileOffset] = static_cast<std::uint8_t>(profile);
    const std::int32_t written = writeInfo(info);
    activeProfile_ = written == kDone ? profile : -1;
    return written;
}

}  // namespace devicelink
