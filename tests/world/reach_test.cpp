// Reach: the circle's table, where it stands on a piece, and which points lie on a piece.
#include <gtest/gtest.h>

#include <memory>
#include <numeric>
#include <utility>

#include "world/game.h"
#include "world/reach.h"

namespace {

// A resting creature with its box at (100, 100), 50 x 50.
PIECE& PlaceCreature(GAME& game, int index = 0)
{
    PIECE& piece = game.Creatures[index];
    piece.Init(index, 1, "Owl", PieceCreature, 0, 1, 10, 0xffffff, 255);
    piece.SetPosition(100.0f, 100.0f, 50, 50);
    return piece;
}

}  // namespace

TEST(ReachCircle, TheTableIsTheDrawnHalfMirroredAroundTheMiddle)
{
    EXPECT_EQ(std::accumulate(ReachCircle, ReachCircle + ReachCircleHalfRows, 0), 3525);
    EXPECT_EQ(ReachCircle[0], 117);
    for (int r = 0; r < ReachCircleRows; r++) {
        EXPECT_EQ(ReachCircle[r], ReachCircle[255 - r]) << "row " << r;
        EXPECT_EQ(ReachCircle[r] == 0, r >= 117 && r <= 138) << "row " << r;
    }
}

TEST(ReachCircle, TheCircleStandsOnTheBoxMiddleAndReadsTheRowOfTheScaledHeight)
{
    auto game = std::make_unique<GAME>();
    PIECE& piece = PlaceCreature(*game);
    int x = 0, y = 0;
    game->GetReachOrigin(&piece, &x, &y, 1.0f);
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(-3, -3));
    game->GetReachOrigin(nullptr, &x, &y, 0.6f);
    EXPECT_EQ(x, -3) << "nothing is written for no piece";
    const struct { float Scale; int X, Y; bool In; } cases[] = {
        {1.0f, 125, -3, true}, {1.0f, 0, -3, false},      // top row, middle: row 0 covers 117..138
        {1.0f, 114, -3, true}, {1.0f, 113, -3, false},    // both ends of a row count
        {1.0f, 252, 125, true}, {1.0f, 253, 125, false},  // 127 right of the middle in, 128 beyond the square
        {0.6f, 95, 55, true}, {0.6f, 94, 55, false},      // dy 6: 9.9999996 rounds to row 10, inset 46
        {0.7f, 117, 36, true}, {0.7f, 116, 36, false},    // row 0 scaled: 81..96
        {0.7f, 132, 36, true}, {0.7f, 133, 36, false},
        {0.5f, 112, 62, true}, {0.5f, 111, 62, false},    // dy 1 reads row 2 (inset 51), not row 1 (54)
    };
    for (const auto& c : cases)
        EXPECT_EQ(game->IsInReach(&piece, c.X, c.Y, ReachCircle, c.Scale), c.In)
            << "scale " << c.Scale << " at " << c.X << ", " << c.Y;
    EXPECT_FALSE(game->IsInReach(nullptr, 125, 125, ReachCircle, 1.0f));
}

TEST(PointOnPiece, AllFourEdgesCountAndEveryTestClearsTheMarksOfLiveRestingPiecesOnly)
{
    auto game = std::make_unique<GAME>();
    PIECE* pieces[4];
    for (int i = 0; i < 4; i++) {
        pieces[i] = &PlaceCreature(*game, i);
        pieces[i]->HoverMark = pieces[i]->TargetMark = 1;
    }
    EXPECT_FALSE(game->IsPointOnPiece(pieces[0], 0, 0));
    EXPECT_EQ(pieces[0]->HoverMark + pieces[0]->TargetMark, 0);  // a miss clears them too
    const int hits[][3] = {{100, 100, 1}, {150, 150, 1}, {100, 150, 1}, {99, 120, 0}, {151, 120, 0}, {120, 151, 0}};
    for (const auto& h : hits)
        EXPECT_EQ(game->IsPointOnPiece(pieces[0], h[0], h[1]), h[2] == 1) << h[0] << ", " << h[1];
    EXPECT_TRUE(game->IsPointNearPiece(pieces[0], 155, 97, 5, 3));  // margins widen every side
    EXPECT_FALSE(game->IsPointNearPiece(pieces[0], 156, 120, 5, 3));

    pieces[1]->IsMoving = 1;
    pieces[2]->IsDead = 1;
    pieces[3]->Kind = PieceFree;
    for (int i = 1; i < 4; i++) {
        EXPECT_FALSE(game->IsPointOnPiece(pieces[i], 120, 120)) << i;
        EXPECT_EQ(pieces[i]->HoverMark + pieces[i]->TargetMark, 2) << i;
    }
}
