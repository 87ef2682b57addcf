#include "KeyFade.h"

#include "PreviewTables.h"

namespace preview {
namespace {

int fadeLoss(int value, FadeSpeed speed) {
    if (value >= 128) return speed == FadeSpeed::Fast ? 30 : 20;
    if (value >= 64) return speed == FadeSpeed::Fast ? 20 : 16;
    if (value >= 32) return 10;
    if (value >= 17) return 5;
    if (value >= 1) return 1;
    return 0;
}

}  // namespace

std::uint8_t randomColourIndex(RandomSource &random) {
    return std::uint8_t(random.next() % 255);
}

void KeyFade::clear() {
    intensity_ = {};
    colourIndex_ = {};
}

void KeyFade::light(int slot, std::uint8_t colourIndex) {
    intensity_[slot] = 255;
    colourIndex_[slot] = colourIndex;
}

void KeyFade::lightRandom(int slot, bool multicolour, RandomSource &random) {
    brighten(slot);
    if (multicolour) colourIndex_[slot] = randomColourIndex(random);
}

void KeyFade::decayAndPaint(FadeSpeed speed, bool multicolour, lighting::Colour colour,
                            PreviewFrame &frame) {
    for (std::uint8_t slot : snakeOrder()) {
        std::uint8_t &value = intensity_[slot];
        value = std::uint8_t(value - fadeLoss(value, speed));
        lighting::Colour base = multicolour ? colourTable(colourIndex_[slot]) : colour;
        frame[slot] = {KeyLook::Kind::Painted, lighting::scaleColour(base, value)};
    }
}

}  // namespace preview
