// The pseudo-random numbers of the sparkle and front animations. The
// animations reseed from the clock (seconds) before each use, so keys lit in
// the same second draw the same numbers; tests substitute a fixed sequence.
#pragma once

#include <random>

namespace preview {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seedFromClock() = 0;
    virtual unsigned next() = 0;
};

class ClockSeededRandom final : public RandomSource {
public:
    void seedFromClock() override;
    unsigned next() override { return unsigned(engine_()); }

private:
    std::minstd_rand engine_;
};

}  // namespace preview
