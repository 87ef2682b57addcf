// The parts of the main window that other folders build: the lighting panel,
// the composite assignment dialog and the profile manager. The window reaches
// them only through these calls; each does nothing until its part is wired.
#pragma once

#include <QRect>
#include <functional>

#include "model/lighting/Colour.h"

namespace mainwindow {

struct MainWindowParts {
    // Lighting panel.
    std::function<bool(int controlId)> panelCommand = [](int) { return false; };
    std::function<void(int controlId, int position)> sliderMoved = [](int, int) {};
    std::function<void()> refreshPanel = [] {};
    std::function<void()> relabelPanel = [] {};
    std::function<void()> previewTick = [] {};
    std::function<void(int controlId)> paintKey = [](int) {};
    std::function<void(int slot, lighting::Colour colour)> showKeyColour = [](int,
                                                                              lighting::Colour) {};

    // Dialogs.
    // The clicked button's rectangle is in screen coordinates.
    std::function<void(int recordIndex, int controlId, QRect clickedButton)> openComposite =
        [](int, int, QRect) {};
    std::function<void()> openProfileManager = [] {};
    // Closes the composite dialog and the profile manager when open.
    std::function<void()> closeDialogs = [] {};
    std::function<void(int languageIndex)> relabelDialogs = [](int) {};
};

}  // namespace mainwindow
