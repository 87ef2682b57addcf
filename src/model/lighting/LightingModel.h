// The system's view of the keyboard's lighting: a mirror of the three
// parameter records, the working state of the current profile, the supported
// modes, the per-key colours and the user modes. Every change is written to
// the keyboard at once, each as one command group; the write results are
// returned but the working state already holds the new value.
#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "KeyColourTable.h"
#include "LightingHost.h"
#include "LightingState.h"
#include "ModeList.h"
#include "UserModeFile.h"
#include "devicelink/DeviceCommands.h"
#include "settings/UserSettings.h"

namespace lighting {

struct LightingPaths {
    std::filesystem::path settingsFile;      // per-user tvkb.ini
    std::filesystem::path userModeFolder;    // holds UserDengColor_<p>.userd
    std::filesystem::path userModeTemplate;  // factory user-mode file
};

class LightingModel {
public:
    LightingModel(devicelink::DeviceCommands &device, LightingHost &host, LightingPaths paths);

    // The current on-board profile 0..2, owned by the profile commands.
    void setCurrentProfile(int profile);

    // Read-back of the three records; 0, or -1 when the info block cannot be read.
    int reloadLighting();
    // As reloadLighting, plus the user mode when the keyboard supports mode 20
    // (followed by recomputeBaseFlags); the lighting view switch then follows
    // the settings file both ways.
    int reloadAllLighting();

    int selectMode(int selectorIndex);
    int setBrightness(int level);
    int setSpeed(int sliderPosition);
    int setDirection(std::uint8_t direction);
    int setColour(Colour colour);
    int toggleMulticolour();
    int setPresetColourIndex(int index);
    int setReportRate(int index);
    int restoreLightingDefaults();
    // Switching on re-selects the current profile first and fails when that is refused.
    bool setLightingView(bool on);

    int loadUserMode();
    int selectUserMode(int slot);
    bool renameUserMode(std::u16string_view name);
    int paintKey(int slot);
    int setBaseColour(Colour colour);
    bool setBrushColour(Colour colour);
    bool selectBrush(int brush);
    void recomputeBaseFlags();

    const LightingState &state() const { return state_; }
    const ModeList &modes() const { return modes_; }
    int selectedModeIndex() const { return selectedModeIndex_; }
    const KeyColourTable &keyColours() const { return keyColours_; }
    const ParamRecord &record(int profile) const;
    const std::array<std::u16string, kUserModeSlots> &userModeNames() const {
        return userModeNames_;
    }
    UserModeFile userModeFile() const;

private:
    struct FieldWrite {
        int offset;
        std::vector<std::uint8_t> bytes;
    };
    int writeGroup(std::initializer_list<FieldWrite> writes);
    int writeField(int offset, std::uint8_t value);
    bool readInfoBlock();
    void readRecords();
    void refillUserModeNames();
    int uploadKeyColours();
    bool storeUserTools() const;
    void applyDefaultsToWorkingState();

    devicelink::DeviceCommands &device_;
    LightingHost &host_;
    LightingPaths paths_;
    app::UserSettings settings_;
    std::array<ParamRecord, kProfileCount> mirror_{};
    LightingState state_;
    ModeList modes_;
    int selectedModeIndex_ = -1;
    KeyColourTable keyColours_;
    std::array<std::u16string, kUserModeSlots> userModeNames_;
};

}  // namespace lighting
