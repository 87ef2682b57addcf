// The controls of the composite assignment dialog: created on the dialog,
// registered under their ids, placed from the dialog's skin file, given their
// fonts and labelled in the current language.
#pragma once

#include <QString>
#include <array>

#include "ui/skin/StatePicture.h"

class CBaseDialog;
class CPngButton;
class ColorStatic;
class CReportCtrl;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace dialogs {

struct CompositeControls {
    std::array<CPngButton *, 4> tabs{};  // single key, macro, multimedia, function
    CPngButton *clear = nullptr, *onScreenKeyboard = nullptr, *pageBackground = nullptr;
    CPngButton *titleBar = nullptr, *ok = nullptr, *cancel = nullptr, *apply = nullptr;
    CPngButton *macroAdd = nullptr, *macroDelete = nullptr, *record = nullptr;
    std::array<CPngButton *, 6> stepButtons{};  // delete, clear, top, up, down, bottom
    ColorStatic *titleText = nullptr, *singleLabel = nullptr, *keyboardLabel = nullptr;
    ColorStatic *mouseLabel = nullptr, *macroLabel = nullptr, *recordDelaysLabel = nullptr;
    ColorStatic *cyclesLabel = nullptr, *mediaLabel = nullptr, *functionLabel = nullptr;
    QLineEdit *keyName = nullptr, *cycles = nullptr;
    QRadioButton *keyboardRadio = nullptr, *mouseRadio = nullptr;
    QComboBox *mouseCombo = nullptr, *macroCombo = nullptr, *mediaCombo = nullptr;
    QComboBox *functionCombo = nullptr;
    CReportCtrl *steps = nullptr;
    QCheckBox *recordDelays = nullptr;

    // Creates every control on the dialog and places it from the skin file.
    void build(CBaseDialog &dialog);
    // Gives every image button the pictures of one image set.
    void setPictures(const skin::ButtonPictures &pictures);
    // Every text for the language index.
    // `keyName` names the key being edited in the title.
    void relabel(int languageIndex, bool macroOnly, bool recording, const QString &keyName);
    // Fills the fixed lists of the mouse, multimedia, function and key choices.
    void fillChoices(int languageIndex);

    // Controls shown only on one page.
    std::array<QWidget *, 7> singleKeyPage() const;
    std::array<QWidget *, 16> macroPage() const;
    std::array<QWidget *, 2> mediaPage() const;
    std::array<QWidget *, 2> functionPage() const;
};

// The texts of the step list's direction column.
QString pressText();
QString releaseText();

}  // namespace dialogs
