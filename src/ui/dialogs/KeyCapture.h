// The key capture of the single-key page: while the page is shown, key events
// choose the key that the edited key shall send. The multimedia keys and
// events without a key pass on to other windows; every other key event is
// swallowed. The Windows and App keys are caught system-wide.
#pragma once

#include <cstdint>
#include <functional>

#include "model/KeyCode.h"
#include "model/MacroRecorder.h"

namespace dialogs {

class KeyCapture {
public:
    struct Callbacks {
        // True while the keyboard mode radio is checked.
        std::function<bool()> keyboardMode;
        // A key was chosen.
        std::function<void(model::KeyCode)> captured;
    };

    explicit KeyCapture(Callbacks callbacks) : callbacks_(std::move(callbacks)) {}

    // The dialog's own key events.
    model::HookDisposition keyboardEvent(int hookCode, std::uint32_t virtualKey,
                                         std::uint32_t flags);
    // Key events seen system-wide: the Windows and App keys.
    model::HookDisposition systemKeyEvent(int hookCode, std::uint32_t message,
                                          std::uint32_t virtualKey);

private:
    Callbacks callbacks_;
};

// True for the 18 keys of the multimedia list.
bool isMediaListKey(model::KeyCode code);

}  // namespace dialogs
