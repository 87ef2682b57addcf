#include "devicelink/CommandGroups.h"

#include "devicelink/DeviceResult.h"

namespace devicelink {

namespace {

constexpr std::uint16_t kKeysPerColourReport = 18;

bool isProfile(int profile) {
    return profile >= 0 && profile < kProfileCount;
}

std::uint16_t paramOffset(int profile, std::size_t fieldOffset) {
    return static_cast<std::uint16_t>(profile * kParamRecordSize + fieldOffset);
}

// Runs `writes` inside one group and closes the group whatever they return.
template <typename Writes>
std::int32_t inGroup(DeviceCommands &commands, Writes writes) {
    const std::int32_t opened = commands.beginCommand();
    if (opened != kDone) return opened;
    const std::int32_t written = writes();
    const std::int32_t closed = commands.endCommand();
    return written != kDone ? written : closed;
}

}  // namespace

std::int32_t writeParamField(DeviceCommands &commands, int profile, std::size_t fieldOffset,
                             std::span<const std::uint8_t> bytes) {
    if (!isProfile(profile) || fieldOffset + bytes.size() > kParamRecordSize) return kOutOfRange;
    return inGroup(commands,
                   [&] { return commands.writeParams(bytes, paramOffset(profile, fieldOffset)); });
}

std::int32_t writeParamColour(DeviceCommands &commands, int profile, std::uint8_t choice,
                              const Rgb &colour) {
    if (!isProfile(profile)) return kOutOfRange;
    return inGroup(commands, [&] {
        const std::array<std::uint8_t, 1> choiceByte = {choice};
        const std::int32_t chosen =
            commands.writeParams(choiceByte, paramOffset(profile, kParamColourChoiceOffset));
        if (chosen != kDone) return chosen;
        return commands.writeParams(colour, paramOffset(profile, kParamColourOffset));
    });
}

std::int32_t writeLightingDefaults(DeviceCommands &commands, int profile) {
    if (!isProfile(profile)) return kOutOfRange;
    std::array<std::uint8_t, kLightingDefaultsSize> defaults{};
    const std::uint8_t leading[] = {1, 4, 2, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    std::copy(std::begin(leading), std::end(leading), defaults.begin());
    return inGroup(commands,
                   [&] { return commands.writeParams(defaults, paramOffset(profile, 0)); });
}

std::int32_t writeKeyColourTable(DeviceCommands &commands, int profile,
                                 const KeyColourBytes &table) {
    if (!isProfile(profile)) return kOutOfRange;
    return inGroup(commands, [&] {
        const std::span<const std::uint8_t> colours(table);
        for (std::uint16_t key = 0; key < kKeyColourKeyCount; key += kKeysPerColourReport) {
            const std::int32_t result = commands.writeKeyColours(
                colours.subspan(key * 3, kKeysPerColourReport * 3), key, profile);
            if (result != kDone) return result;
        }
        return kDone;
    });
}

std::int32_t writeKeyColour(DeviceCommands &commands, int profile, std::uint16_t key,
                            const Rgb &colour) {
    if (!isProfile(profile) || key >= kKeyColourKeyCount) return kOutOfRange;
    return inGroup(commands, [&] { return commands.writeKeyColours(colour, key, profile); });
}

}  // namespace devicelink
