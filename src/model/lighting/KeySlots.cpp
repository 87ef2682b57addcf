#include "KeySlots.h"

#include <algorithm>
#include <array>

#include "model/KeyButtons.h"

namespace lighting {
namespace {

// The key buttons in slot order, row by row across the grid.
constexpr std::array<ViewKey, model::kKeyButtons.size()> makeViewKeys() {
    std::array<ViewKey, model::kKeyButtons.size()> keys{};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        keys[i] = {model::kKeyButtons[i].keyCode, model::kKeyButtons[i].colourSlot};
    }
    std::sort(keys.begin(), keys.end(),
              [](const ViewKey &a, const ViewKey &b) { return a.slot < b.slot; });
    return keys;
}
constexpr auto kViewKeys = makeViewKeys();

// The second Right Shift code of the key table names the same key.
constexpr KeyCode kSecondRightShift = 0x136;

constexpr std::array<std::uint8_t, kViewKeys.size() + 1> makePaintableSlots() {
    std::array<std::uint8_t, kViewKeys.size() + 1> slots{};
    for (std::size_t i = 0; i < kViewKeys.size(); ++i) slots[i] = kViewKeys[i].slot;
    slots.back() = slot::Fn;
    return slots;
}
constexpr auto kPaintableSlots = makePaintableSlots();

}  // namespace

std::span<const ViewKey> viewKeys() {
    return kViewKeys;
}

std::span<const std::uint8_t> paintableSlots() {
    return kPaintableSlots;
}

int slotOfKeyCode(KeyCode code) {
    if (code == kSecondRightShift) code = 0x036;
    auto it = std::find_if(kViewKeys.begin(), kViewKeys.end(),
                           [code](const ViewKey &key) { return key.code == code; });
    return it == kViewKeys.end() ? -1 : it->slot;
}

KeyCode keyCodeOfSlot(int slotIndex) {
    auto it = std::find_if(kViewKeys.begin(), kViewKeys.end(),
                           [slotIndex](const ViewKey &key) { return key.slot == slotIndex; });
    return it == kViewKeys.end() ? KeyCode{0} : it->code;
}

}  // namespace lighting
