// 24-bit colours held as red | green << 8 | blue << 16; on the wire and in
// files the bytes travel red, green, blue.
#pragma once

#include <cstdint>

namespace lighting {

using Colour = std::uint32_t;

constexpr Colour makeColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return Colour(red) | Colour(green) << 8 | Colour(blue) << 16;
}
constexpr std::uint8_t redOf(Colour c) {
    return std::uint8_t(c & 0xFF);
}
constexpr std::uint8_t greenOf(Colour c) {
    return std::uint8_t((c >> 8) & 0xFF);
}
constexpr std::uint8_t blueOf(Colour c) {
    return std::uint8_t((c >> 16) & 0xFF);
}

// Each channel multiplied by the intensity (0..255) and divided by 255, truncated.
constexpr Colour scaleColour(Colour c, int intensity) {
    auto scale = [intensity](std::uint8_t channel) {
        return std::uint8_t(channel * intensity / 255);
    };
    return makeColour(scale(redOf(c)), scale(greenOf(c)), scale(blueOf(c)));
}

inline constexpr Colour kBlack = makeColour(0, 0, 0);
inline constexpr Colour kWhite = makeColour(255, 255, 255);
inline constexpr Colour kRed = makeColour(255, 0, 0);

}  // namespace lighting
