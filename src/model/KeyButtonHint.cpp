#include "KeyButtonHint.h"

#include <string>

#include "DecimalText.h"
#include "IntegerFormat.h"
#include "KeyButtons.h"
#include "KeyConversions.h"
#include "KeyTable.h"

namespace model {
namespace {

std::u16string text(const TextLookup &lookup, std::u16string_view key) {
    return lookup(kTextSection, key);
}

std::u16string macroName(std::span<const MacroRecord> macros, std::uint32_t id) {
    for (const auto &macro : macros) {
        if (macro.id == id) return std::u16string(macro.nameView());
    }
    return {};
}

std::u16string mediaName(std::uint32_t index, const TextLookup &lookup) {
    const KeyCode code = index < kMediaList.size() ? kMediaList[index].keyCode : kNoKey;
    return keyDisplayName(code, lookup);
}

std::u16string functionName(std::uint32_t index, const TextLookup &lookup) {
    return text(lookup, u"FUNC_KEY_DESC" + decimalText(static_cast<std::int64_t>(index) + 1));
}

// The "(what)" part of a hint, or empty for kinds that only say "set".
std::u16string assignmentDetail(const KeyAssignment &assignment,
                                std::span<const MacroRecord> macros, const TextLookup &lookup) {
    switch (assignment.kind) {
        case kKindKey:
            return text(lookup, u"KEY_PROMPT_SINGLE") +
                   keyDisplayName(
                       static_cast<KeyCode>(assignment.value > 0xFFFF ? 0 : assignment.value),
                       lookup) +
                   u")";
        case kKindMacro:
            return text(lookup, u"KEY_PROMPT_MACRO") + macroName(macros, assignment.value) + u")";
        case kKindMedia:
            return text(lookup, u"KEY_PROMPT_MEDIA") + mediaName(assignment.value, lookup) + u")";
        case kKindFunction:
            return text(lookup, u"KEY_PROMPT_FUNCTION") + functionName(assignment.value, lookup) +
                   u")";
        default:
            return {};
    }
}

}  // namespace

std::u16string keyButtonBaseName(int controlId, const TextLookup &lookup) {
    if (const auto position = extraKeyButtonPosition(controlId)) {
        return formatWithInteger(u"G%d", static_cast<unsigned>(*position + 1));
    }
    for (const auto &button : kKeyButtons) {
        if (button.controlId == controlId) return keyDisplayName(button.keyCode, lookup);
    }
    return {};
}

ButtonHint keyButtonHint(std::u16string_view baseName, const KeyAssignment &assignment,
                         std::span<const MacroRecord> macros, const TextLookup &lookup) {
    ButtonHint hint{assignment.kind != kKindDefault, std::u16string(baseName)};
    if (hint.assigned) {
        hint.text += text(lookup, u"KEY_PROMPT_SET") + assignmentDetail(assignment, macros, lookup);
    }
    if (hint.text.size() > kHintMaxLength) hint.text.resize(kHintMaxLength);
    return hint;
}

}  // namespace model
