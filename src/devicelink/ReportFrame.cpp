#include "devicelink/ReportFrame.h"

#include <algorithm>

namespace devicelink {

std::uint16_t reportChecksum(const Report &report) {
    std::uint32_t sum = 0;
    for (std::size_t i = kCodeByte; i < kReportSize; ++i) sum += report[i];
    return static_cast<std::uint16_t>(sum & 0xFFFF);
}

Report buildRequest(CommandCode code, std::uint8_t length, std::uint16_t offset,
                    std::span<const std::uint8_t> payload) {
    Report report{};
    report[kReportIdByte] = kCommandReportId;
    report[kCodeByte] = static_cast<std::uint8_t>(code);
    report[kLengthByte] = length;
    report[kOffsetLowByte] = static_cast<std::uint8_t>(offset & 0xFF);
    report[kOffsetHighByte] = static_cast<std::uint8_t>(offset >> 8);
    report[kStatusByte] = 0;
    const std::size_t copied = std::min(payload.size(), kPayloadSize);
    std::copy_n(payload.begin(), copied, report.begin() + kPayloadByte);
    const std::uint16_t checksum = reportChecksum(report);
    report[kChecksumLowByte] = static_cast<std::uint8_t>(checksum & 0xFF);
    report[kChecksumHighByte] = static_cast<std::uint8_t>(checksum >> 8);
    return report;
}

std::uint16_t reportOffset(const Report &report) {
    return static_cast<std::uint16_t>(report[kOffsetLowByte] | (report[kOffsetHighByte] << 8));
}

bool isRefusingStatus(std::uint8_t status) {
    return status == kStatusBusyValue || status == kStatusRefusedValue;
}

}  // namespace devicelink
