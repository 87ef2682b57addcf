#include <gtest/gtest.h>

#include <array>
#include <set>

#include "model/KeyButtons.h"
#include "model/lighting/KeyColourTable.h"
#include "model/lighting/KeySlots.h"
#include "model/lighting/LightingState.h"
#include "model/lighting/ModeList.h"

using namespace lighting;

TEST(ModeList, SkipsEmptySlotsAndFindsFirstMatch) {
    std::array<std::uint8_t, kModeSlotCount> bytes{1, 2, 0, 20};
    ModeList modes;
    modes.build(bytes);
    EXPECT_EQ(modes.size(), 3);
    EXPECT_EQ(modes.codeOf(0), 1);
    EXPECT_EQ(modes.codeOf(1), 2);
    EXPECT_EQ(modes.codeOf(2), 20);
    EXPECT_EQ(modes.codeOf(3), -1);
    EXPECT_EQ(modes.codeOf(-1), -1);
    EXPECT_EQ(modes.indexOf(20), 2);
    EXPECT_EQ(modes.indexOf(5), -1);

    bytes.fill(0);
    bytes[31] = 7;
    bytes[5] = 7;
    modes.build(bytes);
    EXPECT_EQ(modes.size(), 2);
    EXPECT_EQ(modes.indexOf(7), 0);

    std::u16string seenKey;
    auto lookup = [&](std::u16string_view section, std::u16string_view key) {
        seenKey = std::u16string(section) + u"/" + std::u16string(key);
        return std::u16string(u"Wave");
    };
    EXPECT_EQ(modeDisplayName(lookup, 13), u"Wave");
    EXPECT_EQ(seenKey, u"MODE/13");
}

TEST(LightingState, UnpacksRecordsAndHoldsInvalidValuesSafely) {
    ParamRecord record{};
    record[field::Mode] = 5;
    record[field::Brightness] = 3;
    record[field::Speed] = 1;
    record[field::Direction] = 0xFF;
    record[field::ColourChoice] = 0xFF;
    record[5] = 0x10, record[6] = 0x20, record[7] = 0x30;
    record[field::ReportRate] = 9;
    record[field::PresetColour] = 7;
    record[field::Mode7Option] = 1;  // ignored: the mode is not 7
    record[field::ReactiveTrigger] = 1;
    record[field::SecondChoice] = 2;
    LightingState state;
    state.mode7Option = 0;
    unpackRecord(record, state);
    EXPECT_EQ(state.mode, 5);
    EXPECT_EQ(state.brightness, 3);
    EXPECT_EQ(state.speed, 1);
    EXPECT_EQ(state.direction, 0xFF);
    EXPECT_TRUE(state.multicolour);
    EXPECT_EQ(state.colour, makeColour(0x10, 0x20, 0x30));
    EXPECT_EQ(state.reportRate, 3);
    EXPECT_EQ(state.presetColour, 0);
    EXPECT_EQ(state.mode7Option, 0);
    EXPECT_EQ(state.reactiveTrigger, 1);
    EXPECT_TRUE(state.secondMulticolour);
    EXPECT_FALSE(state.thirdMulticolour);

    record[field::Mode] = 7;
    record[field::ReactiveTrigger] = 5;  // invalid: the previous value stays
    unpackRecord(record, state);
    EXPECT_EQ(state.mode7Option, 1);
    EXPECT_EQ(state.reactiveTrigger, 1);
    record[field::Mode7Option] = 2;
    record[field::ReportRate] = 2;
    unpackRecord(record, state);
    EXPECT_EQ(state.mode7Option, 1);
    EXPECT_EQ(state.reportRate, 2);
}

TEST(KeySlots, MapKeyCodesOntoTheColourGrid) {
    EXPECT_EQ(viewKeys().size(), 104u);
    EXPECT_EQ(paintableSlots().size(), 105u);
    EXPECT_EQ(slotOfKeyCode(0x001), slot::Esc);
    EXPECT_EQ(slotOfKeyCode(0x11D), slot::RCtrl);
    EXPECT_EQ(slotOfKeyCode(0x11C), slot::KpEnter);
    EXPECT_EQ(slotOfKeyCode(0x036), slot::RShift);
    EXPECT_EQ(slotOfKeyCode(0x136), slot::RShift);
    EXPECT_EQ(slotOfKeyCode(0x056), -1);  // the non-US backslash is not on this keyboard
    EXPECT_EQ(slotOfKeyCode(0x200), -1);  // an extra key has no slot of its own
    EXPECT_EQ(keyCodeOfSlot(slot::Fn), 0);
    EXPECT_EQ(keyCodeOfSlot(slot::GKeys), 0);
    EXPECT_EQ(keyCodeOfSlot(13), 0);
    EXPECT_EQ(keyCodeOfSlot(slot::PrintScreen), 0x137);
    for (const ViewKey &key : viewKeys()) EXPECT_EQ(slotOfKeyCode(key.code), key.slot);

    // Every key button of the keyboard view has exactly one slot.
    std::set<KeyCode> buttons, slotted;
    for (const model::KeyButton &button : model::kKeyButtons) buttons.insert(button.keyCode);
    std::set<int> slots;
    for (const ViewKey &key : viewKeys()) {
        slotted.insert(key.code);
        slots.insert(key.slot);
    }
    EXPECT_EQ(slotted, buttons);
    EXPECT_EQ(slots.size(), 104u);
}

TEST(KeyColourTable, BlocksFlagsAndBounds) {
    KeyColourTable table;
    Colour base = makeColour(1, 2, 3);
    table.set(1, slot::A, base, false);
    table.set(1, slot::B, makeColour(9, 9, 9), true);
    table.set(1, slot::GKeys, base, false);
    table.set(3, slot::A, base, true);  // no such profile: ignored
    table.set(0, kSlotCount, base, true);

    ColourBlock block = table.block(1);
    EXPECT_EQ(block[slot::A * 3], 1);
    EXPECT_EQ(block[slot::A * 3 + 1], 2);
    EXPECT_EQ(block[slot::A * 3 + 2], 3);
    EXPECT_EQ(table.colour(3, slot::A), kBlack);
    EXPECT_FALSE(table.baseFlag(0, kSlotCount));

    table.recomputeBaseFlags(base);
    EXPECT_TRUE(table.baseFlag(1, slot::A));
    EXPECT_FALSE(table.baseFlag(1, slot::B));
    EXPECT_TRUE(table.baseFlag(1, slot::GKeys));
    // Slots of no key keep no flag; every unset key of the other profiles is black.
    EXPECT_FALSE(table.baseFlag(1, 13));
    EXPECT_FALSE(table.baseFlag(0, slot::A));
    table.recomputeBaseFlags(kBlack);
    EXPECT_TRUE(table.baseFlag(0, slot::A));
    EXPECT_TRUE(table.baseFlag(2, slot::Fn));
}
