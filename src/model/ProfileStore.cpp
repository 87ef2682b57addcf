#include "ProfileStore.h"

namespace model {

KeyAssignment ProfileStore::record(std::size_t globalIndex) const {
    return blockRecord(block, globalIndex);
}

void ProfileStore::setRecord(std::size_t globalIndex, const KeyAssignment &assignment) {
    setBlockRecord(block, globalIndex, assignment);
}

void ProfileStore::copyContentFrom(const ProfileStore &other) {
    if (&other == this) return;
    block = other.block;
    macros = other.macros;
    strings = other.strings;
}

}  // namespace model
