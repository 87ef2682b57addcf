// The user modes of mode 20: per-key colour layouts kept in the profile's
// user-mode file, painted key by key with a colour brush or the base colour.
#include <algorithm>
#include <vector>

#include "LightingModel.h"

namespace lighting {
namespace {

constexpr std::int32_t kDone = 1;
constexpr int kKeysPerColourWrite = 18;

bool isPaintable(int slot) {
    auto slots = paintableSlots();
    return std::find(slots.begin(), slots.end(), slot) != slots.end();
}

}  // namespace

void LightingModel::refillUserModeNames() {
    UserModeFile file = userModeFile();
    for (int slot = 0; slot < kUserModeSlots; ++slot) userModeNames_[slot] = file.slotName(slot);
}

int LightingModel::uploadKeyColours() {
    ColourBlock block = keyColours_.block(state_.profile);
    device_.beginCommand();
    std::int32_t result = kDone;
    for (int first = 0; first < kSlotCount; first += kKeysPerColourWrite) {
        std::span<const std::uint8_t> chunk(block.data() + first * 3, kKeysPerColourWrite * 3);
        std::int32_t written = device_.writeKeyColours(chunk, std::uint16_t(first), state_.profile);
        if (written != kDone && result == kDone) result = written;
    }
    device_.endCommand();
    return result;
}

int LightingModel::loadUserMode() {
    UserModeFile file = userModeFile();
    UserModeState &user = state_.user;
    user.slot = file.presentSlot();
    UserModeTools tools = file.tools(user.slot);
    user.brush = tools.brush;
    user.baseColour = user.shownBaseColour = tools.baseColour;
    user.brushColour = user.shownBrushColour = tools.brushColour;
    auto entries = file.keyColours(user.slot);
    for (std::uint8_t slot : paintableSlots())
        keyColours_.set(state_.profile, slot, entries[slot].colour, entries[slot].baseFlag);
    return uploadKeyColours();
}

int LightingModel::selectUserMode(int slot) {
    if (slot < 0 || slot >= kUserModeSlots) return 0;
    userModeFile().setPresentSlot(slot);
    return loadUserMode();
}

bool LightingModel::renameUserMode(std::u16string_view name) {
    if (!userModeFile().setSlotName(state_.user.slot, name)) return false;
    userModeNames_[state_.user.slot] = std::u16string(name);
    return true;
}

int LightingModel::paintKey(int slot) {
    if (!state_.viewOn || modes_.codeOf(selectedModeIndex_) != kUserMode || !isPaintable(slot))
        return 0;
    const UserModeState &user = state_.user;
    bool withBase = user.brush == 1;
    Colour colour = withBase ? user.baseColour : user.brushColour;
    host_.showKeyColour(slot, colour);
    std::array<std::uint8_t, 3> rgb{redOf(colour), greenOf(colour), blueOf(colour)};
    device_.beginCommand();
    std::int32_t result = device_.writeKeyColours(rgb, std::uint16_t(slot), state_.profile);
    device_.endCommand();
    keyColours_.set(state_.profile, slot, colour, withBase);
    userModeFile().setKeyColour(user.slot, slot, {colour, withBase});
    return result;
}

int LightingModel::setBaseColour(Colour colour) {
    UserModeState &user = state_.user;
    if (colour == user.baseColour) return kDone;
    user.baseColour = user.shownBaseColour = colour;
    storeUserTools();
    std::vector<std::pair<int, UserKeyColour>> recoloured;
    forEachColouredSlot([&](int slot) {
        if (!keyColours_.baseFlag(state_.profile, slot)) return;
        keyColours_.set(state_.profile, slot, colour, true);
        host_.showKeyColour(slot, colour);
        recoloured.push_back({slot, {colour, true}});
    });
    userModeFile().setKeyColours(user.slot, recoloured);
    return uploadKeyColours();
}

bool LightingModel::setBrushColour(Colour colour) {
    state_.user.brushColour = state_.user.shownBrushColour = colour;
    return storeUserTools();
}

bool LightingModel::selectBrush(int brush) {
    if (brush != 0 && brush != 1) return false;
    state_.user.brush = brush;
    return storeUserTools();
}

bool LightingModel::storeUserTools() const {
    const UserModeState &user = state_.user;
    return userModeFile().setTools(user.slot, {user.brush, user.baseColour, user.brushColour});
}

void LightingModel::recomputeBaseFlags() {
    keyColours_.recomputeBaseFlags(state_.user.baseColour);
}

}  // namespace lighting
