// Turns a key of the Linux input layer (its evdev code) into the words a
// keyboard message carries on the system this utility's key codes come from:
// the PC scan code set 1 make code with its extended (0xE0 prefix) flag, and the
// virtual-key code. Left and right modifiers differ by scan code and virtual
// key; the numeric pad gives its digit keys with Num Lock on and its navigation
// keys with Num Lock off.
#pragma once

#include <cstdint>
#include <optional>

namespace platform {

struct TranslatedKey {
    std::uint8_t scanCode = 0;  // set-1 make code without the prefix
    bool extended = false;      // sent with the 0xE0 prefix
    std::uint8_t virtualKey = 0;
};

// Modifiers held while the key goes down: with Ctrl, Pause is the Break key, and
// with Alt, Print Screen is the SysReq key, each with a scan code of its own.
struct HeldModifiers {
    bool control = false;
    bool alt = false;
};

// The key of an evdev code; none for codes no key of the keyboard sends.
std::optional<TranslatedKey> translateEvdevKey(std::uint32_t evdevCode, bool numLockOn,
                                               HeldModifiers held = {});

// The flags word of a keyboard message: repeat count 1 in bits 0..15, the scan
// code in bits 16..23, the extended flag in bit 24, the previous key state in
// bit 30 and the transition (released) in bit 31.
std::uint32_t keyEventFlags(const TranslatedKey &key, bool wasDown, bool released);

// The X keyboard's key codes are the evdev codes moved up by 8.
inline constexpr std::uint32_t kXkbKeycodeOffset = 8;

}  // namespace platform
