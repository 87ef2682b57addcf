#include "KeyboardLayout.h"

namespace skingen {
namespace {

// Column origins of the three blocks, in key units.
constexpr double kMain = kMainBlockColumnUnits;
constexpr double kNav = kMain + 15.25;
constexpr double kPad = kNumpadColumnUnits;

// Row origins: the function-key row, then the five main rows after a gap of 0.4 units.
constexpr double rowY(int row) {
    return row == 0 ? 0.0 : row + 0.4;
}

QString rowKey(int tableRow) {
    return QStringLiteral("KEY_") + QStringLiteral("%1").arg(tableRow, 3, 16, QChar('0')).toUpper();
}

struct Cap {
    int row;  // key-table row
    double w;
    QString legend;
    QString subLegend = {};
};

// Lays a run of keys left to right from column x on grid row r.
void run(std::vector<KeyPlacement> &out, double x, int r, const std::vector<Cap> &caps) {
    for (const Cap &cap : caps) {
        out.push_back({rowKey(cap.row), x, rowY(r), cap.w, 1.0, cap.legend, cap.subLegend});
        x += cap.w;
    }
}

void place(std::vector<KeyPlacement> &out, double x, int r, const Cap &cap, double h = 1.0) {
    out.push_back({rowKey(cap.row), x, rowY(r), cap.w, h, cap.legend, cap.subLegend});
}

void functionRow(std::vector<KeyPlacement> &out) {
    place(out, kMain, 0, {0x01, 1, "Esc"});
    run(out, kMain + 2, 0, {{0x3B, 1, "F1"}, {0x3C, 1, "F2"}, {0x3D, 1, "F3"}, {0x3E, 1, "F4"}});
    run(out, kMain + 6.5, 0, {{0x3F, 1, "F5"}, {0x40, 1, "F6"}, {0x41, 1, "F7"}, {0x42, 1, "F8"}});
    run(out, kMain + 11, 0,
        {{0x43, 1, "F9"}, {0x44, 1, "F10"}, {0x57, 1, "F11"}, {0x58, 1, "F12"}});
    run(out, kNav, 0, {{0xB7, 1, "PrtSc"}, {0x46, 1, "ScrLk"}, {0x45, 1, "Pause"}});
}

void numberRow(std::vector<KeyPlacement> &out) {
    run(out, kMain, 1,
        {{0x29, 1, "`", "~"},
         {0x02, 1, "1", "!"},
         {0x03, 1, "2", "@"},
         {0x04, 1, "3", "#"},
         {0x05, 1, "4", "$"},
         {0x06, 1, "5", "%"},
         {0x07, 1, "6", "^"},
         {0x08, 1, "7", "&"},
         {0x09, 1, "8", "*"},
         {0x0A, 1, "9", "("},
         {0x0B, 1, "0", ")"},
         {0x0C, 1, "-", "_"},
         {0x0D, 1, "=", "+"},
         {0x0E, 2, "Backspace"}});
    run(out, kNav, 1, {{0xD2, 1, "Ins"}, {0xC7, 1, "Home"}, {0xC9, 1, "PgUp"}});
    run(out, kPad, 1, {{0xC5, 1, "Num"}, {0xB5, 1, "/"}, {0x37, 1, "*"}, {0x4A, 1, "-"}});
}

void upperRow(std::vector<KeyPlacement> &out) {
    run(out, kMain, 2,
        {{0x0F, 1.5, "Tab"},
         {0x10, 1, "Q"},
         {0x11, 1, "W"},
         {0x12, 1, "E"},
         {0x13, 1, "R"},
         {0x14, 1, "T"},
         {0x15, 1, "Y"},
         {0x16, 1, "U"},
         {0x17, 1, "I"},
         {0x18, 1, "O"},
         {0x19, 1, "P"},
         {0x1A, 1, "[", "{"},
         {0x1B, 1, "]", "}"},
         {0x2B, 1.5, "\\", "|"}});
    run(out, kNav, 2, {{0xD3, 1, "Del"}, {0xCF, 1, "End"}, {0xD1, 1, "PgDn"}});
    run(out, kPad, 2, {{0x47, 1, "7", "Home"}, {0x48, 1, "8", "\u2191"}, {0x49, 1, "9", "PgUp"}});
    place(out, kPad + 3, 2, {0x4E, 1, "+"}, 2.0);
}

void homeRow(std::vector<KeyPlacement> &out) {
    run(out, kMain, 3,
        {{0x3A, 1.75, "Caps Lock"},
         {0x1E, 1, "A"},
         {0x1F, 1, "S"},
         {0x20, 1, "D"},
         {0x21, 1, "F"},
         {0x22, 1, "G"},
         {0x23, 1, "H"},
         {0x24, 1, "J"},
         {0x25, 1, "K"},
         {0x26, 1, "L"},
         {0x27, 1, ";", ":"},
         {0x28, 1, "'", "\""},
         {0x1C, 2.25, "Enter"}});
    run(out, kPad, 3, {{0x4B, 1, "4", "\u2190"}, {0x4C, 1, "5"}, {0x4D, 1, "6", "\u2192"}});
}

void shiftRow(std::vector<KeyPlacement> &out) {
    run(out, kMain, 4,
        {{0x2A, 2.25, "Shift"},
         {0x2C, 1, "Z"},
         {0x2D, 1, "X"},
         {0x2E, 1, "C"},
         {0x2F, 1, "V"},
         {0x30, 1, "B"},
         {0x31, 1, "N"},
         {0x32, 1, "M"},
         {0x33, 1, ",", "<"},
         {0x34, 1, ".", ">"},
         {0x35, 1, "/", "?"},
         {0x36, 2.75, "Shift"}});
    place(out, kNav + 1, 4, {0xC8, 1, "\u2191"});
    run(out, kPad, 4, {{0x4F, 1, "1", "End"}, {0x50, 1, "2", "\u2193"}, {0x51, 1, "3", "PgDn"}});
    place(out, kPad + 3, 4, {0x9C, 1, "Enter"}, 2.0);
}

void bottomRow(std::vector<KeyPlacement> &out) {
    run(out, kMain, 5,
        {{0x1D, 1.25, "Ctrl"},
         {0xDB, 1.25, "Win"},
         {0x38, 1.25, "Alt"},
         {0x39, 6.25, ""},
         {0xB8, 1, "Alt"}});
    out.push_back({"KEY_FN", kMain + 11, rowY(5), 1, 1, "Fn", ""});
    run(out, kMain + 12, 5, {{0xDD, 1, "Menu"}, {0xDC, 1, "Win"}, {0x9D, 1, "Ctrl"}});
    run(out, kNav, 5, {{0xCB, 1, "\u2190"}, {0xD0, 1, "\u2193"}, {0xCD, 1, "\u2192"}});
    run(out, kPad, 5, {{0x52, 2, "0", "Ins"}, {0x53, 1, ".", "Del"}});
}

// G1..G5 down the left edge beside the five main rows; G6..G9 in the free
// places of the function-key row above the numeric pad.
void extraKeys(std::vector<KeyPlacement> &out) {
    for (int n = 1; n <= 5; ++n)
        out.push_back({QStringLiteral("FUNC_G%1").arg(n), 0, rowY(n), 1, 1,
                       QStringLiteral("G%1").arg(n), ""});
    for (int n = 6; n <= 9; ++n)
        out.push_back({QStringLiteral("FUNC_G%1").arg(n), kPad + (n - 6), rowY(0), 1, 1,
                       QStringLiteral("G%1").arg(n), ""});
}

}  // namespace

std::vector<KeyPlacement> keyboardKeys() {
    std::vector<KeyPlacement> keys;
    functionRow(keys);
    numberRow(keys);
    upperRow(keys);
    homeRow(keys);
    shiftRow(keys);
    bottomRow(keys);
    extraKeys(keys);
    return keys;
}

}  // namespace skingen
