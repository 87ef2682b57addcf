// The buttons of the main window's keyboard view: 104 key buttons with their
// control ids, key codes and colour slots, and the 9 extra-key buttons of the
// shown bank.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "KeyCode.h"
#include "KeySlotGrid.h"
#include "KeyTable.h"
#include "ProfileBlock.h"

namespace model {

struct KeyButton {
    int controlId;
    KeyCode keyCode;
    std::uint8_t colourSlot;
};

inline constexpr std::array<KeyButton, 104> kKeyButtons{{
    {1058, 0x01E, slot::A},           {1075, 0x030, slot::B},
    {1073, 0x02E, slot::C},           {1060, 0x020, slot::D},
    {1046, 0x012, slot::E},           {1061, 0x021, slot::F},
    {1062, 0x022, slot::G},           {1063, 0x023, slot::H},
    {1051, 0x017, slot::I},           {1064, 0x024, slot::J},
    {1065, 0x025, slot::K},           {1066, 0x026, slot::L},
    {1077, 0x032, slot::M},           {1076, 0x031, slot::N},
    {1052, 0x018, slot::O},           {1053, 0x019, slot::P},
    {1044, 0x010, slot::Q},           {1047, 0x013, slot::R},
    {1059, 0x01F, slot::S},           {1048, 0x014, slot::T},
    {1050, 0x016, slot::U},           {1074, 0x02F, slot::V},
    {1045, 0x011, slot::W},           {1072, 0x02D, slot::X},
    {1049, 0x015, slot::Y},           {1071, 0x02C, slot::Z},
    {1030, 0x002, slot::D1},          {1031, 0x003, slot::D2},
    {1032, 0x004, slot::D3},          {1033, 0x005, slot::D4},
    {1034, 0x006, slot::D5},          {1035, 0x007, slot::D6},
    {1036, 0x008, slot::D7},          {1037, 0x009, slot::D8},
    {1038, 0x00A, slot::D9},          {1039, 0x00B, slot::D0},
    {1070, 0x01C, slot::Enter},       {1022, 0x001, slot::Esc},
    {1043, 0x00E, slot::Backspace},   {1056, 0x00F, slot::Tab},
    {1090, 0x039, slot::Space},       {1040, 0x00C, slot::Minus},
    {1041, 0x00D, slot::Equal},       {1054, 0x01A, slot::LBracket},
    {1055, 0x01B, slot::RBracket},    {1042, 0x02B, slot::Backslash},
    {1067, 0x027, slot::Semicolon},   {1068, 0x028, slot::Quote},
    {1029, 0x029, slot::Grave},       {1078, 0x033, slot::Comma},
    {1079, 0x034, slot::Period},      {1080, 0x035, slot::Slash},
    {1010, 0x03B, slot::F1},          {1011, 0x03C, slot::F2},
    {1012, 0x03D, slot::F3},          {1013, 0x03E, slot::F4},
    {1014, 0x03F, slot::F5},          {1015, 0x040, slot::F6},
    {1023, 0x041, slot::F7},          {1024, 0x042, slot::F8},
    {1025, 0x043, slot::F9},          {1026, 0x044, slot::F10},
    {1027, 0x057, slot::F11},         {1028, 0x058, slot::F12},
    {1091, 0x137, slot::PrintScreen}, {1093, 0x045, slot::Pause},
    {1094, 0x152, slot::Insert},      {1097, 0x153, slot::Delete},
    {1095, 0x147, slot::Home},        {1098, 0x14F, slot::End},
    {1096, 0x149, slot::PageUp},      {1099, 0x151, slot::PageDown},
    {1103, 0x148, slot::Up},          {1101, 0x150, slot::Down},
    {1100, 0x14B, slot::Left},        {1102, 0x14D, slot::Right},
    {1092, 0x046, slot::ScrollLock},  {1069, 0x03A, slot::CapsLock},
    {1088, 0x15D, slot::App},         {1083, 0x01D, slot::LCtrl},
    {1089, 0x11D, slot::RCtrl},       {1082, 0x02A, slot::LShift},
    {1081, 0x036, slot::RShift},      {1085, 0x038, slot::LAlt},
    {1086, 0x138, slot::RAlt},        {1084, 0x15B, slot::LWin},
    {1087, 0x15C, slot::RWin},        {1115, 0x04F, slot::Kp1},
    {1116, 0x050, slot::Kp2},         {1117, 0x051, slot::Kp3},
    {1112, 0x04B, slot::Kp4},         {1113, 0x04C, slot::Kp5},
    {1114, 0x04D, slot::Kp6},         {1108, 0x047, slot::Kp7},
    {1109, 0x048, slot::Kp8},         {1110, 0x049, slot::Kp9},
    {1120, 0x052, slot::Kp0},         {1104, 0x145, slot::NumLock},
    {1118, 0x11C, slot::KpEnter},     {1119, 0x053, slot::KpPeriod},
    {1105, 0x135, slot::KpSlash},     {1106, 0x037, slot::KpStar},
    {1107, 0x04A, slot::KpMinus},     {1111, 0x04E, slot::KpPlus},
}};

// Extra-key button j (key number j + 1 of the shown bank).
inline constexpr std::array<int, kExtraKeysPerBank> kExtraKeyButtonIds{1000, 1001, 1002, 1003, 1004,
                                                                       1140, 1141, 1142, 1143};

namespace detail {

// Every key button names a key of the table, and no control id, key code or
// colour slot is used twice.
constexpr bool keyButtonsAreConsistent() {
    for (std::size_t i = 0; i < kKeyButtons.size(); ++i) {
        if (kKeyTable[rowOfKeyCode(kKeyButtons[i].keyCode)].listIndex >= kPrimaryListSize) {
            return false;
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (kKeyButtons[j].controlId == kKeyButtons[i].controlId) return false;
            if (kKeyButtons[j].keyCode == kKeyButtons[i].keyCode) return false;
            if (kKeyButtons[j].colourSlot == kKeyButtons[i].colourSlot) return false;
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

// "A1".."A9" or "B1".."B9": every extra key names the bank it stands for.
std::u16string extraKeyCaption(int position, bool bankB);

}  // namespace model
