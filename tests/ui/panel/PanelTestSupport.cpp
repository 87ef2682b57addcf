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

QString binFolder() {
    return QString::fromLocal8Bit(std::getenv("VARNEL_TEST_BIN_DIR"));
}

QString skinFolder() {
    return binFolder() + QStringLiteral("/Skins");
}

mainwindow::MainPictures mainPictures(QSize clientSize) {
    const std::vector<QImage> images = skin::loadPictureSetOrExit(
        skinFolder(), {"main_normal.jpg", "main_over.jpg", "main_down.jpg", "main_disable.jpg",
                       "main_color0.jpg", "main_color1.jpg", "Arrow.jpg"});
    auto render = [&](std::size_t i) { return skin::renderStatePicture(images[i], clientSize); };
    return {render(0), render(1), render(2), render(3), render(4), render(5), render(0), render(6)};
}

std::string readFile(const std::filesystem::path &file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

PanelWindow::PanelWindow(devicelink::DeviceCommands &commands, const lighting::LightingPaths &paths)
    : CBaseDialog(nullptr, skinFolder() + QStringLiteral("/Main.ini"), skinFolder()) {
    applySkin();
    model_ = std::make_unique<lighting::LightingModel>(commands, *this, paths);
    view_ = new mainwindow::KeyboardView(*this, skinIniPath(), mainPictures(size()));
    view_->build(false);
    panel::LightingPanelContext context{*this, skinIniPath(), imageFolder(), *model_,
                                        view_->keyButtons()};
    context.showKeyAssignments = [this] { ++assignmentRefreshes; };
    context.showReportRate = [this](int index) { view_->showReportRate(index); };
    panel_ = std::make_unique<panel::LightingPanel>(std::move(context));
    panel_->relabel();
    connect(this, &CBaseDialog::controlClicked, this, [this](int id) { routeClick(id); });
}

PanelWindow::~PanelWindow() {
    panel_.reset();
}

void PanelWindow::routeClick(int id) {
    if (view_->keyButtons().contains(id)) {
        if (model_->state().viewOn) {
            panel_->paintKey(id);
        } else {
            assignmentsOpened.push_back(id);
        }
        return;
    }
    panel_->handleCommand(id);
}

bool PanelWindow::handleMessage(std::uint32_t message, std::uint64_t first, std::int64_t second) {
    if (message == panel::kSliderMovedMessage) {
        panel_->onSliderMoved(int(first), int(second));
        return true;
    }
    return CBaseDialog::handleMessage(message, first, second);
}

void PanelWindow::showKeyColour(int slot, lighting::Colour colour) {
    if (panel_) panel_->showKeyColour(slot, colour);
}

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
