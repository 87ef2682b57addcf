#include "MacroEditor.h"

#include <algorithm>
#include <mutex>
#include <new>
#include <thread>

#include "DecimalText.h"
#include "MacroList.h"

namespace model {
namespace {

constexpr std::chrono::milliseconds kNameRetryPause{16};

char16_t foldCase(char16_t c) {
    return c >= u'A' && c <= u'Z' ? c - u'A' + u'a' : c;
}

bool startsWithIgnoringCase(std::u16string_view text, std::u16string_view prefix) {
    if (prefix.size() > text.size()) return false;
    return std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char16_t x, char16_t y) { return foldCase(x) == foldCase(y); });
}

}  // namespace

MacroEditor::MacroEditor(ProfileStore &workingStore, MacroEditorServices services)
    : store_(workingStore), services_(std::move(services)), steps_(services_.markDialogChanged) {}

void MacroEditor::load() {
    macros_.clear();
    {
        std::lock_guard lock(store_.mutex());
        for (const auto &macro : store_.macros) {
            auto copy = std::make_unique<MacroRecord>(macro);
            copy->isNew = 0;
            macros_.push_back(std::move(copy));
        }
    }
    if (macros_.empty()) nameCounter_ = 0;
    show(macros_.empty() ? std::nullopt : std::optional<std::size_t>(0));
}

void MacroEditor::show(std::optional<std::size_t> index) {
    current_ = index;
    steps_.clear();
    if (!index) return;
    const MacroRecord &macro = *macros_[*index];
    cyclesText_ = decimalText(macro.cycles);
    steps_.load(macro);
}

bool MacroEditor::selectMacro(std::size_t index) {
    if (index >= macros_.size()) return false;
    saveCurrentSteps();
    show(index);
    return true;
}

void MacroEditor::saveCurrentSteps() {
    if (!current_) return;
    MacroRecord &macro = *macros_[*current_];
    macro.cycles = static_cast<std::uint8_t>(parseDecimalText(cyclesText_) & 0xFF);
    steps_.saveInto(macro);
}

std::optional<std::size_t> MacroEditor::createMacro() {
    if (macros_.size() >= kMaxMacros) {
        if (services_.showMessage) {
            services_.showMessage({u"MACRO_ERR_MAX", static_cast<int>(kMaxMacros), false});
        }
        return std::nullopt;
    }
    auto macro = newRecord(nextDefaultName(), smallestFreeId());
    saveCurrentSteps();
    macros_.push_back(std::move(macro));
    show(macros_.size() - 1);
    return current_;
}

std::u16string MacroEditor::nextDefaultName() {
    if (macros_.empty()) nameCounter_ = 0;
    const std::u16string prefix =
        services_.lookup ? services_.lookup(kTextSection, u"MACRO_NEW_PREFIX") : std::u16string();
    // The counter only grows and at most 100 names exist, so this ends.
    for (;;) {
        const std::u16string name = prefix + decimalText(++nameCounter_);
        if (!nameStartsAnEntry(name)) return name;
        if (services_.pause) {
            services_.pause(kNameRetryPause);
        } else {
            std::this_thread::sleep_for(kNameRetryPause);
        }
    }
}

bool MacroEditor::nameStartsAnEntry(std::u16string_view prefix) const {
    return std::any_of(macros_.begin(), macros_.end(), [prefix](const auto &macro) {
        return startsWithIgnoringCase(macro->nameView(), prefix);
    });
}

std::uint16_t MacroEditor::smallestFreeId() const {
    for (std::uint16_t id = 1; id <= kMaxMacros; ++id) {
        if (findPrivate(id) == nullptr) return id;
    }
    return 0;
}

const MacroRecord *MacroEditor::findPrivate(std::uint32_t id) const {
    for (const auto &macro : macros_) {
        if (macro->id == id) return macro.get();
    }
    return nullptr;
}

std::unique_ptr<MacroRecord> MacroEditor::newRecord(std::u16string_view name,
                                                    std::uint16_t id) const {
    auto macro = std::make_unique<MacroRecord>();
    macro->setName(name);
    macro->cycles = 1;
    macro->isNew = 1;
    macro->playMode = 0;
    macro->id = id;
    return macro;
}

void MacroEditor::changeName(std::u16string_view name) {
    if (macros_.empty()) {
        macros_.push_back(newRecord(name, 1));
        show(0);
        return;
    }
    if (current_) macros_[*current_]->setName(name);
}

bool MacroEditor::deleteCurrentMacro() {
    if (!current_) return false;
    const std::size_t index = *current_;
    const MacroRecord &macro = *macros_[index];
    if (services_.confirmDeletion && !services_.confirmDeletion(macro)) return false;
    macros_.erase(macros_.begin() + static_cast<std::ptrdiff_t>(index));
    if (macros_.empty()) {
        nameCounter_ = 0;
        show(std::nullopt);
    } else {
        show(index > 0 ? index - 1 : 0);
    }
    return true;
}

bool MacroEditor::commit() {
    std::vector<MacroRecord> committed;
    try {
        committed.resize(macros_.size());
    } catch (const std::bad_alloc &) {
        return false;
    }
    saveCurrentSteps();
    repairKeyRecords();
    for (std::size_t index = 0; index < macros_.size(); ++index) {
        committed[index] = *macros_[index];
        committed[index].isNew = 0;
        // The copies are committed now: a later commit must not treat them as new.
        macros_[index]->isNew = 0;
    }
    replaceMacroList(store_, std::move(committed));
    return true;
}

void MacroEditor::repairKeyRecords() {
    std::lock_guard lock(store_.mutex());
    for (std::size_t global = 0; global < kRecordCount; ++global) {
        KeyAssignment record = store_.record(global);
        if (record.kind != kKindMacro) continue;
        if (record.value != 0) {
            const MacroRecord *macro = findPrivate(record.value);
            if (macro != nullptr && macro->isNew == 0) continue;
            record.kind = kKindDefault;
            store_.setRecord(global, record);
            if (services_.keyRecordReset) services_.keyRecordReset(global);
        } else {
            if (macros_.empty()) continue;
            record.value = macros_.front()->id;
            store_.setRecord(global, record);
        }
        if (services_.markMainWindowChanged) services_.markMainWindowChanged();
    }
}

}  // namespace model
