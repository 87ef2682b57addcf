#include "DeviceEntry.h"

#include "KeyConversions.h"

namespace model {
namespace {

// Modifier keys in the order of their bits in a modifier byte.
constexpr std::array<KeyCode, 8> kModifierKeys{0x01D, 0x02A, 0x038, 0x15B,
                                               0x11D, 0x036, 0x138, 0x15C};

struct MouseAction {
    KeyCode code;
    DeviceEntry entry;
};

constexpr std::array<MouseAction, 5> kMouseActions{{
    {kMouseLeft, {kEntryMouse, kMouseButtons, 0x01}},
    {kMouseRight, {kEntryMouse, kMouseButtons, 0x02}},
    {kMouseMiddle, {kEntryMouse, kMouseButtons, 0x04}},
    {kWheelUp, {kEntryMouse, kMouseWheel, 0x01}},
    {kWheelDown, {kEntryMouse, kMouseWheel, 0xFF}},
}};

KeyCode mouseKeyOfEntry(DeviceEntry entry) {
    for (const auto &action : kMouseActions) {
        if (action.entry == entry) return action.code;
    }
    return kNoKey;
}

std::uint16_t usageOf(DeviceEntry entry) {
    return static_cast<std::uint16_t>(entry.a | entry.b << 8);
}

}  // namespace

DeviceEntry entryAt(const KeyPageBytes &page, std::size_t position) {
    if (position >= kMatrixPositions) return {};
    const std::size_t offset = position * kDeviceEntrySize;
    return {page[offset], page[offset + 1], page[offset + 2]};
}

void setEntryAt(KeyPageBytes &page, std::size_t position, DeviceEntry entry) {
    if (position >= kMatrixPositions) return;
    const std::size_t offset = position * kDeviceEntrySize;
    page[offset] = entry.type;
    page[offset + 1] = entry.a;
    page[offset + 2] = entry.b;
}

KeyCode modifierKeyOfBits(std::uint8_t bits) {
    for (std::size_t bit = 0; bit < kModifierKeys.size(); ++bit) {
        if ((bits >> bit) & 1u) return kModifierKeys[bit];
    }
    return kNoKey;
}

std::optional<std::uint8_t> modifierBitOfKeyCode(KeyCode code) {
    for (std::size_t bit = 0; bit < kModifierKeys.size(); ++bit) {
        if (kModifierKeys[bit] == code) return static_cast<std::uint8_t>(1u << bit);
    }
    return std::nullopt;
}

std::optional<DeviceEntry> mouseEntryOfKeyCode(KeyCode code) {
    for (const auto &action : kMouseActions) {
        if (action.code == code) return action.entry;
    }
    return std::nullopt;
}

KeyCode keyCodeOfDeviceEntry(DeviceEntry entry) {
    switch (entry.type) {
        case kEntryMouse:
            return mouseKeyOfEntry(entry);
        case kEntryKeyboard:
            if (entry.a == kKeyboardUsage)
                return keyCodeOfDeviceUsage({kUsagePageKeyboard, entry.b});
            return modifierKeyOfBits(entry.b);
        case kEntryConsumer:
            return keyCodeOfDeviceUsage({kUsagePageConsumer, usageOf(entry)});
        case kEntrySystem:
            return keyCodeOfDeviceUsage({kUsagePageSystem, usageOf(entry)});
        case kEntryExtraKey:
            // Extra keys are numbered from 1; 0x1FF itself names no key.
            if (entry.a != kExtraKeyMarker || entry.b == 0) return kNoKey;
            return keyCodeOfExtraKey(entry.b);
        default:
            return kNoKey;
    }
}

}  // namespace model
