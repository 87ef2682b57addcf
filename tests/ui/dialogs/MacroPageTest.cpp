// The macro page: the private macro list, the step list and its editors, the
// recorder fed by real key events, and the commit on Apply.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

#include "DialogTestSupport.h"
#include "model/MacroStepList.h"
#include "ui/dialogs/CompositeControls.h"
#include "ui/dialogs/CompositeIds.h"
#include "ui/dialogs/CompositePages.h"
#include "ui/dialogs/MacroPage.h"
#include "ui/dialogs/Varnel_DlgComposite.h"
#include "ui/widgets/CComboBox4ListCtrl.h"
#include "ui/widgets/CEditBox.h"
#include "ui/widgets/CReportCtrl.h"

namespace dialogtest {
namespace {

using namespace dialogs::composite;
using skin::MessageAnswer;

constexpr int kRowA = 0x1E, kButtonA = 1058, kRowB = 0x30;

std::vector<model::MacroAction> stepsOf(const dialogs::MacroPage &page) {
    std::vector<model::MacroAction> steps;
    for (const auto &row : page.editor().steps().rows()) steps.push_back(row.step);
    return steps;
}

class MacroPageTest : public CompositeTest {
protected:
    dialogs::MacroPage &openMacroPage() {
        open(kRowA, kButtonA);
        click(kTabMacro);
        return dialog->pages().macroPage();
    }
    CReportCtrl &stepList() { return *dialog->controlAs<CReportCtrl>(kStepList); }
};

TEST_F(MacroPageTest, TwoAddsOnAnEmptyListMakeNumberedMacrosWithIdsOneAndTwo) {
    auto &page = openMacroPage();
    click(kMacroAdd);
    click(kMacroAdd);
    ASSERT_EQ(page.editor().count(), 2u);
    const QString prefix = text("MACRO_NEW_PREFIX");
    auto *combo = dialog->controlAs<QComboBox>(kMacroCombo);
    EXPECT_EQ(combo->itemText(0), prefix + "1");
    EXPECT_EQ(combo->itemText(1), prefix + "2");
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_EQ(page.editor().macroAt(0).id, 1);
    EXPECT_EQ(page.editor().macroAt(1).id, 2);

    click(kOk);
    ASSERT_EQ(store.macros.size(), 2u);
    EXPECT_EQ(record(0, kRowA).kind, model::kKindMacro);
    EXPECT_EQ(record(0, kRowA).value, 2u);
    EXPECT_EQ(record(0, kRowA).extra, 1u);
}

TEST_F(MacroPageTest, TypingOnAnEmptyListCreatesTheFirstMacroUnderThatName) {
    openMacroPage();
    auto *combo = dialog->controlAs<QComboBox>(kMacroCombo);
    QTest::keyClicks(combo->lineEdit(), "Build");
    EXPECT_EQ(combo->count(), 1);
    EXPECT_EQ(combo->itemText(0), "Build");
    EXPECT_EQ(combo->lineEdit()->text(), "Build");
    QTest::keyClicks(combo->lineEdit(), "er");
    EXPECT_EQ(combo->itemText(0), "Builder");
    click(kOk);
    ASSERT_EQ(store.macros.size(), 1u);
    EXPECT_EQ(std::u16string(store.macros[0].nameView()), u"Builder");
}

TEST_F(MacroPageTest, CyclesAreKeptBetweenOneAnd255) {
    openMacroPage();
    click(kMacroAdd);
    auto *cycles = dialog->controlAs<QLineEdit>(kCycles);
    cycles->selectAll();
    QTest::keyClicks(cycles, "0");
    EXPECT_EQ(cycles->text(), "1");
    cycles->selectAll();
    QTest::keyClicks(cycles, "300");
    EXPECT_EQ(cycles->text(), "255");
    click(kOk);
    EXPECT_EQ(record(0, kRowA).extra, 255u);
    EXPECT_EQ(store.macros.at(0).cycles, 255);
}

TEST_F(MacroPageTest, DeletingAMacroInUseResetsItsKeysInEveryProfileOnApply) {
    addStoreMacro(1, u"One");
    addStoreMacro(2, u"Two");
    for (int profile : {0, 2}) {
        model::KeyAssignment uses;
        uses.kind = model::kKindMacro;
        uses.value = 1;
        setRecord(profile, kRowB, uses);
    }
    auto &page = openMacroPage();
    ASSERT_EQ(page.selectedId(), 1);
    answers.answers = {MessageAnswer::No};
    click(kMacroDelete);
    EXPECT_EQ(page.editor().count(), 2u);
    answers.answers = {MessageAnswer::Yes};
    click(kMacroDelete);
    EXPECT_EQ(page.editor().count(), 1u);
    EXPECT_EQ(answers.messages.size(), 2u);
    click(kApply);
    EXPECT_EQ(record(0, kRowB).kind, model::kKindDefault);
    EXPECT_EQ(record(2, kRowB).kind, model::kKindDefault);
    ASSERT_EQ(store.macros.size(), 1u);
    EXPECT_EQ(store.macros[0].id, 2);
    // The edited key now plays the remaining macro.
    EXPECT_EQ(record(0, kRowA).kind, model::kKindMacro);
    EXPECT_EQ(record(0, kRowA).value, 2u);
}

TEST_F(MacroPageTest, RecordsRealKeyEventsAsSteps) {
    auto &page = openMacroPage();
    click(kMacroAdd);
    // Fixed waits make the steps exact; the check box stores the setting.
    auto *delays = dialog->controlAs<QCheckBox>(kRecordDelays);
    delays->click();
    EXPECT_TRUE(delays->isChecked());
    delays->click();
    ASSERT_FALSE(delays->isChecked());
    click(kRecord);
    ASSERT_TRUE(page.recording());
    EXPECT_FALSE(dialog->control(kMacroAdd)->isEnabled());
    EXPECT_FALSE(dialog->control(kMacroCombo)->isEnabled());
    EXPECT_TRUE(sendKey(true, 42));       // left Shift
    EXPECT_TRUE(sendKey(true, 30, "A"));  // A
    EXPECT_TRUE(sendKey(false, 30, "A", true));
    EXPECT_TRUE(sendKey(true, 30, "A", true));  // held: repeats are not steps
    EXPECT_TRUE(sendKey(false, 30, "A"));
    EXPECT_TRUE(sendKey(false, 42));
    EXPECT_TRUE(sendKey(true, 97));  // right Ctrl
    EXPECT_TRUE(sendKey(false, 97));
    EXPECT_FALSE(sendKey(true, 113));  // Mute passes on unrecorded
    sendKey(true, 99);                 // Print Screen: only its release counts
    EXPECT_TRUE(sendKey(false, 99));
    click(kRecord);
    EXPECT_FALSE(page.recording());
    EXPECT_TRUE(dialog->control(kMacroAdd)->isEnabled());

    const std::vector<model::MacroAction> expected{{50, 0x02A, 0}, {50, 0x01E, 0}, {50, 0x01E, 1},
                                                   {50, 0x02A, 1}, {50, 0x11D, 0}, {50, 0x11D, 1},
                                                   {50, 0x137, 0}, {0, 0x137, 1}};
    EXPECT_EQ(stepsOf(page), expected);
    EXPECT_EQ(stepList().rowCount(), 8);
    EXPECT_EQ(stepList().itemText(1, 0), text("IDS_KEYBOARD_A"));
    EXPECT_EQ(stepList().itemText(2, 1), dialogs::releaseText());

    click(kOk);
    ASSERT_EQ(store.macros.size(), 1u);
    EXPECT_EQ(store.macros[0].actionCount, 8);
    EXPECT_EQ(store.macros[0].actions[4].key, 0x11D);
}

// A mouse button event as the windowing system delivers it to the dialog.
void sendMouse(QWidget &dialog, QEvent::Type type, Qt::MouseButton button, QPoint local) {
    const QPointF global = dialog.mapToGlobal(QPointF(local));
    QMouseEvent event(type, QPointF(local), QPointF(local), global, button,
                      type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(dialog.windowHandle(), &event);
}

TEST_F(MacroPageTest, RecordsMouseButtonsButNotTheClickOnTheRecordButton) {
    auto &page = openMacroPage();
    click(kMacroAdd);
    click(kRecord);
    sendMouse(*dialog, QEvent::MouseButtonPress, Qt::RightButton, QPoint(20, 400));
    sendMouse(*dialog, QEvent::MouseButtonRelease, Qt::RightButton, QPoint(20, 400));
    const QPoint onRecord = dialog->control(kRecord)->geometry().center();
    sendMouse(*dialog, QEvent::MouseButtonPress, Qt::LeftButton, onRecord);
    sendMouse(*dialog, QEvent::MouseButtonRelease, Qt::LeftButton, onRecord);
    // That click reached the record button and stopped the recording.
    EXPECT_FALSE(page.recording());
    const auto steps = stepsOf(page);
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].key, 0x172);
    EXPECT_EQ(steps[0].direction, 0);
    EXPECT_EQ(steps[1].key, 0x172);
    EXPECT_EQ(steps[1].direction, 1);

    // Help does nothing while recording and opens the help page otherwise.
    click(kRecord);
    QTest::keyClick(dialog.get(), Qt::Key_F1);
    EXPECT_EQ(window.helpOpened, 0);
    click(kRecord);
    QTest::keyClick(dialog.get(), Qt::Key_F1);
    EXPECT_EQ(window.helpOpened, 1);
}

TEST_F(MacroPageTest, StepsAreEditedInPlaceMovedAndCleared) {
    addStoreMacro(1, u"One");  // A down 30 ms, A up
    auto &page = openMacroPage();
    ASSERT_EQ(stepList().rowCount(), 2);

    emit stepList().cellClicked(0, 0);
    auto *keyChooser = qobject_cast<CComboBox4ListCtrl *>(stepList().activeEditor());
    ASSERT_NE(keyChooser, nullptr);
    EXPECT_EQ(keyChooser->count(), 111);
    EXPECT_EQ(keyChooser->currentIndex(), 0);
    keyChooser->setCurrentIndex(1);
    keyChooser->finish(true);
    EXPECT_EQ(stepsOf(page)[0].key, 0x30);
    EXPECT_EQ(stepList().itemText(0, 0), text("IDS_KEYBOARD_B"));

    emit stepList().cellClicked(0, 2);
    auto *waitBox = qobject_cast<CEditBox *>(stepList().activeEditor());
    ASSERT_NE(waitBox, nullptr);
    waitBox->setText("12345");
    waitBox->finish(true);
    EXPECT_EQ(stepsOf(page)[0].wait, 12340u);
    emit stepList().cellClicked(0, 2);
    qobject_cast<CEditBox *>(stepList().activeEditor())->setText("50000");
    stepList().endEdit();
    EXPECT_EQ(stepsOf(page)[0].wait, 40000u);
    ASSERT_EQ(answers.messages.size(), 1u);
    EXPECT_TRUE(answers.messages[0].contains("40000"));

    stepList().selectRowVisible(1);
    click(kStepTop);
    EXPECT_EQ(stepsOf(page)[0].key, 0x1E);
    EXPECT_EQ(stepList().selectedRow(), 0);
    click(kStepDown);
    EXPECT_EQ(stepList().selectedRow(), 1);

    answers.answers = {MessageAnswer::No};
    click(kStepClear);
    EXPECT_EQ(stepList().rowCount(), 2);
    answers.answers = {MessageAnswer::Yes};
    click(kStepClear);
    EXPECT_EQ(stepList().rowCount(), 0);
    const std::size_t asked = answers.messages.size();
    click(kStepClear);  // nothing to clear: no question
    EXPECT_EQ(answers.messages.size(), asked);
}

}  // namespace
}  // namespace dialogtest
