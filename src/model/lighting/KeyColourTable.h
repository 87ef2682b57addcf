// The per-key colours of the three on-board profiles, slot by slot as the
// keyboard's key colour area holds them, and beside each colour the
// base-colour flag: set when the key was last painted with the base colour,
// so it follows later changes of that colour.
#pragma once

#include <array>
#include <cstdint>

#include "Colour.h"
#include "KeySlots.h"
#include "LightingState.h"

namespace lighting {

inline constexpr int kColourBlockSize = kSlotCount * 3;
using ColourBlock = std::array<std::uint8_t, kColourBlockSize>;

class KeyColourTable {
public:
    // Out-of-range profiles or slots read as black and unflagged and are not written.
    Colour colour(int profile, int slot) const;
    bool baseFlag(int profile, int slot) const;
    void set(int profile, int slot, Colour colour, bool baseFlag);

    // Red, green, blue of every slot of the profile, as the keyboard takes them.
    ColourBlock block(int profile) const;

    // Flags every key (view keys, Fn, the G keys) whose colour equals the base colour.
    void recomputeBaseFlags(Colour baseColour);

private:
    static bool valid(int profile, int slot);

    struct Entry {
        Colour colour = kBlack;
        bool baseFlag = false;
    };
    std::array<std::array<Entry, kSlotCount>, kProfileCount> entries_{};
};

// Every slot that carries a key colour: the view keys, Fn and the G keys.
template <typename Visit>
void forEachColouredSlot(Visit visit) {
    for (std::uint8_t slot : paintableSlots()) visit(int(slot));
    visit(int(slot::GKeys));
}

}  // namespace lighting
