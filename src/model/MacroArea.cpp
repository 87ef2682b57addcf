#include "MacroArea.h"

#include <algorithm>
#include <string>

#include "ByteOrder.h"
#include "DecimalText.h"
#include "DeviceEntry.h"
#include "KeyConversions.h"

namespace model {
namespace {

inline constexpr std::uint16_t kPressBit = 0x8000;
inline constexpr int kStepTypeShift = 12;
inline constexpr std::uint8_t kStepTypeMask = 0x7;
inline constexpr std::uint8_t kModifierDeviceCodeFirst = 0xE0;
inline constexpr std::uint8_t kModifierDeviceCodeLast = 0xE7;
inline constexpr std::size_t kMaxNameUnits = kMacroNameUnits - 1;

DeviceEntry stepOfKeyCode(KeyCode key) {
    const DeviceUsage usage = deviceUsageOfKeyCode(key);
    switch (usage.page) {
        case kUsagePageKeyboard: {
            const auto code = static_cast<std::uint8_t>(usage.usage);
            if (code >= kModifierDeviceCodeFirst && code <= kModifierDeviceCodeLast) {
                const auto bit = static_cast<std::uint8_t>(1u << (code - kModifierDeviceCodeFirst));
                return {kEntryKeyboard, kKeyboardModifier, bit};
            }
            return {kEntryKeyboard, kKeyboardUsage, code};
        }
        case kUsagePageMouse: {
            const DeviceEntry entry = mouseEntryOfKeyCode(key).value_or(DeviceEntry{});
            return {kEntryMouse, entry.a, entry.b};
        }
        case kUsagePageSystem:
            return {kEntrySystem, static_cast<std::uint8_t>(usage.usage), 0};
        default:
            return {};
    }
}

std::size_t nameUnits(const MacroRecord &macro, bool withNames) {
    return withNames ? macro.nameView().size() : 0;
}

std::uint64_t blockSize(const MacroRecord &macro, bool withNames) {
    return kMacroBlockHeaderSize + kMacroActionBytes * macro.validActionCount() +
           2 * nameUnits(macro, withNames);
}

// Reads block `index` at `offset` of an area whose bytes are all valid into a
// zeroed record; false when the block does not lie inside the area.
bool decodeBlock(std::span<const std::uint8_t> area, std::size_t offset, std::size_t index,
                 const TextLookup &lookup, MacroRecord &macro) {
    const std::size_t total = area.size();
    if (offset < kMacroAreaHeaderSize || offset + kMacroBlockHeaderSize > total) return false;
    const std::uint8_t *block = area.data() + offset;
    const std::size_t actionCount = std::min<std::size_t>(loadU16(block), kMaxMacroActions);
    const std::size_t actionsEnd = offset + kMacroBlockHeaderSize + kMacroActionBytes * actionCount;
    if (actionsEnd > total) return false;

    macro.cycles = block[2];
    macro.id = static_cast<std::uint16_t>(index + 1);
    macro.actionCount = static_cast<std::uint16_t>(actionCount);
    for (std::size_t step = 0; step < actionCount; ++step) {
        const std::uint8_t *bytes = block + kMacroBlockHeaderSize + kMacroActionBytes * step;
        macro.actions[step] =
            decodeMacroAction(std::span<const std::uint8_t, kMacroActionBytes>(bytes, 4));
    }
    const std::size_t storedUnits = block[3];
    const std::size_t unitsInArea = (total - actionsEnd) / 2;
    const std::size_t units = std::min({storedUnits, unitsInArea, kMaxNameUnits});
    if (storedUnits == 0) {
        macro.setName((lookup ? lookup(kTextSection, u"MACRO_NEW_PREFIX") : std::u16string()) +
                      decimalText(static_cast<std::int64_t>(index) + 1));
    } else {
        for (std::size_t unit = 0; unit < units; ++unit) {
            macro.name[unit] = static_cast<char16_t>(loadU16(area.data() + actionsEnd + 2 * unit));
        }
    }
    return true;
}

}  // namespace

MacroAreaSizes macroAreaSizes(std::span<const MacroRecord> macros) {
    MacroAreaSizes sizes;
    sizes.full = sizes.reduced = kMacroAreaHeaderSize + 2 * macros.size();
    for (const auto &macro : macros) {
        sizes.full += blockSize(macro, true);
        sizes.reduced += blockSize(macro, false);
    }
    return sizes;
}

std::array<std::uint8_t, kMacroActionBytes> encodeMacroAction(const MacroAction &action) {
    const DeviceEntry step = stepOfKeyCode(action.key);
    auto word = static_cast<std::uint16_t>((action.wait / kMacroWaitUnitMs) & kMacroWaitMask);
    word |= static_cast<std::uint16_t>(step.type << kStepTypeShift);
    if (action.direction != 1) word |= kPressBit;
    return {static_cast<std::uint8_t>(word), static_cast<std::uint8_t>(word >> 8), step.a, step.b};
}

MacroAction decodeMacroAction(std::span<const std::uint8_t, kMacroActionBytes> bytes) {
    const std::uint16_t word = loadU16(bytes.data());
    const auto type = static_cast<std::uint8_t>((word >> kStepTypeShift) & kStepTypeMask);
    MacroAction action;
    action.wait = (word & kMacroWaitMask) * kMacroWaitUnitMs;
    action.key = keyCodeOfDeviceEntry({type, bytes[2], bytes[3]});
    action.direction = (word & kPressBit) != 0 ? 0 : 1;
    return action;
}

void appendMacroBlock(std::vector<std::uint8_t> &out, const MacroRecord &macro, bool withNames) {
    const std::size_t actionCount = macro.validActionCount();
    const std::size_t units = nameUnits(macro, withNames);
    const std::size_t start = out.size();
    out.resize(start + blockSize(macro, withNames));
    std::uint8_t *block = out.data() + start;
    storeU16(block, static_cast<std::uint16_t>(actionCount));
    block[2] = macro.cycles;
    block[3] = static_cast<std::uint8_t>(units);
    std::uint8_t *cursor = block + kMacroBlockHeaderSize;
    for (std::size_t step = 0; step < actionCount; ++step, cursor += kMacroActionBytes) {
        const auto bytes = encodeMacroAction(macro.actions[step]);
        std::copy(bytes.begin(), bytes.end(), cursor);
    }
    for (std::size_t unit = 0; unit < units; ++unit, cursor += 2) {
        storeU16(cursor, static_cast<std::uint16_t>(macro.name[unit]));
    }
}

std::optional<std::vector<std::uint8_t>> buildMacroArea(std::span<const MacroRecord> macros,
                                                        bool withNames) {
    const MacroAreaSizes sizes = macroAreaSizes(macros);
    const std::uint64_t total = withNames ? sizes.full : sizes.reduced;
    if (total > kMacroAreaMaxSize) return std::nullopt;

    std::vector<std::uint8_t> area(kMacroAreaHeaderSize + 2 * macros.size(), 0);
    area.reserve(total);
    storeU16(area.data(), kMacroAreaMagic);
    storeU16(area.data() + 2, static_cast<std::uint16_t>(total));
    storeU16(area.data() + 4, static_cast<std::uint16_t>(macros.size()));
    storeU16(area.data() + 6, withNames ? 1 : 0);
    for (std::size_t index = 0; index < macros.size(); ++index) {
        storeU16(area.data() + kMacroAreaHeaderSize + 2 * index,
                 static_cast<std::uint16_t>(area.size()));
        appendMacroBlock(area, macros[index], withNames);
    }
    return area;
}

MacroAreaHeader parseMacroAreaHeader(std::span<const std::uint8_t> area) {
    MacroAreaHeader header;
    if (area.size() < kMacroAreaHeaderSize) return header;
    header.marked = loadU16(area.data()) == kMacroAreaMagic;
    header.totalSize = loadU16(area.data() + 2);
    header.macroCount = loadU16(area.data() + 4);
    return header;
}

std::optional<std::vector<MacroRecord>> decodeMacroArea(std::span<const std::uint8_t> area,
                                                        std::size_t sizeLimit,
                                                        const TextLookup &lookup) {
    const MacroAreaHeader header = parseMacroAreaHeader(area);
    if (area.size() < kMacroAreaHeaderSize) return std::nullopt;
    if (!header.marked) return std::vector<MacroRecord>{};
    const std::size_t count = header.macroCount;
    const std::size_t total = header.totalSize;
    if (count > kMaxMacros) return std::nullopt;
    if (total < kMacroAreaHeaderSize + 2 * count || total > sizeLimit || total > area.size()) {
        return std::nullopt;
    }
    const auto valid = area.first(total);
    std::vector<MacroRecord> macros(count);
    for (std::size_t index = 0; index < count; ++index) {
        const std::size_t offset = loadU16(valid.data() + kMacroAreaHeaderSize + 2 * index);
        if (!decodeBlock(valid, offset, index, lookup, macros[index])) return std::nullopt;
    }
    return macros;
}

}  // namespace model
