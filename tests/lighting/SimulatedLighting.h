#pragma once

#include <memory>
#include <vector>

#include "LightingTestSupport.h"
#include "SimulatedKeyboard.h"
#include "model/lighting/LightingModel.h"

namespace lighting::test {

// Stands in for the main window: answers the profile re-selection and keeps
// the colours shown on the key buttons.
struct RecordingHost : LightingHost {
    bool reselectCurrentProfile() override {
        ++reselections;
        return allowReselect;
    }
    void showKeyColour(int slot, Colour colour) override { shown[slot] = colour; }

    bool allowReselect = true;
    int reselections = 0;
    std::array<Colour, kSlotCount> shown{};
};

// The lighting model on the simulated keyboard, with its files in a scratch folder.
class SimulatedLightingTest : public devicelink::testing::SimulatedKeyboardTest {
protected:
    void SetUp() override;
    void TearDown() override;

    LightingPaths paths() const;
    // Sets the 32 mode bytes of the keyboard's info block.
    void setModeBytes(std::vector<std::uint8_t> modes);
    std::vector<std::uint8_t> record(int profile) { return peek("params", profile * 42, 42); }
    std::vector<std::uint8_t> keyColour(int profile, int slot);
    // (offset, length) of every parameter write since the last clearWrites().
    std::vector<std::pair<int, int>> paramWrites();
    int countOf(devicelink::CommandCode code);
    int selectCode(int code);

    ScratchFolder folder;
    RecordingHost host;
    std::unique_ptr<LightingModel> model;
};

}  // namespace lighting::test
