// Fixed tables of the lighting preview: the key grid, the key orders and the
// colour and intensity curves the animations are built from. Keys are named by
// their colour slot.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "model/lighting/Colour.h"

namespace preview {

inline constexpr int kGridColumns = 23;
inline constexpr int kGridRows = 6;
inline constexpr int kNoKey = -1;
inline constexpr int kRainbowSize = 192;
inline constexpr int kColourTableSize = 256;
inline constexpr int kSnakeLength = 104;

// The slot of the key in a cell of the preview grid, or kNoKey.
int gridSlot(int column, int row);

// 104 keys: every key button and Fn except right Win.
std::span<const std::uint8_t> snakeOrder();
std::span<const std::uint8_t> sparkleOrder();

// Mode 14's sweep groups (20) and pairs (16); mode 18's rings (12), innermost first.
std::span<const std::uint8_t> sweepGroup(int group);
inline constexpr int kSweepGroupCount = 20;
std::array<std::uint8_t, 2> sweepPair(int pair);
inline constexpr int kSweepPairCount = 16;
std::span<const std::uint8_t> ring(int index);
inline constexpr int kRingCount = 12;

lighting::Colour rainbow(int index);      // 0..191
lighting::Colour colourTable(int index);  // 0..255: the rainbow, then its first 64 again
int ramp96(int index);
int ramp128(int index);
int breath128(int index);

}  // namespace preview
