// The step list of the macro being edited: rows of timed steps as the macro
// editor shows them, with the selection, the rules that place a new step and
// hand its wait over, and the hand edits of a row's key, direction and wait.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "KeyCode.h"
#include "MacroRecord.h"
#include "UserMessage.h"

namespace model {

inline constexpr std::uint32_t kMaxHandWaitMs = 40000;
inline constexpr std::uint32_t kHandWaitStepMs = 10;
inline constexpr std::size_t kMacroKeyChoices = 111;

inline constexpr std::u16string_view kPressText = u"\u2193";
inline constexpr std::u16string_view kReleaseText = u"  \u2191";

std::u16string_view directionText(std::uint16_t direction);

struct MacroStepRow {
    MacroAction step;
    bool greyed = false;  // loaded or recorded rows are drawn in the grey text colour
};

// A step to add and how.
struct NewStep {
    std::uint32_t wait = 0;
    KeyCode key = kNoKey;
    std::uint16_t direction = 0;
    bool recorded = false;              // comes from the recorder
    bool markChanged = false;           // sets the dialog's pending-changes mark
    bool insertAfterSelection = false;  // after the selected row instead of at the end
    bool ownWait = false;               // keeps its stored wait (loading a macro)
};

class MacroStepList {
public:
    explicit MacroStepList(std::function<void()> markChanged = {});

    const std::vector<MacroStepRow> &rows() const { return rows_; }
    std::size_t size() const { return rows_.size(); }
    std::optional<std::size_t> selected() const { return selected_; }
    void select(std::optional<std::size_t> row);

    // Places the step and returns its row; nothing when 2000 steps are shown.
    // Unless it keeps its own wait, the new step's wait goes to the row before
    // it, which hands its previous wait to the new row (0 at the end), so a
    // wait always lies between the two steps it separates.
    std::optional<std::size_t> addStep(const NewStep &step);

    // Shows a stored macro's steps with their own waits.
    void load(const MacroRecord &macro);
    // The rows as the macro's steps (count and actions).
    void saveInto(MacroRecord &macro) const;
    void clear();

    // Hand edits; false for a row or choice that does not exist.
    bool setKeyChoice(std::size_t row, std::size_t listPosition);
    bool setDirection(std::size_t row, std::uint16_t direction);
    // Parses the typed wait; above 40000 ms (or negative) shows
    // "MACRO_ACTION_ERR_DELAY_MAX" with 40000 and takes 40000; the wait is then
    // rounded down to 10 ms. Returns the stored wait.
    std::optional<std::uint32_t> setWaitText(std::size_t row, std::u16string_view text,
                                             const MessageSink &showMessage);

    // Row operations on the selection; the moved row stays selected.
    bool removeSelected();
    bool moveSelectedToTop();
    bool moveSelectedUp();
    bool moveSelectedDown();
    bool moveSelectedToBottom();

private:
    bool moveSelectedTo(std::size_t target);
    void changed();

    std::vector<MacroStepRow> rows_;
    std::optional<std::size_t> selected_;
    std::function<void()> markChanged_;
};

}  // namespace model
