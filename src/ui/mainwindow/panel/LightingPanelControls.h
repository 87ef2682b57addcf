// The widgets of the lighting panel: created on the main window, placed by the
// main skin, registered under their control ids, and shown group by group.
// They only display; LightingPanel decides what they show.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "model/lighting/Colour.h"
#include "ui/mainwindow/panel/PanelBitmaps.h"
#include "ui/mainwindow/panel/PanelRules.h"

class CBaseDialog;
class CBitmapSlider;
class CSkinColorBtn;
class ColorStatic;
class QComboBox;
class QLineEdit;
class QWidget;

namespace panel {

// The longest name of a user mode, in characters.
inline constexpr int kMaxModeNameLength = 259;

class PictureButton;

class LightingPanelControls {
public:
    LightingPanelControls(CBaseDialog &window, const QString &skinIniPath,
                          const QString &imageFolder);

    void showGroups(int mode);
    void hideGroups();
    bool groupVisible(ControlGroup group) const;

    void showViewSwitch(bool on);
    // Places the direction group by the mode's skin keys and shows its pictures.
    void showDirection(int mode, std::uint8_t direction);
    void showMulticolour(bool multicolour);
    void showPreset(int index);
    void showBrush(int brush);
    void showColour(lighting::Colour colour);
    void showBrightnessPicture(int number);
    void showSpeedPicture(int number);

    // Sets the captions for a language index.
    void relabel(int languageIndex);

    CBitmapSlider &brightness() const { return *brightness_; }
    CBitmapSlider &speed() const { return *speed_; }
    QComboBox &modeSelector() const { return *modeSelector_; }
    QComboBox &userModeSelector() const { return *userModes_; }
    CSkinColorBtn &colourButton(int controlId) const;
    PictureButton &picture(int controlId) const;
    const std::vector<int> &ids() const { return ids_; }

private:
    template <typename Control>
    Control *add(Control *control, int id, std::u16string_view skinKey);
    void buildCaptions();
    void buildSelectors();
    void buildSliders();
    void buildPictures();
    void buildColourButtons();
    void buildNumberBoxes();
    void showPicture(int controlId, std::string_view name);
    void setGroupVisible(ControlGroup group, bool visible);

    CBaseDialog &window_;
    QString skinIniPath_;
    PanelBitmaps bitmaps_;
    std::vector<int> ids_;
    CBitmapSlider *brightness_ = nullptr;
    CBitmapSlider *speed_ = nullptr;
    QComboBox *modeSelector_ = nullptr;
    QComboBox *userModes_ = nullptr;
};

}  // namespace panel
