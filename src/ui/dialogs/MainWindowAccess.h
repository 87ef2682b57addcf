// What the composite dialog and the profile manager need from the main window.
// The main window implements this interface and hands it to both dialogs.
#pragma once

#include "model/KeyButtonHint.h"

namespace dialogs {

class MainWindowAccess {
public:
    virtual ~MainWindowAccess() = default;

    // The keyboard's active on-board profile 0..2; -1 without a keyboard.
    virtual int currentProfile() = 0;
    // Sets the keyboard's current profile (-1: none, nothing is written to the
    // keyboard). Result 1 done, other values failed.
    virtual int switchProfile(int profile) = 0;
    // Reads the keyboard's configuration back into the working store and
    // refreshes the window.
    virtual void reloadFromKeyboard() = 0;
    // Shows the current profile's name on the profile name button.
    virtual void refreshProfileLabel() = 0;

    // The main window's pending-changes mark (the enabled state of its Apply).
    virtual void markApplyPending() = 0;
    virtual void clearApplyPending() = 0;

    // The hint and assigned mark of one key button of the keyboard view.
    virtual void showButtonHint(int controlId, const model::ButtonHint &hint) = 0;
    // Gives the clicked key button its normal pictures back when a dialog closes.
    virtual void restoreButtonLook(int controlId) = 0;

    // Opens the help page as the main window's help button does.
    virtual void openHelp() = 0;
    // The language index every text is looked up with.
    virtual int languageIndex() const = 0;
};

}  // namespace dialogs
