// The buttons of the main window's keyboard view: 104 key buttons with their
// control ids and key codes, and the 9 extra-key buttons of the shown bank.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "KeyCode.h"
#include "KeyTable.h"
#include "ProfileBlock.h"

namespace model {

struct KeyButton {
    int controlId;
    KeyCode keyCode;
};

inline constexpr std::array<KeyButton, 104> kKeyButtons{{
    {1058, 0x01E}, {1075, 0x030}, {1073, 0x02E}, {1060, 0x020}, {1046, 0x012}, {1061, 0x021},
    {1062, 0x022}, {1063, 0x023}, {1051, 0x017}, {1064, 0x024}, {1065, 0x025}, {1066, 0x026},
    {1077, 0x032}, {1076, 0x031}, {1052, 0x018}, {1053, 0x019}, {1044, 0x010}, {1047, 0x013},
    {1059, 0x01F}, {1048, 0x014}, {1050, 0x016}, {1074, 0x02F}, {1045, 0x011}, {1072, 0x02D},
    {1049, 0x015}, {1071, 0x02C}, {1030, 0x002}, {1031, 0x003}, {1032, 0x004}, {1033, 0x005},
    {1034, 0x006}, {1035, 0x007}, {1036, 0x008}, {1037, 0x009}, {1038, 0x00A}, {1039, 0x00B},
    {1070, 0x01C}, {1022, 0x001}, {1043, 0x00E}, {1056, 0x00F}, {1090, 0x039}, {1040, 0x00C},
    {1041, 0x00D}, {1054, 0x01A}, {1055, 0x01B}, {1042, 0x02B}, {1067, 0x027}, {1068, 0x028},
    {1029, 0x029}, {1078, 0x033}, {1079, 0x034}, {1080, 0x035}, {1010, 0x03B}, {1011, 0x03C},
    {1012, 0x03D}, {1013, 0x03E}, {1014, 0x03F}, {1015, 0x040}, {1023, 0x041}, {1024, 0x042},
    {1025, 0x043}, {1026, 0x044}, {1027, 0x057}, {1028, 0x058}, {1091, 0x137}, {1093, 0x045},
    {1094, 0x152}, {1097, 0x153}, {1095, 0x147}, {1098, 0x14F}, {1096, 0x149}, {1099, 0x151},
    {1103, 0x148}, {1101, 0x150}, {1100, 0x14B}, {1102, 0x14D}, {1092, 0x046}, {1069, 0x03A},
    {1088, 0x15D}, {1083, 0x01D}, {1089, 0x11D}, {1082, 0x02A}, {1081, 0x036}, {1085, 0x038},
    {1086, 0x138}, {1084, 0x15B}, {1087, 0x15C}, {1115, 0x04F}, {1116, 0x050}, {1117, 0x051},
    {1112, 0x04B}, {1113, 0x04C}, {1114, 0x04D}, {1108, 0x047}, {1109, 0x048}, {1110, 0x049},
    {1120, 0x052}, {1104, 0x145}, {1118, 0x11C}, {1119, 0x053}, {1105, 0x135}, {1106, 0x037},
    {1107, 0x04A}, {1111, 0x04E},
}};

// Extra-key button j (key number j + 1 of the shown bank).
inline constexpr std::array<int, kExtraKeysPerBank> kExtraKeyButtonIds{1000, 1001, 1002, 1003, 1004,
                                                                       1140, 1141, 1142, 1143};

namespace detail {

// Every key button names a key of the table, and no control id is used twice.
constexpr bool keyButtonsAreConsistent() {
    for (std::size_t i = 0; i < kKeyButtons.size(); ++i) {
        if (kKeyTable[rowOfKeyCode(kKeyButtons[i].keyCode)].listIndex >= kPrimaryListSize) {
            return false;
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (kKeyButtons[j].controlId == kKeyButtons[i].controlId) return false;
            if (kKeyButtons[j].keyCode == kKeyButtons[i].keyCode) return false;
        }
        for (int extraId : kExtraKeyButtonIds) {
            if (extraId == kKeyButtons[i].controlId) return false;
        }
    }
    return true;
}

}  // namespace detail

static_assert(detail::keyButtonsAreConsistent());

// The extra-key button that can only be given a macro.
inline constexpr int kMacroOnlyButtonId = 1143;

// Record index a click on this control addresses; none for other controls.
std::optional<std::uint16_t> recordIndexForButton(int controlId, bool bankB);

// Position j of an extra-key button, or none.
std::optional<int> extraKeyButtonPosition(int controlId);

// "A1".."A5" or "B1".."B5" for j = 0..4; the last four buttons have no caption.
std::u16string extraKeyCaption(int position, bool bankB);

}  // namespace model
