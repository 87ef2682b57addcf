// The keys of the keyboard view on a grid of key units: the 104 keys by their
// key-table row, the nine programmable G keys and Fn.
#pragma once

#include <QString>
#include <vector>

namespace skingen {

struct KeyPlacement {
    QString skinKey;  // "KEY_01E", "FUNC_G1", "KEY_FN"
    double x;         // position and size in key units
    double y;
    double w;
    double h;
    QString legend;
    QString subLegend;
};

// Every key of the keyboard view with its place in key units.
std::vector<KeyPlacement> keyboardKeys();

// Left edges, in key units, of the numeric pad (the lock lights sit above it)
// and of the main block of keys.
inline constexpr double kNumpadColumnUnits = 19.75;
inline constexpr double kMainBlockColumnUnits = 1.25;

}  // namespace skingen
