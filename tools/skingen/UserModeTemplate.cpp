#include "UserModeTemplate.h"

#include <QColor>
#include <QStringList>
#include <cmath>
#include <functional>
#include <set>
#include <vector>

namespace skingen {
namespace {

// Colour slots (6 rows of 21) of the 104 keys of the keyboard view and Fn (110).
std::vector<int> keySlots() {
    std::vector<int> keys;
    auto range = [&](int first, int last) {
        for (int s = first; s <= last; ++s) keys.push_back(s);
    };
    range(0, 12);
    range(14, 16);
    range(21, 41);
    range(42, 62);
    range(63, 74);
    keys.push_back(76);
    range(80, 82);
    keys.push_back(84);
    range(86, 95);
    keys.push_back(97);
    keys.push_back(99);
    range(101, 104);
    range(105, 113);
    range(119, 121);
    range(123, 124);
    return keys;
}

struct Paint {
    QColor colour;
    bool base;  // painted with the base colour
};

struct UserMode {
    QString name;
    QColor base;
    QColor brush;
    std::function<Paint(int slot)> paint;
};

int column(int slot) {
    return slot % 21;
}
int row(int slot) {
    return slot / 21;
}

const std::set<int> kMovement = {44, 64, 65, 66, 99, 119, 120, 121};  // W A S D and the arrows
const std::set<int> kAbilities = {43, 44, 45, 46, 66, 67,
                                  22, 23, 24, 25, 26, 27};  // Q W E R D F, 1..6
const std::set<int> kFunctionRow = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};

QColor hue(double position, double saturation = 0.9) {
    return QColor::fromHsvF(std::fmod(position, 1.0), saturation, 1.0);
}

Paint highlight(int slot, const std::set<int> &keys, const QColor &on, const QColor &base) {
    return keys.count(slot) ? Paint{on, false} : Paint{base, true};
}

std::vector<UserMode> userModes() {
    const QColor ice(0x1e, 0xc8, 0xff), white(0xff, 0xff, 0xff), red(0xff, 0x20, 0x30);
    return {
        {"Arctic", ice, white,
         [=](int) {
             return Paint{ice, true};
         }},
        {"WASD", QColor(0x10, 0x30, 0xa0), red,
         [=](int s) { return highlight(s, kMovement, red, QColor(0x10, 0x30, 0xa0)); }},
        {"Rainbow", white, white,
         [](int s) {
             return Paint{hue(column(s) / 21.0), false};
         }},
        {"Sunset", QColor(0xff, 0x60, 0x10), QColor(0x90, 0x20, 0xff),
         [](int s) {
             return Paint{hue(0.75 + 0.33 * column(s) / 20.0, 0.95), false};
         }},
        {"Typing", white, ice, [=](int s) { return highlight(s, kFunctionRow, ice, white); }},
        {"Shooter", QColor(0x60, 0x00, 0x00), QColor(0xff, 0xc8, 0x00),
         [=](int s) {
             return highlight(s, {44, 64, 65, 66, 22, 23, 24, 25, 108, 84, 105, 46, 67},
                              QColor(0xff, 0xc8, 0x00), QColor(0x60, 0x00, 0x00));
         }},
        {"Arena", QColor(0x20, 0x10, 0x40), QColor(0x00, 0xff, 0x90),
         [=](int s) {
             return highlight(s, kAbilities, QColor(0x00, 0xff, 0x90), QColor(0x20, 0x10, 0x40));
         }},
        {"Neon", QColor(0xff, 0x00, 0xc8), ice,
         [=](int s) {
             return row(s) % 2 ? Paint{ice, false} : Paint{QColor(0xff, 0x00, 0xc8), true};
         }},
        {"Forest", QColor(0x10, 0x80, 0x30), QColor(0xb0, 0xff, 0x40),
         [](int s) {
             return Paint{hue(0.22 + 0.12 * row(s) / 5.0, 0.85), false};
         }},
        {"Ember", QColor(0xff, 0x30, 0x00), QColor(0xff, 0xa0, 0x00),
         [](int s) {
             return (column(s) + row(s)) % 3 ? Paint{QColor(0xff, 0x30, 0x00), true}
                                             : Paint{QColor(0xff, 0xa0, 0x00), false};
         }},
    };
}

QString rgb(const QColor &c) {
    return QStringLiteral("%1,%2,%3").arg(c.red()).arg(c.green()).arg(c.blue());
}

}  // namespace

QString userModeTemplate() {
    const std::vector<UserMode> modes = userModes();
    QStringList lines = {"[PRESENTMODE]", "mode=0", "", "[MODENAME]"};
    for (std::size_t slot = 0; slot < modes.size(); ++slot)
        lines << QStringLiteral("%1=%2").arg(slot).arg(modes[slot].name);
    for (std::size_t slot = 0; slot < modes.size(); ++slot) {
        const UserMode &mode = modes[slot];
        lines << "" << QStringLiteral("[Mode%1]").arg(slot) << "tool=0"
              << "jcolor=" + rgb(mode.base) << "color=" + rgb(mode.brush);
        for (int key : keySlots()) {
            const Paint paint = mode.paint(key);
            const QColor colour = paint.base ? mode.base : paint.colour;
            lines << QStringLiteral("%1=%2,%3").arg(key).arg(rgb(colour)).arg(paint.base ? 1 : 0);
        }
    }
    return lines.join('\n') + '\n';
}

}  // namespace skingen
