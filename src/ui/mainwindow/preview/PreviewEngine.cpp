#include "PreviewEngine.h"

#include "PreviewTables.h"
#include "model/lighting/KeyColourTable.h"

namespace preview {
namespace {

using lighting::Colour;

// Moves a phase by `step` within 0..period-1; a phase that passes the period
// has the period subtracted (or added) once.
int advancePhase(int phase, int step, int period, bool forward) {
    if (forward) {
        phase += step;
        if (phase >= period) phase -= period;
    } else {
        phase -= step;
        if (phase < 0) phase += period;
    }
    return phase;
}

int wrap(int value, int period) {
    return ((value % period) + period) % period;
}

bool forward(const lighting::LightingState &state) {
    return state.direction != 0;
}

}  // namespace

PreviewEngine::PreviewEngine(RandomSource &random) : random_(random) {}

PreviewEngine::PreviewEngine() : random_(ownRandom_) {}

int PreviewEngine::phase(int mode) const {
    if (mode == 18) return sequence_;
    return mode >= 0 && mode < kPhasedModes ? phases_[mode] : 0;
}

const PreviewFrame &PreviewEngine::tick(const lighting::LightingState &state) {
    frame_.fill(KeyLook{});
    if (!state.viewOn) return frame_;
    if (!everReset_ || state.modeSelections != seenSelections_) {
        resetForNewMode();
        everReset_ = true;
        seenSelections_ = state.modeSelections;
    }
    runStep(state);
    return frame_;
}

void PreviewEngine::resetForNewMode() {
    sequence_ = 0;
    sequenceColour_ = 0;
    sequencePhase_ = 0;
    sparkleFade_.clear();
    diagonalFade_.clear();
    rainPlanes_.clear();
    rainPlanes_.set(9, 6);
    diagonalPlanes_.clear();
    diagonalPlanes_.set(1, 0);
}

void PreviewEngine::runStep(const lighting::LightingState &state) {
    switch (state.mode) {
        case 1:
            return stepWave(state);
        case 2:
            return stepScroll(state);
        case 3:
            return stepSnake(state);
        case 4:
            return stepCycle(state);
        case 5:
            return stepBreath(state);
        case 6:
            return stepSteady(state);
        case 10:
            return stepSparkle(state);
        case 11:
            return stepKeyCycle();
        case 12:
            return stepRowWave(state);
        case 13:
            return stepRipple(state);
        case 14:
            return stepSequence(state);
        case 15:
            return stepRain(state);
        case 16:
            return stepDiagonal(state);
        case 18:
            return stepRings(state);
        case 20:
            return;  // the keys keep the colours of the key colour table
        default:
            return showPlain();
    }
}

void PreviewEngine::paintAll(Colour colour) {
    for (std::uint8_t slot : snakeOrder()) frame_[slot] = {KeyLook::Kind::Painted, colour};
}

void PreviewEngine::paintColumn(int column, Colour colour) {
    for (int row = 0; row < kGridRows; ++row) {
        int slot = gridSlot(column, row);
        if (slot != kNoKey) frame_[slot] = {KeyLook::Kind::Painted, colour};
    }
}

void PreviewEngine::paintRow(int row, Colour colour) {
    for (int column = 0; column < kGridColumns; ++column) {
        int slot = gridSlot(column, row);
        if (slot != kNoKey) frame_[slot] = {KeyLook::Kind::Painted, colour};
    }
}

// The 104 key buttons, Fn and the G keys' shared slot: every key mode 20 colours.
void PreviewEngine::showPlain() {
    lighting::forEachColouredSlot([this](int slot) { frame_[slot] = {KeyLook::Kind::Plain, 0}; });
}

void PreviewEngine::stepWave(const lighting::LightingState &state) {
    int &phase = phases_[1];
    if (state.multicolour) {
        phase = advancePhase(phase, 9, 192, forward(state));
        for (int c = 0; c < kGridColumns; ++c) paintColumn(c, rainbow((phase + 9 * c) % 192));
    } else {
        phase = advancePhase(phase, 7, 96, forward(state));
        for (int c = 0; c < kGridColumns; ++c)
            paintColumn(c, lighting::scaleColour(state.colour, ramp96((phase + 7 * c) % 96)));
    }
}

void PreviewEngine::stepScroll(const lighting::LightingState &state) {
    int &phase = phases_[2];
    if (state.multicolour) {
        phase = advancePhase(phase, 4, 192, forward(state));
        for (int c = 0; c < kGridColumns; ++c) paintColumn(c, rainbow((phase + 5 * c) % 192));
    } else {
        phase = advancePhase(phase, 4, 128, true);
        int sign = state.direction == lighting::kDirectionForward ? 1 : -1;
        for (int c = 0; c < kGridColumns; ++c) {
            int index = wrap(phase + sign * 5 * (c + 1), 128);
            paintColumn(c, lighting::scaleColour(state.colour, ramp128(index)));
        }
    }
}

void PreviewEngine::stepSnake(const lighting::LightingState &state) {
    int &phase = phases_[3];
    auto snake = snakeOrder();
    if (state.multicolour) {
        phase = advancePhase(phase, 4, 192, forward(state));
        for (int j = 0; j < kSnakeLength; ++j)
            frame_[snake[j]] = {KeyLook::Kind::Painted, rainbow((phase + 5 * j) % 192)};
    } else {
        phase = advancePhase(phase, 4, 96, forward(state));
        for (int j = 0; j < kSnakeLength; ++j) {
            Colour colour = lighting::scaleColour(state.colour, ramp96((phase + 5 * j) % 96));
            frame_[snake[j]] = {KeyLook::Kind::Painted, colour};
        }
    }
}

void PreviewEngine::stepCycle(const lighting::LightingState &state) {
    int &phase = phases_[4];
    phase = advancePhase(phase, 2, 192, forward(state));
    paintAll(rainbow(phase));
}

void PreviewEngine::stepBreath(const lighting::LightingState &state) {
    int &phase = phases_[5];
    phase = advancePhase(phase, 2, 128, true);
    int intensity = breath128(phase);
    for (int c = 0; c < kGridColumns; ++c) {
        Colour base = state.multicolour ? rainbow(7 * c) : state.colour;
        paintColumn(c, lighting::scaleColour(base, intensity));
    }
}

void PreviewEngine::stepSteady(const lighting::LightingState &state) {
    if (!state.multicolour) return paintAll(state.colour);
    for (int c = 0; c < kGridColumns - 1; ++c) paintColumn(c, rainbow(9 * c));
    paintColumn(kGridColumns - 1, rainbow(0));
}

void PreviewEngine::stepKeyCycle() {
    if (!keyCycleStarted_) {
        int running = 0;
        for (int &phase : keyCyclePhases_) {
            running += 33;
            if (running > 192) running -= 192;
            phase = running;
        }
        keyCycleStarted_ = true;
    }
    auto snake = snakeOrder();
    for (int j = 0; j < kSnakeLength; ++j) {
        int &phase = keyCyclePhases_[j];
        phase += 3;
        if (phase >= 192) phase = 0;
        frame_[snake[j]] = {KeyLook::Kind::Painted, rainbow(phase)};
    }
}

void PreviewEngine::stepRowWave(const lighting::LightingState &state) {
    int &phase = phases_[12];
    phase = advancePhase(phase, 3, 192, forward(state));
    for (int r = 0; r < kGridRows; ++r) paintRow(r, rainbow((phase + 32 * r) % 192));
}

void PreviewEngine::stepRings(const lighting::LightingState &state) {
    sequence_ = advancePhase(wrap(sequence_, 192), 2, 192, forward(state));
    for (int k = 0; k < kRingCount; ++k) {
        Colour colour = rainbow((sequence_ + 21 * (k + 1)) % 192);
        for (std::uint8_t slot : ring(k)) frame_[slot] = {KeyLook::Kind::Painted, colour};
    }
}

}  // namespace preview
