#include "KeyAssignmentModel.h"

#include <mutex>
#include <utility>

#include "KeyButtons.h"

namespace model {
namespace {

bool isShownProfile(int profile) {
    return profile >= 0 && profile < kProfileCount;
}

}  // namespace

std::uint16_t assignmentExtraField(int recordIndex, std::uint16_t kind, std::uint8_t cycles) {
    if (kind == kKindMacro) return cycles;
    return extraKeyIdentifier(recordIndex);
}

KeyAssignmentModel::KeyAssignmentModel(ProfileStore &store, TextLookup lookup,
                                       CurrentProfileSource currentProfile,
                                       KeyButtonObserver &observer)
    : store_(store),
      lookup_(std::move(lookup)),
      currentProfile_(std::move(currentProfile)),
      observer_(observer) {}

std::optional<std::uint16_t> KeyAssignmentModel::recordIndexForButton(int controlId) const {
    return model::recordIndexForButton(controlId, bankB_);
}

KeyAssignment KeyAssignmentModel::readAssignment(int profile, int recordIndex) const {
    if (!isValidRecordAddress(profile, recordIndex)) return {};
    std::lock_guard lock(store_.mutex());
    return store_.record(globalRecordIndex(profile, recordIndex));
}

bool KeyAssignmentModel::writeAssignment(int profile, int recordIndex, std::uint16_t kind,
                                         std::uint16_t extra, std::uint32_t value,
                                         std::u16string_view text) {
    if (!isValidRecordAddress(profile, recordIndex)) return false;
    {
        std::lock_guard lock(store_.mutex());
        const std::size_t global = globalRecordIndex(profile, recordIndex);
        store_.strings.release(global);
        if (kindHasString(kind)) store_.strings.store(global, text);
        store_.setRecord(global, KeyAssignment{kind, extra, value, 0, 0});
    }
    observer_.markApplyPending();
    return true;
}

ButtonHint KeyAssignmentModel::keyButtonHint(int controlId, const KeyAssignment &assignment) const {
    std::lock_guard lock(store_.mutex());
    return model::keyButtonHint(keyButtonBaseName(controlId, lookup_), assignment, store_.macros,
                                lookup_);
}

void KeyAssignmentModel::showButton(int controlId, int profile, int recordIndex) {
    observer_.showButtonHint(controlId,
                             keyButtonHint(controlId, readAssignment(profile, recordIndex)));
}

void KeyAssignmentModel::showExtraKeyButtons(int profile) {
    for (std::size_t j = 0; j < kExtraKeyButtonIds.size(); ++j) {
        showButton(kExtraKeyButtonIds[j], profile,
                   extraKeyRecordIndex(static_cast<int>(j), bankB_));
    }
}

void KeyAssignmentModel::refreshKeyButtons() {
    const int profile = currentProfile_();
    if (!isShownProfile(profile)) return;
    for (const auto &button : kKeyButtons) {
        showButton(button.controlId, profile, rowOfKeyCode(button.keyCode));
    }
    showExtraKeyButtons(profile);
}

void KeyAssignmentModel::resetKeyAssignments() {
    const int profile = currentProfile_();
    if (!isShownProfile(profile)) return;
    {
        std::lock_guard lock(store_.mutex());
        for (const auto &button : kKeyButtons) {
            store_.setRecord(globalRecordIndex(profile, rowOfKeyCode(button.keyCode)), {});
        }
        for (int j = 0; j < kExtraKeysPerBank; ++j) {
            store_.setRecord(globalRecordIndex(profile, extraKeyRecordIndex(j, bankB_)), {});
        }
    }
    refreshKeyButtons();
    observer_.markApplyPending();
}

bool KeyAssignmentModel::isMacroUsedByKeys(const MacroRecord &macro) const {
    if (macro.isNew != 0) return false;
    std::lock_guard lock(store_.mutex());
    for (std::size_t global = 0; global < kRecordCount; ++global) {
        const KeyAssignment assignment = store_.record(global);
        if (assignment.kind == kKindMacro && assignment.value == macro.id) return true;
    }
    return false;
}

bool KeyAssignmentModel::confirmMacroDeletion(const MacroRecord &macro,
                                              const YesNoQuestion &ask) const {
    if (!isMacroUsedByKeys(macro)) return true;
    return ask(u"MACRO_DELETE_CONFIRM_OF_KEYS");
}

void KeyAssignmentModel::switchExtraKeyBank(bool bankB) {
    bankB_ = bankB;
    const int profile = currentProfile_();
    if (isShownProfile(profile)) showExtraKeyButtons(profile);
}

}  // namespace model
