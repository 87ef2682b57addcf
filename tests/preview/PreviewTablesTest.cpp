#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "model/lighting/KeySlots.h"
#include "ui/mainwindow/preview/PreviewTables.h"

using namespace preview;
namespace slot = lighting::slot;

namespace {

std::set<int> paintableWithoutRightWin() {
    std::set<int> keys(lighting::paintableSlots().begin(), lighting::paintableSlots().end());
    keys.erase(slot::RWin);
    return keys;
}

}  // namespace

TEST(PreviewTables, RainbowRunsThroughTheSixSegments) {
    EXPECT_EQ(rainbow(0), lighting::makeColour(255, 1, 0));
    EXPECT_EQ(rainbow(31), lighting::makeColour(255, 255, 0));
    EXPECT_EQ(rainbow(32), lighting::makeColour(248, 255, 0));
    EXPECT_EQ(rainbow(63), lighting::makeColour(0, 255, 0));
    EXPECT_EQ(rainbow(95), lighting::makeColour(0, 255, 255));
    EXPECT_EQ(rainbow(127), lighting::makeColour(0, 0, 255));
    EXPECT_EQ(rainbow(159), lighting::makeColour(255, 0, 255));
    EXPECT_EQ(rainbow(191), lighting::makeColour(255, 0, 0));
    // The colour table repeats the first 64 rainbow entries after the rainbow.
    EXPECT_EQ(colourTable(191), rainbow(191));
    EXPECT_EQ(colourTable(192), rainbow(0));
    EXPECT_EQ(colourTable(255), rainbow(63));
}

TEST(PreviewTables, CurvesRiseAndFallSymmetrically) {
    EXPECT_EQ(ramp96(0), 22);
    EXPECT_EQ(ramp96(47), 255);
    EXPECT_EQ(ramp96(48), 255);
    EXPECT_EQ(ramp96(95), 22);
    EXPECT_EQ(breath128(0), 3);
    EXPECT_EQ(breath128(63), 255);
    EXPECT_EQ(breath128(127), 3);
    EXPECT_EQ(ramp128(16), 255);
    EXPECT_EQ(ramp128(17), 248);
    EXPECT_EQ(ramp128(78), 2);
    EXPECT_EQ(ramp128(79), 1);
    EXPECT_EQ(ramp128(80), 0);
    EXPECT_EQ(ramp128(127), 0);
}

TEST(PreviewTables, KeyOrdersCoverEveryPaintedKeyOnce) {
    std::set<int> expected = paintableWithoutRightWin();
    ASSERT_EQ(expected.size(), 104u);
    for (auto order : {snakeOrder(), sparkleOrder()}) {
        std::set<int> seen(order.begin(), order.end());
        EXPECT_EQ(order.size(), 104u);
        EXPECT_EQ(seen, expected);
    }
    std::set<int> ringKeys;
    std::size_t ringEntries = 0;
    for (int k = 0; k < kRingCount; ++k) {
        ringKeys.insert(ring(k).begin(), ring(k).end());
        ringEntries += ring(k).size();
    }
    // The rings leave out only the keys far from O that no ring reaches.
    EXPECT_EQ(ringEntries, ringKeys.size());
    EXPECT_EQ(ring(0).front(), slot::O);
}

TEST(PreviewTables, GridPlacesKeysWhereTheKeyboardHasThem) {
    EXPECT_EQ(gridSlot(2, 0), slot::Esc);
    EXPECT_EQ(gridSlot(9, 0), slot::F6);
    EXPECT_EQ(gridSlot(9, 5), slot::RAlt);
    EXPECT_EQ(gridSlot(10, 5), slot::RAlt);
    EXPECT_EQ(gridSlot(11, 2), slot::P);
    EXPECT_EQ(gridSlot(22, 4), slot::KpEnter);
    EXPECT_EQ(gridSlot(1, 0), kNoKey);
    EXPECT_EQ(gridSlot(22, 5), kNoKey);
    // Outside the grid there is no key, never an out-of-range read.
    EXPECT_EQ(gridSlot(-1, 0), kNoKey);
    EXPECT_EQ(gridSlot(23, 0), kNoKey);
    EXPECT_EQ(gridSlot(0, 6), kNoKey);
    std::set<int> inGrid;
    for (int c = 0; c < kGridColumns; ++c)
        for (int r = 0; r < kGridRows; ++r)
            if (gridSlot(c, r) != kNoKey) inGrid.insert(gridSlot(c, r));
    EXPECT_EQ(inGrid, paintableWithoutRightWin());
}

TEST(PreviewTables, SweepGroupsAndPairsMatchTheirSizes) {
    EXPECT_EQ(sweepGroup(0).size(), 2u);
    EXPECT_EQ(sweepGroup(6).size(), 6u);
    EXPECT_EQ(sweepGroup(10).size(), 5u);
    EXPECT_EQ(sweepGroup(19).back(), slot::Slash);
    EXPECT_EQ(sweepPair(15)[0], slot::L);
    EXPECT_EQ(sweepPair(15)[1], slot::LBracket);
}
