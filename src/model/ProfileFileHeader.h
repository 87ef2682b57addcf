// The 32-byte header of profile files: magic "FD", version 3, the sizes of the
// parts that follow and a byte-sum checksum.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace model {

inline constexpr std::uint16_t kProfileMagic = 0x4446;  // "F", "D"
inline constexpr std::uint16_t kProfileVersion = 3;
inline constexpr std::size_t kChecksumOffset = 31;
inline constexpr std::size_t kFlagOffset = 30;

struct ProfileFileHeader {
    std::uint16_t magic = 0;
    std::uint16_t headerSize = 0;
    std::uint16_t version = 0;
    std::uint16_t constant = 0;
    std::uint32_t totalSize = 0;
    std::uint16_t recordCount = 0;
    std::uint16_t macroCount = 0;
    std::uint32_t stringBytes = 0;
    std::uint8_t flag = 0;
    std::uint8_t checksum = 0;
};

// Size of a file with this many macros and string bytes (64 bits: never wraps).
std::uint64_t profileFileSize(std::uint64_t macroCount, std::uint64_t stringBytes);

// Fills all 32 header bytes; the checksum last.
void fillProfileFileHeader(std::span<std::uint8_t, 32> header, std::uint16_t macroCount,
                           std::uint32_t stringBytes, std::uint8_t flag);

ProfileFileHeader parseProfileFileHeader(std::span<const std::uint8_t, 32> header);

// Sum of bytes 0..30 modulo 256.
std::uint8_t profileHeaderChecksum(std::span<const std::uint8_t, 32> header);

// All header fields consistent: magic, sizes, version, record count, at most 100
// macros, flag 0 or 1, totalSize matching the parts, checksum.
bool isValidProfileFileHeader(std::span<const std::uint8_t, 32> header);

}  // namespace model
