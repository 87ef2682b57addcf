#include "platform/KeyEventTranslation.h"

#include <array>

namespace platform {

namespace {

struct EvdevKey {
    std::uint16_t evdev;
    std::uint8_t scanCode;
    bool extended;
    std::uint8_t virtualKey;
    std::uint8_t numLockOffVirtualKey;  // differs from virtualKey on the numeric pad only
};

constexpr EvdevKey plain(std::uint16_t evdev, std::uint8_t scan, std::uint8_t vk) {
    return {evdev, scan, false, vk, vk};
}
constexpr EvdevKey prefixed(std::uint16_t evdev, std::uint8_t scan, std::uint8_t vk) {
    return {evdev, scan, true, vk, vk};
}
constexpr EvdevKey keypad(std::uint16_t evdev, std::uint8_t scan, std::uint8_t digitVk,
                          std::uint8_t navigationVk) {
    return {evdev, scan, false, digitVk, navigationVk};
}

// Virtual keys the other system reports without a code of its own.
constexpr std::uint8_t kNoVirtualKey = 0xFF;

constexpr std::array kEvdevKeys{
    // Main block: evdev codes 1..88 are the set-1 make codes themselves.
    plain(1, 0x01, 0x1B),
    plain(2, 0x02, '1'),
    plain(3, 0x03, '2'),
    plain(4, 0x04, '3'),
    plain(5, 0x05, '4'),
    plain(6, 0x06, '5'),
    plain(7, 0x07, '6'),
    plain(8, 0x08, '7'),
    plain(9, 0x09, '8'),
    plain(10, 0x0A, '9'),
    plain(11, 0x0B, '0'),
    plain(12, 0x0C, 0xBD),
    plain(13, 0x0D, 0xBB),
    plain(14, 0x0E, 0x08),
    plain(15, 0x0F, 0x09),
    plain(16, 0x10, 'Q'),
    plain(17, 0x11, 'W'),
    plain(18, 0x12, 'E'),
    plain(19, 0x13, 'R'),
    plain(20, 0x14, 'T'),
    plain(21, 0x15, 'Y'),
    plain(22, 0x16, 'U'),
    plain(23, 0x17, 'I'),
    plain(24, 0x18, 'O'),
    plain(25, 0x19, 'P'),
    plain(26, 0x1A, 0xDB),
    plain(27, 0x1B, 0xDD),
    plain(28, 0x1C, 0x0D),
    plain(29, 0x1D, 0xA2),
    plain(30, 0x1E, 'A'),
    plain(31, 0x1F, 'S'),
    plain(32, 0x20, 'D'),
    plain(33, 0x21, 'F'),
    plain(34, 0x22, 'G'),
    plain(35, 0x23, 'H'),
    plain(36, 0x24, 'J'),
    plain(37, 0x25, 'K'),
    plain(38, 0x26, 'L'),
    plain(39, 0x27, 0xBA),
    plain(40, 0x28, 0xDE),
    plain(41, 0x29, 0xC0),
    plain(42, 0x2A, 0xA0),
    plain(43, 0x2B, 0xDC),
    plain(44, 0x2C, 'Z'),
    plain(45, 0x2D, 'X'),
    plain(46, 0x2E, 'C'),
    plain(47, 0x2F, 'V'),
    plain(48, 0x30, 'B'),
    plain(49, 0x31, 'N'),
    plain(50, 0x32, 'M'),
    plain(51, 0x33, 0xBC),
    plain(52, 0x34, 0xBE),
    plain(53, 0x35, 0xBF),
    plain(54, 0x36, 0xA1),
    plain(55, 0x37, 0x6A),
    plain(56, 0x38, 0xA4),
    plain(57, 0x39, 0x20),
    plain(58, 0x3A, 0x14),
    plain(59, 0x3B, 0x70),
    plain(60, 0x3C, 0x71),
    plain(61, 0x3D, 0x72),
    plain(62, 0x3E, 0x73),
    plain(63, 0x3F, 0x74),
    plain(64, 0x40, 0x75),
    plain(65, 0x41, 0x76),
    plain(66, 0x42, 0x77),
    plain(67, 0x43, 0x78),
    plain(68, 0x44, 0x79),
    // Num Lock travels with the prefix; Pause does not.
    prefixed(69, 0x45, 0x90),
    plain(70, 0x46, 0x91),
    keypad(71, 0x47, 0x67, 0x24),
    keypad(72, 0x48, 0x68, 0x26),
    keypad(73, 0x49, 0x69, 0x21),
    plain(74, 0x4A, 0x6D),
    keypad(75, 0x4B, 0x64, 0x25),
    keypad(76, 0x4C, 0x65, 0x0C),
    keypad(77, 0x4D, 0x66, 0x27),
    plain(78, 0x4E, 0x6B),
    keypad(79, 0x4F, 0x61, 0x23),
    keypad(80, 0x50, 0x62, 0x28),
    keypad(81, 0x51, 0x63, 0x22),
    keypad(82, 0x52, 0x60, 0x2D),
    keypad(83, 0x53, 0x6E, 0x2E),
    plain(86, 0x56, 0xE2),
    plain(87, 0x57, 0x7A),
    plain(88, 0x58, 0x7B),
    // Japanese and Korean keys.
    plain(89, 0x73, 0xC1),
    plain(92, 0x79, kNoVirtualKey),
    plain(93, 0x70, kNoVirtualKey),
    plain(94, 0x7B, 0xEB),
    plain(122, 0x72, kNoVirtualKey),
    plain(123, 0x71, 0xE9),
    plain(124, 0x7D, kNoVirtualKey),
    plain(121, 0x7E, 0xC2),  // keypad comma (the Brazilian keypad's separator)
    // Keys sent with the prefix.
    prefixed(96, 0x1C, 0x0D),
    prefixed(97, 0x1D, 0xA3),
    prefixed(98, 0x35, 0x6F),
    prefixed(99, 0x37, 0x2C),
    prefixed(100, 0x38, 0xA5),
    prefixed(102, 0x47, 0x24),
    prefixed(103, 0x48, 0x26),
    prefixed(104, 0x49, 0x21),
    prefixed(105, 0x4B, 0x25),
    prefixed(106, 0x4D, 0x27),
    prefixed(107, 0x4F, 0x23),
    prefixed(108, 0x50, 0x28),
    prefixed(109, 0x51, 0x22),
    prefixed(110, 0x52, 0x2D),
    prefixed(111, 0x53, 0x2E),
    plain(119, 0x45, 0x13),
    prefixed(125, 0x5B, 0x5B),
    prefixed(126, 0x5C, 0x5C),
    prefixed(127, 0x5D, 0x5D),
    plain(183, 0x64, 0x7C),
    // System keys.
    prefixed(116, 0x5E, kNoVirtualKey),
    prefixed(142, 0x5F, 0x5F),
    prefixed(143, 0x63, kNoVirtualKey),
    // Media and browser keys.
    prefixed(113, 0x20, 0xAD),
    prefixed(114, 0x2E, 0xAE),
    prefixed(115, 0x30, 0xAF),
    prefixed(128, 0x68, 0xA9),
    prefixed(140, 0x21, 0xB7),
    prefixed(144, 0x6B, 0xB6),
    prefixed(155, 0x6C, 0xB4),
    prefixed(156, 0x66, 0xAB),
    prefixed(157, 0x6B, 0xB6),
    prefixed(158, 0x6A, 0xA6),
    prefixed(159, 0x69, 0xA7),
    prefixed(163, 0x19, 0xB0),
    prefixed(164, 0x22, 0xB3),
    prefixed(165, 0x10, 0xB1),
    prefixed(166, 0x24, 0xB2),
    prefixed(171, 0x6D, 0xB5),
    prefixed(172, 0x32, 0xAC),
    prefixed(173, 0x67, 0xA8),
    prefixed(217, 0x65, 0xAA),
    prefixed(226, 0x6D, 0xB5),
};

constexpr std::uint32_t kEvdevPause = 119;
constexpr std::uint32_t kEvdevPrintScreen = 99;
constexpr TranslatedKey kBreak{0x46, true, 0x03};
constexpr TranslatedKey kSysReq{0x54, false, 0x2C};

}  // namespace

std::optional<TranslatedKey> translateEvdevKey(std::uint32_t evdevCode, bool numLockOn,
                                               HeldModifiers held) {
    if (evdevCode == kEvdevPause && held.control) return kBreak;
    if (evdevCode == kEvdevPrintScreen && held.alt) return kSysReq;
    for (const EvdevKey &key : kEvdevKeys) {
        if (key.evdev != evdevCode) continue;
        return TranslatedKey{key.scanCode, key.extended,
                             numLockOn ? key.virtualKey : key.numLockOffVirtualKey};
    }
    return std::nullopt;
}

std::uint32_t keyEventFlags(const TranslatedKey &key, bool wasDown, bool released) {
    std::uint32_t flags = 1u | (std::uint32_t{key.scanCode} << 16);
    if (key.extended) flags |= 1u << 24;
    if (wasDown) flags |= 1u << 30;
    if (released) flags |= 1u << 31;
    return flags;
}

}  // namespace platform
