// Four bit planes over the preview grid's 23 columns and eight rows (rows 6
// and 7 lie below the keyboard). Each plane's bits travel in one diagonal
// direction: up-left, up-right, down-left, down-right.
#pragma once

#include <array>
#include <cstdint>

#include "PreviewTables.h"

namespace preview {

inline constexpr int kPlaneRows = 8;

class FrontPlanes {
public:
    void clear();
    // Sets the cell in all four planes.
    void set(int column, int row);
    // The OR of the four planes' bits of one column, bit r = row r.
    std::uint8_t columnBits(int column) const;
    // Each bit becomes two: one row further vertically, one column further sideways.
    void spread();
    // The up planes move one row up, the down planes one row down.
    void fall();
    // Calls visit(slot) for every visible set cell that holds a key.
    template <typename Visit>
    void forEachLitKey(Visit visit) const {
        for (int column = 0; column < kGridColumns; ++column) {
            std::uint8_t bits = columnBits(column);
            for (int row = 0; row < kGridRows; ++row) {
                int slot = gridSlot(column, row);
                if ((bits >> row & 1) && slot != kNoKey) visit(slot);
            }
        }
    }
    bool operator==(const FrontPlanes &) const = default;

private:
    enum Plane { UpLeft, UpRight, DownLeft, DownRight, PlaneCount };
    using Columns = std::array<std::uint8_t, kGridColumns>;
    std::array<Columns, PlaneCount> planes_{};
};

}  // namespace preview
