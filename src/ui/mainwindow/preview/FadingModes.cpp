// The preview modes that light keys and let them fade: sparkle (10), ripple
// (13), sequence (14), rain (15) and diagonal sweep (16).
#include "PreviewEngine.h"
#include "PreviewTables.h"

namespace preview {
namespace {

constexpr int kRippleColumn = 9;
constexpr int kDiagonalStartColumn = 1;
constexpr int kDiagonalEndColumn = 22;
constexpr std::uint8_t kTopRow = 1u << 0;
constexpr std::uint8_t kBelowRow = 1u << 6;
constexpr int kSequencePairSteps = 30;  // pairs lit while the counter is 0..30

// The grid cell of the P key, where the sequence's closing ripple starts.
constexpr int kSequenceRippleColumn = 11;
constexpr int kSequenceRippleRow = 2;

enum SequencePhase { Sweep, Pairs, StartRipple, Ripple, RippleFading };

}  // namespace

void PreviewEngine::lightPlanes(const FrontPlanes &planes, KeyFade &fade, bool multicolour) {
    random_.seedFromClock();
    planes.forEachLitKey([&](int slot) { fade.lightRandom(slot, multicolour, random_); });
}

void PreviewEngine::stepSparkle(const lighting::LightingState &state) {
    random_.seedFromClock();
    auto order = sparkleOrder();
    for (int n = 0; n < 3; ++n) {
        sparklePosition_ = sparklePosition_ >= kSnakeLength - 1 ? 0 : sparklePosition_ + 1;
        sparkleFade_.light(order[sparklePosition_], randomColourIndex(random_));
    }
    sparkleFade_.decayAndPaint(FadeSpeed::Normal, state.multicolour, state.colour, frame_);
}

void PreviewEngine::stepRipple(const lighting::LightingState &state) {
    if (!rippleStarted_) {
        ripplePlanes_.set(kRippleColumn, 6);
        rippleStarted_ = true;
    }
    // A ring whose apex reaches the top starts one downward, and one whose
    // apex passes the bottom starts one upward again.
    std::uint8_t apex = ripplePlanes_.columnBits(kRippleColumn);
    if (apex == kTopRow)
        ripplePlanes_.set(kRippleColumn, 0);
    else if (apex == kBelowRow)
        ripplePlanes_.set(kRippleColumn, 6);
    lightPlanes(ripplePlanes_, rippleFade_, state.multicolour);
    ripplePlanes_.spread();
    rippleFade_.decayAndPaint(FadeSpeed::Normal, state.multicolour, state.colour, frame_);
}

void PreviewEngine::stepDiagonal(const lighting::LightingState &state) {
    if (diagonalPlanes_.columnBits(kDiagonalStartColumn) == kTopRow)
        diagonalPlanes_.set(kDiagonalStartColumn, 0);
    if (diagonalPlanes_.columnBits(kDiagonalEndColumn) == kBelowRow)
        diagonalPlanes_.set(kDiagonalEndColumn, 6);
    lightPlanes(diagonalPlanes_, diagonalFade_, state.multicolour);
    diagonalPlanes_.spread();
    diagonalFade_.decayAndPaint(FadeSpeed::Normal, state.multicolour, state.colour, frame_);
}

void PreviewEngine::stepRain(const lighting::LightingState &state) {
    int column = sequence_;
    for (int offset : {10, 13, 16}) {
        int seeded = (sequence_ + offset) % kGridColumns;
        rainPlanes_.set(seeded, 0);
        column = seeded;
    }
    sequence_ = column;
    lightPlanes(rainPlanes_, sparkleFade_, state.multicolour);
    rainPlanes_.fall();
    sparkleFade_.decayAndPaint(FadeSpeed::Normal, state.multicolour, state.colour, frame_);
}

void PreviewEngine::sequenceSweep(bool multicolour) {
    if (sequence_ >= kSweepGroupCount) {
        // Entered mid-cycle by a mode change without a selection: skip to the pairs.
        sequence_ = 0;
        sequencePhase_ = Pairs;
        return;
    }
    for (std::uint8_t slot : sweepGroup(sequence_)) {
        if (!multicolour) {
            sequenceFade_.brighten(slot);
            continue;
        }
        sequenceColour_ = (sequenceColour_ + 11) & 0xFF;
        sequenceFade_.light(slot, std::uint8_t(sequenceColour_));
    }
    if (++sequence_ >= kSweepGroupCount) {
        sequence_ = 0;
        sequencePhase_ = Pairs;
    }
}

void PreviewEngine::sequencePairs(bool multicolour) {
    if (sequence_ <= kSequencePairSteps) {
        for (std::uint8_t slot : sweepPair(sequence_ % kSweepPairCount)) {
            if (!multicolour) {
                sequenceFade_.brighten(slot);
                continue;
            }
            sequenceColour_ = (sequenceColour_ + 1) & 0xFF;
            sequenceFade_.light(slot, std::uint8_t(sequenceColour_));
        }
        ++sequence_;
    } else if (sequenceFade_.intensity(lighting::slot::L) == 0) {
        sequence_ = 0;
        sequencePhase_ = StartRipple;
    }
}

void PreviewEngine::stepSequence(const lighting::LightingState &state) {
    sequenceColour_ = (sequenceColour_ + 1) & 0xFF;
    switch (sequencePhase_) {
        case Sweep:
            sequenceSweep(state.multicolour);
            break;
        case Pairs:
            sequencePairs(state.multicolour);
            break;
        case StartRipple:
            sequencePlanes_.set(kSequenceRippleColumn, kSequenceRippleRow);
            sequencePhase_ = Ripple;
            break;
        case Ripple:
            lightPlanes(sequencePlanes_, sequenceFade_, state.multicolour);
            sequencePlanes_.spread();
            if (sequenceFade_.intensity(lighting::slot::LCtrl) != 0) sequencePhase_ = RippleFading;
            break;
        default:
            if (sequenceFade_.intensity(lighting::slot::LCtrl) == 0) {
                sequence_ = 0;
                sequencePhase_ = Sweep;
            }
            break;
    }
    sequenceFade_.decayAndPaint(FadeSpeed::Fast, state.multicolour, state.colour, frame_);
}

}  // namespace preview
