// Reading and writing key assignments in the working store, the button hints of
// the keyboard view, resetting keys, the macro-in-use check and the extra-key bank.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "KeyAssignment.h"
#include "KeyButtonHint.h"
#include "KeyButtonObserver.h"
#include "MacroRecord.h"
#include "ProfileStore.h"
#include "TextLookup.h"

namespace model {

// Asks the user a Yes/No question (No being the default) whose text is the given
// language text key; true on Yes.
using YesNoQuestion = std::function<bool(std::u16string_view textKey)>;

// The current on-board profile 0..2, or -1 without a keyboard.
using CurrentProfileSource = std::function<int()>;

// The `extra` field an assignment stores: a macro's cycle count for the macro
// kind, the extra-key identifier for other kinds on extra keys, else 0.
std::uint16_t assignmentExtraField(int recordIndex, std::uint16_t kind, std::uint8_t cycles);

class KeyAssignmentModel {
public:
    KeyAssignmentModel(ProfileStore &store, TextLookup lookup, CurrentProfileSource currentProfile,
                       KeyButtonObserver &observer);

    // Record index a click on this control addresses in the shown bank.
    std::optional<std::uint16_t> recordIndexForButton(int controlId) const;

    KeyAssignment readAssignment(int profile, int recordIndex) const;

    // Writes all fields (mark and reserved 0) and the record's string for the
    // launch and text kinds, then marks Apply pending. False for an address
    // outside the block, which changes nothing.
    bool writeAssignment(int profile, int recordIndex, std::uint16_t kind, std::uint16_t extra,
                         std::uint32_t value, std::u16string_view text);

    // The hint of a button for a record (the record's macros come from the store).
    ButtonHint keyButtonHint(int controlId, const KeyAssignment &assignment) const;

    // Shows the current profile's records on the 104 key buttons and the nine
    // extra-key buttons of the shown bank.
    void refreshKeyButtons();

    // Clears the current profile's records of the key buttons and of the shown
    // bank's extra keys, then updates their buttons and marks Apply pending.
    void resetKeyAssignments();

    // True when some key record of the store plays this committed macro.
    bool isMacroUsedByKeys(const MacroRecord &macro) const;

    // True when the macro may be deleted: it is unused, or the user agreed.
    bool confirmMacroDeletion(const MacroRecord &macro, const YesNoQuestion &ask) const;

    // Shows and addresses the other bank's extra-key records from now on.
    void switchExtraKeyBank(bool bankB);
    bool bankB() const { return bankB_; }

private:
    void showButton(int controlId, int profile, int recordIndex);
    void showExtraKeyButtons(int profile);

    ProfileStore &store_;
    TextLookup lookup_;
    CurrentProfileSource currentProfile_;
    KeyButtonObserver &observer_;
    bool bankB_ = false;
};

}  // namespace model
