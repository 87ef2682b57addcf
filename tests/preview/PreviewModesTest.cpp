#include <gtest/gtest.h>

#include "PreviewTestSupport.h"
#include "ui/mainwindow/preview/PreviewTables.h"

using namespace preview;
using namespace preview::test;
namespace slot = lighting::slot;
using Kind = KeyLook::Kind;

namespace {

PreviewFrame runTicks(PreviewEngine &engine, const lighting::LightingState &state, int ticks) {
    PreviewFrame frame{};
    for (int i = 0; i < ticks; ++i) frame = engine.tick(state);
    return frame;
}

}  // namespace

TEST(PreviewModes, WavePhaseWrapsOnceAroundItsPeriod) {
    CountingRandom random;
    PreviewEngine engine(random);
    auto state = whiteState(1);
    state.multicolour = true;
    PreviewFrame frame = runTicks(engine, state, 22);
    EXPECT_EQ(engine.phase(1), 6);  // 22 * 9 = 198, less 192
    EXPECT_EQ(frame[slot::Esc].colour, rainbow(6 + 9 * 2));
    EXPECT_EQ(frame[slot::KpEnter].colour, rainbow((6 + 9 * 22) % 192));

    // Backwards from 6 by 9 wraps below zero once.
    state.direction = lighting::kDirectionBackward;
    engine.tick(state);
    EXPECT_EQ(engine.phase(1), 189);

    // Without multicolour the same phase runs on the 96-entry ramp of the colour.
    state.multicolour = false;
    state.colour = lighting::makeColour(255, 0, 0);
    frame = engine.tick(state);
    EXPECT_EQ(engine.phase(1), 182);
    EXPECT_EQ(frame[slot::Esc].colour, lighting::makeColour(ramp96((182 + 14) % 96), 0, 0));
}

TEST(PreviewModes, KeysSpanningTwoCellsShowTheirLaterCell) {
    CountingRandom random;
    PreviewEngine engine(random);
    auto state = whiteState(1);
    state.multicolour = true;
    PreviewFrame frame = engine.tick(state);
    // Backspace spans columns 14 and 15; Space sits in column 6 only.
    EXPECT_EQ(frame[slot::Backspace].colour, rainbow((9 + 9 * 15) % 192));
    EXPECT_EQ(frame[slot::Space].colour, rainbow((9 + 9 * 6) % 192));
    // Right Win is in no preview table and keeps its look.
    EXPECT_EQ(frame[slot::RWin].kind, Kind::Keep);
}

TEST(PreviewModes, ColourAndPlainModes) {
    CountingRandom random;
    PreviewEngine engine(random);
    auto state = whiteState(6);
    state.colour = lighting::makeColour(10, 20, 30);
    PreviewFrame frame = engine.tick(state);
    EXPECT_EQ(frame[slot::A], (KeyLook{Kind::Painted, state.colour}));
    EXPECT_EQ(frame[slot::Fn], (KeyLook{Kind::Painted, state.colour}));

    state.multicolour = true;
    frame = engine.tick(state);
    EXPECT_EQ(frame[slot::Esc].colour, rainbow(18));
    EXPECT_EQ(frame[slot::KpEnter].colour, rainbow(0));  // column 22

    for (int mode : {7, 8, 9, 17, 19, 0, 255}) {
        state.mode = mode;
        frame = engine.tick(state);
        EXPECT_EQ(frame[slot::A].kind, Kind::Plain) << mode;
        EXPECT_EQ(frame[slot::Fn].kind, Kind::Plain) << mode;
        // The G keys, coloured by mode 20 from the key colour table, go plain too.
        EXPECT_EQ(frame[slot::GKeys].kind, Kind::Plain) << mode;
    }
    state.mode = 20;  // user mode: the panel shows the key colour table
    frame = engine.tick(state);
    EXPECT_EQ(frame[slot::A].kind, Kind::Keep);
}

TEST(PreviewModes, RowsRingsAndKeyCycle) {
    CountingRandom random;
    PreviewEngine engine(random);
    auto state = whiteState(12);
    PreviewFrame frame = engine.tick(state);
    EXPECT_EQ(frame[slot::Esc].colour, rainbow(3));
    EXPECT_EQ(frame[slot::LCtrl].colour, rainbow(3 + 32 * 5));

    state.mode = 18;
    state.direction = lighting::kDirectionBackward;
    frame = engine.tick(state);  // counter 0 after the mode change, back by 2
    EXPECT_EQ(engine.phase(18), 190);
    EXPECT_EQ(frame[slot::O].colour, rainbow((190 + 21) % 192));
    EXPECT_EQ(frame[slot::KpMinus].colour, rainbow((190 + 21 * 12) % 192));

    // Key j of the snake order starts at 33 (j + 1) folded into 1..192; M
    // (j = 63) starts at 192 and so shows 0 after its first 3-step.
    state.mode = 11;
    frame = engine.tick(state);
    EXPECT_EQ(frame[slot::Pause].colour, rainbow(36));
    EXPECT_EQ(frame[slot::M].colour, rainbow(0));
    frame = engine.tick(state);
    EXPECT_EQ(frame[slot::M].colour, rainbow(3));
}

TEST(PreviewModes, PhasesSurviveModeChangesButSequencesRestart) {
    CountingRandom random;
    PreviewEngine engine(random);
    auto state = whiteState(4);
    runTicks(engine, state, 5);
    EXPECT_EQ(engine.phase(4), 10);

    state.mode = 18;
    ++state.modeSelections;
    runTicks(engine, state, 3);
    EXPECT_EQ(engine.phase(18), 6);

    state.mode = 4;
    ++state.modeSelections;
    engine.tick(state);
    EXPECT_EQ(engine.phase(4), 12);          // kept across the selection
    EXPECT_EQ(engine.sequenceCounter(), 0);  // reset by it
}

TEST(PreviewModes, SwitchedOffViewComputesAndChangesNothing) {
    CountingRandom random;
    PreviewEngine engine(random);
    auto state = whiteState(1);
    runTicks(engine, state, 3);
    int phaseBefore = engine.phase(1);

    state.viewOn = false;
    ++state.modeSelections;
    for (int mode : {1, 10, 13, 14, 15, 16}) {
        state.mode = mode;
        const PreviewFrame &frame = engine.tick(state);
        for (const KeyLook &look : frame) EXPECT_EQ(look.kind, Kind::Keep);
    }
    EXPECT_EQ(engine.phase(1), phaseBefore);
    EXPECT_EQ(random.seeds, 0);

    // The selection made while off still resets on the first tick back on.
    state.viewOn = true;
    state.mode = 16;
    EXPECT_TRUE(keysAtIntensity(engine.tick(state), 235).empty());
}
