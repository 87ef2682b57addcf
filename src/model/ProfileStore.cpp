#include "ProfileStore.h"

#include <cstring>

namespace model {

KeyAssignment ProfileStore::record(std::size_t globalIndex) const {
    KeyAssignment assignment;
    if (globalIndex < kRecordCount) {
        std::memcpy(&assignment, block.data() + recordByteOffset(globalIndex), sizeof assignment);
    }
    return assignment;
}

void ProfileStore::setRecord(std::size_t globalIndex, const KeyAssignment &assignment) {
    if (globalIndex >= kRecordCount) return;
    std::memcpy(block.data() + recordByteOffset(globalIndex), &assignment, sizeof assignment);
}

const MacroRecord *ProfileStore::findMacro(std::uint16_t id) const {
    for (const auto &macro : macros) {
        if (macro.id == id) return &macro;
    }
    return nullptr;
}

void ProfileStore::copyContentFrom(const ProfileStore &other) {
    if (&other == this) return;
    block = other.block;
    macros = other.macros;
    strings = other.strings;
}

}  // namespace model
