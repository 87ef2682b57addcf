#include "cli/LightingChoices.h"

#include <array>
#include <charconv>

#include "model/lighting/LightingState.h"

namespace cli {
namespace {

constexpr std::array<std::string_view, 4> kPresetColours{"red", "yellow", "green", "blue"};

struct DirectionWords {
    std::string_view forward;   // byte 0xFF
    std::string_view backward;  // byte 0x00
};
constexpr DirectionWords kSideways{"left", "right"};
constexpr DirectionWords kVertical{"up", "down"};
constexpr DirectionWords kRadial{"outward", "inward"};

const DirectionWords &wordsOf(int mode) {
    if (mode == 12) return kVertical;
    if (mode == 18) return kRadial;
    return kSideways;
}

std::optional<lighting::Colour> parseHexColour(std::string_view text) {
    if (!text.empty() && text.front() == '#') text.remove_prefix(1);
    if (text.size() != 6) return std::nullopt;
    std::uint32_t rgb = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + 6, rgb, 16);
    if (error != std::errc() || end != text.data() + 6) return std::nullopt;
    return lighting::makeColour(std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb));
}

}  // namespace

std::optional<ColourChoice> parseColourChoice(std::string_view text) {
    for (std::size_t index = 0; index < kPresetColours.size(); ++index) {
        if (text == kPresetColours[index]) return ColourChoice(int(index));
    }
    if (auto colour = parseHexColour(text)) return ColourChoice(*colour);
    return std::nullopt;
}

std::string colourText(lighting::Colour colour) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", lighting::redOf(colour),
                  lighting::greenOf(colour), lighting::blueOf(colour));
    return text;
}

std::string presetColourName(int index) {
    return std::string(kPresetColours.at(std::size_t(index)));
}

std::optional<std::uint8_t> parseDirection(std::string_view text) {
    for (const DirectionWords *words : {&kSideways, &kVertical, &kRadial}) {
        if (text == words->forward) return lighting::kDirectionForward;
        if (text == words->backward) return lighting::kDirectionBackward;
    }
    return std::nullopt;
}

std::string directionName(int mode, std::uint8_t direction) {
    const DirectionWords &words = wordsOf(mode);
    return std::string(direction == lighting::kDirectionForward ? words.forward : words.backward);
}

}  // namespace cli
