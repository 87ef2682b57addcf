#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "TestTexts.h"
#include "model/MacroEditor.h"
#include "model/MacroList.h"

using namespace model;
using model::test::narrow;
using model::test::testTexts;

namespace {

MacroRecord storedMacro(std::uint16_t id, std::u16string_view name) {
    MacroRecord macro{};
    std::copy(name.begin(), name.end(), macro.name);
    macro.id = id;
    macro.cycles = 1;
    macro.actionCount = 1;
    macro.actions[0] = {100, 0x1E, 0};
    return macro;
}

void assignMacro(ProfileStore &store, std::size_t global, std::uint32_t id) {
    KeyAssignment record;
    record.kind = kKindMacro;
    record.value = id;
    store.setRecord(global, record);
}

class MacroEditorTest : public ::testing::Test {
protected:
    MacroEditorTest() {
        services.lookup = testTexts();
        services.showMessage = [this](const UserMessage &message) {
            messages.push_back(narrow(std::u16string(message.textKey)));
            messageNumbers.push_back(message.number.value_or(-1));
        };
        services.confirmDeletion = [this](const MacroRecord &) { return answerYes; };
        services.keyRecordReset = [this](std::size_t global) { resetRecords.push_back(global); };
        services.markMainWindowChanged = [this] { ++mainWindowChanges; };
        services.markDialogChanged = [this] { ++dialogChanges; };
        services.pause = [this](std::chrono::milliseconds) { ++pauses; };
    }

    MacroEditor &editorWith(std::vector<MacroRecord> macros) {
        store.macros = std::move(macros);
        editor = std::make_unique<MacroEditor>(store, services);
        editor->load();
        return *editor;
    }

    ProfileStore store;
    MacroEditorServices services;
    std::unique_ptr<MacroEditor> editor;
    std::vector<std::string> messages;
    std::vector<int> messageNumbers;
    std::vector<std::size_t> resetRecords;
    int mainWindowChanges = 0;
    int dialogChanges = 0;
    int pauses = 0;
    bool answerYes = true;
};

TEST(MacroListTest, LookupsByIdAndPosition) {
    ProfileStore store;
    store.macros = {storedMacro(7, u"a"), storedMacro(3, u"b"), storedMacro(3, u"c")};
    EXPECT_EQ(indexOfMacroId(store, 3), 1);
    EXPECT_EQ(indexOfMacroId(store, 7), 0);
    EXPECT_EQ(indexOfMacroId(store, 99), 0);
    EXPECT_EQ(macroIdAt(store, 0), 7);
    EXPECT_EQ(macroIdAt(store, 2), 3);
    EXPECT_EQ(macroIdAt(store, 3), 0);
    EXPECT_EQ(macroIdAt(store, -1), 0);
}

TEST_F(MacroEditorTest, ReusedIdOfADeletedMacroResetsItsKeysOnCommit) {
    MacroEditor &editor = editorWith({storedMacro(1, u"m1"), storedMacro(2, u"m2"),
                                      storedMacro(3, u"m3"), storedMacro(4, u"m4")});
    assignMacro(store, globalRecordIndex(0, 0x1E), 3);
    assignMacro(store, globalRecordIndex(2, 0x20), 3);
    assignMacro(store, globalRecordIndex(1, 0x30), 4);

    ASSERT_TRUE(editor.selectMacro(2));
    ASSERT_TRUE(editor.deleteCurrentMacro());
    EXPECT_EQ(editor.current(), 1u);  // the entry before the deleted one
    const auto created = editor.createMacro();
    ASSERT_TRUE(created);
    EXPECT_EQ(editor.macroAt(*created).id, 3);
    EXPECT_EQ(editor.macroAt(*created).isNew, 1);
    EXPECT_EQ(editor.macroAt(*created).cycles, 1);

    ASSERT_TRUE(editor.commit());
    EXPECT_EQ(store.record(globalRecordIndex(0, 0x1E)).kind, kKindDefault);
    EXPECT_EQ(store.record(globalRecordIndex(2, 0x20)).kind, kKindDefault);
    EXPECT_EQ(store.record(globalRecordIndex(1, 0x30)).kind, kKindMacro);
    EXPECT_EQ(resetRecords,
              (std::vector<std::size_t>{globalRecordIndex(0, 0x1E), globalRecordIndex(2, 0x20)}));
    EXPECT_EQ(mainWindowChanges, 2);
    ASSERT_EQ(store.macros.size(), 4u);
    EXPECT_EQ(store.macros[3].id, 3);
    for (const auto &macro : store.macros) EXPECT_EQ(macro.isNew, 0);

    // A key assigned to the new macro after the commit survives another commit.
    assignMacro(store, globalRecordIndex(0, 0x1E), 3);
    ASSERT_TRUE(editor.commit());
    EXPECT_EQ(store.record(globalRecordIndex(0, 0x1E)).kind, kKindMacro);
}

TEST_F(MacroEditorTest, CommitGivesKeysWithoutIdTheFirstMacroAndResetsMissingOnes) {
    MacroEditor &editor = editorWith({storedMacro(5, u"x"), storedMacro(2, u"y")});
    assignMacro(store, 10, 0);
    assignMacro(store, 11, 9);
    ASSERT_TRUE(editor.commit());
    EXPECT_EQ(store.record(10).kind, kKindMacro);
    EXPECT_EQ(store.record(10).value, 5u);
    EXPECT_EQ(store.record(11).kind, kKindDefault);
    EXPECT_EQ(mainWindowChanges, 2);

    // An empty list leaves id 0 as it is and stores no macros.
    MacroEditor &empty = editorWith({});
    assignMacro(store, 12, 0);
    ASSERT_TRUE(empty.commit());
    EXPECT_EQ(store.record(12).value, 0u);
    EXPECT_TRUE(store.macros.empty());
}

TEST_F(MacroEditorTest, DefaultNamesSkipNamesThatStartAnEntry) {
    MacroEditor &editor = editorWith({storedMacro(1, u"<macro_new_prefix>1")});
    const auto created = editor.createMacro();
    ASSERT_TRUE(created);
    EXPECT_EQ(narrow(std::u16string(editor.nameAt(*created))), "<MACRO_NEW_PREFIX>2");
    EXPECT_EQ(editor.macroAt(*created).id, 2);
    EXPECT_EQ(pauses, 1);

    // Prefix match: an entry "...30" blocks the name "...3".
    editor.changeName(u"<MACRO_NEW_PREFIX>30");
    const auto next = editor.createMacro();
    ASSERT_TRUE(next);
    EXPECT_EQ(narrow(std::u16string(editor.nameAt(*next))), "<MACRO_NEW_PREFIX>4");
}

TEST_F(MacroEditorTest, NamingOnAnEmptyListCreatesTheFirstMacroAndCountingRestarts) {
    MacroEditor &editor = editorWith({});
    editor.changeName(u"Combo");
    ASSERT_EQ(editor.count(), 1u);
    EXPECT_EQ(editor.macroAt(0).id, 1);
    EXPECT_EQ(editor.macroAt(0).isNew, 1);
    EXPECT_EQ(narrow(std::u16string(editor.nameAt(0))), "Combo");
    editor.changeName(std::u16string(300, u'n'));
    EXPECT_EQ(editor.nameAt(0).size(), 249u);

    ASSERT_TRUE(editor.deleteCurrentMacro());
    EXPECT_EQ(editor.current(), std::nullopt);
    editor.createMacro();
    editor.createMacro();
    EXPECT_EQ(narrow(std::u16string(editor.nameAt(0))), "<MACRO_NEW_PREFIX>1");
    EXPECT_EQ(narrow(std::u16string(editor.nameAt(1))), "<MACRO_NEW_PREFIX>2");
    EXPECT_EQ(editor.macroAt(1).id, 2);
}

TEST_F(MacroEditorTest, HundredMacrosRefuseAnotherWithTheLimitMessage) {
    std::vector<MacroRecord> full;
    for (std::uint16_t id = 1; id <= 100; ++id) full.push_back(storedMacro(id, u"m"));
    MacroEditor &editor = editorWith(std::move(full));
    EXPECT_FALSE(editor.createMacro());
    EXPECT_EQ(editor.count(), 100u);
    EXPECT_EQ(messages, std::vector<std::string>{"MACRO_ERR_MAX"});
    EXPECT_EQ(messageNumbers, std::vector<int>{100});
}

TEST_F(MacroEditorTest, DeletionNeedsConfirmation) {
    MacroEditor &editor = editorWith({storedMacro(1, u"a"), storedMacro(2, u"b")});
    answerYes = false;
    EXPECT_FALSE(editor.deleteCurrentMacro());
    EXPECT_EQ(editor.count(), 2u);
    answerYes = true;
    EXPECT_TRUE(editor.deleteCurrentMacro());
    EXPECT_EQ(editor.current(), 0u);
    EXPECT_EQ(editor.macroAt(0).id, 2);
}

TEST_F(MacroEditorTest, StepsAndCyclesAreSavedWhenSwitchingAndCommitting) {
    MacroEditor &editor = editorWith({storedMacro(1, u"a"), storedMacro(2, u"b")});
    EXPECT_EQ(editor.steps().size(), 1u);
    EXPECT_TRUE(editor.steps().rows()[0].greyed);
    EXPECT_EQ(editor.steps().rows()[0].step.wait, 100u);
    editor.steps().addStep({30, 0x30, 1});
    editor.setCyclesText(u"260");  // kept in 8 bits
    ASSERT_TRUE(editor.selectMacro(1));
    EXPECT_EQ(narrow(editor.cyclesText()), "1");
    EXPECT_EQ(editor.macroAt(0).actionCount, 2);
    EXPECT_EQ(editor.macroAt(0).cycles, 4);
    EXPECT_EQ(editor.macroAt(0).actions[0].wait, 30u);  // the new step's wait moved up

    editor.steps().clear();
    ASSERT_TRUE(editor.commit());
    EXPECT_EQ(store.macros[1].actionCount, 0);
    EXPECT_EQ(store.macros[1].actions[0], MacroAction{});
    EXPECT_EQ(store.macros[0].actions[1].key, 0x30);
}

}  // namespace
