// What the key assignment model tells the main window: that Apply has become
// pending, and what a key or extra-key button should show.
#pragma once

#include "KeyButtonHint.h"

namespace model {

class KeyButtonObserver {
public:
    virtual ~KeyButtonObserver() = default;
    virtual void markApplyPending() = 0;
    virtual void showButtonHint(int controlId, const ButtonHint &hint) = 0;
};

}  // namespace model
