// The assignment the composite dialog writes for what the user chose.
#pragma once

#include <cstdint>

#include "model/KeyAssignment.h"
#include "model/KeyCode.h"

namespace dialogs {

// The mouse action choices in combo order.
inline constexpr model::KeyCode kMouseChoices[5] = {0x171, 0x172, 0x173, 0x161, 0x162};
// The combo position of a mouse code; -1 for other codes.
int mouseChoiceOf(model::KeyCode code);

struct CompositeChoices {
    int kind = model::kKindDefault;  // the pending kind
    int targetIndex = 0;             // the record index being edited
    bool mouseMode = false;
    model::KeyCode capturedKey = model::kNoKey;
    int mouseChoice = 0;
    bool macroListEmpty = true;
    std::uint16_t macroId = 0;  // of the selected macro
    std::uint8_t cycles = 1;
    int mediaChoice = 0;
    int functionChoice = 0;
};

struct CompositeRecord {
    std::uint16_t kind = 0;
    std::uint16_t extra = 0;
    std::uint32_t value = 0;
    bool operator==(const CompositeRecord &) const = default;
};

CompositeRecord buildCompositeRecord(const CompositeChoices &choices);

}  // namespace dialogs
