#include "KeyColourTable.h"

namespace lighting {

bool KeyColourTable::valid(int profile, int slot) {
    return profile >= 0 && profile < kProfileCount && slot >= 0 && slot < kSlotCount;
}

Colour KeyColourTable::colour(int profile, int slot) const {
    return valid(profile, slot) ? entries_[profile][slot].colour : kBlack;
}

bool KeyColourTable::baseFlag(int profile, int slot) const {
    return valid(profile, slot) && entries_[profile][slot].baseFlag;
}

void KeyColourTable::set(int profile, int slot, Colour colour, bool baseFlag) {
    if (valid(profile, slot)) entries_[profile][slot] = {colour, baseFlag};
}

ColourBlock KeyColourTable::block(int profile) const {
    ColourBlock bytes{};
    for (int slot = 0; slot < kSlotCount; ++slot) {
        Colour c = colour(profile, slot);
        bytes[slot * 3] = redOf(c);
        bytes[slot * 3 + 1] = greenOf(c);
        bytes[slot * 3 + 2] = blueOf(c);
    }
    return bytes;
}

void KeyColourTable::recomputeBaseFlags(Colour baseColour) {
    for (auto &profile : entries_)
        forEachColouredSlot(
            [&](int slot) { profile[slot].baseFlag = profile[slot].colour == baseColour; });
}

}  // namespace lighting
