// Everything the user configures for the keys, in memory: the profile block, the
// macro list and the string table, guarded by one lock. The working store is
// changed by every editor; the upload snapshot is a copy of it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

#include "KeyAssignment.h"
#include "MacroRecord.h"
#include "ProfileBlock.h"
#include "StringTable.h"

namespace model {

class ProfileStore {
public:
    ProfileStore() = default;
    ProfileStore(const ProfileStore &) = delete;
    ProfileStore &operator=(const ProfileStore &) = delete;

    // Code that reads or changes the store holds this lock (working store first,
    // then snapshot, when both are needed).
    std::recursive_mutex &mutex() const { return mutex_; }

    // The block's records by global index, as blockRecord and setBlockRecord.
    KeyAssignment record(std::size_t globalIndex) const;
    void setRecord(std::size_t globalIndex, const KeyAssignment &assignment);

    std::uint16_t macroCount() const { return static_cast<std::uint16_t>(macros.size()); }

    // Copies block, macros and strings from other; the caller holds both locks.
    void copyContentFrom(const ProfileStore &other);

    ProfileBlock block{};
    std::vector<MacroRecord> macros;
    StringTable strings;

private:
    mutable std::recursive_mutex mutex_;
};

}  // namespace model
