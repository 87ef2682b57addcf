// The colour slots of the keyboard view, looked up by key code and by slot.
// The slots themselves are named in model/KeySlotGrid.h and given to the key
// buttons in model/KeyButtons.h.
#pragma once

#include <cstdint>
#include <span>

#include "model/KeySlotGrid.h"

namespace lighting {

using KeyCode = std::uint16_t;

using model::kSlotColumns;
using model::kSlotCount;
using model::kSlotRows;
namespace slot = model::slot;

// One key button of the keyboard view with its key code and colour slot.
struct ViewKey {
    KeyCode code;
    std::uint8_t slot;
};

// The 104 key buttons of the keyboard view (Fn and the G keys have no key code).
std::span<const ViewKey> viewKeys();

// The 104 key buttons followed by Fn: every key that can be painted.
std::span<const std::uint8_t> paintableSlots();

// The slot of a key code, or -1 when the code is not a key of the view.
int slotOfKeyCode(KeyCode code);

// The key code of a key button's slot; 0 for Fn, the G keys and free slots.
KeyCode keyCodeOfSlot(int slot);

}  // namespace lighting
