// Reach tests: whether a piece's circle holds a point, and whether a point lies on a piece.
#include "world/game.h"

#include "world/reach.h"

// The circle is centred on the middle of the piece's box, not on its body
// frame's centre.
void GAME::GetReachOrigin(PIECEBASE* piece, int* x, int* y, float scale) const
{
    if (piece == nullptr)
        return;
    float radius = 128.0f * scale;
    *x = static_cast<int>(piece->X) - static_cast<int>(radius) + (piece->Width >> 1);
    *y = static_cast<int>(piece->Y) - static_cast<int>(radius) + (piece->Height >> 1);
}

// One table lookup and integer comparisons, no distance: it runs for every
// candidate point of a computer decision and on every pointer move while aiming.
// The row quotient is rounded to single precision before it is cut, so at some
// scales a point lands one row further out than exact arithmetic would put it.
bool GAME::IsInReach(PIECEBASE* piece, int x, int y, const int* reachTable, float scale) const
{
    float size = 256.0f * scale;
    if (piece == nullptr || reachTable == nullptr)
        return false;
    int originX = 0;
    int originY = 0;
    GetReachOrigin(piece, &originX, &originY, scale);
    int dx = x - originX;
    int dy = y - originY;
    int extent = static_cast<int>(size);
    if (dx < 0 || dx >= extent || dy < 0 || dy >= extent)
        return false;
    float quotient = static_cast<float>(dy) / scale;
    int row = static_cast<int>(quotient);
    if (row < 0)
        row = 0;
    if (row > ReachCircleRows - 1)
        row = ReachCircleRows - 1;
    float low = static_cast<float>(reachTable[row]) * scale;
    float high = static_cast<float>(ReachCircleRows - 1 - reachTable[row]) * scale;
    return static_cast<int>(low) <= dx && dx <= static_cast<int>(high);
}

bool GAME::IsPointOnPiece(PIECEBASE* piece, int x, int y) const
{
    return IsPointNearPiece(piece, x, y, 0, 0);
}

// Every live, resting piece tested loses its hover and target marks, hit or
// not: the pointer code sets them again on the pieces it keeps. A moving or
// dead piece is never under the pointer.
bool GAME::IsPointNearPiece(PIECEBASE* piece, int x, int y, int marginX, int marginY) const
{
    if (piece == nullptr || piece->IsMoving || piece->IsDead || piece->Kind == PieceFree)
        return false;
    piece->HoverMark = 0;
    piece->TargetMark = 0;
    int left = static_cast<int>(piece->X) - marginX;
    int top = static_cast<int>(piece->Y) - marginY;
    return left <= x && x <= left + piece->Width + 2 * marginX && top <= y && y <= top + piece->Height + 2 * marginY;
}
