// What the composite dialog does between opening and closing: the pending kind
// and its page, the tab buttons, Clear, the keyboard and mouse modes, the key
// capture of the single-key page, the macro page, and Apply, which commits the
// macros and writes the key's assignment.
#pragma once

#include <QObject>
#include <array>
#include <memory>
#include <string>

#include "model/KeyCode.h"
#include "ui/InputEventFilter.h"
#include "ui/dialogs/KeyCapture.h"
#include "ui/skin/StatePicture.h"

class CBaseDialog;

namespace dialogs {

struct CompositeContext;
struct CompositeControls;
class MacroPage;

class CompositePages : public QObject, public ui::InputEventSink {
    Q_OBJECT

public:
    // The dialog's image sets: key, macro, macro-only, media and function.
    using ImageSets = std::array<skin::ButtonPictures, 5>;

    CompositePages(CompositeControls &controls, CBaseDialog &dialog, CompositeContext &context);
    ~CompositePages() override;

    // Reads the record and shows its page; `images` stay valid while open.
    void open(int targetIndex, int targetButton, const ImageSets &images);
    // Stops capture and recording and drops the private macro list.
    void close();
    void relabel(int languageIndex);
    // The display name of the key being edited ("A", "G3 (B3)").
    QString targetKeyName(int languageIndex) const;

    // The dialog's commands by control id; false for ids that are not its own.
    bool handleCommand(int controlId);
    // Commits the macros and writes the record, whether or not Apply is enabled.
    void apply();

    int pendingKind() const { return pendingKind_; }
    model::KeyCode capturedKey() const { return capturedKey_; }
    bool mouseMode() const;
    bool macroOnly() const { return macroOnly_; }
    bool applyEnabled() const { return applyEnabled_; }
    bool capturing() const { return captureOn_; }
    MacroPage &macroPage() { return *macroPage_; }

    // ui::InputEventSink
    model::HookDisposition systemKeyEvent(std::uint32_t message, std::uint32_t virtualKey) override;
    model::HookDisposition keyboardEvent(std::uint32_t virtualKey, std::uint32_t flags) override;
    model::HookDisposition mouseEvent(std::uint32_t message, QPoint globalPosition) override;

private:
    void readRecord();
    void showPage(int kind, bool initialise);
    void showSingleKeyPage(bool initialise);
    void showChoicePage(int kind, bool initialise);
    void showPageControls(int kind);
    void selectTab(int kind);
    void switchTo(int kind);
    void clearKey();
    void setMode(bool mouse);
    void showCapturedKey(model::KeyCode key);
    void keyCaptured(model::KeyCode key);
    void setCapture(bool on);
    void updateInputFilter();
    void setApplyEnabled(bool on);
    void startOnScreenKeyboard();
    std::u16string keptText(std::uint16_t kind, int profile) const;

    CompositeControls &controls_;
    CBaseDialog &dialog_;
    CompositeContext &context_;
    std::unique_ptr<MacroPage> macroPage_;
    KeyCapture capture_;
    ui::InputEventFilter inputFilter_;
    const ImageSets *images_ = nullptr;

    int targetIndex_ = 0;
    int targetButton_ = 0;
    bool macroOnly_ = false;
    int pendingKind_ = 0;
    std::uint32_t initialValue_ = 0;
    model::KeyCode capturedKey_ = model::kNoKey;
    bool macroPageShownOnce_ = false;
    bool captureOn_ = false;
    bool applyEnabled_ = false;
};

}  // namespace dialogs
