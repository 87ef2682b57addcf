// The macro list of a profile store: lookups by id and position, each under the
// store's lock, and the replacement of the whole list.
#pragma once

#include <cstdint>
#include <vector>

#include "MacroRecord.h"
#include "ProfileStore.h"

namespace model {

// Index of the first macro with this id; 0 when none has it (the same value as
// the first macro's index).
std::uint16_t indexOfMacroId(const ProfileStore &store, std::uint32_t id);

// Id of the macro at this index; 0 for an index outside the list.
std::uint16_t macroIdAt(const ProfileStore &store, int index);

// Swaps the new list in under the store's lock; the old records are freed after
// the lock is released. Records inside the store are never edited in place.
void replaceMacroList(ProfileStore &store, std::vector<MacroRecord> &&macros);

}  // namespace model
