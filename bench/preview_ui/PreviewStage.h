// The main window's lighting panel on the real skin, driven by the real
// lighting model over the real libUsbgate.so with its simulated keyboard, shown
// on the current Qt platform. Used to measure and to picture the preview.
#pragma once

#include <QString>
#include <filesystem>
#include <memory>
#include <string>

#include "PanelWindow.h"
#include "devicelink/DeviceCommands.h"
#include "devicelink/ReportTransport.h"
#include "devicelink/UsbgateLibrary.h"

namespace previewui {

class PreviewStage {
public:
    PreviewStage();
    ~PreviewStage();

    // Empty when the stage is ready; otherwise why it is not.
    const std::string &failure() const { return failure_; }
    paneltest::PanelWindow &window() { return *window_; }

    void setLightingView(bool on);
    // Chooses the mode in the selector as the user would; false when not offered.
    bool chooseMode(int code);
    void setMulticolour(bool on);

private:
    std::filesystem::path folder_;
    std::unique_ptr<devicelink::UsbgateLibrary> library_;
    std::unique_ptr<devicelink::ReportTransport> transport_;
    std::unique_ptr<devicelink::DeviceCommands> commands_;
    std::unique_ptr<paneltest::PanelWindow> window_;
    std::string failure_;
};

}  // namespace previewui
