// The colour slots of the keyboard view: every key button, Fn and the shared
// slot of the G keys sits on a 6 x 21 grid, slot = row * 21 + column. The
// same 126 slots address the keyboard's key colour area.
#pragma once

#include <cstdint>

namespace model {

inline constexpr int kSlotColumns = 21;
inline constexpr int kSlotRows = 6;
inline constexpr int kSlotCount = kSlotColumns * kSlotRows;

namespace slot {
// Row 0
inline constexpr std::uint8_t Esc = 0, F1 = 1, F2 = 2, F3 = 3, F4 = 4, F5 = 5, F6 = 6, F7 = 7,
                              F8 = 8, F9 = 9, F10 = 10, F11 = 11, F12 = 12, PrintScreen = 14,
                              ScrollLock = 15, Pause = 16;
// Row 1
inline constexpr std::uint8_t Grave = 21, D1 = 22, D2 = 23, D3 = 24, D4 = 25, D5 = 26, D6 = 27,
                              D7 = 28, D8 = 29, D9 = 30, D0 = 31, Minus = 32, Equal = 33,
                              Backspace = 34, Insert = 35, Home = 36, PageUp = 37, NumLock = 38,
                              KpSlash = 39, KpStar = 40, KpMinus = 41;
// Row 2
inline constexpr std::uint8_t Tab = 42, Q = 43, W = 44, E = 45, R = 46, T = 47, Y = 48, U = 49,
                              I = 50, O = 51, P = 52, LBracket = 53, RBracket = 54, Backslash = 55,
                              Delete = 56, End = 57, PageDown = 58, Kp7 = 59, Kp8 = 60, Kp9 = 61,
                              KpPlus = 62;
// Row 3
inline constexpr std::uint8_t CapsLock = 63, A = 64, S = 65, D = 66, F = 67, G = 68, H = 69, J = 70,
                              K = 71, L = 72, Semicolon = 73, Quote = 74, Enter = 76, Kp4 = 80,
                              Kp5 = 81, Kp6 = 82;
// Row 4
inline constexpr std::uint8_t LShift = 84, Z = 86, X = 87, C = 88, V = 89, B = 90, N = 91, M = 92,
                              Comma = 93, Period = 94, Slash = 95, RShift = 97, Up = 99, Kp1 = 101,
                              Kp2 = 102, Kp3 = 103, KpEnter = 104;
// Row 5
inline constexpr std::uint8_t LCtrl = 105, LWin = 106, LAlt = 107, Space = 108, RAlt = 109,
                              Fn = 110, App = 111, RWin = 112, RCtrl = 113, Left = 119, Down = 120,
                              Right = 121, Kp0 = 123, KpPeriod = 124;
// Shared by the nine G keys.
inline constexpr std::uint8_t GKeys = 125;
}  // namespace slot

}  // namespace model
