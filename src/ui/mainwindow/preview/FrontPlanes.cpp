#include "FrontPlanes.h"

namespace preview {
namespace {

using Columns = std::array<std::uint8_t, kGridColumns>;

std::uint8_t shiftedRows(std::uint8_t bits, bool up) {
    return up ? std::uint8_t(bits >> 1) : std::uint8_t(bits << 1);
}

// Moves every bit one column sideways; bits leaving the grid are dropped.
Columns shiftedColumns(const Columns &columns, bool left) {
    Columns moved{};
    for (int column = 0; column < kGridColumns; ++column) {
        int target = left ? column - 1 : column + 1;
        if (target >= 0 && target < kGridColumns) moved[target] = columns[column];
    }
    return moved;
}

}  // namespace

void FrontPlanes::clear() {
    planes_ = {};
}

void FrontPlanes::set(int column, int row) {
    if (column < 0 || column >= kGridColumns || row < 0 || row >= kPlaneRows) return;
    for (Columns &plane : planes_) plane[column] |= std::uint8_t(1u << row);
}

std::uint8_t FrontPlanes::columnBits(int column) const {
    std::uint8_t bits = 0;
    for (const Columns &plane : planes_) bits |= plane[column];
    return bits;
}

void FrontPlanes::spread() {
    for (int p = 0; p < PlaneCount; ++p) {
        bool up = p == UpLeft || p == UpRight;
        bool left = p == UpLeft || p == DownLeft;
        Columns sideways = shiftedColumns(planes_[p], left);
        for (int column = 0; column < kGridColumns; ++column)
            planes_[p][column] = shiftedRows(planes_[p][column], up) | sideways[column];
    }
}

void FrontPlanes::fall() {
    for (int p = 0; p < PlaneCount; ++p) {
        bool up = p == UpLeft || p == UpRight;
        for (std::uint8_t &bits : planes_[p]) bits = shiftedRows(bits, up);
    }
}

}  // namespace preview
