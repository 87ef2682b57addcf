// The lighting panel of the main window: the controls that show and change the
// lighting model of the current on-board profile, only those the current mode
// uses, and the live preview of the effect on the key buttons. The panel keeps
// no lighting state of its own; every action is one operation of the model.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "model/lighting/Colour.h"
#include "ui/mainwindow/panel/PanelIds.h"
#include "ui/skin/SliderMessage.h"

class CBaseDialog;
class CPngButton;

namespace lighting {
class LightingModel;
}
namespace preview {
class PreviewEngine;
}

namespace panel {

// The message a bitmap slider sends while dragged: first = control id, second = position.
inline constexpr std::uint32_t kSliderMovedMessage = skin::kSliderMovedMessage;

struct LightingPanelContext {
    CBaseDialog &window;             // the main window; every control is its child
    QString skinIniPath;             // the main skin file (Main.ini)
    QString imageFolder;             // the skin folder the panel's bitmaps are loaded from
    lighting::LightingModel &model;  // the lighting model of the whole run
    // The 104 key buttons, the G keys and Fn, by control id.
    QHash<int, CPngButton *> keyButtons;
    // The window's language index for labels and mode names.
    std::function<int()> languageIndex = [] { return 0; };
    // The key buttons show their key-assignment state again (lighting view off).
    std::function<void()> showKeyAssignments = [] {};
    // Report-rate button `index` shows selected, the other three not.
    std::function<void(int index)> showReportRate = [](int) {};
};

class LightingPanelControls;
class KeyPreviewPainter;

class LightingPanel : public QObject {
    Q_OBJECT

public:
    // Creates, places and registers every control of the panel on the window and
    // loads its bitmaps once.
    explicit LightingPanel(LightingPanelContext context);
    ~LightingPanel() override;

    // A click on a control; true when the id is one of the panel's.
    bool handleCommand(int controlId);
    // A slider dragged to a position (message 0x28D1).
    void onSliderMoved(int controlId, int position);
    // Shows the lighting model after a read-back.
    void refresh();
    // Sets the panel's captions and mode names for the window's language.
    void relabel();
    // One tick of the preview timer: paints the current effect on the key buttons
    // while the lighting view switch is on and the window is shown, not minimised.
    void previewTick();
    bool lightingViewOn() const;
    // A click on a key button or Fn while the lighting view switch is on.
    void paintKey(int controlId);
    // The key button(s) of a colour slot show the colour (user mode).
    void showKeyColour(int slot, lighting::Colour colour);

    LightingPanelControls &controls() { return *controls_; }

private:
    void connectControls();
    void toggleLightingView();
    void selectMode(int selectorIndex);
    void chooseColour(int controlId, lighting::Colour colour);
    void toggleMulticolour();
    void choosePreset(int index);
    void chooseBrush(int brush);
    void chooseBaseColour(lighting::Colour colour);
    void selectUserMode(int slot);
    void renameUserMode(const QString &text);
    void fillModeSelector();
    void refreshSliders();
    void refreshUserModeControls();
    void showGroupsOfMode(int mode);
    void showColourTable();
    int selectedModeCode() const;

    LightingPanelContext context_;
    std::unique_ptr<LightingPanelControls> controls_;
    std::unique_ptr<KeyPreviewPainter> painter_;
    std::unique_ptr<preview::PreviewEngine> engine_;
};

}  // namespace panel
