// A piece's figures in single precision: spell reach, the centre, a death, its slot's reset, the dream slots,
// the reach circle standing on it and the points lying on it.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "world/game.h"
#include "world/reach.h"

TEST(PieceSetUp, SpellReachIsASinglePrecisionProductStatsReviveAndADyingPieceFadesOutKeepingItsSlot)
{
    PIECE piece;
    piece.Init(5, 2, "Badger", PieceCreature, 0, 1, 10, 0xffffff, 255);
    piece.HoverMark = piece.TargetMark = 1;
    piece.Alpha = 90;
    piece.Kill();
    EXPECT_EQ((std::vector<int>{piece.HoverMark, piece.TargetMark, piece.IsDead, piece.DeathPending, piece.FadeMode,
                                piece.FadeStep, piece.Alpha, piece.Kind}),
              (std::vector<int>{0, 0, 1, 1, FadeOut, 2, 255, PieceCreature}));
    piece.SetStats(1, 48, 28, 48, 34, 0.75f);
    EXPECT_EQ(piece.SpellReach, 0.6f);
    EXPECT_NE(static_cast<double>(piece.SpellReach), 0.6);
    EXPECT_EQ(std::vector<int>({piece.Health, piece.IsDead}), std::vector<int>({48, 0}));
}

TEST(PieceCentre, UsesTheCutFrameHalvedAndTheCornerTruncatedTowardZeroButTheMoveTargetHalvesAsAFloat)
{
    PIECE piece;
    piece.CentreX = 77;
    piece.SetPosition(5.0f, 5.0f, 21, 61);
    EXPECT_EQ(piece.CentreX, 77);  // no frame table yet: the centre stays
    piece.Sprite.BuildFrames(0, 1, 21, 61, 1);
    piece.SetPosition(10.9f, 20.2f, 21, 61);
    EXPECT_EQ(std::vector<int>({piece.CentreX, piece.CentreY}), std::vector<int>({20, 50}));  // not the drawn 22
    piece.X = -0.5f;
    piece.UpdateCentre();
    EXPECT_EQ(piece.CentreX, 10);
    piece.Sprite.BuildFrames(0, 1, 30, 20, 1);
    piece.SetPosition(100.0f, 50.0f, 30, 20);
    piece.MoveTo(115.0f, 60.0f, 0.01f);  // to its own centre: no step, yet moving
    EXPECT_EQ(std::vector<float>({piece.StepX, piece.StepY, float(piece.IsMoving)}), std::vector<float>({0, 0, 1}));
}

// A slot's last occupant must leave no cast spent, owner or kind behind, and a dreamer no dream in any of its slots.
TEST(PieceReset, ACreatureSlotForgetsItsLastCastAndADreamerEveryDreamSlotOfTwentyAtMost)
{
    PLAYER owner;
    PIECE creature;
    creature.pOwner = &owner;
    creature.CreatureKind = 7;
    creature.HasCast = 1;
    creature.Reset();
    EXPECT_EQ((std::vector<int>{creature.pOwner == nullptr, creature.CreatureKind, creature.HasCast}),
              (std::vector<int>{1, 0, 0}));
    owner.Kind = PieceComputerDreamer;
    owner.Score = 1500;
    owner.DreamChoice = 0;
    owner.HasCast = owner.HasDreamed = owner.NoRoomToDream = 1;
    EXPECT_FALSE(owner.AddDreamSlot(0) || owner.AddDreamSlot(21));
    for (int i = 0; i < DreamSlotsPerDreamer; i++)
        ASSERT_TRUE(owner.AddDreamSlot(i % 20 + 1));
    EXPECT_FALSE(owner.AddDreamSlot(5));
    EXPECT_EQ(owner.DreamSlots[DreamSlotsPerDreamer - 1].Kind, 20);
    owner.Reset();
    EXPECT_EQ((std::vector<int>{owner.Kind, owner.Score, owner.DreamChoice, owner.HasCast, owner.HasDreamed,
                                owner.NoRoomToDream, owner.DreamSlotCount}),
              (std::vector<int>{PieceFree, 0, 1, 0, 0, 0, 0}));
    for (const DREAMSLOT& slot : owner.DreamSlots)
        EXPECT_EQ(std::vector<int>({slot.Kind, slot.Chance}), std::vector<int>({0, 0}));
}

TEST(Reach, TheCircleStandsOnTheBoxMiddleAndReadsTheRowOfTheScaledHeightInSinglePrecision)
{
    auto game = std::make_unique<GAME>();
    PIECE& piece = game->Creatures[0];
    piece.Init(0, 1, "Owl", PieceCreature, 0, 1, 10, 0xffffff, 255);
    piece.SetPosition(100.0f, 100.0f, 50, 50);
    const struct { float Scale; int X, Y; bool In; } cases[] = {
        {1.0f, 114, -3, true}, {1.0f, 113, -3, false},    // the top row's left end; the circle's origin is (-3, -3)
        {1.0f, 252, 125, true}, {1.0f, 253, 125, false},  // 127 right of the middle in, 128 beyond the square
        {0.6f, 95, 55, true}, {0.6f, 94, 55, false},      // dy 6: 9.9999996 rounds to row 10, inset 46
        {0.7f, 117, 36, true}, {0.7f, 116, 36, false},    // row 0 scaled: 81..96
        {0.7f, 132, 36, true}, {0.7f, 133, 36, false},
        {0.5f, 112, 62, true}, {0.5f, 111, 62, false},    // dy 1 reads row 2 (inset 51), not row 1 (54)
    };
    for (const auto& c : cases)
        EXPECT_EQ(game->IsInReach(&piece, c.X, c.Y, ReachCircle, c.Scale), c.In) << c.Scale << " " << c.X << "," << c.Y;
    EXPECT_FALSE(game->IsInReach(nullptr, 125, 125, ReachCircle, 1.0f));
}

TEST(PointOnPiece, AllFourEdgesCountAndEveryTestClearsTheMarksOfLiveRestingPiecesOnly)
{
    auto game = std::make_unique<GAME>();
    PIECE* pieces[4];
    for (int i = 0; i < 4; i++) {
        pieces[i] = &game->Creatures[i];
        pieces[i]->Init(i, 1, "Owl", PieceCreature, 0, 1, 10, 0xffffff, 255);
        pieces[i]->SetPosition(100.0f, 100.0f, 50, 50);
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
