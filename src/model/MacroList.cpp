#include "MacroList.h"

#include <mutex>

namespace model {

std::uint16_t indexOfMacroId(const ProfileStore &store, std::uint32_t id) {
    std::lock_guard lock(store.mutex());
    for (std::size_t index = 0; index < store.macros.size(); ++index) {
        if (store.macros[index].id == id) return static_cast<std::uint16_t>(index);
    }
    return 0;
}

std::uint16_t macroIdAt(const ProfileStore &store, int index) {
    std::lock_guard lock(store.mutex());
    if (index < 0 || static_cast<std::size_t>(index) >= store.macros.size()) return 0;
    return store.macros[static_cast<std::size_t>(index)].id;
}

void replaceMacroList(ProfileStore &store, std::vector<MacroRecord> &&macros) {
    std::vector<MacroRecord> old;
    {
        std::lock_guard lock(store.mutex());
        old.swap(store.macros);
        store.macros.swap(macros);
    }
}

}  // namespace model
