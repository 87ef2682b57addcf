#include <gtest/gtest.h>

#include "PreviewTestSupport.h"
#include "ui/mainwindow/preview/PreviewTables.h"

using namespace preview;
using namespace preview::test;
namespace slot = lighting::slot;

namespace {

std::vector<std::set<int>> litPerTick(PreviewEngine &engine, const lighting::LightingState &state,
                                      int ticks, int litIntensity = 235) {
    std::vector<std::set<int>> lit;
    for (int i = 0; i < ticks; ++i)
        lit.push_back(keysAtIntensity(engine.tick(state), litIntensity));
    return lit;
}

}  // namespace

TEST(FadingModes, RainDropsFallFromTheTopAndOneRisesFromBelow) {
    CountingRandom random;
    PreviewEngine engine(random);
    auto lit = litPerTick(engine, whiteState(15), 2);
    EXPECT_EQ(lit[0], (std::set<int>{slot::F7, slot::F10, slot::PrintScreen}));
    EXPECT_EQ(lit[1], (std::set<int>{slot::F1, slot::F4, slot::F6, slot::RAlt, slot::D9,
                                     slot::Equal, slot::Insert}));
}

TEST(FadingModes, DiagonalSweepReturnsToItsStartAfter54Steps) {
    CountingRandom random;
    PreviewEngine engine(random);
    auto lit = litPerTick(engine, whiteState(16), 110);
    EXPECT_TRUE(lit[0].empty());
    EXPECT_EQ(lit[1], (std::set<int>{slot::Esc, slot::Grave}));
    EXPECT_EQ(lit[2], (std::set<int>{slot::F1, slot::D1, slot::Tab}));
    for (int step = 0; step < 54; ++step) EXPECT_EQ(lit[step + 54], lit[step]) << step;
    // The band reaches the far corner halfway.
    EXPECT_TRUE(lit[25].count(slot::KpEnter));
}

TEST(FadingModes, RippleRisesFromBelowRightAlt) {
    CountingRandom random;
    PreviewEngine engine(random);
    auto lit = litPerTick(engine, whiteState(13), 7);
    EXPECT_TRUE(lit[0].empty());
    EXPECT_EQ(lit[1], (std::set<int>{slot::RAlt}));
    EXPECT_FALSE(lit[5].count(slot::F6));
    EXPECT_TRUE(lit[6].count(slot::F6));
}

TEST(FadingModes, SequenceSweepsGroupsThenPairs) {
    CountingRandom random;
    PreviewEngine engine(random);
    auto state = whiteState(14);
    auto lit = litPerTick(engine, state, 22, 225);
    EXPECT_EQ(lit[0], (std::set<int>{slot::Esc, slot::KpEnter}));
    EXPECT_EQ(lit[19], (std::set<int>{slot::D0, slot::Slash}));
    EXPECT_EQ(lit[20], (std::set<int>{slot::D9, slot::Slash}));  // pair 0
    EXPECT_EQ(lit[21], (std::set<int>{slot::D0, slot::Period}));

    // Multicolour: each lit key of a group takes the counter plus 11.
    PreviewEngine coloured(random);
    state.multicolour = true;
    const PreviewFrame &frame = coloured.tick(state);
    EXPECT_EQ(frame[slot::Esc].colour, lighting::scaleColour(colourTable(12), 225));
    EXPECT_EQ(frame[slot::KpEnter].colour, lighting::scaleColour(colourTable(23), 225));
}

TEST(FadingModes, SequenceClosesWithARippleFromP) {
    CountingRandom random;
    PreviewEngine engine(random);
    auto lit = litPerTick(engine, whiteState(14), 140, 225);
    // 20 groups, 31 pair steps, then L fades out before the ripple starts at P.
    auto firstP = std::find_if(lit.begin() + 51, lit.end(), [](const std::set<int> &keys) {
        return keys == std::set<int>{slot::P};
    });
    ASSERT_NE(firstP, lit.end());
    auto lCtrl = std::find_if(
        firstP, lit.end(), [](const std::set<int> &keys) { return keys.count(slot::LCtrl) > 0; });
    ASSERT_NE(lCtrl, lit.end());
    // Once left Ctrl has faded the sweep starts again with group 0.
    auto restart = std::find_if(lCtrl, lit.end(), [](const std::set<int> &keys) {
        return keys == std::set<int>{slot::Esc, slot::KpEnter};
    });
    EXPECT_NE(restart, lit.end());
}

TEST(FadingModes, LitKeysFadeByTheirCurve) {
    KeyFade fade;
    PreviewFrame frame{};
    fade.light(slot::A, 0);
    fade.light(slot::B, 0);
    std::vector<int> normal;
    for (int tick = 0; tick < 3; ++tick) {
        fade.decayAndPaint(FadeSpeed::Normal, false, lighting::kWhite, frame);
        normal.push_back(lighting::redOf(frame[slot::A].colour));
    }
    EXPECT_EQ(normal, (std::vector<int>{235, 215, 195}));
    // The whole way down: 128+ loses 20, 64..127 16, 32..63 10, 17..31 5, below 1.
    int ticks = 3;
    while (fade.intensity(slot::A) > 0 && ticks < 100) {
        fade.decayAndPaint(FadeSpeed::Normal, false, lighting::kWhite, frame);
        ++ticks;
    }
    EXPECT_EQ(ticks, 7 + 4 + 2 + 3 + 16);
    EXPECT_EQ(frame[slot::A], (KeyLook{KeyLook::Kind::Painted, lighting::kBlack}));

    KeyFade fast;
    fast.light(slot::A, 0);
    std::vector<int> quick;
    for (int tick = 0; tick < 3; ++tick) {
        fast.decayAndPaint(FadeSpeed::Fast, false, lighting::kWhite, frame);
        quick.push_back(lighting::redOf(frame[slot::A].colour));
    }
    EXPECT_EQ(quick, (std::vector<int>{225, 195, 165}));
}

TEST(FadingModes, SparkleLightsThreeKeysPerTickInItsOrder) {
    CountingRandom random;
    PreviewEngine engine(random);
    auto state = whiteState(10);
    auto lit = litPerTick(engine, state, 2);
    EXPECT_EQ(lit[0], (std::set<int>{slot::RAlt, slot::Enter, slot::Z}));
    EXPECT_EQ(keysAtIntensity(engine.frame(), 215), lit[0]);
    EXPECT_EQ(random.seeds, 2);  // reseeded on every tick

    // Multicolour keys take random colour indices modulo 255.
    random.value = 254;
    state.multicolour = true;
    const PreviewFrame &frame = engine.tick(state);
    EXPECT_EQ(frame[slot::KpPlus].colour, lighting::scaleColour(colourTable(254), 235));
    EXPECT_EQ(frame[slot::KpStar].colour, lighting::scaleColour(colourTable(0), 235));
}
