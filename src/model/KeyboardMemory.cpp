#include "KeyboardMemory.h"

#include "devicelink/DeviceCommands.h"
#include "devicelink/DeviceResult.h"

namespace model {
namespace {

struct MatrixEntry {
    std::uint8_t position;
    DeviceEntry entry;
};

// Positions 0..5 are 05 00 00; every position not listed is 00 00 00.
constexpr MatrixEntry kBuiltInEntries[] = {
    {8, {2, 2, 0x29}},  {9, {2, 2, 0x35}},  {10, {2, 2, 0x2B}}, {11, {2, 2, 0x39}},
    {12, {2, 1, 0x02}}, {13, {2, 1, 0x01}}, {16, {2, 2, 0x3A}}, {17, {2, 2, 0x1E}},
    {18, {2, 2, 0x14}}, {19, {2, 2, 0x04}}, {20, {2, 2, 0x1D}}, {21, {2, 1, 0x08}},
    {24, {2, 2, 0x3B}}, {25, {2, 2, 0x1F}}, {26, {2, 2, 0x1A}}, {27, {2, 2, 0x16}},
    {28, {2, 2, 0x1B}}, {29, {2, 1, 0x04}}, {32, {2, 2, 0x3C}}, {33, {2, 2, 0x20}},
    {34, {2, 2, 0x08}}, {35, {2, 2, 0x07}}, {36, {2, 2, 0x06}}, {37, {2, 2, 0x2C}},
    {38, {2, 2, 0x46}}, {40, {2, 2, 0x3D}}, {41, {2, 2, 0x21}}, {42, {2, 2, 0x15}},
    {43, {2, 2, 0x09}}, {44, {2, 2, 0x19}}, {45, {2, 1, 0x40}}, {46, {2, 2, 0x47}},
    {48, {2, 2, 0x3E}}, {49, {2, 2, 0x22}}, {50, {2, 2, 0x17}}, {51, {2, 2, 0x0A}},
    {52, {2, 2, 0x05}}, {53, {5, 2, 0x02}}, {54, {2, 2, 0x2E}}, {56, {2, 2, 0x3F}},
    {57, {2, 2, 0x23}}, {58, {2, 2, 0x1C}}, {59, {2, 2, 0x0B}}, {60, {2, 2, 0x11}},
    {61, {2, 2, 0x65}}, {62, {2, 2, 0x48}},
};

KeyPageBytes makeBuiltInMatrix() {
    KeyPageBytes matrix{};
    for (std::size_t position = 0; position <= 5; ++position) {
        setEntryAt(matrix, position, {kEntryMacro, 0, 0});
    }
    for (const auto &item : kBuiltInEntries) setEntryAt(matrix, item.position, item.entry);
    return matrix;
}

}  // namespace

const KeyPageBytes &builtInDefaultMatrix() {
    static const KeyPageBytes matrix = makeBuiltInMatrix();
    return matrix;
}

KeyboardMemory::KeyboardMemory() : defaultMatrix_(builtInDefaultMatrix()) {}

KeyPageBytes KeyboardMemory::defaultMatrix() const {
    std::lock_guard lock(mutex_);
    return defaultMatrix_;
}

void KeyboardMemory::setDefaultMatrix(const KeyPageBytes &matrix) {
    std::lock_guard lock(mutex_);
    defaultMatrix_ = matrix;
}

void KeyboardMemory::setMacroCapacityFromInfo(std::span<const std::uint8_t> info) {
    if (info.size() <= devicelink::kInfoCapacityOffset) return;
    setMacroCapacity(info[devicelink::kInfoCapacityOffset] * devicelink::kMacroCapacityUnit);
}

std::int32_t KeyboardMemory::readDefaultMatrix(devicelink::DeviceCommands &commands,
                                               const MessageSink &showMessage) {
    KeyPageBytes matrix{};
    const std::int32_t result = commands.readDefaultMatrix(matrix);
    if (result == devicelink::kDone) {
        setDefaultMatrix(matrix);
    } else if (showMessage) {
        showMessage({u"MAIN_DEFAULT_MATRIX_PROMPT", std::nullopt, false});
    }
    return result;
}

}  // namespace model
