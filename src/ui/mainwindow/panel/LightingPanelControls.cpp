#include "ui/mainwindow/panel/LightingPanelControls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "LightingPanel.h"
#include "ui/mainwindow/panel/CBitmapSlider.h"
#include "ui/mainwindow/panel/PictureButton.h"
#include "ui/skin/CBaseDialog.h"
#include "ui/skin/CSkinColorBtn.h"
#include "ui/skin/ColorPopup.h"
#include "ui/skin/ColorRef.h"
#include "ui/skin/ColorStatic.h"
#include "ui/skin/SkinPlacement.h"
#include "ui/skin/layout/LanguageText.h"
#include "ui/skin/layout/SkinRect.h"

namespace panel {
namespace {

struct Caption {
    int id;
    std::u16string_view skinKey;
    std::u16string_view textKey;
};
constexpr Caption kCaptions[] = {
    {ids::kViewCaption, u"CONTROL_DengStatic", u"Deng"},
    {ids::kBrightnessCaption, u"CONTROL_LightStatic", u"Light"},
    {ids::kSpeedCaption, u"CONTROL_SpeedStatic", u"Speed"},
    {ids::kDirectionCaption, u"CONTROL_BLFXStatic", u"FX"},
    {ids::kHxColourCaption, u"CONTROL_HXysStatic", u"Color"},
    {ids::kHxMultiCaption, u"CONTROL_HXsjsStatic", u"DC"},
    {ids::kFyColourCaption, u"CONTROL_FYYSStatic", u"Color"},
    {ids::kFyMultiCaption, u"CONTROL_FYSJSStatic", u"DC"},
    {ids::kBrushColourCaption, u"CONTROL_USERysStatic", u"Color"},
    {ids::kBaseColourCaption, u"CONTROL_USERjsStatic", u"JColor"},
    {ids::kBrushCaption, u"CONTROL_USERgjStatic", u"Tool"},
    {ids::kNumberCaption, u"CONTROL_RGBStatic", u"RGB"},
};

struct Picture {
    int id;
    std::u16string_view skinKey;
    std::string_view bitmap;
};
constexpr Picture kPictures[] = {
    {ids::kViewSwitch, u"CONTROL_DengStaPic", "dengup.bmp"},
    {ids::kBrightnessAdd, u"CONTROL_Add", "add.bmp"},
    {ids::kBrightnessSub, u"CONTROL_Sub", "sub.bmp"},
    {ids::kSpeedAdd, u"CONTROL_Add2", "add.bmp"},
    {ids::kSpeedSub, u"CONTROL_Sub2", "sub.bmp"},
    {ids::kDirectionFirst, u"CONTROL_BLFXLStaPic", "leftup.bmp"},
    {ids::kDirectionSecond, u"CONTROL_BLFXRStaPic", "rightup.bmp"},
    {ids::kHxMulti, u"CONTROL_HXsjsStaPic", "sjsup.bmp"},
    {ids::kFyMulti, u"CONTROL_FYSJSStaPic", "sjsup.bmp"},
    {ids::kPresetRed, u"CONTROL_HONGPIC", "hong.bmp"},
    {ids::kPresetRed + 1, u"CONTROL_HUANGPIC", "huang.bmp"},
    {ids::kPresetRed + 2, u"CONTROL_LVPIC", "lv.bmp"},
    {ids::kPresetRed + 3, u"CONTROL_LANPIC", "lan.bmp"},
    {ids::kBrushPaint, u"CONTROL_USERgjStaPic1", "user1up.bmp"},
    {ids::kBrushBase, u"CONTROL_USERgjStaPic2", "user2up.bmp"},
};

constexpr std::string_view kPresetOff[] = {"hong.bmp", "huang.bmp", "lv.bmp", "lan.bmp"};
constexpr std::string_view kPresetOn[] = {"hongok.bmp", "huangok.bmp", "lvok.bmp", "lanok.bmp"};

struct ColourButton {
    int id;
    std::u16string_view skinKey;
};
constexpr ColourButton kColourButtons[] = {
    {ids::kHxColour, u"CONTROL_HXysButton"},
    {ids::kFyColour, u"CONTROL_FYYSButton"},
    {ids::kBrushColour, u"CONTROL_USERysButton"},
    {ids::kBaseColour, u"CONTROL_USERjsButton"},
};

constexpr int kGroupIds[][8] = {
    {ids::kModeSelector, ids::kBrightnessCaption, ids::kBrightnessSlider, ids::kBrightnessAdd,
     ids::kBrightnessSub},
    {ids::kSpeedCaption, ids::kSpeedSlider, ids::kSpeedAdd, ids::kSpeedSub},
    {ids::kDirectionCaption, ids::kDirectionFirst, ids::kDirectionSecond},
    {ids::kHxColourCaption, ids::kHxColour, ids::kHxMultiCaption, ids::kHxMulti},
    {ids::kFyColourCaption, ids::kFyColour, ids::kFyMultiCaption, ids::kFyMulti},
    {ids::kPresetRed, ids::kPresetRed + 1, ids::kPresetRed + 2, ids::kPresetRed + 3},
    {ids::kBrushColourCaption, ids::kBrushColour, ids::kBaseColourCaption, ids::kBaseColour,
     ids::kBrushCaption, ids::kBrushPaint, ids::kBrushBase, ids::kUserModeSelector},
};

constexpr int kSliderMargin = 10;
constexpr int kSliderMinimum = 0;
constexpr int kSliderMaximum = 4;

QString toQString(std::string_view text) {
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

}  // namespace

LightingPanelControls::LightingPanelControls(CBaseDialog &window, const QString &skinIniPath,
                                             const QString &imageFolder)
    : window_(window), skinIniPath_(skinIniPath), bitmaps_(imageFolder) {
    buildCaptions();
    buildSelectors();
    buildSliders();
    buildPictures();
    buildColourButtons();
    buildNumberBoxes();
    hideGroups();
}

template <typename Control>
Control *LightingPanelControls::add(Control *control, int id, std::u16string_view skinKey) {
    skin::placeControl(*control, skinIniPath_, skin::kButtonInfoSection, skinKey);
    window_.registerControl(id, control);
    ids_.push_back(id);
    return control;
}

void LightingPanelControls::buildCaptions() {
    for (const Caption &caption : kCaptions) {
        auto *label = new ColorStatic(caption.id, &window_);
        add(label, caption.id, caption.skinKey);
    }
}

void LightingPanelControls::buildSelectors() {
    modeSelector_ = new QComboBox(&window_);
    add(modeSelector_, ids::kModeSelector, u"CONTROL_XGcombox");
    userModes_ = new QComboBox(&window_);
    userModes_->setEditable(true);
    userModes_->setInsertPolicy(QComboBox::NoInsert);
    userModes_->lineEdit()->setMaxLength(kMaxModeNameLength);
    add(userModes_, ids::kUserModeSelector, u"CONTROL_umCombo");
}

void LightingPanelControls::buildSliders() {
    auto makeSlider = [this](int id, std::u16string_view key) {
        auto *slider = new CBitmapSlider(id, window_, &window_);
        slider->setRange(kSliderMinimum, kSliderMaximum);
        slider->setMargin(kSliderMargin);
        return add(slider, id, key);
    };
    brightness_ = makeSlider(ids::kBrightnessSlider, u"CONTROL_LightSlider");
    speed_ = makeSlider(ids::kSpeedSlider, u"CONTROL_SpeedSlider");
}

void LightingPanelControls::buildPictures() {
    for (const Picture &entry : kPictures) {
        auto *picture = new PictureButton(entry.id, &window_);
        add(picture, entry.id, entry.skinKey);
        picture->showPicture(toQString(entry.bitmap), bitmaps_.get(entry.bitmap));
    }
}

void LightingPanelControls::buildColourButtons() {
    for (const ColourButton &entry : kColourButtons) {
        auto *button = new CSkinColorBtn(entry.id, &window_);
        button->setAutomaticColor(Qt::black);
        add(button, entry.id, entry.skinKey);
    }
}

void LightingPanelControls::buildNumberBoxes() {
    const std::pair<int, std::u16string_view> boxes[] = {{ids::kNumberRed, u"COLOR_R"},
                                                         {ids::kNumberGreen, u"COLOR_G"},
                                                         {ids::kNumberBlue, u"COLOR_B"}};
    for (const auto &[id, key] : boxes) {
        auto *box = new QLineEdit(&window_);
        // Taken by a click only: the window never opens with the focus in a box.
        box->setFocusPolicy(Qt::ClickFocus);
        box->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,5}")), box));
        QObject::connect(box, &QLineEdit::textChanged, box, [box](const QString &text) {
            const std::u16string typed = text.toStdU16String();
            if (auto capped = cappedColourNumber(typed)) {
                box->setText(QString::fromStdU16String(std::u16string(*capped)));
            }
        });
        add(box, id, key);
    }
}

void LightingPanelControls::setGroupVisible(ControlGroup group, bool visible) {
    for (int id : kGroupIds[int(group)]) {
        if (id == 0) break;
        if (QWidget *control = window_.control(id)) control->setVisible(visible);
    }
}

bool LightingPanelControls::groupVisible(ControlGroup group) const {
    const QWidget *first = window_.control(kGroupIds[int(group)][0]);
    return first && !first->isHidden();
}

void LightingPanelControls::showGroups(int mode) {
    for (ControlGroup group : kControlGroups) setGroupVisible(group, groupShownInMode(group, mode));
}

void LightingPanelControls::hideGroups() {
    for (ControlGroup group : kControlGroups) setGroupVisible(group, false);
}

void LightingPanelControls::showPicture(int controlId, std::string_view name) {
    picture(controlId).showPicture(toQString(name), bitmaps_.get(name));
}

void LightingPanelControls::showViewSwitch(bool on) {
    showPicture(ids::kViewSwitch, on ? "dengdown.bmp" : "dengup.bmp");
}

void LightingPanelControls::showDirection(int mode, std::uint8_t direction) {
    const DirectionPlacement placement = directionPlacement(mode);
    skin::moveControl(*window_.control(ids::kDirectionCaption), skinIniPath_,
                      skin::kButtonInfoSection, placement.caption);
    skin::moveControl(picture(ids::kDirectionFirst), skinIniPath_, skin::kButtonInfoSection,
                      placement.first);
    skin::moveControl(picture(ids::kDirectionSecond), skinIniPath_, skin::kButtonInfoSection,
                      placement.second);
    const DirectionShown shown = directionShown(mode, direction);
    showPicture(ids::kDirectionFirst, shown.first);
    showPicture(ids::kDirectionSecond, shown.second);
}

void LightingPanelControls::showMulticolour(bool multicolour) {
    const std::string_view name = multicolour ? "sjsdown.bmp" : "sjsup.bmp";
    showPicture(ids::kHxMulti, name);
    showPicture(ids::kFyMulti, name);
}

void LightingPanelControls::showPreset(int index) {
    for (int i = 0; i < 4; ++i) {
        showPicture(ids::kPresetRed + i, i == index ? kPresetOn[i] : kPresetOff[i]);
    }
}

void LightingPanelControls::showBrush(int brush) {
    showPicture(ids::kBrushPaint, brush == 0 ? "user1down.bmp" : "user1up.bmp");
    showPicture(ids::kBrushBase, brush == 1 ? "user2down.bmp" : "user2up.bmp");
}

void LightingPanelControls::showColour(lighting::Colour colour) {
    const QColor shown = skin::colorFromRef(colour);
    colourButton(ids::kHxColour).setColor(shown);
    colourButton(ids::kFyColour).setColor(shown);
}

void LightingPanelControls::showBrightnessPicture(int number) {
    brightness_->setBitmap(bitmaps_.slider(number));
}

void LightingPanelControls::showSpeedPicture(int number) {
    speed_->setBitmap(bitmaps_.slider(number));
}

void LightingPanelControls::relabel(int languageIndex) {
    for (const Caption &caption : kCaptions) {
        auto *label = window_.controlAs<ColorStatic>(caption.id);
        label->setText(
            QString::fromStdU16String(skin::lookupLightText(caption.textKey, languageIndex)));
    }
}

CSkinColorBtn &LightingPanelControls::colourButton(int controlId) const {
    return *window_.controlAs<CSkinColorBtn>(controlId);
}

PictureButton &LightingPanelControls::picture(int controlId) const {
    return *window_.controlAs<PictureButton>(controlId);
}

}  // namespace panel
