// The 32832-byte profile block: the file header, the device block header and
// 2048 key records in four groups of 512 (group p for on-board profile p; the
// fourth group is never used). Record (p, i) starts at byte 64 + p * 8192 + i * 16.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "KeyAssignment.h"

namespace model {

inline constexpr int kProfileCount = 3;
inline constexpr std::size_t kFileHeaderSize = 32;
inline constexpr std::size_t kDeviceBlockHeaderOffset = 32;
inline constexpr std::size_t kDeviceBlockHeaderSize = 32;
inline constexpr std::size_t kRecordsOffset = 64;
inline constexpr std::size_t kRecordGroups = 4;
inline constexpr std::size_t kRecordsPerProfile = 512;
inline constexpr std::size_t kRecordCount = kRecordGroups * kRecordsPerProfile;
inline constexpr std::size_t kProfileBlockSize =
    kRecordsOffset + kRecordCount * sizeof(KeyAssignment);
static_assert(kProfileBlockSize == 32832);

using ProfileBlock = std::array<std::uint8_t, kProfileBlockSize>;

// Record indexes within a profile: 0..255 keys by row, 256..264 extra keys 1..9 of
// bank A, 265..273 extra keys 1..9 of bank B; the rest is never used.
inline constexpr std::uint16_t kFirstExtraKeyRecord = 256;
inline constexpr std::uint16_t kExtraKeysPerBank = 9;
inline constexpr std::uint16_t kExtraKeyRecordCount = 2 * kExtraKeysPerBank;

constexpr bool isValidRecordAddress(int profile, int recordIndex) {
    return profile >= 0 && profile < static_cast<int>(kRecordGroups) && recordIndex >= 0 &&
           recordIndex < static_cast<int>(kRecordsPerProfile);
}

constexpr std::size_t globalRecordIndex(int profile, int recordIndex) {
    return static_cast<std::size_t>(profile) * kRecordsPerProfile +
           static_cast<std::size_t>(recordIndex);
}

constexpr std::size_t recordByteOffset(std::size_t globalIndex) {
    return kRecordsOffset + globalIndex * sizeof(KeyAssignment);
}

constexpr std::uint16_t extraKeyRecordIndex(int keyPosition, bool bankB) {
    return static_cast<std::uint16_t>(kFirstExtraKeyRecord + keyPosition +
                                      (bankB ? kExtraKeysPerBank : 0));
}

// The identifier an extra key's record carries in `extra`: 0x0301..0x0309 for
// bank A, 0x1301..0x1309 for bank B; 0 for records that are not extra keys.
constexpr std::uint16_t extraKeyIdentifier(int recordIndex) {
    const int offset = recordIndex - kFirstExtraKeyRecord;
    if (offset < 0 || offset >= kExtraKeyRecordCount) return 0;
    const int bankBase = offset < kExtraKeysPerBank ? 0x0301 : 0x1301;
    return static_cast<std::uint16_t>(bankBase + offset % kExtraKeysPerBank);
}

static_assert(extraKeyIdentifier(256) == 0x0301 && extraKeyIdentifier(273) == 0x1309);

// Records by global index (profile * 512 + record index); an index outside
// the block reads as a zero record and is never written.
KeyAssignment blockRecord(const ProfileBlock &block, std::size_t globalIndex);
void setBlockRecord(ProfileBlock &block, std::size_t globalIndex, const KeyAssignment &record);

// Writes the fixed device block header at block offset 32.
void writeDeviceBlockHeader(ProfileBlock &block);

// Sets the extra-key identifiers in the records of one profile.
void setExtraKeyIdentifiers(ProfileBlock &block, int profile);

// A block with an empty header, the device block header and default records
// (all zero but the extra-key identifiers of profile 0).
void initialiseDefaultBlock(ProfileBlock &block);

}  // namespace model
