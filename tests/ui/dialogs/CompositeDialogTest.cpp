// The composite dialog's pages, key capture, placement and Apply.
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <fstream>

#include "DialogTestSupport.h"
#include "model/KeyButtons.h"
#include "ui/dialogs/CompositeIds.h"
#include "ui/dialogs/CompositePages.h"
#include "ui/dialogs/CompositePlacement.h"
#include "ui/dialogs/MacroPage.h"
#include "ui/dialogs/OnScreenKeyboard.h"
#include "ui/dialogs/Varnel_DlgComposite.h"
#include "ui/skin/CPngButton.h"
#include "ui/skin/WindowSnapshot.h"
#include "ui/widgets/CReportCtrl.h"

namespace dialogtest {
namespace {

using namespace dialogs::composite;

constexpr int kRowA = 0x1E, kButtonA = 1058;
constexpr int kEvdevA = 30, kEvdevB = 48, kEvdevMute = 113, kEvdevLeftMeta = 125;
constexpr int kEvdevPrintScreen = 99;

model::KeyAssignment assignment(std::uint16_t kind, std::uint32_t value) {
    model::KeyAssignment record;
    record.kind = kind;
    record.value = value;
    return record;
}

TEST_F(CompositeTest, OpensAKeyRecordOnItsPageInItsMode) {
    setRecord(0, kRowA, assignment(model::kKindKey, 0x172));
    auto &d = open(kRowA, kButtonA);
    EXPECT_EQ(d.openCount(), 1);
    EXPECT_TRUE(d.controlAs<QRadioButton>(kMouseRadio)->isChecked());
    EXPECT_FALSE(d.controlAs<QRadioButton>(kKeyboardRadio)->isChecked());
    EXPECT_EQ(d.controlAs<QComboBox>(kMouseCombo)->currentText(), text("IDS_KEYBOARD_MOU_RIGHT"));
    EXPECT_TRUE(d.controlAs<QComboBox>(kMouseCombo)->isEnabled());
    EXPECT_FALSE(d.controlAs<QLineEdit>(kKeyName)->isEnabled());
    EXPECT_TRUE(d.control(kKeyName)->isVisible());
    EXPECT_FALSE(d.control(kStepList)->isVisible());
    EXPECT_TRUE(d.controlAs<CPngButton>(kTabKey)->isSelected());
    EXPECT_FALSE(d.pages().applyEnabled());

    // A key assigned to another key shows that key's name in keyboard mode.
    d.closeAsCancel();
    setRecord(0, kRowA, assignment(model::kKindKey, 0x30));
    open(kRowA, kButtonA);
    EXPECT_TRUE(d.controlAs<QRadioButton>(kKeyboardRadio)->isChecked());
    EXPECT_EQ(d.controlAs<QLineEdit>(kKeyName)->text(), text("IDS_KEYBOARD_B"));
    EXPECT_EQ(window.restoredButtons, std::vector<int>{kButtonA});
}

TEST_F(CompositeTest, CapturesFreshPressesAndWritesTheKeyOnOk) {
    open(kRowA, kButtonA);
    EXPECT_TRUE(sendKey(true, kEvdevB));
    EXPECT_TRUE(sendKey(false, kEvdevB));
    EXPECT_EQ(dialog->pages().capturedKey(), 0x30);
    EXPECT_EQ(dialog->controlAs<QLineEdit>(kKeyName)->text(), text("IDS_KEYBOARD_B"));
    EXPECT_TRUE(dialog->pages().applyEnabled());
    // A repeated press is swallowed but chooses nothing.
    EXPECT_TRUE(sendKey(true, kEvdevA, {}, true));
    EXPECT_EQ(dialog->pages().capturedKey(), 0x30);

    click(kOk);
    EXPECT_EQ(dialog->openCount(), 0);
    const model::KeyAssignment written = record(0, kRowA);
    EXPECT_EQ(written.kind, model::kKindKey);
    EXPECT_EQ(written.value, 0x30u);
    EXPECT_TRUE(window.applyPending);
    ASSERT_FALSE(window.hints.empty());
    EXPECT_TRUE(std::any_of(window.hints.begin(), window.hints.end(), [](const auto &hint) {
        return hint.first == kButtonA && hint.second.assigned;
    }));
}

TEST_F(CompositeTest, CapturingTheKeyItselfWritesItsOwnFunction) {
    setRecord(0, kRowA, assignment(model::kKindKey, 0x30));
    open(kRowA, kButtonA);
    sendKey(true, kEvdevA);
    sendKey(false, kEvdevA);
    click(kOk);
    EXPECT_EQ(record(0, kRowA).kind, model::kKindDefault);
    EXPECT_EQ(record(0, kRowA).value, 0u);
}

TEST_F(CompositeTest, MediaKeysPassOnAndTheWindowsAndPrintKeysAreCaught) {
    open(kRowA, kButtonA);
    EXPECT_FALSE(sendKey(true, kEvdevMute));
    EXPECT_FALSE(sendKey(false, kEvdevMute));
    EXPECT_EQ(dialog->pages().capturedKey(), model::kNoKey);
    EXPECT_EQ(dialog->pages().pendingKind(), model::kKindDefault);
    EXPECT_FALSE(dialog->pages().applyEnabled());

    // Print Screen reports only its release; that is taken.
    sendKey(true, kEvdevPrintScreen);
    EXPECT_TRUE(sendKey(false, kEvdevPrintScreen));
    EXPECT_EQ(dialog->pages().capturedKey(), 0x137);

    // The Windows key is taken whatever the mode, on its release too.
    click(kMouseRadio);
    EXPECT_TRUE(sendKey(false, kEvdevLeftMeta));
    EXPECT_EQ(dialog->pages().capturedKey(), 0x15B);
    // Other keys are swallowed in mouse mode but choose nothing.
    EXPECT_TRUE(sendKey(true, kEvdevB));
    EXPECT_EQ(dialog->pages().capturedKey(), 0x15B);

    // Off the single-key page nothing is captured and keys reach the controls.
    click(kTabMedia);
    EXPECT_FALSE(sendKey(true, kEvdevB));
    EXPECT_FALSE(dialog->pages().capturing());
}

TEST_F(CompositeTest, TabsClearAndChoicePagesWriteTheirKinds) {
    open(kRowA, kButtonA);
    click(kTabMedia);
    EXPECT_EQ(dialog->pages().pendingKind(), model::kKindMedia);
    EXPECT_TRUE(dialog->control(kMediaCombo)->isVisible());
    EXPECT_FALSE(dialog->control(kKeyName)->isVisible());
    EXPECT_TRUE(dialog->controlAs<CPngButton>(kTabMedia)->isSelected());
    EXPECT_TRUE(dialog->pages().applyEnabled());
    dialog->controlAs<QComboBox>(kMediaCombo)->setCurrentIndex(3);
    click(kOk);
    EXPECT_EQ(record(0, kRowA).kind, model::kKindMedia);
    EXPECT_EQ(record(0, kRowA).value, 3u);

    // Reopened, the page and the choice come back; the function page writes kind 8.
    open(kRowA, kButtonA);
    EXPECT_EQ(dialog->controlAs<QComboBox>(kMediaCombo)->currentIndex(), 3);
    click(kTabFunction);
    dialog->controlAs<QComboBox>(kFunctionCombo)->setCurrentIndex(10);
    click(kOk);
    EXPECT_EQ(record(0, kRowA).kind, model::kKindFunction);
    EXPECT_EQ(record(0, kRowA).value, 10u);

    // Clear returns a key assignment to the key's own function.
    setRecord(0, kRowA, assignment(model::kKindKey, 0x30));
    open(kRowA, kButtonA);
    click(kClear);
    EXPECT_EQ(dialog->pages().pendingKind(), model::kKindDefault);
    EXPECT_TRUE(dialog->controlAs<QLineEdit>(kKeyName)->text().isEmpty());
    click(kOk);
    EXPECT_EQ(record(0, kRowA).kind, model::kKindDefault);
}

TEST_F(CompositeTest, OkWithoutChangesRewritesTheRecordAndKeepsOtherKinds) {
    model::KeyAssignment disabled = assignment(model::kKindDisabled, 0);
    disabled.mark = 0x55;
    setRecord(1, kRowA, disabled);
    window.profile = 1;
    open(kRowA, kButtonA);
    EXPECT_TRUE(dialog->control(kKeyName)->isVisible());
    click(kOk);
    const model::KeyAssignment written = record(1, kRowA);
    EXPECT_EQ(written.kind, model::kKindDisabled);
    EXPECT_EQ(written.value, 0u);
    EXPECT_EQ(written.mark, 0u);
}

TEST_F(CompositeTest, ALaunchKeyKeepsItsProgramWhenOkChangesNothing) {
    ASSERT_TRUE(keys->writeAssignment(0, kRowA, model::kKindLaunch, 0, 0, u"/usr/bin/true"));
    open(kRowA, kButtonA);
    click(kOk);
    EXPECT_EQ(record(0, kRowA).kind, model::kKindLaunch);
    EXPECT_EQ(store.strings.text(kRowA), u"/usr/bin/true");

    // Choosing another kind drops the text with the old assignment.
    open(kRowA, kButtonA);
    click(kTabMedia);
    click(kOk);
    EXPECT_FALSE(store.strings.has(kRowA));
}

TEST_F(CompositeTest, ExtraKeysKeepTheirIdentifier) {
    const int button = model::kExtraKeyButtonIds[0];
    const int index = *model::recordIndexForButton(button, false);
    open(index, button);
    click(kTabMedia);
    click(kOk);
    const model::KeyAssignment written = record(0, index);
    EXPECT_EQ(written.kind, model::kKindMedia);
    EXPECT_EQ(written.extra, model::assignmentExtraField(index, model::kKindMedia, 0));
    EXPECT_NE(written.extra, 0u);
}

TEST_F(CompositeTest, MacroOnlyButtonShowsOnlyTheMacroPage) {
    const int index = *model::recordIndexForButton(model::kMacroOnlyButtonId, false);
    setRecord(0, index, assignment(model::kKindMacro, 7));
    auto &d = open(index, model::kMacroOnlyButtonId);
    EXPECT_EQ(d.pages().pendingKind(), model::kKindMacro);
    for (int id : {kTabKey, kTabMedia, kTabFunction, kClear}) {
        EXPECT_FALSE(d.control(id)->isEnabled()) << id;
        EXPECT_TRUE(d.controlAs<CPngButton>(id)->text().isEmpty()) << id;
    }
    EXPECT_TRUE(d.control(kStepList)->isVisible());
    EXPECT_FALSE(d.control(kMediaLabel)->isVisible());
    click(kOk);
    EXPECT_EQ(record(0, index).kind, model::kKindDefault);
}

TEST_F(CompositeTest, OnScreenKeyboardAndHelpAreAskedFor) {
    open(kRowA, kButtonA);
    click(kOnScreenKeyboard);
    EXPECT_EQ(onScreenKeyboardStarts, 1);
}

TEST_F(CompositeTest, AMissingOnScreenKeyboardIsReported) {
    onScreenKeyboardInstalled = false;
    open(kRowA, kButtonA);
    click(kOnScreenKeyboard);
    EXPECT_EQ(onScreenKeyboardStarts, 1);
    ASSERT_EQ(answers.messages.size(), 1u);
    EXPECT_EQ(answers.messages[0], text("COMPOSITE_OSK_MISSING"));

    // A started keyboard needs no word.
    onScreenKeyboardInstalled = true;
    click(kOnScreenKeyboard);
    EXPECT_EQ(answers.messages.size(), 1u);
}

TEST_F(CompositeTest, TheTitleNamesTheEditedKey) {
    auto &d = open(kRowA, kButtonA);
    const QString title = d.controlAs<QLabel>(kTitleText)->text();
    EXPECT_EQ(title, text("KEY_SETTING_FOR").replace("%s", text("IDS_KEYBOARD_A")));
    EXPECT_EQ(d.windowTitle(), title);

    // An extra key is named with its bank.
    d.closeAsCancel();
    const int g3 = model::kExtraKeyButtonIds[2];
    open(*model::recordIndexForButton(g3, true), g3);
    EXPECT_TRUE(d.controlAs<QLabel>(kTitleText)->text().endsWith(QStringLiteral("G3 (B3)")))
        << d.controlAs<QLabel>(kTitleText)->text().toStdString();
}

TEST_F(CompositeTest, TheMacroPageExplainsItsEmptyStateAndItsPlusButton) {
    auto &d = open(kRowA, kButtonA);
    click(kTabMacro);
    EXPECT_EQ(d.controlAs<CPngButton>(kMacroAdd)->toolTipText(), text("MACRO_ADD_PROMPT"));
    EXPECT_EQ(d.controlAs<CPngButton>(kMacroDelete)->toolTipText(), text("MACRO_DELETE_PROMPT"));
    auto &steps = *d.controlAs<CReportCtrl>(kStepList);
    EXPECT_EQ(steps.emptyHint(), text("MACRO_NO_MACRO_HINT"));

    // The hint is drawn on the empty list: light text in its middle.
    auto lightPixels = [&] {
        const QImage picture = steps.viewport()->grab().toImage();
        int light = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) light += qGray(picture.pixel(x, y)) > 90;
        return light;
    };
    EXPECT_GT(lightPixels(), 20);

    click(kMacroAdd);
    EXPECT_EQ(steps.rowCount(), 0);
    EXPECT_EQ(steps.emptyHint(), text("MACRO_NO_STEP_HINT"));
}

TEST_F(CompositeTest, ScreenshotsOfTheFourPages) {
    addStoreMacro(1, u"Launch sequence");
    open(kRowA, kButtonA);
    const std::filesystem::path folder = screenshotFolder();
    const std::pair<int, const char *> pages[] = {{kTabKey, "composite_single_key.png"},
                                                  {kTabMacro, "composite_macro.png"},
                                                  {kTabMedia, "composite_media.png"},
                                                  {kTabFunction, "composite_function.png"}};
    sendKey(true, kEvdevB);
    for (const auto &[tab, name] : pages) {
        click(tab);
        const QString file = QString::fromStdString((folder / name).string());
        EXPECT_TRUE(skin::saveWindowSnapshot(*dialog, file)) << name;
        EXPECT_FALSE(QImage(file).isNull()) << name;
    }
}

TEST(CompositePlacement, TakesTheFirstCornerWhereTheDialogFits) {
    const QSize dialog(560, 440);
    const QSize screen(1920, 1080);
    using dialogs::positionBesideButton;
    // Room everywhere: right-below, at the button's right and bottom edges.
    EXPECT_EQ(positionBesideButton(QRect(100, 100, 40, 30), dialog, screen), QPoint(140, 130));
    // No room below: right-above.
    EXPECT_EQ(positionBesideButton(QRect(100, 900, 40, 30), dialog, screen), QPoint(140, 460));
    // No room on the right: left-below, then left-above.
    EXPECT_EQ(positionBesideButton(QRect(1700, 100, 40, 30), dialog, screen), QPoint(1140, 130));
    EXPECT_EQ(positionBesideButton(QRect(1700, 900, 40, 30), dialog, screen), QPoint(1140, 460));
    // Exactly fitting counts as fitting.
    EXPECT_EQ(positionBesideButton(QRect(1320, 610, 40, 30), dialog, screen), QPoint(1360, 640));
    // Nowhere: right-below.
    EXPECT_EQ(positionBesideButton(QRect(100, 100, 40, 30), dialog, QSize(600, 500)),
              QPoint(140, 130));
    EXPECT_EQ(dialogs::centredPosition(dialog, screen), QPoint(680, 320));
}

}  // namespace
}  // namespace dialogtest

namespace dialogtest {
namespace {

TEST_F(DialogTest, TheOnScreenKeyboardIsFoundOnlyAsAnExecutableOnTheSearchPath) {
    const auto plain = scratch() / "plain";
    const auto tools = scratch() / "tools";
    std::filesystem::create_directories(plain);
    std::filesystem::create_directories(tools);
    std::ofstream(plain / "onboard") << "not a program";
    EXPECT_TRUE(dialogs::findOnScreenKeyboard(plain.string()).empty());
    std::ofstream(tools / "onboard") << "#!/bin/sh\n";
    std::filesystem::permissions(tools / "onboard", std::filesystem::perms::owner_all);
    const std::string path = "::" + plain.string() + ":" + tools.string();
    EXPECT_EQ(dialogs::findOnScreenKeyboard(path), tools / "onboard");
    EXPECT_TRUE(dialogs::findOnScreenKeyboard("").empty());
}

TEST_F(CompositeTest, TheLanguagePassKeepsTheChoices) {
    using namespace dialogs::composite;
    open(0x1E, 1058);
    click(kTabMedia);
    dialog->controlAs<QComboBox>(kMediaCombo)->setCurrentIndex(5);
    dialog->relabelFor(0);
    EXPECT_EQ(dialog->controlAs<QComboBox>(kMediaCombo)->currentIndex(), 5);
    EXPECT_EQ(dialog->controlAs<QComboBox>(kMediaCombo)->count(), 18);
    EXPECT_EQ(dialog->controlAs<CPngButton>(kTabMedia)->text(), text("MULTI_MEDIA"));
}

}  // namespace
}  // namespace dialogtest

namespace dialogtest {
namespace {

TEST_F(CompositeTest, RunsModallyBesideTheClickedButtonUntilOk) {
    using namespace dialogs::composite;
    open(0x1E, 1058).closeAsCancel();
    const QRect button(120, 90, 40, 30);
    QPoint shownAt;
    QTimer::singleShot(0, [&] {
        shownAt = dialog->pos();
        dialog->clickControl(kTabMedia);
        dialog->clickControl(kOk);
    });
    EXPECT_EQ(dialog->openForRecord(0x1E, 1058, button), QDialog::Accepted);
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(shownAt, dialogs::positionBesideButton(button, dialog->size(), screen));
    EXPECT_EQ(dialog->openCount(), 0);
    EXPECT_EQ(record(0, 0x1E).kind, model::kKindMedia);
}

}  // namespace
}  // namespace dialogtest
