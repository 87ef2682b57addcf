// What the lighting model needs from the main window: the profile selection
// it re-runs when the lighting view is switched on, and the key buttons that
// show painted colours.
#pragma once

#include "Colour.h"

namespace lighting {

class LightingHost {
public:
    virtual ~LightingHost() = default;
    // Selects the current profile again (it may ask about unapplied key
    // assignments). Returns false when the selection was refused.
    virtual bool reselectCurrentProfile() = 0;
    // The key button of the slot shows the colour (user mode).
    virtual void showKeyColour(int slot, Colour colour) = 0;
};

}  // namespace lighting
