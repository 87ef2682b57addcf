#pragma once

#include <set>
#include <vector>

#include "ui/mainwindow/preview/PreviewEngine.h"

namespace preview::test {

// Hands out 0, 1, 2, ... and remembers how often it was reseeded.
struct CountingRandom : RandomSource {
    void seedFromClock() override { ++seeds; }
    unsigned next() override { return value++; }
    int seeds = 0;
    unsigned value = 0;
};

inline lighting::LightingState whiteState(int mode) {
    lighting::LightingState state;
    state.viewOn = true;
    state.mode = mode;
    state.colour = lighting::kWhite;
    state.direction = lighting::kDirectionForward;
    return state;
}

// With a white fixed colour the red channel is the key's intensity.
inline std::set<int> keysAtIntensity(const PreviewFrame &frame, int intensity) {
    std::set<int> keys;
    for (int slot = 0; slot < lighting::kSlotCount; ++slot)
        if (frame[slot].kind == KeyLook::Kind::Painted &&
            lighting::redOf(frame[slot].colour) == intensity)
            keys.insert(slot);
    return keys;
}

}  // namespace preview::test
