// The macro editor's private macro list: copies of the store's macros that the
// user creates, names, deletes and edits, committed to the working store as a
// whole. Key records that play a macro that is gone are repaired on commit.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "MacroRecord.h"
#include "MacroStepList.h"
#include "ProfileStore.h"
#include "TextLookup.h"
#include "UserMessage.h"

namespace model {

struct MacroEditorServices {
    TextLookup lookup;
    MessageSink showMessage;
    // True when the macro may be removed (it is new or unused, or the user agreed).
    std::function<bool(const MacroRecord &macro)> confirmDeletion;
    // The dialog's pending-changes mark.
    std::function<void()> markDialogChanged;
    // A key record (global index) that played a vanished macro fell back to its default.
    std::function<void(std::size_t globalRecordIndex)> keyRecordReset;
    // The main window has changes to apply.
    std::function<void()> markMainWindowChanged;
    // The pause before another default name is tried; a real sleep when unset.
    std::function<void(std::chrono::milliseconds)> pause;
};

class MacroEditor {
public:
    MacroEditor(ProfileStore &workingStore, MacroEditorServices services);

    // Replaces the private list with copies of the store's macros (new-flags
    // cleared) and shows the first one.
    void load();

    std::size_t count() const { return macros_.size(); }
    std::optional<std::size_t> current() const { return current_; }
    const MacroRecord &macroAt(std::size_t index) const { return *macros_.at(index); }
    std::u16string_view nameAt(std::size_t index) const { return macroAt(index).nameView(); }

    MacroStepList &steps() { return steps_; }
    const MacroStepList &steps() const { return steps_; }
    // What the cycles field holds; stored into the macro when its steps are saved.
    const std::u16string &cyclesText() const { return cyclesText_; }
    void setCyclesText(std::u16string_view text) { cyclesText_ = text; }

    // Saves the current macro's steps, then shows the macro at index.
    bool selectMacro(std::size_t index);

    // Adds a macro with the next free default name and the smallest free id,
    // and shows it. Shows "MACRO_ERR_MAX" with 100 when the list is full.
    std::optional<std::size_t> createMacro();

    // The typed name of the current macro; on an empty list it creates the
    // first macro under that name. Names are cut to 249 characters.
    void changeName(std::u16string_view name);

    // Removes the current macro once deletion is confirmed; the one before it
    // (or the first) becomes current.
    bool deleteCurrentMacro();

    // Stores the step list and the cycles field into the current macro's copy.
    void saveCurrentSteps();

    // Writes the private list to the working store; the caller ends any cell edit
    // and stops the recorder first. Key records of the macro kind
    // whose macro is gone (or was replaced by a new macro with the same id) fall
    // back to their default; those with id 0 take the first macro's id. False
    // when memory ran out: the store then keeps its old list.
    bool commit();

private:
    void show(std::optional<std::size_t> index);
    std::u16string nextDefaultName();
    bool nameStartsAnEntry(std::u16string_view prefix) const;
    std::uint16_t smallestFreeId() const;
    std::unique_ptr<MacroRecord> newRecord(std::u16string_view name, std::uint16_t id) const;
    const MacroRecord *findPrivate(std::uint32_t id) const;
    void repairKeyRecords();

    ProfileStore &store_;
    MacroEditorServices services_;
    std::vector<std::unique_ptr<MacroRecord>> macros_;
    std::optional<std::size_t> current_;
    MacroStepList steps_;
    std::u16string cyclesText_ = u"1";
    int nameCounter_ = 0;
};

}  // namespace model
