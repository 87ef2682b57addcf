#include "ui/dialogs/CompositePages.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <mutex>

#include "model/KeyAssignmentModel.h"
#include "model/KeyButtonHint.h"
#include "model/KeyButtons.h"
#include "model/KeyConversions.h"
#include "model/ProfileBlock.h"
#include "model/ProfileStore.h"
#include "ui/dialogs/CompositeControls.h"
#include "ui/dialogs/CompositeIds.h"
#include "ui/dialogs/CompositeRecord.h"
#include "ui/dialogs/MacroPage.h"
#include "ui/dialogs/MainWindowAccess.h"
#include "ui/dialogs/Varnel_DlgComposite.h"
#include "ui/skin/CBaseDialog.h"
#include "ui/skin/CPngButton.h"
#include "ui/skin/ColorStatic.h"
#include "ui/skin/DialogServices.h"
#include "ui/skin/DialogText.h"

namespace dialogs {

using namespace composite;

namespace {

enum ImageSet { kKeySet = 0, kMacroSet = 1, kMacroOnlySet = 2, kMediaSet = 3, kFunctionSet = 4 };

bool isSingleKeyKind(int kind) {
    return kind != model::kKindMacro && kind != model::kKindMedia && kind != model::kKindFunction;
}

int tabOfKind(int kind) {
    switch (kind) {
        case model::kKindMacro:
            return 1;
        case model::kKindMedia:
            return 2;
        case model::kKindFunction:
            return 3;
        default:
            return 0;
    }
}

void setVisible(auto widgets, bool visible) {
    for (QWidget *widget : widgets) widget->setVisible(visible);
}

}  // namespace

CompositePages::CompositePages(CompositeControls &controls, CBaseDialog &dialog,
                               CompositeContext &context)
    : controls_(controls),
      dialog_(dialog),
      context_(context),
      capture_({[this] { return !mouseMode(); }, [this](model::KeyCode key) { keyCaptured(key); }}),
      inputFilter_(*this) {
    macroPage_ = std::make_unique<MacroPage>(
        controls_, dialog_,
        MacroPageContext{
            context_.working, context_.keys, context_.settings,
            [this] { return context_.window.languageIndex(); }, [this] { setApplyEnabled(true); },
            [this] { context_.window.markApplyPending(); }, [this](bool) { updateInputFilter(); }});
    QObject::connect(controls_.keyboardRadio, &QRadioButton::clicked, this,
                     [this] { handleCommand(kKeyboardRadio); });
    QObject::connect(controls_.mouseRadio, &QRadioButton::clicked, this,
                     [this] { handleCommand(kMouseRadio); });
    for (QComboBox *combo : {controls_.mediaCombo, controls_.functionCombo, controls_.mouseCombo}) {
        QObject::connect(combo, &QComboBox::activated, this, [this] { setApplyEnabled(true); });
    }
}

CompositePages::~CompositePages() = default;

void CompositePages::open(int targetIndex, int targetButton, const ImageSets &images) {
    images_ = &images;
    targetIndex_ = targetIndex;
    targetButton_ = targetButton;
    macroOnly_ = targetButton == Varnel_DlgComposite::kMacroOnlyButton;
    macroPageShownOnce_ = false;
    capturedKey_ = model::kNoKey;
    const int language = context_.window.languageIndex();
    controls_.fillChoices(language);
    macroPage_->open();
    readRecord();
    for (CPngButton *button :
         {controls_.tabs[0], controls_.tabs[2], controls_.tabs[3], controls_.clear}) {
        button->setEnabled(!macroOnly_);
    }
    setVisible(std::array<QWidget *, 3>{controls_.singleLabel, controls_.mediaLabel,
                                        controls_.functionLabel},
               !macroOnly_);
    relabel(language);
    showPage(pendingKind_, true);
    setApplyEnabled(false);
}

void CompositePages::readRecord() {
    const model::KeyAssignment record =
        context_.keys.readAssignment(context_.window.currentProfile(), targetIndex_);
    pendingKind_ = record.kind;
    initialValue_ = record.value;
    if (macroOnly_) pendingKind_ = model::kKindMacro;
}

void CompositePages::close() {
    setCapture(false);
    macroPage_->close();
    setApplyEnabled(false);
    updateInputFilter();
}

void CompositePages::relabel(int languageIndex) {
    const int mouse = controls_.mouseCombo->currentIndex();
    const int media = controls_.mediaCombo->currentIndex();
    const int function = controls_.functionCombo->currentIndex();
    controls_.fillChoices(languageIndex);
    controls_.mouseCombo->setCurrentIndex(std::max(0, mouse));
    controls_.mediaCombo->setCurrentIndex(std::max(0, media));
    controls_.functionCombo->setCurrentIndex(std::max(0, function));
    if (pendingKind_ == model::kKindKey && capturedKey_ != model::kNoKey && !mouseMode()) {
        showCapturedKey(capturedKey_);
    }
    controls_.relabel(languageIndex, macroOnly_, macroPage_->recording(),
                      targetKeyName(languageIndex));
    macroPage_->refreshSteps();
}

// A button that silently does nothing would leave the user guessing: without
// an on-screen keyboard program, say so.
void CompositePages::startOnScreenKeyboard() {
    if (!context_.startOnScreenKeyboard || context_.startOnScreenKeyboard()) return;
    skin::dialogServices().showMessage(
        &dialog_, skin::dialogText("COMPOSITE_OSK_MISSING", context_.window.languageIndex()),
        QString(), skin::MessageButtons::Ok);
}

QString CompositePages::targetKeyName(int languageIndex) const {
    std::u16string name = model::keyButtonBaseName(
        targetButton_, skin::textLookupFor([languageIndex] { return languageIndex; }));
    if (const auto position = model::extraKeyButtonPosition(targetButton_)) {
        const bool bankB = model::recordIndexForButton(targetButton_, true) == targetIndex_;
        name += u" (" + model::extraKeyCaption(*position, bankB) + u")";
    }
    return QString::fromStdU16String(name);
}

bool CompositePages::mouseMode() const {
    return controls_.mouseRadio->isChecked();
}

void CompositePages::showPage(int kind, bool initialise) {
    if (kind == model::kKindMacro) {
        setCapture(false);
        if (initialise) {
            macroPage_->selectMacroWithId(initialValue_);
        } else if (!macroPageShownOnce_ && initialValue_ == 0) {
            macroPage_->selectFirst();
        }
        macroPageShownOnce_ = true;
    } else if (kind == model::kKindMedia || kind == model::kKindFunction) {
        showChoicePage(kind, initialise);
    } else {
        showSingleKeyPage(initialise);
    }
    showPageControls(kind);
    selectTab(kind);
}

void CompositePages::showChoicePage(int kind, bool initialise) {
    setCapture(false);
    macroPage_->stopRecording();
    if (!initialise) return;
    QComboBox &combo = kind == model::kKindMedia ? *controls_.mediaCombo : *controls_.functionCombo;
    if (initialValue_ < static_cast<std::uint32_t>(combo.count())) {
        combo.setCurrentIndex(static_cast<int>(initialValue_));
    }
}

void CompositePages::showSingleKeyPage(bool initialise) {
    macroPage_->stopRecording();
    setCapture(true);
    if (!initialise) return;
    capturedKey_ = static_cast<model::KeyCode>(initialValue_);
    const int mouseChoice = mouseChoiceOf(capturedKey_);
    if (pendingKind_ == model::kKindKey && mouseChoice >= 0) {
        setMode(true);
        controls_.mouseCombo->setCurrentIndex(mouseChoice);
        controls_.keyName->clear();
        return;
    }
    setMode(false);
    if (pendingKind_ == model::kKindKey && capturedKey_ != model::kNoKey) {
        showCapturedKey(capturedKey_);
    } else {
        controls_.keyName->clear();
    }
}

void CompositePages::showPageControls(int kind) {
    setVisible(controls_.macroPage(), kind == model::kKindMacro);
    setVisible(controls_.singleKeyPage(), isSingleKeyKind(kind));
    setVisible(controls_.mediaPage(), kind == model::kKindMedia);
    setVisible(controls_.functionPage(), kind == model::kKindFunction);
    if (macroOnly_) {
        setVisible(std::array<QWidget *, 3>{controls_.singleLabel, controls_.mediaLabel,
                                            controls_.functionLabel},
                   false);
    }
}

void CompositePages::selectTab(int kind) {
    const int tab = tabOfKind(kind);
    for (int i = 0; i < 4; ++i) controls_.tabs[static_cast<std::size_t>(i)]->setSelected(i == tab);
    if (!images_) return;
    static constexpr ImageSet kSetOfTab[4] = {kKeySet, kMacroSet, kMediaSet, kFunctionSet};
    controls_.setPictures((*images_)[macroOnly_ ? kMacroOnlySet : kSetOfTab[tab]]);
}

void CompositePages::switchTo(int kind) {
    if (kind == model::kKindKey) {
        if (pendingKind_ == model::kKindKey || pendingKind_ == model::kKindDefault) return;
    } else if (pendingKind_ == kind) {
        return;
    }
    pendingKind_ = kind;
    showPage(kind, false);
    setApplyEnabled(true);
}

void CompositePages::clearKey() {
    switchTo(model::kKindKey);
    if (pendingKind_ != model::kKindKey) return;
    controls_.keyName->clear();
    capturedKey_ = model::kNoKey;
    pendingKind_ = model::kKindDefault;
    setMode(false);
}

void CompositePages::setMode(bool mouse) {
    controls_.keyboardRadio->setChecked(!mouse);
    controls_.mouseRadio->setChecked(mouse);
    controls_.keyName->setEnabled(!mouse);
    controls_.mouseCombo->setEnabled(mouse);
}

void CompositePages::showCapturedKey(model::KeyCode key) {
    const model::TextLookup lookup =
        skin::textLookupFor([this] { return context_.window.languageIndex(); });
    controls_.keyName->setText(QString::fromStdU16String(model::keyDisplayName(key, lookup)));
}

void CompositePages::keyCaptured(model::KeyCode key) {
    capturedKey_ = key;
    showCapturedKey(key);
    pendingKind_ = model::kKindKey;
    setApplyEnabled(true);
}

void CompositePages::setCapture(bool on) {
    captureOn_ = on;
    updateInputFilter();
}

void CompositePages::updateInputFilter() {
    if (captureOn_ || macroPage_->recording()) {
        inputFilter_.install();
    } else {
        inputFilter_.remove();
    }
}

void CompositePages::setApplyEnabled(bool on) {
    applyEnabled_ = on;
    controls_.apply->setEnabled(on);
}

bool CompositePages::handleCommand(int controlId) {
    switch (controlId) {
        case kTabKey:
            switchTo(model::kKindKey);
            return true;
        case kTabMacro:
            switchTo(model::kKindMacro);
            return true;
        case kTabMedia:
            switchTo(model::kKindMedia);
            return true;
        case kTabFunction:
            switchTo(model::kKindFunction);
            return true;
        case kClear:
            clearKey();
            return true;
        case kKeyboardRadio:
        case kMouseRadio:
            setMode(controlId == kMouseRadio);
            pendingKind_ = model::kKindKey;
            return true;
        case kOnScreenKeyboard:
            startOnScreenKeyboard();
            return true;
        case kApply:
            apply();
            return true;
        default:
            return macroPage_->handleCommand(controlId);
    }
}

void CompositePages::apply() {
    macroPage_->endCellEdit();
    macroPage_->stopRecording();
    macroPage_->commit();
    CompositeChoices choices;
    choices.kind = pendingKind_;
    choices.targetIndex = targetIndex_;
    choices.mouseMode = mouseMode();
    choices.capturedKey = capturedKey_;
    choices.mouseChoice = controls_.mouseCombo->currentIndex();
    choices.macroListEmpty = macroPage_->isEmpty();
    choices.macroId = macroPage_->selectedId();
    choices.cycles = macroPage_->cycles();
    choices.mediaChoice = std::max(0, controls_.mediaCombo->currentIndex());
    choices.functionChoice = std::max(0, controls_.functionCombo->currentIndex());
    const CompositeRecord record = buildCompositeRecord(choices);
    const int profile = context_.window.currentProfile();
    context_.keys.writeAssignment(profile, targetIndex_, record.kind, record.extra, record.value,
                                  keptText(record.kind, profile));
    const model::KeyAssignment written = context_.keys.readAssignment(profile, targetIndex_);
    context_.window.showButtonHint(targetButton_,
                                   context_.keys.keyButtonHint(targetButton_, written));
    context_.keys.refreshKeyButtons();
    setApplyEnabled(false);
    context_.window.markApplyPending();
}

std::u16string CompositePages::keptText(std::uint16_t kind, int profile) const {
    // A launch or text key this dialog cannot edit keeps its kind; rewriting it
    // without its text would leave a record that names nothing, so the text stays.
    if (!model::kindHasString(kind) || !model::isValidRecordAddress(profile, targetIndex_)) {
        return {};
    }
    std::lock_guard lock(context_.working.mutex());
    return std::u16string(
        context_.working.strings.text(model::globalRecordIndex(profile, targetIndex_)));
}

model::HookDisposition CompositePages::systemKeyEvent(std::uint32_t message,
                                                      std::uint32_t virtualKey) {
    if (macroPage_->recording()) {
        return macroPage_->recorder().systemKeyEvent(model::kHookAction, message, virtualKey);
    }
    if (!captureOn_) return model::HookDisposition::PassOn;
    return capture_.systemKeyEvent(model::kHookAction, message, virtualKey);
}

model::HookDisposition CompositePages::keyboardEvent(std::uint32_t virtualKey,
                                                     std::uint32_t flags) {
    if (macroPage_->recording()) {
        const auto disposition =
            macroPage_->recorder().keyboardEvent(model::kHookAction, virtualKey, flags);
        macroPage_->refreshSteps();
        return disposition;
    }
    if (!captureOn_) return model::HookDisposition::PassOn;
    return capture_.keyboardEvent(model::kHookAction, virtualKey, flags);
}

model::HookDisposition CompositePages::mouseEvent(std::uint32_t message, QPoint globalPosition) {
    if (!macroPage_->recording()) return model::HookDisposition::PassOn;
    const auto disposition = macroPage_->recorder().mouseEvent(
        model::kHookAction, message, {globalPosition.x(), globalPosition.y()},
        macroPage_->recordButtonOnScreen());
    macroPage_->refreshSteps();
    return disposition;
}

}  // namespace dialogs
