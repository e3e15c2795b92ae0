// The reach circle: the 256-row picture of a circle that decides what a piece can reach.
#pragma once

constexpr int ReachCircleRows = 256;        // rows (and columns) of the circle's square
constexpr int ReachCircleHalfRows = 128;    // the upper half; the lower half mirrors it

// Left inset of each row: row r covers columns ReachCircle[r] to 255 - ReachCircle[r].
extern const int (&ReachCircle)[ReachCircleRows];
