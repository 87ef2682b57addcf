#include "ui/dialogs/CompositeRecord.h"

#include "model/KeyAssignmentModel.h"

namespace dialogs {

int mouseChoiceOf(model::KeyCode code) {
    for (int i = 0; i < 5; ++i) {
        if (kMouseChoices[i] == code) return i;
    }
    return -1;
}

namespace {

using namespace model;

CompositeRecord keyRecord(const CompositeChoices &choices) {
    if (choices.mouseMode) {
        const int choice =
            choices.mouseChoice >= 0 && choices.mouseChoice < 5 ? choices.mouseChoice : 0;
        return {kKindKey, 0, kMouseChoices[choice]};
    }
    // No key, or the key mapped to itself, is the key's own function.
    const bool ownKey = model::rowOfKeyCode(choices.capturedKey) == choices.targetIndex;
    if (choices.capturedKey == model::kNoKey || ownKey) return {kKindDefault, 0, 0};
    return {kKindKey, 0, choices.capturedKey};
}

CompositeRecord valueRecord(const CompositeChoices &choices) {
    switch (choices.kind) {
        case kKindKey:
            return keyRecord(choices);
        case kKindMacro:
            if (choices.macroListEmpty) return {kKindDefault, 0, 0};
            return {kKindMacro, 0, choices.macroId};
        case kKindMedia:
            return {kKindMedia, 0, static_cast<std::uint32_t>(choices.mediaChoice)};
        case kKindFunction:
            return {kKindFunction, 0, static_cast<std::uint32_t>(choices.functionChoice)};
        default:
            return {static_cast<std::uint16_t>(choices.kind), 0, 0};
    }
}

}  // namespace

CompositeRecord buildCompositeRecord(const CompositeChoices &choices) {
    CompositeRecord record = valueRecord(choices);
    record.extra = model::assignmentExtraField(choices.targetIndex, record.kind, choices.cycles);
    return record;
}

}  // namespace dialogs
