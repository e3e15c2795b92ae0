// Where the computer walks: fleeing hazards in their order, and each step of a walk.
#include <gtest/gtest.h>

#include <utility>

#include "opponent/opponent.h"
#include "tests/support/board.h"
#include "world/reach.h"

namespace {

// A fresh board with Tessaly resting on (x, y), aiming at Corvessa on (tx, ty); 20 x 20 pieces reach 128.
PLAYER& Aiming(int x, int y, int tx, int ty)
{
    StartEmptyBoard();
    PLAYER& dreamer = PlaceDreamer(1, "Tessaly", x, y);
    dreamer.pTarget = &PlaceDreamer(0, "Corvessa", tx, ty);
    return dreamer;
}

}  // namespace

TEST(ShouldPieceMove, APieceInAnEnemyHazardFleesUpRightDownLeftAndNeverAttacks)
{
    // Each bound 30 from the centre closes that direction to a 20 x 20 piece.
    const struct { int Top, Right, Bottom, X, Y; } cases[] = {
        {0, 608, 448, 300, 72}, {170, 608, 448, 427, 200}, {170, 330, 448, 300, 327}, {170, 330, 230, 172, 200}};
    for (const auto& c : cases) {
        PLAYER& dreamer = Aiming(300, 200, 330, 200);  // in reach
        Game.SetBoardBounds(0, c.Top, c.Right, c.Bottom);
        PlaceEffect(0, EffectWildFire, 0, 292, 192, 16, 16);
        ShouldPieceMove(Game, &dreamer, ReachCircle, false);
        EXPECT_EQ(Game.PendingAction.Kind, ActionMove);
        EXPECT_EQ(std::make_pair(Game.PendingAction.X, Game.PendingAction.Y), std::make_pair(c.X, c.Y));
        EXPECT_EQ(Game.PendingAction.pActor, &dreamer);
    }
}

TEST(StepToward, TheWalkStartsAtTheDestinationAndRunsBackOnePixelAlongTheMajorAxis)
{
    // From (300, 200); the piece's own box, widened, spans 276..324 and counts as occupied unless it moves.
    const struct { float X, Y; bool Moving, Found; int OutX, OutY; } cases[] = {
        {350.7f, 230.9f, false, true, 350, 230},  // the destination itself, cut to whole pixels
        {600.0f, 250.0f, false, true, 425, 220},  // x major: y follows a sixth of a pixel per step
        {320.0f, 448.0f, false, true, 310, 327},  // y major: the bottom row of the circle ends at 310
        {100.0f, 0.0f, false, true, 210, 110},    // a diagonal: both axes step one pixel
        {324.0f, 200.0f, false, false, -1, -1},   // every point lies in the piece's own box
        {301.0f, 200.0f, true, true, 301, 200},
        {300.9f, 200.0f, true, false, -1, -1},    // less than a pixel along the major axis: no step at all
    };
    for (const auto& c : cases) {
        StartEmptyBoard();
        PLAYER& dreamer = PlaceDreamer(1, "Tessaly", 300, 200);
        dreamer.IsMoving = c.Moving;
        int x = -1, y = -1;
        EXPECT_EQ(StepToward(Game, &dreamer, c.X, c.Y, ReachCircle, 1.0f, &x, &y), c.Found) << c.X << ", " << c.Y;
        EXPECT_EQ(std::make_pair(x, y), std::make_pair(c.OutX, c.OutY)) << c.X << ", " << c.Y;
    }
    StartEmptyBoard();  // the widened box may touch but not cross the board's edges
    const int edges[][4] = {{4, 100, 3, 100}, {604, 100, 605, 100}, {100, 6, 100, 5}, {100, 442, 100, 443}};
    for (const auto& e : edges) {
        EXPECT_FALSE(IsOccupied(Game, e[0], e[1], 4, 6)) << e[0] << ", " << e[1];
        EXPECT_TRUE(IsOccupied(Game, e[2], e[3], 4, 6)) << e[2] << ", " << e[3];
    }
}
