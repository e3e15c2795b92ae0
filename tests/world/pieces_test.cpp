// A piece's figures in single precision: spell reach, the truncated centre, the move target, a death, the dream slots.
#include <gtest/gtest.h>

#include <vector>

#include "world/pieces.h"

TEST(PieceSetUp, SpellReachIsASinglePrecisionProductAndStatsRevive)
{
    PIECE piece;
    piece.Kill();
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

    piece.SetPosition(0.0f, 0.0f, 21, 61);
    piece.MoveTo(static_cast<float>(piece.CentreX), static_cast<float>(piece.CentreY), 0.01f);
    EXPECT_EQ(std::vector<float>({piece.MoveTargetX, piece.StepX}), std::vector<float>({-0.5f, -0.5f * 0.01f}));
    piece.Sprite.BuildFrames(0, 1, 30, 20, 1);
    piece.SetPosition(100.0f, 50.0f, 30, 20);
    piece.MoveTo(115.0f, 60.0f, 0.01f);  // to its own centre: no step, yet moving
    EXPECT_EQ(std::vector<float>({piece.StepX, piece.StepY, float(piece.IsMoving)}), std::vector<float>({0, 0, 1}));
}

TEST(PieceKill, ADyingPieceLosesItsMarksAndFadesOutFromFullButKeepsItsSlot)
{
    PIECE piece;
    piece.Init(5, 2, "Badger", PieceCreature, 0, 1, 10, 0xffffff, 255);
    piece.HoverMark = piece.TargetMark = 1;
    piece.Alpha = 90;
    piece.Kill();
    EXPECT_EQ((std::vector<int>{piece.HoverMark, piece.TargetMark, piece.IsDead, piece.DeathPending, piece.FadeMode,
                                piece.FadeStep, piece.Alpha, piece.Kind}),
              (std::vector<int>{0, 0, 1, 1, FadeOut, 2, 255, PieceCreature}));
}

// A slot's last occupant must leave no cast spent, owner or kind behind, and a dreamer no dream in any of its slots.
TEST(PieceReset, ACreatureSlotForgetsItsLastCastAndADreamerEveryDreamSlot)
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
    for (int kind = 1; kind <= 19; kind++)
        ASSERT_TRUE(owner.AddDreamSlot(kind));
    owner.Reset();
    EXPECT_EQ((std::vector<int>{owner.Kind, owner.Score, owner.DreamChoice, owner.HasCast, owner.HasDreamed,
                                owner.NoRoomToDream, owner.DreamSlotCount}),
              (std::vector<int>{PieceFree, 0, 1, 0, 0, 0, 0}));
    for (const DREAMSLOT& slot : owner.DreamSlots)
        EXPECT_EQ(std::vector<int>({slot.Kind, slot.Chance}), std::vector<int>({0, 0}));
}

TEST(DreamSlots, TwentySlotsOfKnownKindsAtMost)
{
    PLAYER player;
    EXPECT_FALSE(player.AddDreamSlot(0));
    EXPECT_FALSE(player.AddDreamSlot(21));
    for (int i = 0; i < DreamSlotsPerDreamer; i++)
        ASSERT_TRUE(player.AddDreamSlot(i % 20 + 1));
    EXPECT_FALSE(player.AddDreamSlot(5));
    EXPECT_EQ(player.DreamSlotCount, DreamSlotsPerDreamer);
    EXPECT_EQ(player.DreamSlots[DreamSlotsPerDreamer - 1].Kind, 20);
}
