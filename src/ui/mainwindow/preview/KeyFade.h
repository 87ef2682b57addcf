// Per-key intensity and colour index of the fading animations (sparkle, ripple,
// sequence, rain, diagonal sweep): a lit key starts at 255 and loses a little
// each tick.
#pragma once

#include <array>
#include <cstdint>

#include "PreviewFrame.h"
#include "RandomSource.h"

namespace preview {

// How fast the bright end of the curve fades.
enum class FadeSpeed { Normal, Fast };

class KeyFade {
public:
    void clear();
    void light(int slot, std::uint8_t colourIndex);
    // Full intensity, keeping the key's colour index.
    void brighten(int slot) { intensity_[slot] = 255; }
    // Lights with a random colour index when multicolour, keeping the index otherwise.
    void lightRandom(int slot, bool multicolour, RandomSource &random);
    int intensity(int slot) const { return intensity_[slot]; }
    // Every key of the snake order loses intensity, then is painted with its
    // colour (table colour when multicolour, else the fixed colour) scaled by it.
    void decayAndPaint(FadeSpeed speed, bool multicolour, lighting::Colour colour,
                       PreviewFrame &frame);

private:
    std::array<std::uint8_t, lighting::kSlotCount> intensity_{};
    std::array<std::uint8_t, lighting::kSlotCount> colourIndex_{};
};

// A random colour index 0..254.
std::uint8_t randomColourIndex(RandomSource &random);

}  // namespace preview
