// The keyboard view of the main window: the 104 key buttons, the G keys, Fn and
// the D keys, with the report-rate buttons, the lock indicators and the layout
// switch (Flip) around them. Every control is placed from the main skin and
// draws from the window's state pictures.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "model/KeyButtonHint.h"
#include "ui/mainwindow/MainPictures.h"
#include "ui/mainwindow/panel/PanelIds.h"

class CBaseDialog;
class CPngButton;

namespace mainwindow {

// Control ids of the keyboard view and its neighbours.
namespace ids {
inline constexpr int kFn = panel::kFnButtonId;
inline constexpr int kFirstDKey = 1016;  // D1..D6 = 1016..1021
inline constexpr int kDKeyCount = 6;
inline constexpr int kReportRate[4] = {1147, 1168, 1169, 1170};
inline constexpr int kReportRateLabel = 1204;
inline constexpr int kLockCaps = 1125, kLockNum = 1126, kLockScroll = 1127, kLockAb = 1128;
inline constexpr int kFlipPlate = 1129, kFlipLeft = 1130, kFlipRight = 1131;
inline constexpr int kArrowLeft = 1132, kArrowRight = 1133;
inline constexpr int kMacroButton = 1007;
inline constexpr int kF1 = 1010, kF5 = 1014;  // F1..F4 = 1010..1013
inline constexpr int kEnter = 1070, kRightBracket = 1055;
}  // namespace ids

class KeyboardView : public QObject {
    Q_OBJECT

public:
    enum class KeyKind { None, Key, GKey, Fn, DKey };

    KeyboardView(CBaseDialog &window, MainPictures pictures);

    // Creates and places every control of the view on the window.
    void build(bool flipOn);

    KeyKind kindOf(int controlId) const;
    CPngButton *button(int controlId) const { return buttons_.value(controlId, nullptr); }
    // The 104 key buttons, the G keys and Fn, by control id.
    const QHash<int, CPngButton *> &keyButtons() const { return keyButtons_; }

    void showHint(int controlId, const model::ButtonHint &hint);
    // A passing note beside a key, gone when the pointer moves on.
    void showPassingHint(int controlId, const QString &text);
    // Shows report-rate button `index` selected and the other three not.
    void showReportRate(int index);
    int shownReportRate() const { return reportRate_; }
    // The AB indicator's look and the G keys' captions for the bank.
    void showBank(bool bankB);
    bool shownBankB() const { return bankB_; }
    // Applies the layout switch to F1..F4, D1..D6, the plate and the arrows.
    void applyFlip(bool on);
    bool flipOn() const { return flipOn_; }

private:
    CPngButton *addImageButton(int id, const QString &key, const skin::ButtonPictures &pictures);
    CPngButton *addUnplacedButton(int id);
    skin::ButtonPictures keyPictures() const;
    skin::ButtonPictures indicatorPictures(bool highlighted) const;
    void buildKeys();
    void buildIndicators();
    void buildFlip();
    void placeArrow(CPngButton &arrow, const char *upKey, const char *downKey);
    void chainAfterDraw(CPngButton &button, std::function<std::vector<int>()> targets);

    CBaseDialog &window_;
    MainPictures pictures_;
    QHash<int, CPngButton *> buttons_;
    QHash<int, CPngButton *> keyButtons_;
    QHash<int, KeyKind> kinds_;
    int reportRate_ = -1;
    bool bankB_ = false;
    bool flipOn_ = false;
};

}  // namespace mainwindow
