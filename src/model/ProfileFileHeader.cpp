#include "ProfileFileHeader.h"

#include <algorithm>

#include "ByteOrder.h"
#include "MacroRecord.h"
#include "ProfileBlock.h"

namespace model {

std::uint64_t profileFileSize(std::uint64_t macroCount, std::uint64_t stringBytes) {
    return kProfileBlockSize + macroCount * sizeof(MacroRecord) + stringBytes;
}

std::uint8_t profileHeaderChecksum(std::span<const std::uint8_t, 32> header) {
    unsigned sum = 0;
    for (std::size_t i = 0; i < kChecksumOffset; ++i) sum += header[i];
    return static_cast<std::uint8_t>(sum);
}

void fillProfileFileHeader(std::span<std::uint8_t, 32> header, std::uint16_t macroCount,
                           std::uint32_t stringBytes, std::uint8_t flag) {
    std::fill(header.begin(), header.end(), std::uint8_t{0});
    std::uint8_t *bytes = header.data();
    storeU16(bytes + 0, kProfileMagic);
    storeU16(bytes + 2, static_cast<std::uint16_t>(kFileHeaderSize));
    storeU16(bytes + 4, kProfileVersion);
    storeU16(bytes + 6, 1);
    storeU32(bytes + 8, static_cast<std::uint32_t>(profileFileSize(macroCount, stringBytes)));
    storeU16(bytes + 12, static_cast<std::uint16_t>(kRecordCount));
    storeU16(bytes + 14, macroCount);
    storeU32(bytes + 16, stringBytes);
    bytes[kFlagOffset] = flag;
    bytes[kChecksumOffset] = profileHeaderChecksum(header);
}

ProfileFileHeader parseProfileFileHeader(std::span<const std::uint8_t, 32> header) {
    const std::uint8_t *bytes = header.data();
    ProfileFileHeader fields;
    fields.magic = loadU16(bytes + 0);
    fields.headerSize = loadU16(bytes + 2);
    fields.version = loadU16(bytes + 4);
    fields.constant = loadU16(bytes + 6);
    fields.totalSize = loadU32(bytes + 8);
    fields.recordCount = loadU16(bytes + 12);
    fields.macroCount = loadU16(bytes + 14);
    fields.stringBytes = loadU32(bytes + 16);
    fields.flag = bytes[kFlagOffset];
    fields.checksum = bytes[kChecksumOffset];
    return fields;
}

bool isValidProfileFileHeader(std::span<const std::uint8_t, 32> header) {
    const ProfileFileHeader fields = parseProfileFileHeader(header);
    return fields.magic == kProfileMagic && fields.headerSize == kFileHeaderSize &&
           fields.version == kProfileVersion && fields.constant == 1 &&
           fields.totalSize >= kProfileBlockSize && fields.recordCount == kRecordCount &&
           fields.macroCount <= kMaxMacros && fields.flag < 2 &&
           fields.totalSize == profileFileSize(fields.macroCount, fields.stringBytes) &&
           fields.checksum == profileHeaderChecksum(header);
}

}  // namespace model
