#include "KeyConversions.h"

#include "IntegerFormat.h"
#include "KeyTable.h"

namespace model {
namespace {

const KeyEntry *entryOfKeyCode(KeyCode code) {
    const auto row = rowOfKeyCode(code);
    return row < kKeyTable.size() ? &kKeyTable[row] : nullptr;
}

const KeyEntry *firstEntryWithListIndex(std::uint16_t listIndex, std::size_t *rowOut) {
    if (listIndex == kFreeRow) return nullptr;
    for (std::size_t row = 0; row < kKeyTable.size(); ++row) {
        if (kKeyTable[row].listIndex == listIndex) {
            *rowOut = row;
            return &kKeyTable[row];
        }
    }
    return nullptr;
}

std::uint16_t consumerDeviceCode(std::uint16_t usage) {
    for (std::size_t slot = 0; slot < kConsumerUsageCount; ++slot) {
        if (kConsumerUsageTable[slot] == usage) {
            return static_cast<std::uint16_t>(kConsumerDeviceCodeBase + slot);
        }
    }
    return 0;
}

std::uint16_t deviceCodeOfUsage(DeviceUsage usage) {
    switch (usage.page) {
        case kUsagePageKeyboard:
            return usage.usage;
        case kUsagePageSystem:
            return usage.usage >= 0x81 && usage.usage <= 0x83 ? usage.usage : 0;
        case kUsagePageConsumer:
            return consumerDeviceCode(usage.usage);
        default:
            return 0;
    }
}

}  // namespace

KeyCode keyCodeOfListIndex(std::uint16_t listIndex) {
    std::size_t row = 0;
    if (firstEntryWithListIndex(listIndex, &row) == nullptr) return kNoKey;
    return keyCodeOfRow(static_cast<std::uint8_t>(row));
}

std::uint16_t listIndexOfKeyCode(KeyCode code) {
    const KeyEntry *entry = entryOfKeyCode(code);
    return entry != nullptr ? entry->listIndex : kFreeRow;
}

std::u16string keyTextOfListIndex(std::uint16_t listIndex, const TextLookup &lookup) {
    std::size_t row = 0;
    const KeyEntry *entry = firstEntryWithListIndex(listIndex, &row);
    if (entry == nullptr || entry->textKey.empty()) return {};
    return lookup(kTextSection, entry->textKey);
}

std::u16string keyDisplayName(KeyCode code, const TextLookup &lookup, std::size_t capacity) {
    if (capacity == 0) return {};
    const KeyEntry *entry = entryOfKeyCode(code);
    std::u16string name;
    if (entry != nullptr && !entry->textKey.empty()) name = lookup(kTextSection, entry->textKey);
    if (name.empty()) name = formatWithInteger(lookup(kTextSection, u"UNKNOWN_KEY"), code);
    if (name.size() > capacity - 1) name.resize(capacity - 1);
    return name;
}

DeviceUsage deviceUsageOfKeyCode(KeyCode code) {
    const KeyEntry *entry = entryOfKeyCode(code);
    const std::uint16_t device = entry != nullptr ? entry->deviceCode : 0;
    if (device == 0x00 || device == 0xFF) return {};
    if (device >= 0x81 && device <= 0x83) return {kUsagePageSystem, device};
    if (device >= 0xF1 && device <= 0xF8) return {kUsagePageMouse, device};
    return {kUsagePageKeyboard, device};
}

KeyCode keyCodeOfDeviceCode(std::uint16_t deviceCode) {
    for (std::size_t row = 0; row < kKeyTable.size(); ++row) {
        if (kKeyTable[row].deviceCode == deviceCode) {
            return keyCodeOfRow(static_cast<std::uint8_t>(row));
        }
    }
    return kNoKey;
}

KeyCode keyCodeOfDeviceUsage(DeviceUsage usage) {
    return keyCodeOfDeviceCode(deviceCodeOfUsage(usage));
}

KeyCode keyCodeOfVirtualKey(std::uint8_t virtualKey) {
    const auto row = kVirtualKeyMap[virtualKey];
    return row != 0 ? keyCodeOfRow(row) : kNoKey;
}

KeyCode keyCodeOfKeyEvent(std::uint32_t virtualKey, std::uint32_t lParam) {
    const auto scan = static_cast<KeyCode>((lParam >> 16) & 0x1FF);
    const bool knownVirtualKey = virtualKey <= 0xFF;
    const KeyCode fromVirtualKey =
        knownVirtualKey ? keyCodeOfVirtualKey(static_cast<std::uint8_t>(virtualKey)) : kNoKey;
    if (scan == 0x036) return scan;
    if (virtualKey == 0xFF) return scan;
    if ((scan & 0xFF) == 0) return fromVirtualKey;
    const KeyEntry &entry = kKeyTable[rowOfKeyCode(scan)];
    if (knownVirtualKey && (entry.virtualKey == virtualKey || entry.altVirtualKey == virtualKey)) {
        return scan;
    }
    if (knownVirtualKey && (scan & 0xFF) == kVirtualKeyMap[virtualKey]) return scan;
    return fromVirtualKey;
}

}  // namespace model
