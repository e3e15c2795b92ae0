#include <gtest/gtest.h>

#include "world/creature_kinds.h"
#include "world/pieces.h"
#include "world/spells.h"

namespace {

// A creature set up the way a creator does it: frames, identity, stats, place.
void SetUpCreature(PIECE& piece)
{
    piece.Sprite.BuildFrames(40, 2, 30, 20, 2);
    piece.Init(5, 2, "Badger", PieceCreature, 0, 1, 10, 0xffffff, 255);
    piece.SetStats(1, 40, 12, 9, 7, 0.75f);
    piece.SetPosition(100.0f, 50.0f, 30, 20);
}

}  // namespace

// ---- resets and what they keep ---------------------------------------------

TEST(PieceReset, ResetCommonClearsTheGameButKeepsPlaceStatsNameCastAndGlowBounds)
{
    SPELLTABLE table;
    PIECE piece;
    SetUpCreature(piece);
    piece.Spells.SetSpellTable(&table);
    ASSERT_TRUE(piece.Spells.AddSpell(1));
    piece.HasCast = piece.HasMoved = 1;
    piece.GlowBound = 180;
    piece.GlowStep = -3;
    piece.GlowAlpha = 40;
    piece.PendingHealth = -12;
    piece.LastAttackerTeam = 3;
    piece.pTarget = &piece;
    piece.Kill();

    piece.ResetCommon();

    EXPECT_EQ(piece.Kind, PieceFree);
    EXPECT_EQ(piece.Index, -1);
    EXPECT_EQ(piece.Team, -1);
    EXPECT_EQ(piece.IsDead, 0);
    EXPECT_EQ(piece.DeathPending, 0);
    EXPECT_EQ(piece.FadeMode, 0);
    EXPECT_EQ(piece.FadeStep, 1);
    EXPECT_EQ(piece.GlowAlpha, 255);
    EXPECT_EQ(piece.PendingHealth, 0);
    EXPECT_EQ(piece.LastAttackerTeam, -1);
    EXPECT_EQ(piece.HasMoved, 0);
    EXPECT_EQ(piece.pTarget, nullptr);
    EXPECT_EQ(piece.Spells.Count, 0);

    EXPECT_EQ(piece.X, 100.0f);
    EXPECT_EQ(piece.MaxHealth, 40);
    EXPECT_EQ(piece.Reach, 0.75f);
    EXPECT_STREQ(piece.Name, "Badger");
    EXPECT_EQ(piece.HasCast, 1);
    EXPECT_EQ(piece.GlowBound, 180);
    EXPECT_EQ(piece.GlowStep, -3);
}

TEST(PieceReset, CreatureResetAlsoClearsTheLastOccupantsCast)
{
    PLAYER owner;
    PIECE piece;
    SetUpCreature(piece);
    piece.pOwner = &owner;
    piece.CreatureKind = 7;
    piece.HasCast = 1;
    piece.Reset();
    EXPECT_EQ(piece.pOwner, nullptr);
    EXPECT_EQ(piece.CreatureKind, 0);
    EXPECT_EQ(piece.HasCast, 0);
}

TEST(PieceReset, DreamerResetStartsANewSideWithEveryDreamSlotCleared)
{
    PLAYER player;
    player.SetClass(3);
    player.Kind = PieceComputerDreamer;
    player.Score = 1500;
    player.DreamChoice = 0;
    player.HasCast = player.HasDreamed = player.NoRoomToDream = 1;
    for (int kind = 1; kind <= 19; kind++)
        ASSERT_TRUE(player.AddDreamSlot(kind));

    player.Reset();

    EXPECT_EQ(player.Kind, PieceFree);
    EXPECT_EQ(player.Score, 0);
    EXPECT_EQ(player.DreamChoice, 1);
    EXPECT_EQ(player.HasCast, 0);
    EXPECT_EQ(player.HasDreamed, 0);
    EXPECT_EQ(player.NoRoomToDream, 0);
    EXPECT_EQ(player.DreamSlotCount, 0);
    for (const DREAMSLOT& slot : player.DreamSlots) {
        EXPECT_EQ(slot.Kind, 0);
        EXPECT_EQ(slot.Chance, 0);
    }
    EXPECT_STREQ(player.ClassName, "Druid");
}

// ---- kinds -----------------------------------------------------------------

TEST(PieceKinds, OnlyDreamerKindsReachTheDreamersOwnFields)
{
    PLAYER player;
    PIECE creature;
    EXPECT_EQ(player.ToPlayer(), nullptr);  // a free slot is nobody's dreamer
    player.Kind = PieceHumanDreamer;
    EXPECT_EQ(player.ToPlayer(), &player);
    player.Kind = PieceComputerDreamer;
    EXPECT_EQ(player.ToPlayer(), &player);
    EXPECT_EQ(player.ToCreature(), nullptr);
    creature.Kind = PieceCreature;
    PIECEBASE* base = &creature;
    EXPECT_EQ(base->ToCreature(), &creature);
    EXPECT_EQ(base->ToPlayer(), nullptr);
}

// ---- set-up, centre and moves ----------------------------------------------

TEST(PieceSetUp, SpellReachIsASinglePrecisionProduct)
{
    PIECE piece;
    piece.Kill();
    piece.SetStats(1, 48, 28, 48, 34, 0.75f);
    EXPECT_EQ(piece.SpellReach, 0.6f);
    EXPECT_NE(static_cast<double>(piece.SpellReach), 0.6);
    EXPECT_EQ(piece.Health, 48);
    EXPECT_EQ(piece.IsDead, 0);
}

TEST(PieceCentre, UsesTheCutFrameHalvedAndTheCornerTruncatedTowardZero)
{
    PIECE piece;
    piece.CentreX = 77;
    piece.SetPosition(5.0f, 5.0f, 21, 61);
    EXPECT_EQ(piece.CentreX, 77);  // no frame table yet: the centre stays

    piece.Sprite.BuildFrames(0, 1, 21, 61, 1);
    piece.SetPosition(10.9f, 20.2f, 21, 61);
    EXPECT_EQ(piece.MoveTargetX, 10.9f);
    EXPECT_EQ(piece.CentreX, 20);  // 10 + (21 >> 1), not the drawn width of 22
    EXPECT_EQ(piece.CentreY, 50);
    piece.X = -0.5f;
    piece.UpdateCentre();
    EXPECT_EQ(piece.CentreX, 10);
}

TEST(PieceMove, TheTargetUsesHalfTheWidthAsAFloatUnlikeTheCentre)
{
    PIECE piece;
    piece.Sprite.BuildFrames(0, 1, 21, 61, 1);
    piece.SetPosition(0.0f, 0.0f, 21, 61);
    piece.MoveTo(static_cast<float>(piece.CentreX), static_cast<float>(piece.CentreY), 0.01f);
    EXPECT_EQ(piece.MoveTargetX, -0.5f);
    EXPECT_EQ(piece.StepX, -0.5f * 0.01f);
    EXPECT_EQ(piece.IsMoving, 1);

    piece.Sprite.BuildFrames(0, 1, 30, 20, 1);
    piece.SetPosition(100.0f, 50.0f, 30, 20);
    piece.MoveTo(115.0f, 60.0f, 0.01f);  // to its own centre: no step, yet moving
    EXPECT_EQ(piece.StepX, 0.0f);
    EXPECT_EQ(piece.StepY, 0.0f);
    EXPECT_EQ(piece.IsMoving, 1);
}

// ---- death --------------------------------------------------

TEST(PieceKill, ADyingPieceLosesItsMarksAndFadesOutButKeepsItsSlot)
{
    PIECE piece;
    SetUpCreature(piece);
    piece.HoverMark = piece.TargetMark = 1;
    piece.Alpha = 90;
    piece.Kill();
    EXPECT_EQ(piece.HoverMark, 0);
    EXPECT_EQ(piece.TargetMark, 0);
    EXPECT_EQ(piece.IsDead, 1);
    EXPECT_EQ(piece.DeathPending, 1);
    EXPECT_EQ(piece.FadeMode, 2);
    EXPECT_EQ(piece.FadeStep, 2);
    EXPECT_EQ(piece.Alpha, 255);
    EXPECT_EQ(piece.Kind, PieceCreature);
}

// ---- dream slots -----------------------------------------------------------

TEST(DreamSlots, ASlotTakesItsKindsNameAndChance)
{
    PLAYER player;
    const int kinds[] = {18, 2, 20, 1};
    const char* names[] = {"Deer", "Bear", "Dragon", "Badger"};
    const int chances[] = {90, 30, 100, 70};
    for (int kind : kinds)
        ASSERT_TRUE(player.AddDreamSlot(kind));
    ASSERT_EQ(player.DreamSlotCount, 4);
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ(player.DreamSlots[i].Kind, kinds[i]);
        EXPECT_STREQ(player.DreamSlots[i].Name, names[i]);
        EXPECT_EQ(player.DreamSlots[i].Chance, chances[i]);
    }
}

TEST(DreamSlots, ATwentyFirstSlotOrAnUnknownKindIsIgnored)
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

TEST(DreamerSpells, DruidsAndWitchesEndTheirHandWithCloudCover)
{
    SPELLTABLE table;
    for (int c = 0; c < 5; c++) {
        PLAYER player;
        player.SetClass(c);
        player.DealSpells(table);
        bool extra = (c == 3 || c == 4);
        ASSERT_GE(player.Spells.Count, 5 + extra);
        ASSERT_LE(player.Spells.Count, 6 + extra);
        if (extra) {
            EXPECT_EQ(player.Spells.Slots[player.Spells.Count - 1].Id, CloudCoverRow);
        }
    }
}
