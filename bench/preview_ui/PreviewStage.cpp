#include "PreviewStage.h"

#include <QComboBox>
#include <cstdlib>

#include "ui/skin/layout/LanguageText.h"

namespace previewui {

PreviewStage::PreviewStage() {
    std::string pattern = (std::filesystem::temp_directory_path() / "preview-ui-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        failure_ = "no scratch folder";
        return;
    }
    folder_ = pattern;
    setenv("USBGATE_BACKEND", "simulator", 1);
    setenv("USBGATE_SIM_PLUGGED", "1", 1);
    setenv("XDG_STATE_HOME", (folder_ / "state").c_str(), 1);
    setenv("USBGATE_SIM_SOCKET", (folder_ / "sim.sock").c_str(), 1);
    devicelink::BindResult bound = devicelink::bindUsbgate();
    if (bound.status != devicelink::BindStatus::Bound) {
        failure_ = "libUsbgate.so not bound: " + bound.detail;
        return;
    }
    library_ = std::move(bound.library);
    transport_ = std::make_unique<devicelink::ReportTransport>(*library_);
    transport_->registerReads();
    commands_ = std::make_unique<devicelink::DeviceCommands>(*transport_);

    const std::filesystem::path skins = paneltest::skinFolder().toStdString();
    std::error_code ignored;
    std::filesystem::copy_file(skins / "UserDengColor_3.userd", folder_ / "UserDengColor_0.userd",
                               ignored);
    skin::setLanguageFolder(paneltest::binFolder().toStdString());
    window_ = std::make_unique<paneltest::PanelWindow>(
        *commands_,
        lighting::LightingPaths{folder_ / "tvkb.ini", folder_, skins / "UserDengColor_3.userd"});
    window_->model().setCurrentProfile(0);
    window_->model().reloadAllLighting();
    window_->panel().refresh();
    window_->show();
}

PreviewStage::~PreviewStage() {
    window_.reset();
    commands_.reset();
    transport_.reset();
    library_.reset();
    std::error_code ignored;
    if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
}

void PreviewStage::setLightingView(bool on) {
    if (window_->panel().lightingViewOn() != on) window_->clickControl(panel::ids::kViewSwitch);
}

bool PreviewStage::chooseMode(int code) {
    const int index = window_->model().modes().indexOf(code);
    if (index < 0) return false;
    window_->controlAs<QComboBox>(panel::ids::kModeSelector)->setCurrentIndex(index);
    return true;
}

void PreviewStage::setMulticolour(bool on) {
    if (window_->model().state().multicolour != on) window_->clickControl(panel::ids::kHxMulti);
}

}  // namespace previewui
