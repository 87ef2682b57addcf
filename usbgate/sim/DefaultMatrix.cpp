// The simulated keyboard's default matrix. Positions run column by column,
// eight rows to a column (function row, number row, Tab row, Caps row, Shift
// row, bottom row, then two rows for the keys beside them).
#include <initializer_list>

#include "DeviceMemory.h"

namespace usbgate::sim {
namespace {

struct Placement {
    uint8_t position;
    uint8_t type;
    uint8_t a;
    uint8_t b;
};

constexpr uint8_t kKey = 2;       // [2, 2, usage]
constexpr uint8_t kModifier = 1;  // [2, 1, modifier bit]

constexpr Placement key(uint8_t position, uint8_t usage) {
    return {position, 2, kKey, usage};
}
constexpr Placement modifier(uint8_t position, uint8_t bit) {
    return {position, 2, kModifier, bit};
}
constexpr Placement extraKey(uint8_t position, uint8_t number) {
    return {position, 6, 0xA2, number};
}

constexpr Placement kPlacements[] = {
    // Extra keys G1..G9.
    extraKey(0, 1),
    extraKey(1, 2),
    extraKey(2, 3),
    extraKey(3, 4),
    extraKey(4, 5),
    extraKey(5, 6),
    extraKey(6, 7),
    extraKey(7, 8),
    extraKey(14, 9),
    // Left block.
    key(8, 0x29),
    key(9, 0x35),
    key(10, 0x2B),
    key(11, 0x39),
    modifier(12, 0x02),
    modifier(13, 0x01),
    key(16, 0x3A),
    key(17, 0x1E),
    key(18, 0x14),
    key(19, 0x04),
    key(20, 0x1D),
    modifier(21, 0x08),
    key(24, 0x3B),
    key(25, 0x1F),
    key(26, 0x1A),
    key(27, 0x16),
    key(28, 0x1B),
    modifier(29, 0x04),
    key(32, 0x3C),
    key(33, 0x20),
    key(34, 0x08),
    key(35, 0x07),
    key(36, 0x06),
    key(37, 0x2C),
    key(38, 0x46),
    key(39, 0x63),
    key(40, 0x3D),
    key(41, 0x21),
    key(42, 0x15),
    key(43, 0x09),
    key(44, 0x19),
    modifier(45, 0x40),
    key(46, 0x47),
    key(47, 0x58),
    key(48, 0x3E),
    key(49, 0x22),
    key(50, 0x17),
    key(51, 0x0A),
    key(52, 0x05),
    {53, 5, 2, 2},  // Fn: handled by the keyboard itself
    key(54, 0x2E),
    key(56, 0x3F),
    key(57, 0x23),
    key(58, 0x1C),
    key(59, 0x0B),
    key(60, 0x11),
    key(61, 0x65),
    key(62, 0x48),
    // Right block.
    key(64, 0x40),
    key(65, 0x24),
    key(66, 0x18),
    key(67, 0x0D),
    key(68, 0x10),
    modifier(69, 0x80),
    key(70, 0x49),
    key(72, 0x41),
    key(73, 0x25),
    key(74, 0x0C),
    key(75, 0x0E),
    key(76, 0x36),
    modifier(77, 0x10),
    key(78, 0x4A),
    key(80, 0x42),
    key(81, 0x26),
    key(82, 0x12),
    key(83, 0x0F),
    key(84, 0x37),
    key(85, 0x50),
    key(86, 0x4B),
    key(88, 0x43),
    key(89, 0x27),
    key(90, 0x13),
    key(91, 0x33),
    key(92, 0x38),
    key(93, 0x51),
    key(94, 0x4C),
    key(96, 0x44),
    key(97, 0x2D),
    key(98, 0x2F),
    key(99, 0x34),
    modifier(100, 0x20),
    key(101, 0x4F),
    key(102, 0x4D),
    key(104, 0x45),
    key(105, 0x2A),
    key(106, 0x30),
    key(107, 0x28),
    key(108, 0x52),
    key(109, 0x62),
    key(110, 0x4E),
    key(111, 0x31),
    // Numeric pad.
    key(112, 0x53),
    key(113, 0x54),
    key(114, 0x55),
    key(115, 0x56),
    key(116, 0x5F),
    key(117, 0x60),
    key(118, 0x61),
    key(119, 0x57),
    key(120, 0x5C),
    key(121, 0x5D),
    key(122, 0x5E),
    key(123, 0x59),
    key(124, 0x5A),
    key(125, 0x5B),
};

std::array<uint8_t, kPageSize> buildMatrix() {
    std::array<uint8_t, kPageSize> matrix{};
    for (const Placement &placement : kPlacements) {
        uint8_t *entry = matrix.data() + placement.position * 3;
        entry[0] = placement.type;
        entry[1] = placement.a;
        entry[2] = placement.b;
    }
    return matrix;
}

}  // namespace

const std::array<uint8_t, kPageSize> &defaultMatrix() {
    static const std::array<uint8_t, kPageSize> matrix = buildMatrix();
    return matrix;
}

}  // namespace usbgate::sim
