#include "ui/mainwindow/panel/LightingPanel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include "model/lighting/LightingModel.h"
#include "ui/mainwindow/panel/CBitmapSlider.h"
#include "ui/mainwindow/panel/KeyPreviewPainter.h"
#include "ui/mainwindow/panel/LightingPanelControls.h"
#include "ui/mainwindow/preview/PreviewEngine.h"
#include "ui/skin/CBaseDialog.h"
#include "ui/skin/CSkinColorBtn.h"
#include "ui/skin/ColorPopup.h"
#include "ui/skin/ColorRef.h"
#include "ui/skin/layout/LanguageText.h"

namespace panel {
namespace {

constexpr int kUserModeCode = 20;
constexpr int kPresetCount = 4;

lighting::Colour colourOf(const QColor &chosen, const CSkinColorBtn &button) {
    return skin::refFromColor(chosen.isValid() ? chosen : button.automaticColor());
}

}  // namespace

LightingPanel::LightingPanel(LightingPanelContext context)
    : context_(std::move(context)),
      controls_(std::make_unique<LightingPanelControls>(context_.window, context_.skinIniPath,
                                                        context_.imageFolder)),
      painter_(std::make_unique<KeyPreviewPainter>(context_.keyButtons)),
      engine_(std::make_unique<preview::PreviewEngine>()) {
    connectControls();
    controls_->showViewSwitch(lightingViewOn());
}

LightingPanel::~LightingPanel() = default;

void LightingPanel::connectControls() {
    connect(&controls_->modeSelector(), &QComboBox::currentIndexChanged, this,
            &LightingPanel::selectMode);
    connect(&controls_->userModeSelector(), &QComboBox::currentIndexChanged, this,
            &LightingPanel::selectUserMode);
    connect(controls_->userModeSelector().lineEdit(), &QLineEdit::textEdited, this,
            &LightingPanel::renameUserMode);
    for (int id : {ids::kHxColour, ids::kFyColour, ids::kBrushColour, ids::kBaseColour}) {
        CSkinColorBtn *button = &controls_->colourButton(id);
        connect(button, &CSkinColorBtn::colorChosen, this,
                [this, id, button](const QColor &c) { chooseColour(id, colourOf(c, *button)); });
    }
}

bool LightingPanel::lightingViewOn() const {
    return context_.model.state().viewOn;
}

int LightingPanel::selectedModeCode() const {
    return context_.model.modes().codeOf(controls_->modeSelector().currentIndex());
}

// ---------------------------------------------------------------- user actions

bool LightingPanel::handleCommand(int controlId) {
    switch (controlId) {
        case ids::kViewSwitch:
            toggleLightingView();
            return true;
        case ids::kDirectionFirst:
        case ids::kDirectionSecond: {
            const std::uint8_t direction = controlId == ids::kDirectionFirst
                                               ? lighting::kDirectionForward
                                               : lighting::kDirectionBackward;
            context_.model.setDirection(direction);
            controls_->showDirection(context_.model.state().mode, direction);
            return true;
        }
        case ids::kHxMulti:
        case ids::kFyMulti:
            toggleMulticolour();
            return true;
        case ids::kBrushPaint:
            chooseBrush(0);
            return true;
        case ids::kBrushBase:
            chooseBrush(1);
            return true;
        default:
            break;
    }
    if (controlId >= ids::kPresetRed && controlId < ids::kPresetRed + kPresetCount) {
        choosePreset(controlId - ids::kPresetRed);
        return true;
    }
    const std::vector<int> &own = controls_->ids();
    return std::find(own.begin(), own.end(), controlId) != own.end();
}

void LightingPanel::toggleLightingView() {
    const bool on = !lightingViewOn();
    if (!context_.model.setLightingView(on)) return;
    controls_->showViewSwitch(on);
    painter_->showPlain();
    if (on) {
        showGroupsOfMode(selectedModeCode());
        return;
    }
    context_.showKeyAssignments();
    controls_->hideGroups();
}

void LightingPanel::selectMode(int selectorIndex) {
    painter_->showPlain();
    context_.model.selectMode(selectorIndex);
    const lighting::LightingState &state = context_.model.state();
    controls_->showDirection(state.mode, state.direction);
    if (lightingViewOn()) showGroupsOfMode(state.mode);
}

void LightingPanel::onSliderMoved(int controlId, int position) {
    if (controlId == ids::kBrightnessSlider) {
        controls_->brightness().setPosition(position);
        controls_->showBrightnessPicture(brightnessPictureForPosition(position));
        context_.model.setBrightness(position);
    } else if (controlId == ids::kSpeedSlider) {
        controls_->speed().setPosition(position);
        controls_->showSpeedPicture(speedPictureForPosition(position));
        context_.model.setSpeed(position);
    }
}

void LightingPanel::chooseColour(int controlId, lighting::Colour colour) {
    switch (controlId) {
        case ids::kHxColour:
        case ids::kFyColour:
            context_.model.setColour(colour);
            controls_->showColour(colour);
            controls_->showMulticolour(false);
            return;
        case ids::kBrushColour:
            context_.model.setBrushColour(colour);
            return;
        case ids::kBaseColour:
            chooseBaseColour(colour);
            return;
        default:
            return;
    }
}

void LightingPanel::chooseBaseColour(lighting::Colour colour) {
    if (colour == context_.model.state().user.baseColour) return;
    context_.model.setBaseColour(colour);
    if (lightingViewOn() && selectedModeCode() == kUserModeCode) showColourTable();
}

void LightingPanel::toggleMulticolour() {
    context_.model.toggleMulticolour();
    controls_->showMulticolour(context_.model.state().multicolour);
}

void LightingPanel::choosePreset(int index) {
    context_.model.setPresetColourIndex(index);
    controls_->showPreset(index);
}

void LightingPanel::chooseBrush(int brush) {
    context_.model.selectBrush(brush);
    controls_->showBrush(brush);
}

void LightingPanel::selectUserMode(int slot) {
    if (slot < 0) return;
    context_.model.selectUserMode(slot);
    refreshUserModeControls();
    showColourTable();
}

// The slot's entry is replaced by the edited text at the same place; the edit
// field keeps what the user is typing.
void LightingPanel::renameUserMode(const QString &text) {
    const QString name = text.left(kMaxModeNameLength);
    QComboBox &selector = controls_->userModeSelector();
    const int slot = context_.model.state().user.slot;
    if (slot < 0 || slot >= selector.count()) return;
    {
        const QSignalBlocker blocker(&selector);
        QLineEdit *edit = selector.lineEdit();
        const int cursor = edit->cursorPosition();
        selector.setItemText(slot, name);
        if (edit->text() != name) edit->setText(name);
        edit->setCursorPosition(std::min(cursor, int(name.size())));
    }
    context_.model.renameUserMode(name.toStdU16String());
}

void LightingPanel::paintKey(int controlId) {
    const int slot = painter_->slotOfControl(controlId);
    if (slot < 0) return;
    context_.model.paintKey(slot);
    if (lightingViewOn() && selectedModeCode() == kUserModeCode) {
        const lighting::LightingState &state = context_.model.state();
        painter_->showColour(slot, context_.model.keyColours().colour(state.profile, slot));
    }
}

void LightingPanel::showKeyColour(int slot, lighting::Colour colour) {
    painter_->showColour(slot, colour);
}

// ---------------------------------------------------------------- showing the model

void LightingPanel::refresh() {
    const lighting::LightingState &state = context_.model.state();
    fillModeSelector();
    context_.showReportRate(state.reportRate);
    refreshSliders();
    controls_->showColour(state.colour);
    controls_->showMulticolour(state.multicolour);
    refreshUserModeControls();
    const bool presetValid = state.presetColour >= 0 && state.presetColour < kPresetCount;
    controls_->showPreset(presetValid ? state.presetColour : 0);
    {
        const QSignalBlocker blocker(&controls_->modeSelector());
        controls_->modeSelector().setCurrentIndex(context_.model.modes().indexOf(state.mode));
    }
    if (state.viewOn) {
        showGroupsOfMode(state.mode);
    } else {
        controls_->hideGroups();
    }
    controls_->showViewSwitch(state.viewOn);
    controls_->showDirection(state.mode, state.direction);
}

void LightingPanel::fillModeSelector() {
    QComboBox &selector = controls_->modeSelector();
    const QSignalBlocker blocker(&selector);
    const int current = selector.currentIndex();
    selector.clear();
    const lighting::ModeList &modes = context_.model.modes();
    const int language = context_.languageIndex();
    for (int index = 0; index < modes.size(); ++index) {
        const std::u16string key = QString::number(modes.codeOf(index)).toStdU16String();
        selector.addItem(QString::fromStdU16String(skin::lookupModeText(key, language)));
    }
    if (current < selector.count()) selector.setCurrentIndex(current);
}

void LightingPanel::refreshSliders() {
    const lighting::LightingState &state = context_.model.state();
    controls_->brightness().setPosition(brightnessPosition(state.brightness));
    if (auto picture = brightnessPicture(state.brightness))
        controls_->showBrightnessPicture(*picture);
    controls_->speed().setPosition(speedPosition(state.speed));
    if (auto picture = speedPicture(state.speed)) controls_->showSpeedPicture(*picture);
}

void LightingPanel::refreshUserModeControls() {
    const lighting::UserModeState &user = context_.model.state().user;
    QComboBox &selector = controls_->userModeSelector();
    {
        const QSignalBlocker blocker(&selector);
        selector.clear();
        for (const std::u16string &name : context_.model.userModeNames()) {
            selector.addItem(QString::fromStdU16String(name));
        }
        selector.setCurrentIndex(user.slot);
    }
    controls_->colourButton(ids::kBaseColour).setColor(skin::colorFromRef(user.shownBaseColour));
    controls_->colourButton(ids::kBrushColour).setColor(skin::colorFromRef(user.shownBrushColour));
    controls_->showBrush(user.brush);
}

void LightingPanel::showGroupsOfMode(int mode) {
    controls_->showGroups(mode);
    if (mode == kUserModeCode) showColourTable();
}

void LightingPanel::showColourTable() {
    painter_->showColourTable(context_.model.keyColours(), context_.model.state().profile);
}

void LightingPanel::relabel() {
    controls_->relabel(context_.languageIndex());
    fillModeSelector();
}

// ---------------------------------------------------------------- preview

// Nothing is computed or drawn while nobody can see the keys.
void LightingPanel::previewTick() {
    const CBaseDialog &window = context_.window;
    if (!lightingViewOn() || !window.isVisible() || window.isMinimized()) return;
    painter_->apply(engine_->tick(context_.model.state()));
}

}  // namespace panel
