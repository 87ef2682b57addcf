#include "PanelTestSupport.h"

#include <QComboBox>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "model/KeyButtons.h"
#include "ui/mainwindow/panel/PictureButton.h"
#include "ui/skin/CPngButton.h"
#include "ui/skin/SkinPicture.h"
#include "ui/skin/layout/LanguageText.h"

namespace paneltest {
namespace {

std::string readFile(const std::filesystem::path &file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

void PanelTest::SetUp() {
    SimulatedKeyboardTest::SetUp();
    ASSERT_TRUE(commands) << keyboard().bindDetail();
    std::string pattern = (std::filesystem::temp_directory_path() / "panel-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder = pattern;
    std::filesystem::copy_file(skinFolder().toStdString() + "/UserDengColor_3.userd",
                               folder / "UserDengColor_0.userd");
    skin::setLanguageFolder(binFolder().toStdString());
    window = std::make_unique<PanelWindow>(
        *commands, lighting::LightingPaths{folder / "tvkb.ini", folder,
                                           skinFolder().toStdString() + "/UserDengColor_3.userd"});
    window->model().setCurrentProfile(0);
    window->model().reloadAllLighting();
    window->panel().refresh();
    keyboard().clearWrites();
}

void PanelTest::TearDown() {
    window.reset();
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    SimulatedKeyboardTest::TearDown();
}

void PanelTest::readBack() {
    window->model().reloadLighting();
    window->panel().refresh();
}

void PanelTest::setModeBytes(std::vector<std::uint8_t> modes) {
    modes.resize(32, 0);
    poke("info", 12, modes);
}

void PanelTest::setRecordBytes(int offset, const std::vector<std::uint8_t> &bytes) {
    poke("params", offset, bytes);
}

void PanelTest::clickViewSwitch() {
    ASSERT_TRUE(window->clickControl(panel::ids::kViewSwitch));
}

void PanelTest::chooseMode(int code) {
    const int index = window->model().modes().indexOf(code);
    ASSERT_GE(index, 0) << "mode " << code << " is not offered";
    window->controlAs<QComboBox>(panel::ids::kModeSelector)->setCurrentIndex(index);
}

bool PanelTest::visible(int id) const {
    const QWidget *control = window->control(id);
    return control && !control->isHidden();
}

QString PanelTest::pictureOf(int id) const {
    return window->controlAs<panel::PictureButton>(id)->pictureName();
}

CPngButton &PanelTest::keyButton(int controlId) const {
    return *window->view().keyButtons().value(controlId);
}

std::vector<std::pair<int, int>> PanelTest::paramWrites() {
    std::vector<std::pair<int, int>> writes;
    for (const auto &report : keyboard().writesOf(devicelink::CommandCode::WriteParams)) {
        writes.push_back({report[5] | report[6] << 8, report[4]});
    }
    return writes;
}

std::string PanelTest::settingsText() const {
    return readFile(folder / "tvkb.ini");
}

std::string PanelTest::userModeText(int profile) const {
    return readFile(folder / ("UserDengColor_" + std::to_string(profile) + ".userd"));
}

const std::vector<int> &allGroupControls() {
    using namespace panel::ids;
    static const std::vector<int> ids{
        kModeSelector,       kBrightnessCaption, kBrightnessSlider,  kBrightnessAdd,
        kBrightnessSub,      kSpeedCaption,      kSpeedSlider,       kSpeedAdd,
        kSpeedSub,           kDirectionCaption,  kDirectionFirst,    kDirectionSecond,
        kHxColourCaption,    kHxColour,          kHxMultiCaption,    kHxMulti,
        kFyColourCaption,    kFyColour,          kFyMultiCaption,    kFyMulti,
        kPresetRed,          kPresetRed + 1,     kPresetRed + 2,     kPresetRed + 3,
        kBrushColourCaption, kBrushColour,       kBaseColourCaption, kBaseColour,
        kBrushCaption,       kBrushPaint,        kBrushBase,         kUserModeSelector};
    return ids;
}

}  // namespace paneltest
