// The panel window of every panel test on the real libUsbgate.so with its
// simulated keyboard, with fresh per-user files for each test.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "PanelWindow.h"
#include "SimulatedKeyboard.h"

class CPngButton;

namespace paneltest {

class PanelTest : public devicelink::testing::SimulatedKeyboardTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Reads the keyboard's lighting back and refreshes the panel, as after a profile change.
    void readBack();
    // Sets the 32 mode bytes of the info block and bytes of profile 0's parameter record.
    void setModeBytes(std::vector<std::uint8_t> modes);
    void setRecordBytes(int offset, const std::vector<std::uint8_t> &bytes);
    // Switches the lighting view by clicking its picture.
    void clickViewSwitch();
    // Chooses the mode with this code in the mode selector, as the user would.
    void chooseMode(int code);

    bool visible(int id) const;
    QString pictureOf(int id) const;
    CPngButton &keyButton(int controlId) const;
    // (offset, length) of every parameter write since the last clearWrites().
    std::vector<std::pair<int, int>> paramWrites();
    std::string settingsText() const;
    std::string userModeText(int profile) const;

    std::filesystem::path folder;
    std::unique_ptr<PanelWindow> window;
};

// Every control id of the seven groups, for "all hidden" checks.
const std::vector<int> &allGroupControls();

}  // namespace paneltest
