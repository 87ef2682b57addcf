#include <gtest/gtest.h>

#include <vector>

#include "TestTexts.h"
#include "model/ByteOrder.h"
#include "model/KeyCode.h"
#include "model/MacroArea.h"

using namespace model;
using Bytes = std::vector<std::uint8_t>;

namespace {

MacroRecord namedMacro(std::u16string_view name, std::vector<MacroAction> actions) {
    MacroRecord macro{};
    std::copy(name.begin(), name.end(), macro.name);
    macro.cycles = 3;
    macro.id = 9;
    macro.actionCount = static_cast<std::uint16_t>(actions.size());
    std::copy(actions.begin(), actions.end(), macro.actions);
    return macro;
}

Bytes areaOf(const std::vector<MacroRecord> &macros, bool withNames = true) {
    auto area = buildMacroArea(macros, withNames);
    EXPECT_TRUE(area.has_value());
    return area.value_or(Bytes{});
}

std::optional<std::vector<MacroRecord>> decode(const Bytes &area, std::size_t limit = 0xFFFF) {
    return decodeMacroArea(area, limit, test::testTexts());
}

TEST(MacroAreaTest, EmptyListIsTheSixteenByteHeader) {
    EXPECT_EQ(areaOf({}), (Bytes{0xAA, 0x55, 16, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    const auto macros = decode(areaOf({}));
    ASSERT_TRUE(macros);
    EXPECT_TRUE(macros->empty());
}

TEST(MacroAreaTest, LayoutOfBlocksWithAndWithoutNames) {
    const std::vector<MacroRecord> macros{namedMacro(u"Ab", {{120, 0x1E, 0}, {0, 0x1E, 1}}),
                                          namedMacro(u"", {{40960, 0x1D, 0}})};
    const MacroAreaSizes sizes = macroAreaSizes(macros);
    EXPECT_EQ(sizes.full, 16u + 4 + (4 + 8 + 4) + (4 + 4));
    EXPECT_EQ(sizes.reduced, 16u + 4 + (4 + 8) + (4 + 4));

    const Bytes full = areaOf(macros);
    ASSERT_EQ(full.size(), sizes.full);
    EXPECT_EQ(loadU16(&full[2]), sizes.full);
    EXPECT_EQ(loadU16(&full[4]), 2);
    EXPECT_EQ(loadU16(&full[16]), 20);
    EXPECT_EQ(loadU16(&full[18]), 36);
    // Block 0: two actions, cycles 3, name of 2 units.
    EXPECT_EQ(Bytes(full.begin() + 20, full.begin() + 36),
              (Bytes{2, 0, 3, 2, 12, 0xA0, 2, 0x04, 0, 0x20, 2, 0x04, 'A', 0, 'b', 0}));
    // Left Ctrl is a modifier step; 40960 ms wraps to 0 in the 12-bit field.
    EXPECT_EQ(Bytes(full.begin() + 36, full.end()), (Bytes{1, 0, 3, 0, 0, 0xA0, 1, 0x01}));

    const Bytes reduced = areaOf(macros, false);
    EXPECT_EQ(reduced.size(), sizes.reduced);
    EXPECT_EQ(loadU16(&reduced[6]), 0);
    EXPECT_EQ(reduced[23], 0);  // no name length
}

TEST(MacroAreaTest, StepTypesFollowTheKeysUsagePage) {
    auto bytesOf = [](KeyCode key, std::uint16_t direction = 0) {
        const auto bytes = encodeMacroAction({25, key, direction});
        return Bytes(bytes.begin(), bytes.end());
    };
    EXPECT_EQ(bytesOf(0x171), (Bytes{2, 0x90, 1, 0x01}));     // left button
    EXPECT_EQ(bytesOf(0x162, 1), (Bytes{2, 0x10, 5, 0xFF}));  // wheel down, release
    EXPECT_EQ(bytesOf(0x136), (Bytes{2, 0xA0, 1, 0x20}));     // second Right Shift row
    EXPECT_EQ(bytesOf(0x15E), (Bytes{2, 0xC0, 0x81, 0}));     // power: system step
    EXPECT_EQ(bytesOf(0x122), (Bytes{2, 0xA0, 2, 0xCE}));     // media key as a key
    EXPECT_EQ(bytesOf(0x0), (Bytes{2, 0x80, 0, 0}));          // no device code
    EXPECT_EQ(decodeMacroAction(std::array<std::uint8_t, 4>{0xFF, 0x4F, 0x81, 0}),
              (MacroAction{40950, 0x15E, 1}));
}

TEST(MacroAreaTest, DecodingRestoresStepsNamesAndNumbersTheMacros) {
    const std::vector<MacroRecord> macros{namedMacro(u"Ab", {{120, 0x1E, 0}, {0, 0x1E, 1}}),
                                          namedMacro(u"Wheel", {{30, 0x161, 0}})};
    auto decoded = decode(areaOf(macros, false));
    ASSERT_TRUE(decoded);
    ASSERT_EQ(decoded->size(), 2u);
    EXPECT_EQ(test::narrow(std::u16string((*decoded)[1].nameView())), "<MACRO_NEW_PREFIX>2");
    decoded = decode(areaOf(macros));
    ASSERT_TRUE(decoded);
    const MacroRecord &first = (*decoded)[0];
    EXPECT_EQ(first.nameView(), u"Ab");
    EXPECT_EQ(first.id, 1);
    EXPECT_EQ(first.cycles, 3);
    EXPECT_EQ(first.isNew, 0);
    EXPECT_EQ(first.actionCount, 2);
    EXPECT_EQ(first.actions[0], (MacroAction{120, 0x1E, 0}));
    EXPECT_EQ(first.actions[1], (MacroAction{0, 0x1E, 1}));
    EXPECT_EQ((*decoded)[1].id, 2);
    EXPECT_EQ((*decoded)[1].actions[0], (MacroAction{30, 0x161, 0}));

    // Without the mark there are no macros.
    Bytes unmarked(16, 0);
    EXPECT_TRUE(decode(unmarked).value().empty());
}

// An area with one block: `actions` actions declared, `present` written.
Bytes craftedArea(std::uint16_t declaredActions, std::size_t presentActions, std::uint8_t nameUnits,
                  std::size_t presentUnits) {
    Bytes area(16 + 2 + 4 + 4 * presentActions + 2 * presentUnits, 0);
    storeU16(&area[0], kMacroAreaMagic);
    storeU16(&area[2], static_cast<std::uint16_t>(area.size()));
    storeU16(&area[4], 1);
    storeU16(&area[16], 18);
    storeU16(&area[18], declaredActions);
    area[21] = nameUnits;
    for (std::size_t i = 0; i < presentActions; ++i) {
        const auto bytes = encodeMacroAction({10, 0x1E, 0});
        std::copy(bytes.begin(), bytes.end(), area.begin() + 22 + 4 * std::ptrdiff_t(i));
    }
    for (std::size_t i = 0; i < presentUnits; ++i) area[22 + 4 * presentActions + 2 * i] = 'n';
    return area;
}

TEST(MacroAreaTest, HostileAreasAreRefusedOrCutNeverReadPast) {
    Bytes area = areaOf({namedMacro(u"x", {{10, 0x1E, 0}})});
    const auto withHeader = [&](std::size_t offset, std::uint16_t value) {
        Bytes changed = area;
        storeU16(&changed[offset], value);
        return changed;
    };
    EXPECT_FALSE(decode(withHeader(4, 101)));           // more than 100 macros
    EXPECT_FALSE(decode(withHeader(2, 17)));            // total below header and offsets
    EXPECT_FALSE(decode(withHeader(2, 400)));           // total beyond the bytes read
    EXPECT_FALSE(decode(area, area.size() - 1));        // total beyond the capacity
    EXPECT_FALSE(decode(withHeader(16, 4)));            // block inside the header
    EXPECT_FALSE(decode(withHeader(16, area.size())));  // block at the very end
    EXPECT_FALSE(decode(Bytes(area.begin(), area.begin() + 10)));

    // Actions running past the area: refused.
    EXPECT_FALSE(decode(craftedArea(5, 4, 0, 0)));
    // More than 2000 actions: cut to 2000 (when the bytes are there).
    const auto cut = decode(craftedArea(2500, 2000, 0, 0));
    ASSERT_TRUE(cut);
    EXPECT_EQ((*cut)[0].actionCount, 2000);
    // A name running past the area keeps what is inside it.
    const auto shortName = decode(craftedArea(1, 1, 200, 3));
    ASSERT_TRUE(shortName);
    EXPECT_EQ((*shortName)[0].nameView(), u"nnn");
    // Names above 249 units are cut.
    const auto longName = decode(craftedArea(0, 0, 255, 255));
    ASSERT_TRUE(longName);
    EXPECT_EQ((*longName)[0].nameView().size(), 249u);
}

TEST(MacroAreaTest, AreasBeyondSixteenBitSizesAreNotBuilt) {
    std::vector<MacroRecord> macros(9, namedMacro(u"big", {}));
    for (auto &macro : macros) macro.actionCount = 2000;
    EXPECT_GT(macroAreaSizes(macros).reduced, kMacroAreaMaxSize);
    EXPECT_FALSE(buildMacroArea(macros, false));
}

}  // namespace
