#include <gtest/gtest.h>

#include <vector>

#include "model/MacroRecorder.h"
#include "model/MacroStepList.h"

using namespace model;

namespace {

// Flags words as a keyboard event carries them: scan code in bits 16..23.
std::uint32_t keyDown(std::uint32_t scan) {
    return scan << 16;
}
std::uint32_t keyRepeat(std::uint32_t scan) {
    return scan << 16 | kKeyWasDown;
}
std::uint32_t keyUp(std::uint32_t scan) {
    return scan << 16 | kKeyWasDown | kKeyReleased;
}

constexpr std::uint32_t kVirtualKeyA = 0x41;
constexpr std::uint32_t kVirtualKeyB = 0x42;

class MacroRecorderTest : public ::testing::Test {
protected:
    MacroRecorderTest()
        : steps([this] { ++changes; }),
          recorder(
              steps, [this] { return measured; }, [this] { return clock; }) {
        recorder.start();
    }

    std::vector<MacroAction> recorded() const {
        std::vector<MacroAction> actions;
        for (const auto &row : steps.rows()) actions.push_back(row.step);
        return actions;
    }

    MacroStepList steps;
    MacroRecorder recorder;
    bool measured = true;
    std::uint32_t clock = 1000;
    int changes = 0;
};

TEST_F(MacroRecorderTest, MeasuredWaitsLieBetweenTheEventsTheySeparate) {
    clock += 30;
    EXPECT_EQ(recorder.keyboardEvent(kHookAction, kVirtualKeyA, keyDown(0x1E)),
              HookDisposition::Swallow);
    clock += 120;
    EXPECT_EQ(recorder.keyboardEvent(kHookAction, kVirtualKeyA, keyUp(0x1E)),
              HookDisposition::Swallow);
    clock += 80;
    recorder.keyboardEvent(kHookAction, kVirtualKeyB, keyDown(0x30));
    EXPECT_EQ(recorded(), (std::vector<MacroAction>{{120, 0x1E, 0}, {80, 0x1E, 1}, {0, 0x30, 0}}));
    EXPECT_EQ(steps.selected(), 2u);
    EXPECT_TRUE(steps.rows()[2].greyed);
    EXPECT_EQ(changes, 3);
}

TEST_F(MacroRecorderTest, HeldKeyGivesOnePressAndRepeatsAreSwallowed) {
    recorder.keyboardEvent(kHookAction, kVirtualKeyA, keyDown(0x1E));
    for (int repeat = 0; repeat < 5; ++repeat) {
        clock += 33;
        EXPECT_EQ(recorder.keyboardEvent(kHookAction, kVirtualKeyA, keyRepeat(0x1E)),
                  HookDisposition::Swallow);
    }
    recorder.keyboardEvent(kHookAction, kVirtualKeyA, keyUp(0x1E));
    EXPECT_EQ(recorded(), (std::vector<MacroAction>{{165, 0x1E, 0}, {0, 0x1E, 1}}));
}

TEST_F(MacroRecorderTest, ReleaseOnlyKeyGetsAPressTwoMillisecondsBefore) {
    recorder.keyboardEvent(kHookAction, kVirtualKeyA, keyDown(0x1E));
    clock += 40;
    // Print Screen: virtual key 0x2C, extended scan code 0x37.
    recorder.keyboardEvent(kHookAction, 0x2C, keyUp(0x37) | 1u << 24);
    EXPECT_EQ(recorded(), (std::vector<MacroAction>{{40, 0x1E, 0}, {2, 311, 0}, {0, 311, 1}}));
}

TEST_F(MacroRecorderTest, WaitsAreFiftyMillisecondsWhenDelaysAreOff) {
    measured = false;
    recorder.keyboardEvent(kHookAction, kVirtualKeyA, keyDown(0x1E));
    clock += 500;
    recorder.keyboardEvent(kHookAction, kVirtualKeyA, keyUp(0x1E));
    clock += 7;
    recorder.keyboardEvent(kHookAction, 0x2C, keyUp(0x37) | 1u << 24);
    EXPECT_EQ(recorded(),
              (std::vector<MacroAction>{{50, 0x1E, 0}, {50, 0x1E, 1}, {50, 311, 0}, {0, 311, 1}}));
}

TEST_F(MacroRecorderTest, EventsThatAreNotRecorded) {
    // Another hook code, a key the table does not know, a multimedia key.
    EXPECT_EQ(recorder.keyboardEvent(3, kVirtualKeyA, keyDown(0x1E)), HookDisposition::PassOn);
    EXPECT_EQ(recorder.keyboardEvent(kHookAction, 0x07, 0), HookDisposition::PassOn);
    EXPECT_TRUE(isUnrecordedMediaKey(0x122));
    EXPECT_EQ(recorder.keyboardEvent(kHookAction, 0xB3, keyDown(0x22) | 1u << 24),
              HookDisposition::PassOn);
    // Mouse: the click on the record button, moves, and any event are passed on.
    const ScreenRect button{100, 100, 180, 130};
    EXPECT_EQ(recorder.mouseEvent(kHookAction, kMessageLeftDown, {120, 110}, button),
              HookDisposition::PassOn);
    recorder.mouseEvent(kHookAction, kMessageLeftUp, {179, 129}, button);
    recorder.mouseEvent(kHookAction, kMessageMouseMove, {5, 5}, button);
    EXPECT_TRUE(steps.rows().empty());

    recorder.stop();
    EXPECT_EQ(recorder.keyboardEvent(kHookAction, kVirtualKeyA, keyDown(0x1E)),
              HookDisposition::PassOn);
    EXPECT_TRUE(steps.rows().empty());
}

TEST_F(MacroRecorderTest, MouseButtonsOutsideTheRecordButtonAreRecordedAndPassedOn) {
    const ScreenRect button{100, 100, 180, 130};
    EXPECT_EQ(recorder.mouseEvent(kHookAction, kMessageLeftDown, {180, 110}, button),
              HookDisposition::PassOn);
    clock += 10;
    recorder.mouseEvent(kHookAction, kMessageLeftUp, {180, 110}, button);
    recorder.mouseEvent(kHookAction, kMessageRightDown, {120, 110}, button);
    recorder.mouseEvent(kHookAction, kMessageMiddleUp, {120, 110}, button);
    EXPECT_EQ(recorded(),
              (std::vector<MacroAction>{{10, 369, 0}, {0, 369, 1}, {0, 370, 0}, {0, 371, 1}}));
}

TEST_F(MacroRecorderTest, WindowsKeysAreSeenSystemWideWithTheirOwnRepeatRule) {
    EXPECT_EQ(recorder.systemKeyEvent(kHookAction, kMessageKeyDown, 0x5B),
              HookDisposition::Swallow);
    clock += 20;
    EXPECT_EQ(recorder.systemKeyEvent(kHookAction, kMessageKeyDown, 0x5B),
              HookDisposition::Swallow);  // repeat
    EXPECT_EQ(recorder.systemKeyEvent(kHookAction, kMessageKeyDown, 0x41), HookDisposition::PassOn);
    recorder.systemKeyEvent(kHookAction, kMessageSysKeyDown, 0x5C);
    // Any key up forgets the remembered key, so the next down is a new press.
    EXPECT_EQ(recorder.systemKeyEvent(kHookAction, kMessageKeyUp, 0x41), HookDisposition::PassOn);
    recorder.systemKeyEvent(kHookAction, kMessageKeyDown, 0x5C);
    recorder.systemKeyEvent(kHookAction, kMessageKeyUp, 0x5B);
    EXPECT_EQ(recorded(),
              (std::vector<MacroAction>{{20, 347, 0}, {0, 348, 0}, {0, 348, 0}, {0, 347, 1}}));
}

TEST_F(MacroRecorderTest, RecordedStepsGoAfterTheSelectedRow) {
    steps.addStep({0, 0x10, 0});
    steps.addStep({0, 0x11, 0});
    steps.select(0);
    recorder.keyboardEvent(kHookAction, kVirtualKeyA, keyDown(0x1E));
    recorder.keyboardEvent(kHookAction, kVirtualKeyA, keyUp(0x1E));
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(steps.rows()[1].step.key, 0x1E);
    EXPECT_EQ(steps.rows()[2].step.direction, 1);
    EXPECT_EQ(steps.rows()[3].step.key, 0x11);
}

TEST(MacroStepListTest, WaitHandOverWhenInserting) {
    MacroStepList steps;
    steps.addStep({500, 0x1E, 0});
    EXPECT_EQ(steps.rows()[0].step.wait, 0u);  // a first row starts with 0
    steps.addStep({70, 0x1E, 1});
    steps.select(0);
    NewStep between{30, 0x30, 5};
    between.insertAfterSelection = true;
    steps.addStep(between);
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(steps.rows()[0].step.wait, 30u);
    EXPECT_EQ(steps.rows()[1].step, (MacroAction{70, 0x30, 0}));  // direction 5 becomes press
    EXPECT_EQ(steps.selected(), 0u);

    MacroRecord macro{};
    steps.saveInto(macro);
    MacroStepList loaded;
    loaded.load(macro);
    EXPECT_EQ(loaded.rows()[1].step.wait, 70u);  // own waits are kept
}

TEST(MacroStepListTest, StepLimitDropsFurtherSteps) {
    MacroStepList steps;
    for (std::size_t i = 0; i < kMaxMacroActions; ++i) ASSERT_TRUE(steps.addStep({10, 0x1E, 0}));
    EXPECT_FALSE(steps.addStep({10, 0x1E, 0}));
    EXPECT_EQ(steps.size(), kMaxMacroActions);
}

TEST(MacroStepListTest, HandEditedWaitsAreLimitedAndRounded) {
    int changes = 0;
    MacroStepList steps([&] { ++changes; });
    steps.addStep({0, 0x1E, 0});
    std::vector<int> numbers;
    const MessageSink sink = [&](const UserMessage &message) {
        EXPECT_EQ(message.textKey, u"MACRO_ACTION_ERR_DELAY_MAX");
        numbers.push_back(message.number.value_or(-1));
    };
    EXPECT_EQ(steps.setWaitText(0, u"12345", sink), 12340u);
    EXPECT_TRUE(numbers.empty());
    EXPECT_EQ(steps.setWaitText(0, u"50000", sink), 40000u);
    EXPECT_EQ(steps.setWaitText(0, u"-5", sink), 40000u);
    EXPECT_EQ(steps.setWaitText(0, u"99999999999999999999999", sink), 40000u);
    EXPECT_EQ(numbers, (std::vector<int>{40000, 40000, 40000}));
    EXPECT_EQ(steps.setWaitText(0, u" 40009x", sink), 40000u);
    EXPECT_EQ(steps.setWaitText(0, u"abc", sink), 0u);
    EXPECT_EQ(steps.rows()[0].step.wait, 0u);
    EXPECT_FALSE(steps.setWaitText(1, u"10", sink));

    EXPECT_TRUE(steps.setKeyChoice(0, 0));
    EXPECT_FALSE(steps.setKeyChoice(0, kMacroKeyChoices));
    EXPECT_TRUE(steps.setDirection(0, 1));
    EXPECT_FALSE(steps.setDirection(0, 2));
    EXPECT_EQ(directionText(1), u"  \u2191");
    EXPECT_EQ(changes, 8);
}

TEST(MacroStepListTest, MovingAndRemovingKeepTheRowSelected) {
    MacroStepList steps;
    for (KeyCode key : {0x10, 0x11, 0x12, 0x13}) steps.addStep({0, key, 0});
    steps.select(2);
    EXPECT_TRUE(steps.moveSelectedToTop());
    EXPECT_EQ(steps.rows()[0].step.key, 0x12);
    EXPECT_TRUE(steps.moveSelectedDown());
    EXPECT_EQ(steps.selected(), 1u);
    EXPECT_TRUE(steps.moveSelectedToBottom());
    EXPECT_EQ(steps.rows()[3].step.key, 0x12);
    EXPECT_TRUE(steps.moveSelectedUp());
    EXPECT_EQ(steps.selected(), 2u);
    EXPECT_TRUE(steps.removeSelected());
    EXPECT_EQ(steps.size(), 3u);
    EXPECT_EQ(steps.selected(), 2u);
    steps.select(std::nullopt);
    EXPECT_FALSE(steps.moveSelectedUp());
    EXPECT_FALSE(steps.removeSelected());
}

}  // namespace
