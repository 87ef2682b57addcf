#include "KeySlots.h"

#include <algorithm>
#include <array>

namespace lighting {
namespace {

// Key codes are set-1 make codes, plus 0x100 for keys sent with the E0 prefix.
constexpr std::array<ViewKey, 104> kViewKeys{{
    {0x001, slot::Esc},      {0x03B, slot::F1},          {0x03C, slot::F2},
    {0x03D, slot::F3},       {0x03E, slot::F4},          {0x03F, slot::F5},
    {0x040, slot::F6},       {0x041, slot::F7},          {0x042, slot::F8},
    {0x043, slot::F9},       {0x044, slot::F10},         {0x057, slot::F11},
    {0x058, slot::F12},      {0x137, slot::PrintScreen}, {0x046, slot::ScrollLock},
    {0x045, slot::Pause},

    {0x029, slot::Grave},    {0x002, slot::D1},          {0x003, slot::D2},
    {0x004, slot::D3},       {0x005, slot::D4},          {0x006, slot::D5},
    {0x007, slot::D6},       {0x008, slot::D7},          {0x009, slot::D8},
    {0x00A, slot::D9},       {0x00B, slot::D0},          {0x00C, slot::Minus},
    {0x00D, slot::Equal},    {0x00E, slot::Backspace},   {0x152, slot::Insert},
    {0x147, slot::Home},     {0x149, slot::PageUp},      {0x145, slot::NumLock},
    {0x135, slot::KpSlash},  {0x037, slot::KpStar},      {0x04A, slot::KpMinus},

    {0x00F, slot::Tab},      {0x010, slot::Q},           {0x011, slot::W},
    {0x012, slot::E},        {0x013, slot::R},           {0x014, slot::T},
    {0x015, slot::Y},        {0x016, slot::U},           {0x017, slot::I},
    {0x018, slot::O},        {0x019, slot::P},           {0x01A, slot::LBracket},
    {0x01B, slot::RBracket}, {0x02B, slot::Backslash},   {0x153, slot::Delete},
    {0x14F, slot::End},      {0x151, slot::PageDown},    {0x047, slot::Kp7},
    {0x048, slot::Kp8},      {0x049, slot::Kp9},         {0x04E, slot::KpPlus},

    {0x03A, slot::CapsLock}, {0x01E, slot::A},           {0x01F, slot::S},
    {0x020, slot::D},        {0x021, slot::F},           {0x022, slot::G},
    {0x023, slot::H},        {0x024, slot::J},           {0x025, slot::K},
    {0x026, slot::L},        {0x027, slot::Semicolon},   {0x028, slot::Quote},
    {0x01C, slot::Enter},    {0x04B, slot::Kp4},         {0x04C, slot::Kp5},
    {0x04D, slot::Kp6},

    {0x02A, slot::LShift},   {0x02C, slot::Z},           {0x02D, slot::X},
    {0x02E, slot::C},        {0x02F, slot::V},           {0x030, slot::B},
    {0x031, slot::N},        {0x032, slot::M},           {0x033, slot::Comma},
    {0x034, slot::Period},   {0x035, slot::Slash},       {0x036, slot::RShift},
    {0x148, slot::Up},       {0x04F, slot::Kp1},         {0x050, slot::Kp2},
    {0x051, slot::Kp3},      {0x11C, slot::KpEnter},

    {0x01D, slot::LCtrl},    {0x15B, slot::LWin},        {0x038, slot::LAlt},
    {0x039, slot::Space},    {0x138, slot::RAlt},        {0x15D, slot::App},
    {0x15C, slot::RWin},     {0x11D, slot::RCtrl},       {0x14B, slot::Left},
    {0x150, slot::Down},     {0x14D, slot::Right},       {0x052, slot::Kp0},
    {0x053, slot::KpPeriod},
}};

// The second Right Shift code of the key table names the same key.
constexpr KeyCode kSecondRightShift = 0x136;

constexpr std::array<std::uint8_t, 105> makePaintableSlots() {
    std::array<std::uint8_t, 105> slots{};
    for (std::size_t i = 0; i < kViewKeys.size(); ++i) slots[i] = kViewKeys[i].slot;
    slots[104] = slot::Fn;
    return slots;
}
constexpr auto kPaintableSlots = makePaintableSlots();

}  // namespace

std::span<const ViewKey> viewKeys() {
    return kViewKeys;
}

std::span<const std::uint8_t> paintableSlots() {
    return kPaintableSlots;
}

int slotOfKeyCode(KeyCode code) {
    if (code == kSecondRightShift) code = 0x036;
    auto it = std::find_if(kViewKeys.begin(), kViewKeys.end(),
                           [code](const ViewKey &key) { return key.code == code; });
    return it == kViewKeys.end() ? -1 : it->slot;
}

KeyCode keyCodeOfSlot(int slotIndex) {
    auto it = std::find_if(kViewKeys.begin(), kViewKeys.end(),
                           [slotIndex](const ViewKey &key) { return key.slot == slotIndex; });
    return it == kViewKeys.end() ? KeyCode{0} : it->code;
}

}  // namespace lighting
