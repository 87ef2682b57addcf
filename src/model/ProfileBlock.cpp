#include "ProfileBlock.h"

#include <algorithm>
#include <cstring>

#include "ByteOrder.h"

namespace model {

KeyAssignment blockRecord(const ProfileBlock &block, std::size_t globalIndex) {
    KeyAssignment record;
    if (globalIndex < kRecordCount) {
        std::memcpy(&record, block.data() + recordByteOffset(globalIndex), sizeof record);
    }
    return record;
}

void setBlockRecord(ProfileBlock &block, std::size_t globalIndex, const KeyAssignment &record) {
    if (globalIndex >= kRecordCount) return;
    std::memcpy(block.data() + recordByteOffset(globalIndex), &record, sizeof record);
}

void writeDeviceBlockHeader(ProfileBlock &block) {
    std::uint8_t *header = block.data() + kDeviceBlockHeaderOffset;
    std::fill(header, header + kDeviceBlockHeaderSize, std::uint8_t{0});
    storeU16(header + 0, 0x484B);  // "KH"
    storeU16(header + 2, static_cast<std::uint16_t>(kDeviceBlockHeaderSize));
    storeU32(header + 4, static_cast<std::uint32_t>(kProfileBlockSize - kRecordsOffset +
                                                    kDeviceBlockHeaderSize));
    storeU16(header + 8, static_cast<std::uint16_t>(kRecordGroups));
    storeU16(header + 10, static_cast<std::uint16_t>(kRecordsPerProfile));
    storeU16(header + 16, 0x0C45);  // USB vendor id of the keyboard
    storeU16(header + 18, 0x5004);  // USB product id of the keyboard
    storeU32(header + 20, 0x000E1C4F);
}

void setExtraKeyIdentifiers(ProfileBlock &block, int profile) {
    if (!isValidRecordAddress(profile, 0)) return;
    for (int index = kFirstExtraKeyRecord; index < kFirstExtraKeyRecord + kExtraKeyRecordCount;
         ++index) {
        const std::size_t offset = recordByteOffset(globalRecordIndex(profile, index));
        storeU16(block.data() + offset + 2, extraKeyIdentifier(index));
    }
}

void initialiseDefaultBlock(ProfileBlock &block) {
    block.fill(0);
    writeDeviceBlockHeader(block);
    setExtraKeyIdentifiers(block, 0);
}

}  // namespace model
