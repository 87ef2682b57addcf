#include "AssignmentEncoding.h"

#include <algorithm>

#include "KeyConversions.h"
#include "KeyTable.h"

namespace model {
namespace {

DeviceEntry keyEntryOfCode(KeyCode code) {
    if (const auto bit = modifierBitOfKeyCode(code)) {
        return {kEntryKeyboard, kKeyboardModifier, *bit};
    }
    if (const auto mouse = mouseEntryOfKeyCode(code)) return *mouse;
    const DeviceUsage usage = deviceUsageOfKeyCode(code);
    const auto device =
        usage.page == kUsagePageKeyboard ? static_cast<std::uint8_t>(usage.usage) : std::uint8_t{0};
    return {kEntryKeyboard, kKeyboardUsage, device};
}

DeviceEntry mediaEntry(std::uint32_t mediaIndex) {
    if (mediaIndex >= kMediaList.size()) return {};
    const std::uint16_t usage = kMediaList[mediaIndex].consumerUsage;
    return {kEntryConsumer, static_cast<std::uint8_t>(usage),
            static_cast<std::uint8_t>(usage >> 8)};
}

std::optional<std::uint32_t> mediaIndexOfUsage(std::uint16_t usage) {
    for (std::size_t index = 0; index < kMediaList.size(); ++index) {
        if (kMediaList[index].consumerUsage == usage) return static_cast<std::uint32_t>(index);
    }
    return std::nullopt;
}

KeyAssignment assignment(std::uint16_t kind, std::uint32_t value) {
    KeyAssignment record;
    record.kind = kind;
    record.value = value;
    return record;
}

KeyAssignment decodeMacroEntry(DeviceEntry entry) {
    switch (entry.a) {
        case kMacroPlay:
            return assignment(kKindMacro, entry.b + 1u);
        case kMacroStop:
            return assignment(kKindStopMacro, 0);
        case kMacroFunction:
            return assignment(kKindFunction, entry.b);
        default:
            return assignment(kKindDisabled, 0);
    }
}

// A usage that names no key leaves the key disabled; a modifier entry always
// gives a key assignment, with no key (0) when no modifier bit is set.
KeyAssignment decodeKeyboardEntry(DeviceEntry entry) {
    if (entry.a == kKeyboardModifier) return assignment(kKindKey, modifierKeyOfBits(entry.b));
    if (entry.a != kKeyboardUsage) return assignment(kKindDisabled, 0);
    const KeyCode code = keyCodeOfDeviceUsage({kUsagePageKeyboard, entry.b});
    return code != kNoKey ? assignment(kKindKey, code) : assignment(kKindDisabled, 0);
}

KeyAssignment decodeMouseEntry(DeviceEntry entry) {
    const KeyCode code = keyCodeOfDeviceEntry(entry);
    return code != kNoKey ? assignment(kKindKey, code) : assignment(kKindDisabled, 0);
}

KeyAssignment decodeConsumerEntry(DeviceEntry entry) {
    const auto index = mediaIndexOfUsage(static_cast<std::uint16_t>(entry.a | entry.b << 8));
    return index ? assignment(kKindMedia, *index) : assignment(kKindDisabled, 0);
}

}  // namespace

DeviceEntry encodeAssignment(const KeyAssignment &record, DeviceEntry defaultEntry,
                             const MacroPositionOfId &macroPosition) {
    switch (record.kind) {
        case kKindDefault:
        case kKindLaunch:
            return defaultEntry;
        case kKindDisabled:
        case kKindText:
            return {};
        case kKindKey:
            return keyEntryOfCode(static_cast<KeyCode>(record.value));
        case kKindMacro: {
            const std::uint16_t position = macroPosition ? macroPosition(record.value) : 0;
            return {kEntryMacro, kMacroPlay, static_cast<std::uint8_t>(position)};
        }
        case kKindStopMacro:
            return {kEntryMacro, kMacroStop, 0};
        case kKindMedia:
            return mediaEntry(record.value);
        case kKindFunction:
            return {kEntryMacro, kMacroFunction, static_cast<std::uint8_t>(record.value & 0xFF)};
        default:
            // Kinds no dialog creates leave the key as the keyboard ships it.
            return defaultEntry;
    }
}

std::optional<std::uint16_t> recordIndexOfPosition(const KeyPageBytes &defaultMatrix,
                                                   std::size_t position) {
    const KeyCode code = keyCodeOfDeviceEntry(entryAt(defaultMatrix, position));
    if (code == kNoKey) return std::nullopt;
    const std::uint16_t row = rowOfKeyCode(code);
    if (row >= kRecordsPerProfile) return std::nullopt;
    return row;
}

KeyPageBytes buildKeyPage(const ProfileBlock &block, int profile, const KeyPageBytes &defaultMatrix,
                          const MacroPositionOfId &macroPosition) {
    KeyPageBytes page = defaultMatrix;
    if (!isValidRecordAddress(profile, 0)) return page;
    for (std::size_t position = 0; position < kMatrixPositions; ++position) {
        const auto recordIndex = recordIndexOfPosition(defaultMatrix, position);
        if (!recordIndex) continue;
        const KeyAssignment record = blockRecord(block, globalRecordIndex(profile, *recordIndex));
        setEntryAt(page, position,
                   encodeAssignment(record, entryAt(defaultMatrix, position), macroPosition));
    }
    return page;
}

KeyAssignment decodeDeviceEntry(DeviceEntry entry) {
    switch (entry.type) {
        case kEntryMacro:
            return decodeMacroEntry(entry);
        case kEntryConsumer:
            return decodeConsumerEntry(entry);
        case kEntryMouse:
            return decodeMouseEntry(entry);
        case kEntryKeyboard:
            return decodeKeyboardEntry(entry);
        default:
            return assignment(kKindDisabled, 0);
    }
}

void decodeKeyPage(const KeyPageBytes &page, const KeyPageBytes &defaultMatrix, int profile,
                   ProfileBlock &block) {
    if (!isValidRecordAddress(profile, 0)) return;
    const std::size_t first = recordByteOffset(globalRecordIndex(profile, 0));
    std::fill_n(block.begin() + static_cast<std::ptrdiff_t>(first),
                kRecordsPerProfile * sizeof(KeyAssignment), std::uint8_t{0});
    setExtraKeyIdentifiers(block, profile);
    for (std::size_t position = 0; position < kMatrixPositions; ++position) {
        const DeviceEntry entry = entryAt(page, position);
        if (entry == entryAt(defaultMatrix, position)) continue;
        const auto recordIndex = recordIndexOfPosition(defaultMatrix, position);
        if (!recordIndex) continue;
        const std::size_t global = globalRecordIndex(profile, *recordIndex);
        KeyAssignment record = decodeDeviceEntry(entry);
        record.extra = blockRecord(block, global).extra;
        setBlockRecord(block, global, record);
    }
}

}  // namespace model
