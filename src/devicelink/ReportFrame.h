// The 64-byte command report shared by requests and answers: report id, check
// sum, command code, length, offset, status and up to 56 payload bytes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "devicelink/CommandCode.h"

namespace devicelink {

inline constexpr std::size_t kReportSize = 64;
inline constexpr std::size_t kPayloadSize = 56;

using Report = std::array<std::uint8_t, kReportSize>;

// Byte positions inside a report.
inline constexpr std::size_t kReportIdByte = 0;
inline constexpr std::size_t kChecksumLowByte = 1;
inline constexpr std::size_t kChecksumHighByte = 2;
inline constexpr std::size_t kCodeByte = 3;
inline constexpr std::size_t kLengthByte = 4;
inline constexpr std::size_t kOffsetLowByte = 5;
inline constexpr std::size_t kOffsetHighByte = 6;
inline constexpr std::size_t kStatusByte = 7;
inline constexpr std::size_t kPayloadByte = 8;

inline constexpr std::uint8_t kCommandReportId = 4;
// Answer status values that refuse the command; any other status is success.
inline constexpr std::uint8_t kStatusBusyValue = 255;
inline constexpr std::uint8_t kStatusRefusedValue = 254;

// 16-bit sum of bytes 3..63, carries beyond 16 bits dropped.
std::uint16_t reportChecksum(const Report &report);

// A complete request: report id 4, the code, length and offset fields, the
// payload (at most 56 bytes; more is cut), status 0 and the check sum.
Report buildRequest(CommandCode code, std::uint8_t length = 0, std::uint16_t offset = 0,
                    std::span<const std::uint8_t> payload = {});

// The offset field of a report (bytes 5..6, low byte first).
std::uint16_t reportOffset(const Report &report);

bool isRefusingStatus(std::uint8_t status);

}  // namespace devicelink
