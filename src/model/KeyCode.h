// Key identity used everywhere: the set-1 make code as the keyboard message reports
// it, plus 0x100 for keys sent with the 0xE0 prefix, pseudo codes for mouse and
// function keys, and 0x1FF + n for programmable extra key n.
#pragma once

#include <cstdint>

namespace model {

using KeyCode = std::uint16_t;

inline constexpr KeyCode kNoKey = 0;
inline constexpr KeyCode kWheelUp = 0x161;
inline constexpr KeyCode kWheelDown = 0x162;
inline constexpr KeyCode kMouseLeft = 0x171;
inline constexpr KeyCode kMouseRight = 0x172;
inline constexpr KeyCode kMouseMiddle = 0x173;

// Extra keys are numbered 1..18: bank A keys 1..9, then bank B keys 1..9.
inline constexpr KeyCode kFirstExtraKeyCode = 0x200;
constexpr KeyCode keyCodeOfExtraKey(int number) {
    return static_cast<KeyCode>(0x1FF + number);
}

// Index of the key's row in the key table, which is also its record index in a
// profile. Codes from 0x200 on give 256 and more: extra-key record indexes.
constexpr std::uint16_t rowOfKeyCode(KeyCode code) {
    if (code < 0x100) return code;
    if (code < 0x200) return static_cast<std::uint16_t>((code - 0x80) & 0xFF);
    return static_cast<std::uint16_t>(code - 0x100);
}

constexpr KeyCode keyCodeOfRow(std::uint8_t row) {
    return row < 0x80 ? KeyCode{row} : static_cast<KeyCode>(row + 0x80);
}

}  // namespace model
