#include "MacroStepList.h"

#include <algorithm>

#include "DecimalText.h"
#include "KeyConversions.h"

namespace model {

std::u16string_view directionText(std::uint16_t direction) {
    return direction == 1 ? kReleaseText : kPressText;
}

MacroStepList::MacroStepList(std::function<void()> markChanged)
    : markChanged_(std::move(markChanged)) {}

void MacroStepList::select(std::optional<std::size_t> row) {
    selected_ = row && *row < rows_.size() ? row : std::nullopt;
}

std::optional<std::size_t> MacroStepList::addStep(const NewStep &step) {
    if (rows_.size() >= kMaxMacroActions) return std::nullopt;
    std::size_t position = rows_.size();
    if (step.insertAfterSelection && selected_) position = *selected_ + 1;

    MacroStepRow row;
    row.step.key = step.key;
    row.step.direction = step.direction > 1 ? 0 : step.direction;
    row.greyed = step.recorded;
    if (step.ownWait) {
        row.step.wait = step.wait;
    } else if (position > 0) {
        MacroStepRow &before = rows_[position - 1];
        row.step.wait = position == rows_.size() ? 0 : before.step.wait;
        before.step.wait = step.wait;
    }
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(position), row);

    if (step.recorded) {
        selected_ = position;
    } else if (selected_ && *selected_ >= position) {
        ++*selected_;
    }
    if (step.markChanged) changed();
    return position;
}

void MacroStepList::load(const MacroRecord &macro) {
    clear();
    for (std::size_t index = 0; index < macro.validActionCount(); ++index) {
        const MacroAction &action = macro.actions[index];
        NewStep step{action.wait, action.key, action.direction};
        step.ownWait = true;
        addStep(step);
        rows_.back().greyed = true;
    }
}

void MacroStepList::saveInto(MacroRecord &macro) const {
    std::fill(std::begin(macro.actions), std::end(macro.actions), MacroAction{});
    macro.actionCount = static_cast<std::uint16_t>(rows_.size());
    for (std::size_t index = 0; index < rows_.size(); ++index) {
        macro.actions[index] = rows_[index].step;
    }
}

void MacroStepList::clear() {
    rows_.clear();
    selected_.reset();
}

bool MacroStepList::setKeyChoice(std::size_t row, std::size_t listPosition) {
    if (row >= rows_.size() || listPosition >= kMacroKeyChoices) return false;
    rows_[row].step.key = keyCodeOfListIndex(static_cast<std::uint16_t>(listPosition));
    changed();
    return true;
}

bool MacroStepList::setDirection(std::size_t row, std::uint16_t direction) {
    if (row >= rows_.size() || direction > 1) return false;
    rows_[row].step.direction = direction;
    changed();
    return true;
}

std::optional<std::uint32_t> MacroStepList::setWaitText(std::size_t row, std::u16string_view text,
                                                        const MessageSink &showMessage) {
    if (row >= rows_.size()) return std::nullopt;
    const std::int64_t typed = parseDecimalText(text);
    std::uint32_t wait = static_cast<std::uint32_t>(std::max<std::int64_t>(typed, 0));
    if (typed < 0 || typed > kMaxHandWaitMs) {
        if (showMessage) {
            showMessage({u"MACRO_ACTION_ERR_DELAY_MAX", static_cast<int>(kMaxHandWaitMs), false});
        }
        wait = kMaxHandWaitMs;
    }
    wait -= wait % kHandWaitStepMs;
    rows_[row].step.wait = wait;
    changed();
    return wait;
}

bool MacroStepList::removeSelected() {
    if (!selected_) return false;
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(*selected_));
    if (rows_.empty()) {
        selected_.reset();
    } else {
        selected_ = std::min(*selected_, rows_.size() - 1);
    }
    changed();
    return true;
}

bool MacroStepList::moveSelectedTo(std::size_t target) {
    if (!selected_) return false;
    const std::size_t from = *selected_;
    if (from == target) return true;
    const MacroStepRow row = rows_[from];
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(from));
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(target), row);
    selected_ = target;
    changed();
    return true;
}

bool MacroStepList::moveSelectedToTop() {
    return moveSelectedTo(0);
}

bool MacroStepList::moveSelectedUp() {
    return selected_ && moveSelectedTo(*selected_ == 0 ? 0 : *selected_ - 1);
}

bool MacroStepList::moveSelectedDown() {
    return selected_ && moveSelectedTo(std::min(*selected_ + 1, rows_.size() - 1));
}

bool MacroStepList::moveSelectedToBottom() {
    return selected_ && moveSelectedTo(rows_.size() - 1);
}

void MacroStepList::changed() {
    if (markChanged_) markChanged_();
}

}  // namespace model
