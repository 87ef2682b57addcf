// The lighting panel on a skinned window built from the real main skin, with
// the key buttons placed by the keyboard view exactly as the main window places
// them, the real lighting model and the real libUsbgate.so with its simulated
// keyboard. Clicks reach the panel as the main window routes them.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "SimulatedKeyboard.h"
#include "model/lighting/LightingHost.h"
#include "model/lighting/LightingModel.h"
#include "ui/mainwindow/KeyboardView.h"
#include "ui/mainwindow/panel/LightingPanel.h"
#include "ui/skin/CBaseDialog.h"

class CPngButton;

namespace paneltest {

class PanelWindow : public CBaseDialog, public lighting::LightingHost {
public:
    PanelWindow(devicelink::DeviceCommands &commands, const lighting::LightingPaths &paths);
    ~PanelWindow() override;

    bool handleMessage(std::uint32_t message, std::uint64_t first, std::int64_t second) override;
    bool reselectCurrentProfile() override { return allowReselect; }
    void showKeyColour(int slot, lighting::Colour colour) override;

    lighting::LightingModel &model() { return *model_; }
    panel::LightingPanel &panel() { return *panel_; }
    mainwindow::KeyboardView &view() { return *view_; }

    bool allowReselect = true;
    std::vector<int> assignmentsOpened;  // key clicks that opened their assignment
    int assignmentRefreshes = 0;         // times the keys showed their assignments again

private:
    void routeClick(int id);

    std::unique_ptr<lighting::LightingModel> model_;
    mainwindow::KeyboardView *view_ = nullptr;
    std::unique_ptr<panel::LightingPanel> panel_;
};

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
