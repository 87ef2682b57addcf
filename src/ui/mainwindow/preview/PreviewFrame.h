// What one preview tick asks of every key of the keyboard view, by colour slot.
#pragma once

#include <array>
#include <cstdint>

#include "model/lighting/Colour.h"
#include "model/lighting/KeySlots.h"

namespace preview {

struct KeyLook {
    enum class Kind : std::uint8_t {
        Keep,     // the tick leaves the key as it is
        Plain,    // the key's own appearance, no frame colour
        Painted,  // framed in the colour
    };
    Kind kind = Kind::Keep;
    lighting::Colour colour = lighting::kBlack;

    bool operator==(const KeyLook &) const = default;
};

using PreviewFrame = std::array<KeyLook, lighting::kSlotCount>;

}  // namespace preview
