#include "PreviewTables.h"

#include <algorithm>

#include "model/lighting/KeySlots.h"

namespace preview {
namespace {

using namespace lighting::slot;
constexpr int NA = kNoKey;  // an empty cell

constexpr int kGrid[kGridRows][kGridColumns] = {
    {NA, NA,  Esc, F1,  F2,          F3,         F4,    NA, F5, F6, F7, F8,
     F9, F10, F11, F12, PrintScreen, ScrollLock, Pause, NA, NA, NA, NA},
    {NA,    Grave, D1,        D2,        D3,     D4,   D5,     D6,      D7,      D8,     D9,     D0,
     Minus, Equal, Backspace, Backspace, Insert, Home, PageUp, NumLock, KpSlash, KpStar, KpMinus},
    {NA,       Tab,      Q,         W,         E,      R,   T,        Y,   U,   I,   O, P,
     LBracket, RBracket, Backslash, Backslash, Delete, End, PageDown, Kp7, Kp8, Kp9, NA},
    {NA,    CapsLock, A,  S,  D,  F,  G,  H,   J,   K,   L,     Semicolon,
     Quote, Enter,    NA, NA, NA, NA, NA, Kp4, Kp5, Kp6, KpPlus},
    {NA, LShift, Z,      X,      C,  V,  B,  N,   M,   Comma, Period, Slash,
     NA, NA,     RShift, RShift, NA, Up, NA, Kp1, Kp2, Kp3,   KpEnter},
    {LCtrl, LWin, LAlt,  NA,    NA,   NA,   Space, NA,  NA,  RAlt,     RAlt, Fn,
     App,   NA,   RCtrl, RCtrl, Left, Down, Right, Kp0, Kp0, KpPeriod, NA},
};

constexpr std::array<std::uint8_t, kSnakeLength> kSnake{
    Pause,     ScrollLock, PrintScreen, F12,    F11,      F10,      F9,        F8,        F7,
    F6,        F5,         F4,          F3,     F2,       F1,       Esc,       Grave,     Tab,
    CapsLock,  LShift,     LCtrl,       LWin,   LAlt,     Space,    RAlt,      Fn,        App,
    RCtrl,     Left,       Down,        Right,  Kp0,      KpPeriod, KpEnter,   KpPlus,    KpMinus,
    KpStar,    KpSlash,    NumLock,     PageUp, Home,     Insert,   Backspace, Equal,     Minus,
    D0,        D9,         D8,          D7,     D6,       D5,       D4,        D3,        D2,
    D1,        Q,          A,           Z,      X,        C,        V,         B,         N,
    M,         Comma,      Period,      Slash,  RShift,   Up,       Kp1,       Kp2,       Kp3,
    Kp6,       Kp9,        Kp8,         Kp7,    PageDown, End,      Delete,    Backslash, RBracket,
    LBracket,  P,          O,           I,      U,        Y,        T,         R,         E,
    W,         S,          D,           F,      G,        H,        J,         K,         L,
    Semicolon, Quote,      Enter,       Kp4,    Kp5};

constexpr std::array<std::uint8_t, kSnakeLength> kSparkle{
    R,     RAlt,        Enter,    Z,      Grave,     Kp1,  KpMinus,  KpPlus,    KpStar,
    D4,    Delete,      CapsLock, F3,     Slash,     K,    F6,       KpEnter,   Insert,
    Q,     D3,          D7,       H,      End,       Kp2,  F5,       Space,     PageUp,
    F12,   Kp4,         Tab,      Period, LAlt,      Kp0,  F11,      U,         PageDown,
    Esc,   V,           D1,       LWin,   O,         G,    F9,       B,         D6,
    LCtrl, F10,         F1,       Up,     L,         Kp3,  RCtrl,    LBracket,  ScrollLock,
    Pause, T,           D9,       Kp7,    KpSlash,   Kp9,  KpPeriod, Backslash, F7,
    Down,  Kp6,         A,        Minus,  Semicolon, F2,   D8,       Backspace, F,
    S,     RBracket,    Y,        E,      Equal,     Left, X,        C,         NumLock,
    D2,    PrintScreen, N,        Comma,  W,         J,    Kp8,      D,         Home,
    Fn,    App,         F8,       Right,  D5,        I,    D0,       RShift,    LShift,
    Kp5,   Quote,       P,        F4,     M};

// A group or ring stored with its length; unused entries stay 0.
struct KeyList {
    std::uint8_t length;
    std::array<std::uint8_t, 12> keys;
};

constexpr KeyList kSweepGroups[kSweepGroupCount] = {
    {2, {Esc, KpEnter}},
    {2, {F1, KpPeriod}},
    {2, {F2, Kp0}},
    {4, {F3, Right, Grave, KpEnter}},
    {4, {F4, Down, D1, Kp3}},
    {4, {F5, Left, D2, Kp2}},
    {6, {F6, RCtrl, D3, Kp1, Tab, KpPlus}},
    {6, {F7, App, D4, Up, Q, Kp6}},
    {6, {F8, Fn, D5, RShift, W, Kp5}},
    {6, {F9, RAlt, D6, Slash, E, Kp4}},
    {5, {Equal, Comma, D7, Period, R}},
    {5, {RBracket, K, D8, Comma, T}},
    {6, {Quote, I, D9, K, Y, Enter}},
    {6, {Slash, D9, D0, I, U, Quote}},
    {6, {Period, D0, P, D9, I, Semicolon}},
    {6, {Comma, Minus, L, D0, O, L}},
    {6, {K, Equal, K, P, P, K}},
    {5, {I, RBracket, I, L, LBracket}},
    {2, {D9, Quote}},
    {2, {D0, Slash}},
};

constexpr std::array<std::uint8_t, 2> kSweepPairs[kSweepPairCount] = {
    {D9, Slash}, {D0, Period},    {Minus, Comma}, {Equal, K},    {RBracket, I}, {Quote, D9},
    {Slash, D0}, {Period, Minus}, {Comma, Equal}, {K, RBracket}, {I, Quote},    {O, Semicolon},
    {P, L},      {LBracket, O},   {Semicolon, P}, {L, LBracket},
};

constexpr KeyList kRings[kRingCount] = {
    {1, {O}},
    {6, {D9, I, K, L, P, D0}},
    {10, {F8, D8, U, J, M, Comma, Period, Semicolon, LBracket, Minus}},
    {11, {F7, D7, Y, H, N, RAlt, Slash, Quote, RBracket, Equal, F9}},
    {12, {F6, D6, T, G, B, Fn, RShift, Enter, Backslash, Backspace, F10, F11}},
    {11, {F5, D5, R, F, V, Space, App, RCtrl, Delete, Insert, F12}},
    {10, {F4, D4, E, D, C, Left, Up, End, Home, PrintScreen}},
    {11, {F3, D3, W, S, X, Down, Right, PageDown, PageUp, Pause, ScrollLock}},
    {10, {F2, D2, Q, A, Z, LAlt, Kp1, Kp4, Kp7, NumLock}},
    {11, {F1, D1, Tab, CapsLock, LShift, LWin, Kp0, Kp2, Kp5, Kp8, KpSlash}},
    {8, {Esc, Grave, LCtrl, KpPeriod, Kp3, Kp6, Kp9, KpStar}},
    {3, {KpEnter, KpPlus, KpMinus}},
};

// The values a rising and a falling channel take across one 32-entry segment.
constexpr std::array<std::uint8_t, 32> kRising{
    1,  3,  5,  7,   10,  14,  18,  22,  26,  32,  38,  44,  50,  57,  65,  73,
    81, 89, 99, 109, 119, 129, 140, 152, 164, 176, 188, 200, 213, 227, 241, 255};
constexpr std::array<std::uint8_t, 32> kFalling{
    248, 234, 220, 206, 194, 182, 170, 158, 146, 134, 124, 114, 104, 94, 85, 77,
    69,  61,  53,  47,  41,  35,  29,  24,  20,  16,  12,  8,   6,   4,  2,  0};

constexpr std::array<lighting::Colour, kRainbowSize> makeRainbow() {
    std::array<lighting::Colour, kRainbowSize> table{};
    for (int i = 0; i < 32; ++i) {
        table[i] = lighting::makeColour(255, kRising[i], 0);
        table[32 + i] = lighting::makeColour(kFalling[i], 255, 0);
        table[64 + i] = lighting::makeColour(0, 255, kRising[i]);
        table[96 + i] = lighting::makeColour(0, kFalling[i], 255);
        table[128 + i] = lighting::makeColour(kRising[i], 0, 255);
        table[160 + i] = lighting::makeColour(255, 0, kFalling[i]);
    }
    return table;
}
constexpr auto kRainbow = makeRainbow();

// A curve given by its rising half, mirrored to its full length.
template <std::size_t Half>
constexpr std::array<std::uint8_t, Half * 2> mirrored(const std::array<std::uint8_t, Half> &up) {
    std::array<std::uint8_t, Half * 2> table{};
    for (std::size_t i = 0; i < Half; ++i) {
        table[i] = up[i];
        table[Half * 2 - 1 - i] = up[i];
    }
    return table;
}

constexpr auto kRamp96 =
    mirrored<48>({22,  24,  27,  30,  33,  36,  39,  42,  45,  49,  53,  57,  61,  65,  69,  73,
                  77,  81,  85,  89,  94,  99,  104, 109, 114, 119, 124, 129, 134, 140, 146, 152,
                  158, 164, 170, 176, 182, 188, 194, 200, 206, 213, 220, 227, 234, 241, 248, 255});

constexpr auto kBreath128 =
    mirrored<64>({3,   3,   4,   5,   6,   7,   8,   9,   10,  11,  12,  13,  14,  16,  18,  20,
                  22,  24,  27,  30,  33,  36,  39,  42,  45,  49,  53,  57,  61,  65,  69,  73,
                  77,  81,  85,  89,  94,  99,  104, 109, 114, 119, 124, 129, 134, 140, 146, 152,
                  158, 164, 170, 176, 182, 188, 194, 200, 206, 213, 220, 227, 234, 241, 248, 255});

// Rises in 17 steps, falls in 63 and stays dark for the rest.
constexpr std::array<std::uint8_t, 128> kRamp128{
    0,   4,   8,   14,  22,  33,  45,  61,  77,  94,  114, 134, 158, 182, 206, 234,
    255, 248, 241, 234, 227, 220, 213, 206, 200, 194, 188, 182, 176, 170, 164, 158,
    152, 146, 140, 134, 129, 124, 119, 114, 109, 104, 99,  94,  89,  85,  81,  77,
    73,  69,  65,  61,  57,  53,  49,  45,  42,  39,  36,  33,  30,  27,  24,  22,
    20,  18,  16,  14,  12,  10,  9,   8,   7,   6,   5,   4,   3,   2,   2,   1};

}  // namespace

int gridSlot(int column, int row) {
    if (column < 0 || column >= kGridColumns || row < 0 || row >= kGridRows) return kNoKey;
    return kGrid[row][column];
}

std::span<const std::uint8_t> snakeOrder() {
    return kSnake;
}
std::span<const std::uint8_t> sparkleOrder() {
    return kSparkle;
}

std::span<const std::uint8_t> sweepGroup(int group) {
    const KeyList &list = kSweepGroups[std::clamp(group, 0, kSweepGroupCount - 1)];
    return std::span<const std::uint8_t>(list.keys.data(), list.length);
}

std::array<std::uint8_t, 2> sweepPair(int pair) {
    return kSweepPairs[std::clamp(pair, 0, kSweepPairCount - 1)];
}

std::span<const std::uint8_t> ring(int index) {
    const KeyList &list = kRings[std::clamp(index, 0, kRingCount - 1)];
    return std::span<const std::uint8_t>(list.keys.data(), list.length);
}

lighting::Colour rainbow(int index) {
    return kRainbow[std::clamp(index, 0, kRainbowSize - 1)];
}

lighting::Colour colourTable(int index) {
    return kRainbow[std::clamp(index, 0, kColourTableSize - 1) % kRainbowSize];
}

int ramp96(int index) {
    return kRamp96[std::clamp(index, 0, 95)];
}
int ramp128(int index) {
    return kRamp128[std::clamp(index, 0, 127)];
}
int breath128(int index) {
    return kBreath128[std::clamp(index, 0, 127)];
}

}  // namespace preview
