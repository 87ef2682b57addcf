// The animated impression of the keyboard's lighting effect on the keyboard
// view. Every 50 ms the main window calls tick() with the lighting state; the
// engine runs the step of the current mode and says, per key, whether it
// keeps its look, shows plain or is framed in a colour. It never writes the
// lighting state and never talks to the keyboard.
#pragma once

#include <array>
#include <cstdint>

#include "FrontPlanes.h"
#include "KeyFade.h"
#include "PreviewFrame.h"
#include "RandomSource.h"
#include "model/lighting/LightingState.h"

namespace preview {

class PreviewEngine {
public:
    // The engine draws its random numbers from `random`, which must outlive it.
    explicit PreviewEngine(RandomSource &random);
    PreviewEngine();

    // Runs one tick while the lighting view switch is on; otherwise changes
    // nothing and returns a frame that keeps every key.
    const PreviewFrame &tick(const lighting::LightingState &state);

    const PreviewFrame &frame() const { return frame_; }
    int phase(int mode) const;
    int sequenceCounter() const { return sequence_; }

private:
    void resetForNewMode();
    void runStep(const lighting::LightingState &state);

    void paintAll(lighting::Colour colour);
    void paintColumn(int column, lighting::Colour colour);
    void paintRow(int row, lighting::Colour colour);
    void showPlain();

    void stepWave(const lighting::LightingState &state);      // mode 1
    void stepScroll(const lighting::LightingState &state);    // mode 2
    void stepSnake(const lighting::LightingState &state);     // mode 3
    void stepCycle(const lighting::LightingState &state);     // mode 4
    void stepBreath(const lighting::LightingState &state);    // mode 5
    void stepSteady(const lighting::LightingState &state);    // mode 6
    void stepSparkle(const lighting::LightingState &state);   // mode 10
    void stepKeyCycle();                                      // mode 11
    void stepRowWave(const lighting::LightingState &state);   // mode 12
    void stepRipple(const lighting::LightingState &state);    // mode 13
    void stepSequence(const lighting::LightingState &state);  // mode 14
    void stepRain(const lighting::LightingState &state);      // mode 15
    void stepDiagonal(const lighting::LightingState &state);  // mode 16
    void stepRings(const lighting::LightingState &state);     // mode 18

    void lightPlanes(const FrontPlanes &planes, KeyFade &fade, bool multicolour);
    void sequenceSweep(bool multicolour);
    void sequencePairs(bool multicolour);

    RandomSource &random_;
    ClockSeededRandom ownRandom_;
    PreviewFrame frame_{};

    bool everReset_ = false;
    std::uint32_t seenSelections_ = 0;

    static constexpr int kPhasedModes = 13;  // phases of modes 1..5 and 12
    std::array<int, kPhasedModes> phases_{};
    std::array<int, kSnakeLength> keyCyclePhases_{};
    bool keyCycleStarted_ = false;
    int sparklePosition_ = 0;

    // Shared by modes 14, 15 and 18: group counter, last rain column, ring phase.
    int sequence_ = 0;
    int sequenceColour_ = 0;
    int sequencePhase_ = 0;

    KeyFade sparkleFade_;  // modes 10 and 15
    KeyFade rippleFade_;
    KeyFade sequenceFade_;
    KeyFade diagonalFade_;
    FrontPlanes ripplePlanes_;
    FrontPlanes sequencePlanes_;
    FrontPlanes rainPlanes_;
    FrontPlanes diagonalPlanes_;
    bool rippleStarted_ = false;
};

}  // namespace preview
