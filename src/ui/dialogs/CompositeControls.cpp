#include "ui/dialogs/CompositeControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "model/KeyConversions.h"
#include "model/KeyTable.h"
#include "model/MacroStepList.h"
#include "ui/dialogs/CompositeIds.h"
#include "ui/dialogs/CompositeRecord.h"
#include "ui/skin/CBaseDialog.h"
#include "ui/skin/CPngButton.h"
#include "ui/skin/ColorStatic.h"
#include "ui/skin/DialogText.h"
#include "ui/widgets/CReportCtrl.h"

namespace dialogs {

using namespace composite;

namespace {

constexpr const char *kFontFace = "Arial Unicode MS";

QFont dialogFont(double points) {
    QFont font(QString::fromLatin1(kFontFace));
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    return font;
}

std::u16string keyOf(const char *skinKey) {
    return QString::fromLatin1(skinKey).toStdU16String();
}

class Builder {
public:
    explicit Builder(CBaseDialog &dialog) : dialog_(dialog) {}

    CPngButton *button(int id, const char *skinKey) {
        CPngButton *created = dialog_.addImageButton(id, keyOf(skinKey), {});
        created->setCaptionStyle(skin::windowButtonCaptionStyle());
        return created;
    }

    CPngButton *hiddenButton(int id) {
        CPngButton *created = dialog_.addUnplacedButton(id);
        created->hide();
        return created;
    }

    template <typename T, typename... Args>
    T *control(int id, const char *skinKey, Args &&...args) {
        return dialog_.addControl<T>(id, keyOf(skinKey), std::forward<Args>(args)...);
    }

    ColorStatic *label(int id, const char *skinKey) {
        auto *created = control<ColorStatic>(id, skinKey, id);
        created->setFont(dialogFont(10.8));
        return created;
    }

private:
    CBaseDialog &dialog_;
};

void buildTabs(Builder &make, CompositeControls &c) {
    // The page background first, so the page's controls lie above it.
    c.pageBackground = make.button(kPageBackground, "CONTROL_MASK");
    c.titleBar = make.button(kTitleBar, "CONTROL_TITLE");
    for (auto *passive : {c.pageBackground, c.titleBar}) {
        passive->setAttribute(Qt::WA_TransparentForMouseEvents);
        passive->setFocusPolicy(Qt::NoFocus);
    }
    c.tabs = {make.button(kTabKey, "CONTROL_KEY"), make.button(kTabMacro, "CONTROL_MACRO"),
              make.button(kTabMedia, "CONTROL_MEDIA"),
              make.button(kTabFunction, "CONTROL_FUNCTION")};
    c.clear = make.button(kClear, "CONTROL_CLEAR");
    c.onScreenKeyboard = make.button(kOnScreenKeyboard, "CONTROL_OSK");
    c.ok = make.button(kOk, "CONTROL_OK");
    c.cancel = make.button(kCancel, "CONTROL_CANCEL");
    // Apply has no place of its own in the skin: it works, unseen, for OK.
    c.apply = make.hiddenButton(kApply);
    c.titleText = make.label(kTitleText, "KEY_SETTING");
}

void buildSingleKeyPage(Builder &make, CompositeControls &c) {
    c.singleLabel = make.label(kSingleLabel, "TISHI_SINGLE_STATIC");
    c.keyName = make.control<QLineEdit>(kKeyName, "FUNC_KEY_INPUT");
    c.keyName->setReadOnly(true);
    c.keyName->setFont(dialogFont(18));
    c.keyName->setFocusPolicy(Qt::NoFocus);
    c.keyboardRadio = make.control<QRadioButton>(kKeyboardRadio, "FUNC_KEY_RADIO_KB");
    c.keyboardLabel = make.label(kKeyboardLabel, "FUNC_KEY_RADIO_KB_STATIC");
    c.mouseRadio = make.control<QRadioButton>(kMouseRadio, "FUNC_KEY_RADIO_MOU");
    c.mouseLabel = make.label(kMouseLabel, "FUNC_KEY_RADIO_MOU_STATIC");
    c.mouseCombo = make.control<QComboBox>(kMouseCombo, "FUNC_KEY_COMBO_MOU");
    c.mouseCombo->setFont(dialogFont(12));
}

void buildMacroPage(Builder &make, CompositeControls &c) {
    c.macroLabel = make.label(kMacroLabel, "MARCO_NAME_SETTING");
    c.macroCombo = make.control<QComboBox>(kMacroCombo, "FUNC_MACRO_LIST");
    c.macroCombo->setEditable(true);
    c.macroCombo->setInsertPolicy(QComboBox::NoInsert);
    c.macroCombo->setFont(dialogFont(12));
    c.macroAdd = make.button(kMacroAdd, "FUNC_MACRO_ADD");
    c.macroDelete = make.button(kMacroDelete, "FUNC_MACRO_DELETE");
    c.steps = make.control<CReportCtrl>(kStepList, "FUNC_MACRO_LIST2", kStepList);
    c.steps->setFont(dialogFont(8));
    c.steps->setColumns({{QString(), 62}, {QString(), 50}, {QString(), 74}});
    c.record = make.button(kRecord, "FUNC_MACRO_RECORD");
    c.stepButtons = {make.button(kStepDelete, "FUNC_MACRO_DELETE2"),
                     make.button(kStepClear, "FUNC_MACRO_CLEAR"),
                     make.button(kStepTop, "FUNC_MACRO_UP_TOP"),
                     make.button(kStepUp, "FUNC_MACRO_UP"),
                     make.button(kStepDown, "FUNC_MACRO_DOWN"),
                     make.button(kStepBottom, "FUNC_MACRO_DOWN_BOTTOM")};
    c.recordDelays = make.control<QCheckBox>(kRecordDelays, "FUNC_MACRO_RECORD_DELAY");
    c.recordDelaysLabel = make.label(kRecordDelaysLabel, "FUNC_MACRO_RECORD_DELAY2");
    c.cycles = make.control<QLineEdit>(kCycles, "FUNC_MACRO_CYCLES");
    c.cyclesLabel = make.label(kCyclesLabel, "FUNC_MACRO_CYCLES_PROMPT");
}

void buildChoicePages(Builder &make, CompositeControls &c) {
    c.mediaLabel = make.label(kMediaLabel, "MEDIA_SETTING_TISHI");
    c.mediaCombo = make.control<QComboBox>(kMediaCombo, "FUNC_MEDIA_SELECT");
    c.mediaCombo->setFont(dialogFont(12));
    c.functionLabel = make.label(kFunctionLabel, "FUNCTION_KEY_SETTING_TISHI");
    c.functionCombo = make.control<QComboBox>(kFunctionCombo, "FUNC_FUNCTION_SELECT");
    c.functionCombo->setFont(dialogFont(12));
}

void refill(QComboBox &combo, const QStringList &items) {
    const QSignalBlocker quiet(&combo);
    combo.clear();
    combo.addItems(items);
    combo.setCurrentIndex(0);
}

}  // namespace

QString pressText() {
    return QString::fromStdU16String(std::u16string(model::kPressText));
}
QString releaseText() {
    return QString::fromStdU16String(std::u16string(model::kReleaseText));
}

void CompositeControls::build(CBaseDialog &dialog) {
    Builder make(dialog);
    buildTabs(make, *this);
    buildSingleKeyPage(make, *this);
    buildMacroPage(make, *this);
    buildChoicePages(make, *this);
}

void CompositeControls::setPictures(const skin::ButtonPictures &pictures) {
    for (CPngButton *button : tabs) button->setPictures(pictures);
    for (CPngButton *button : stepButtons) button->setPictures(pictures);
    for (CPngButton *button : {clear, onScreenKeyboard, pageBackground, titleBar, ok, cancel,
                               macroAdd, macroDelete, record}) {
        button->setPictures(pictures);
    }
}

void CompositeControls::fillChoices(int languageIndex) {
    const model::TextLookup lookup = skin::textLookupFor([languageIndex] { return languageIndex; });
    QStringList mouse;
    for (model::KeyCode code : kMouseChoices) {
        mouse << QString::fromStdU16String(model::keyDisplayName(code, lookup));
    }
    refill(*mouseCombo, mouse);
    QStringList media;
    for (const model::MediaItem &item : model::kMediaList) {
        media << QString::fromStdU16String(model::keyDisplayName(item.keyCode, lookup));
    }
    refill(*mediaCombo, media);
    QStringList functions;
    for (std::uint32_t i = 1; i <= model::kFunctionCount; ++i) {
        functions << skin::dialogText(QStringLiteral("FUNC_KEY_DESC%1").arg(i).toStdU16String(),
                                      languageIndex);
    }
    refill(*functionCombo, functions);
}

void CompositeControls::relabel(int languageIndex, bool macroOnly, bool recording,
                                const QString &keyName) {
    const auto text = [languageIndex](const char *key) {
        return skin::dialogText(key, languageIndex);
    };
    const char *tabKeys[4] = {"SINGLE_KEY", "MACRO_SETTING", "MULTI_MEDIA", "FUNCTION_KEY"};
    for (int i = 0; i < 4; ++i) {
        tabs[static_cast<std::size_t>(i)]->setText(macroOnly && i != 1 ? QString()
                                                                       : text(tabKeys[i]));
    }
    clear->setToolTipText(text("COMPOSITE_PROMPT_CLEAR"));
    onScreenKeyboard->setToolTipText(text("COMPOSITE_PROMPT_OSK"));
    titleText->setText(macroOnly ? text("MACRO_EDIT_TISHI")
                                 : text("KEY_SETTING_FOR").replace(QStringLiteral("%s"), keyName));
    titleText->window()->setWindowTitle(titleText->text());
    macroAdd->setToolTipText(text("MACRO_ADD_PROMPT"));
    macroDelete->setToolTipText(text("MACRO_DELETE_PROMPT"));
    singleLabel->setText(text("SINGLE_STATIC"));
    keyboardLabel->setText(text("IDS_MACRO_KB_KEY"));
    mouseLabel->setText(text("IDS_MACRO_MOU_KEY"));
    macroLabel->setText(text("MACRO_NAME_SETTING"));
    steps->setColumnTitle(0, text("MACRO_KEYS_TISHI"));
    steps->setColumnTitle(1, text("MACRO_ACTION_TISHI"));
    steps->setColumnTitle(2, text("MACRO_DELAY_MS"));
    record->setText(text(recording ? "MACRO_ACTION_STOP_RECORD" : "A_RECORD"));
    const char *stepKeys[6] = {"A_DELETE", "A_CLEAR", "A_TOP", "A_UP", "A_DOWN", "A_BOTTOM"};
    for (std::size_t i = 0; i < stepButtons.size(); ++i) stepButtons[i]->setText(text(stepKeys[i]));
    recordDelaysLabel->setText(text("RECORD_DELAY"));
    cyclesLabel->setText(text("MACRO_CYCLES"));
    mediaLabel->setText(text("MEDIA_EDIT_TISHI"));
    functionLabel->setText(text("FUNCTION_TISHI"));
    ok->setText(text("MACRO_OK"));
    cancel->setText(text("MACRO_CANCLE"));
}

std::array<QWidget *, 7> CompositeControls::singleKeyPage() const {
    return {keyName, keyboardRadio, mouseRadio, mouseCombo, keyboardLabel, mouseLabel, singleLabel};
}

std::array<QWidget *, 16> CompositeControls::macroPage() const {
    return {macroCombo,     macroAdd,       macroDelete,       steps,          record,
            stepButtons[0], stepButtons[1], stepButtons[2],    stepButtons[3], stepButtons[4],
            stepButtons[5], recordDelays,   recordDelaysLabel, cycles,         cyclesLabel,
            macroLabel};
}

std::array<QWidget *, 2> CompositeControls::mediaPage() const {
    return {mediaCombo, mediaLabel};
}

std::array<QWidget *, 2> CompositeControls::functionPage() const {
    return {functionCombo, functionLabel};
}

}  // namespace dialogs
