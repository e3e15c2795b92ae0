// The reach circle's insets, row by row: no formula gives them, so they are kept as drawn.
#include "world/reach.h"

#include <iterator>

namespace {

// Rows 0..127, sixteen to a line; rows 128..255 repeat them from the middle outward.
constexpr int UpperInsets[] = {
    117, 109, 102, 98, 94, 90, 87, 85, 82, 79, 77, 75, 73, 71, 69, 67,  // rows 0..15
    65, 63, 62, 60, 58, 57, 56, 54, 53, 52, 51, 49, 48, 47, 46, 45,     // rows 16..31
    43, 42, 41, 40, 39, 38, 37, 36, 35, 34, 33, 32, 32, 31, 30, 29,     // rows 32..47
    28, 27, 27, 26, 25, 24, 23, 23, 22, 21, 20, 20, 19, 19, 18, 17,     // rows 48..63
    17, 16, 16, 15, 15, 14, 14, 13, 13, 12, 12, 11, 11, 10, 10, 9,      // rows 64..79
    9, 9, 8, 8, 8, 7, 7, 7, 6, 6, 5, 5, 5, 5, 4, 4,                     // rows 80..95
    4, 4, 3, 3, 3, 3, 2, 2, 2, 2, 2, 2, 2, 1, 1, 1,                     // rows 96..111
    1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,                     // rows 112..127
};
static_assert(std::size(UpperInsets) == ReachCircleHalfRows);

struct REACHTABLE {
    int Rows[ReachCircleRows];
};

constexpr REACHTABLE Mirrored()
{
    REACHTABLE table = {};
    for (int r = 0; r < ReachCircleHalfRows; r++) {
        table.Rows[r] = UpperInsets[r];
        table.Rows[ReachCircleRows - 1 - r] = UpperInsets[r];
    }
    return table;
}

constexpr REACHTABLE Reach = Mirrored();

}  // namespace

const int (&ReachCircle)[ReachCircleRows] = Reach.Rows;
