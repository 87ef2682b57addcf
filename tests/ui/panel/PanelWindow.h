// The lighting panel on a skinned window built from the real main skin, with
// the key buttons placed by the keyboard view exactly as the main window places
// them and the real lighting model. Clicks, slider messages and the model's key
// colours reach the panel as the main window routes them.
#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "model/lighting/LightingHost.h"
#include "model/lighting/LightingModel.h"
#include "ui/mainwindow/KeyboardView.h"
#include "ui/mainwindow/panel/LightingPanel.h"
#include "ui/skin/CBaseDialog.h"

namespace paneltest {

// The folder of the executables, the language file and Skins/.
QString binFolder();
QString skinFolder();

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

}  // namespace paneltest
