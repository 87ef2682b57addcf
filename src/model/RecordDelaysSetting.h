// The record-delays setting: 1 keeps the measured waits of recorded steps, 0
// records every wait as 50 ms. Kept as text in the settings' "PROFILES" section
// under the entry named by the current language's "MACRO_ACTION_RECORD_DELAY"
// text, and stored back clamped on every read and write.
#pragma once

#include "TextLookup.h"
#include "settings/AppSettings.h"

namespace model {

class RecordDelaysSetting {
public:
    RecordDelaysSetting(app::AppSettings &settings, TextLookup lookup);

    // 0 or 1; anything else that is stored reads, and is written back, as 0.
    int read();
    // Stores the value clamped to 0 or 1 and returns what was stored.
    int write(int value);

private:
    std::u16string entryName() const;

    app::AppSettings &settings_;
    TextLookup lookup_;
};

}  // namespace model
