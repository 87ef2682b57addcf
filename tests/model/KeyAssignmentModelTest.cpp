// Key assignments in the working store: addressing, writing with strings, button
// hints, reset, the macro-in-use check and the extra-key bank.
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "TestTexts.h"
#include "model/KeyAssignmentModel.h"
#include "model/KeyButtons.h"

namespace model {
namespace {

using test::narrow;

// Records what the main window would be told.
class RecordingWindow : public KeyButtonObserver {
public:
    void markApplyPending() override { ++pendingMarks; }
    void showButtonHint(int controlId, const ButtonHint &hint) override { hints[controlId] = hint; }

    int pendingMarks = 0;
    std::map<int, ButtonHint> hints;
};

constexpr int kButtonA = 1058;  // key button of A (0x01E)
constexpr int kButtonEsc = 1022;
constexpr int kExtraButton1 = 1000;
constexpr int kExtraButton3 = 1002;

class KeyAssignmentModelTest : public ::testing::Test {
protected:
    KeyAssignment storedRecord(int profile, int index) {
        return store->record(globalRecordIndex(profile, index));
    }

    std::unique_ptr<ProfileStore> store = std::make_unique<ProfileStore>();
    RecordingWindow window;
    int currentProfile = 0;
    KeyAssignmentModel model{*store, test::testTexts(), [this] { return currentProfile; }, window};
};

TEST_F(KeyAssignmentModelTest, ButtonsAddressTheirRecords) {
    EXPECT_EQ(model.recordIndexForButton(kButtonA), 0x1E);
    EXPECT_EQ(model.recordIndexForButton(1104), 0xC5);  // Num Lock, code 0x145
    EXPECT_EQ(model.recordIndexForButton(kExtraButton1), 256);
    EXPECT_EQ(model.recordIndexForButton(1143), 264);
    EXPECT_FALSE(model.recordIndexForButton(1016).has_value());
    model.switchExtraKeyBank(true);
    EXPECT_EQ(model.recordIndexForButton(kExtraButton3), 267);
    EXPECT_EQ(model.recordIndexForButton(kButtonA), 0x1E);
}

TEST_F(KeyAssignmentModelTest, WriteLandsAtItsBlockBytesAndMarksPending) {
    ASSERT_TRUE(model.writeAssignment(1, 0x1E, kKindMedia, 0, 1, u""));
    const std::size_t offset = 64 + 8192 + 480;
    EXPECT_EQ(store->block[offset], kKindMedia);
    EXPECT_EQ(store->block[offset + 4], 1);
    EXPECT_EQ(model.readAssignment(1, 0x1E), (KeyAssignment{kKindMedia, 0, 1, 0, 0}));
    EXPECT_EQ(model.readAssignment(0, 0x1E), KeyAssignment{});
    EXPECT_EQ(window.pendingMarks, 1);
}

TEST_F(KeyAssignmentModelTest, WriteClearsMarkAndRejectsAddressesOutsideTheBlock) {
    store->setRecord(0x10, {kKindKey, 0, 0x1E, 0xDEADBEEF, 7});
    model.writeAssignment(0, 0x10, kKindKey, 0, 0x30, u"");
    EXPECT_EQ(storedRecord(0, 0x10), (KeyAssignment{kKindKey, 0, 0x30, 0, 0}));
    EXPECT_FALSE(model.writeAssignment(0, 512, kKindKey, 0, 1, u""));
    EXPECT_FALSE(model.writeAssignment(-1, 0, kKindKey, 0, 1, u""));
    EXPECT_FALSE(model.writeAssignment(4, 0, kKindKey, 0, 1, u""));
    EXPECT_EQ(model.readAssignment(0, 600), KeyAssignment{});
    EXPECT_EQ(window.pendingMarks, 1);
}

TEST_F(KeyAssignmentModelTest, LaunchStringsLiveInTheirProfileSlot) {
    model.writeAssignment(0, 0x2D, kKindLaunch, 0, 0, u"/bin/a");
    model.writeAssignment(2, 0x2D, kKindLaunch, 0, 0, u"/usr/bin/longer");
    EXPECT_EQ(store->strings.text(0x2D), u"/bin/a");
    EXPECT_EQ(store->strings.text(1024 + 0x2D), u"/usr/bin/longer");
    EXPECT_EQ(store->strings.totalBytes(), 7u * 2 + 16u * 2);

    // Another kind releases the slot; a text kind replaces it.
    model.writeAssignment(2, 0x2D, kKindKey, 0, 0x1E, u"ignored");
    EXPECT_FALSE(store->strings.has(1024 + 0x2D));
    model.writeAssignment(0, 0x2D, kKindText, 0, 0, u"typed");
    EXPECT_EQ(store->strings.text(0x2D), u"typed");
    EXPECT_EQ(store->strings.totalBytes(), 6u * 2);

    // A text is kept up to its first NUL, so its size matches what a file holds.
    model.writeAssignment(0, 0x2D, kKindText, 0, 0, std::u16string_view(u"ab\0cd", 5));
    EXPECT_EQ(store->strings.text(0x2D), u"ab");
    EXPECT_EQ(store->strings.byteSize(0x2D), 6u);
}

TEST_F(KeyAssignmentModelTest, ExtraFieldIdentifiesExtraKeysOrCountsMacroCycles) {
    EXPECT_EQ(assignmentExtraField(258, kKindMacro, 3), 3);
    EXPECT_EQ(assignmentExtraField(258, kKindKey, 3), 0x0303);
    EXPECT_EQ(assignmentExtraField(265, kKindDisabled, 1), 0x1301);
    EXPECT_EQ(assignmentExtraField(0x1E, kKindKey, 1), 0);
    EXPECT_EQ(assignmentExtraField(0x1E, kKindMacro, 5), 5);
}

TEST_F(KeyAssignmentModelTest, HintsNameWhatTheKeyDoes) {
    MacroRecord macro{};
    macro.id = 4;
    macro.name[0] = u'R';
    macro.name[1] = u'u';
    macro.name[2] = u'n';
    store->macros.push_back(macro);

    auto hint = [&](KeyAssignment record) { return model.keyButtonHint(kButtonA, record); };
    EXPECT_EQ(hint({}), (ButtonHint{false, u"<IDS_KEYBOARD_A>"}));
    EXPECT_EQ(narrow(hint({kKindKey, 0, 0x030, 0, 0}).text),
              "<IDS_KEYBOARD_A> (set<KEY_PROMPT_SINGLE><IDS_KEYBOARD_B>)");
    EXPECT_EQ(narrow(hint({kKindMacro, 1, 4, 0, 0}).text),
              "<IDS_KEYBOARD_A> (set<KEY_PROMPT_MACRO>Run)");
    EXPECT_EQ(narrow(hint({kKindMacro, 1, 9, 0, 0}).text),
              "<IDS_KEYBOARD_A> (set<KEY_PROMPT_MACRO>)");
    EXPECT_EQ(narrow(hint({kKindMedia, 0, 1, 0, 0}).text),
              "<IDS_KEYBOARD_A> (set<KEY_PROMPT_MEDIA><MEDIA_PALY_PAUSE_2>)");
    EXPECT_EQ(narrow(hint({kKindFunction, 0, 10, 0, 0}).text),
              "<IDS_KEYBOARD_A> (set<KEY_PROMPT_FUNCTION><FUNC_KEY_DESC11>)");
    for (std::uint16_t kind : {kKindDisabled, kKindLaunch, kKindStopMacro, kKindText}) {
        EXPECT_EQ(hint({kind, 0, 0, 0, 0}), (ButtonHint{true, u"<IDS_KEYBOARD_A> (set"}));
    }
    // Values outside their lists still give a hint, never a read past a table.
    EXPECT_EQ(narrow(hint({kKindMedia, 0, 99, 0, 0}).text),
              "<IDS_KEYBOARD_A> (set<KEY_PROMPT_MEDIA>Key 0x000)");
    EXPECT_EQ(narrow(model.keyButtonHint(kExtraButton3, {}).text), "G3");
}

TEST_F(KeyAssignmentModelTest, HintsAreCutTo259Characters) {
    MacroRecord macro{};
    macro.id = 1;
    for (std::size_t i = 0; i + 1 < kMacroNameUnits; ++i) macro.name[i] = u'x';
    store->macros.push_back(macro);
    EXPECT_EQ(model.keyButtonHint(kButtonA, {kKindMacro, 1, 1, 0, 0}).text.size(), 259u);
}

TEST_F(KeyAssignmentModelTest, RefreshShowsEveryButtonOfTheCurrentProfile) {
    currentProfile = 2;
    store->setRecord(globalRecordIndex(2, 0x01), {kKindDisabled, 0, 0, 0, 0});
    store->setRecord(globalRecordIndex(2, 265), {kKindStopMacro, 0x1301, 0, 0, 0});
    model.refreshKeyButtons();
    EXPECT_EQ(window.hints.size(), 104u + 9u);
    EXPECT_TRUE(window.hints[kButtonEsc].assigned);
    EXPECT_FALSE(window.hints[kButtonA].assigned);
    EXPECT_FALSE(window.hints[kExtraButton1].assigned);

    model.switchExtraKeyBank(true);
    EXPECT_TRUE(window.hints[kExtraButton1].assigned);
    EXPECT_EQ(window.pendingMarks, 0);  // a bank switch changes no record

    window.hints.clear();
    currentProfile = -1;  // no keyboard: nothing to show
    model.refreshKeyButtons();
    EXPECT_TRUE(window.hints.empty());
}

TEST_F(KeyAssignmentModelTest, ResetClearsShownKeysAndKeepsTheOtherBank) {
    currentProfile = 1;
    for (const auto &button : kKeyButtons) {
        model.writeAssignment(1, rowOfKeyCode(button.keyCode), kKindDisabled, 0, 0, u"");
    }
    model.writeAssignment(1, 0x2D, kKindLaunch, 0, 0, u"/bin/x");
    model.writeAssignment(1, 256, kKindDisabled, 0x0301, 0, u"");  // bank A key 1
    model.writeAssignment(1, 265, kKindDisabled, 0x1301, 0, u"");  // bank B key 1
    model.writeAssignment(1, 0x54, kKindDisabled, 0, 0, u"");      // Sys Req: no button
    model.writeAssignment(0, 0x1E, kKindDisabled, 0, 0, u"");      // another profile
    window.pendingMarks = 0;

    model.resetKeyAssignments();
    for (const auto &[id, hint] : window.hints) {
        EXPECT_FALSE(hint.assigned) << id;
    }
    EXPECT_EQ(narrow(window.hints[kButtonA].text), "<IDS_KEYBOARD_A>");
    EXPECT_EQ(storedRecord(1, 256), KeyAssignment{});
    EXPECT_EQ(storedRecord(1, 265).kind, kKindDisabled);
    EXPECT_EQ(storedRecord(1, 0x54).kind, kKindDisabled);
    EXPECT_EQ(storedRecord(0, 0x1E).kind, kKindDisabled);
    EXPECT_TRUE(store->strings.has(512 + 0x2D));  // reset leaves string slots alone
    EXPECT_EQ(window.pendingMarks, 1);

    model.switchExtraKeyBank(true);
    EXPECT_TRUE(window.hints[kExtraButton1].assigned);
}

TEST_F(KeyAssignmentModelTest, MacroInUseCheckCoversEveryRecord) {
    MacroRecord macro{};
    macro.id = 7;
    int questions = 0;
    auto answer = [&questions](bool yes) {
        return [&questions, yes](std::u16string_view key) {
            EXPECT_EQ(key, u"MACRO_DELETE_CONFIRM_OF_KEYS");
            ++questions;
            return yes;
        };
    };
    EXPECT_FALSE(model.isMacroUsedByKeys(macro));
    EXPECT_TRUE(model.confirmMacroDeletion(macro, answer(false)));
    EXPECT_EQ(questions, 0);

    // Bank A extra key 1 of profile 0 is global record 256; it counts like any other.
    store->setRecord(256, {kKindMacro, 1, 7, 0, 0});
    EXPECT_TRUE(model.isMacroUsedByKeys(macro));
    EXPECT_FALSE(model.confirmMacroDeletion(macro, answer(false)));
    EXPECT_TRUE(model.confirmMacroDeletion(macro, answer(true)));
    EXPECT_EQ(questions, 2);

    store->setRecord(256, {});
    store->setRecord(2047, {kKindMacro, 1, 7, 0, 0});
    EXPECT_TRUE(model.isMacroUsedByKeys(macro));
    store->setRecord(2047, {kKindKey, 0, 7, 0, 0});  // value 7 of another kind
    EXPECT_FALSE(model.isMacroUsedByKeys(macro));

    // A macro never committed is not used, whatever the records say.
    store->setRecord(3, {kKindMacro, 1, 7, 0, 0});
    macro.isNew = 1;
    EXPECT_FALSE(model.isMacroUsedByKeys(macro));
}

TEST(ExtraKeyButtons, Captions) {
    EXPECT_EQ(extraKeyCaption(0, false), u"A1");
    EXPECT_EQ(extraKeyCaption(4, true), u"B5");
    EXPECT_EQ(extraKeyCaption(5, false), u"A6");
    EXPECT_EQ(extraKeyCaption(8, true), u"B9");
    EXPECT_EQ(extraKeyCaption(9, false), u"");
    EXPECT_EQ(extraKeyCaption(-1, true), u"");
}

}  // namespace
}  // namespace model
