// The unpacked lighting settings of the current on-board profile, with the
// lighting view switch and the user-mode state.
#pragma once

#include <array>
#include <cstdint>

#include "Colour.h"
#include "devicelink/DeviceRegions.h"

namespace lighting {

inline constexpr int kParamRecordSize = static_cast<int>(devicelink::kParamRecordSize);
using devicelink::kProfileCount;
using devicelink::ParamRecord;

// Field offsets inside one parameter record.
namespace field {
inline constexpr int Mode = 0, Brightness = 1, Speed = 2, Direction = 3, ColourChoice = 4,
                     Colour = 5, ReportRate = 15, PresetColour = 17, Mode7Option = 18,
                     ReactiveTrigger = 19, SecondColour = 25, SecondChoice = 28, ThirdColour = 30,
                     ThirdChoice = 33;
}

inline constexpr std::uint8_t kDirectionForward = 0xFF;
inline constexpr std::uint8_t kDirectionBackward = 0x00;

struct UserModeState {
    int slot = 0;   // 0..9
    int brush = 0;  // 0 = colour brush, 1 = base-colour brush
    Colour brushColour = kBlack;
    Colour baseColour = kBlack;
    // What the panel's two colour buttons show; set together with the brush values.
    Colour shownBrushColour = kBlack;
    Colour shownBaseColour = kBlack;
};

struct LightingState {
    int profile = 0;
    int mode = 0;
    int brightness = 0;
    int speed = 0;
    std::uint8_t direction = kDirectionBackward;
    bool multicolour = false;
    Colour colour = kBlack;
    int reportRate = 0;
    int presetColour = 0;
    int mode7Option = 0;
    int reactiveTrigger = 0;
    Colour secondColour = kBlack;
    bool secondMulticolour = false;
    Colour thirdColour = kBlack;
    bool thirdMulticolour = false;
    bool viewOn = false;
    UserModeState user;
    // Grows with every mode selection; the preview resets when it sees a new value.
    std::uint32_t modeSelections = 0;
};

// Unpacks a parameter record into the state. Report rate above 3 is taken as 3,
// a preset index outside 0..3 as 0; the mode-7 option and the reactive trigger
// are taken over only when valid.
void unpackRecord(const ParamRecord &record, LightingState &state);

}  // namespace lighting
