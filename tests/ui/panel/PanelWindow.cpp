#include "PanelWindow.h"

#include <QCoreApplication>

#include "ui/skin/SkinPicture.h"
#include "ui/skin/StatePicture.h"

namespace paneltest {

// Tests are told the folder; other programs find it beside themselves.
QString binFolder() {
    const QString told = qEnvironmentVariable("VARNEL_TEST_BIN_DIR");
    return told.isEmpty() ? QCoreApplication::applicationDirPath() : told;
}

QString skinFolder() {
    return binFolder() + QStringLiteral("/Skins");
}

namespace {

mainwindow::MainPictures mainPictures(QSize clientSize) {
    const std::vector<QImage> images = skin::loadPictureSetOrExit(
        skinFolder(), {"main_normal.jpg", "main_over.jpg", "main_down.jpg", "main_disable.jpg",
                       "main_color0.jpg", "main_color1.jpg", "Arrow.jpg"});
    auto render = [&](std::size_t i) { return skin::renderStatePicture(images[i], clientSize); };
    return {render(0), render(1), render(2), render(3), render(4), render(5), render(0), render(6)};
}

}  // namespace

PanelWindow::PanelWindow(devicelink::DeviceCommands &commands, const lighting::LightingPaths &paths)
    : CBaseDialog(nullptr, skinFolder() + QStringLiteral("/Main.ini"), skinFolder()) {
    applySkin();
    model_ = std::make_unique<lighting::LightingModel>(commands, *this, paths);
    view_ = new mainwindow::KeyboardView(*this, mainPictures(size()));
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

}  // namespace paneltest
