#include <gtest/gtest.h>

#include <cstring>
#include <memory>

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
    piece.SetBounds(0, 0, 608, 448);
}

}  // namespace

// ---- resets and what they keep ---------------------------------------------

TEST(PieceReset, ResetCommonClearsTheGameButKeepsPlaceStatsNameAndGlowBounds)
{
    PIECE piece;
    SetUpCreature(piece);
    piece.HasCast = 1;
    piece.HasMoved = 1;
    piece.GlowBound = 180;
    piece.GlowStep = -3;
    piece.GlowAlpha = 40;
    piece.PendingHealth = -12;
    piece.LastAttackerTeam = 3;
    piece.ScoreValue = 60;
    piece.HoldBack = 2;
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
    EXPECT_EQ(piece.Alpha, 255);
    EXPECT_EQ(piece.GlowAlpha, 255);
    EXPECT_EQ(piece.PendingHealth, 0);
    EXPECT_EQ(piece.LastAttackerTeam, -1);
    EXPECT_EQ(piece.ScoreValue, 0);
    EXPECT_EQ(piece.HoldBack, 0);
    EXPECT_EQ(piece.HasMoved, 0);
    EXPECT_EQ(piece.pTarget, nullptr);
    EXPECT_EQ(piece.TeamColour, 0xffffffu);

    EXPECT_FLOAT_EQ(piece.X, 100.0f);
    EXPECT_EQ(piece.Width, 30);
    EXPECT_EQ(piece.MaxHealth, 40);
    EXPECT_EQ(piece.Attack, 12);
    EXPECT_EQ(piece.Reach, 0.75f);
    EXPECT_STREQ(piece.Name, "Badger");
    EXPECT_EQ(piece.HasCast, 1);
    EXPECT_EQ(piece.GlowBound, 180);
    EXPECT_EQ(piece.GlowStep, -3);
}

TEST(PieceReset, ResetEmptiesTheSpellHand)
{
    SPELLTABLE table;
    PIECE piece;
    piece.Spells.SetSpellTable(&table);
    ASSERT_TRUE(piece.Spells.AddSpell(1));
    piece.ResetCommon();
    EXPECT_EQ(piece.Spells.Count, 0);
}

TEST(PieceReset, CreatureResetClearsOwnerKindAndLastOccupantsCast)
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

TEST(PieceReset, DreamerResetStartsANewSide)
{
    PLAYER player;
    player.SetClass(3);
    player.Kind = PieceComputerDreamer;
    player.Score = 1500;
    player.DreamChoice = 0;
    player.HasCast = 1;
    player.HasDreamed = 1;
    player.NoRoomToDream = 1;
    ASSERT_TRUE(player.AddDreamSlot(2));
    ASSERT_TRUE(player.AddDreamSlot(19));

    player.Reset();

    EXPECT_EQ(player.Kind, PieceFree);
    EXPECT_EQ(player.Score, 0);
    EXPECT_EQ(player.DreamChoice, 1);
    EXPECT_EQ(player.HasCast, 0);
    EXPECT_EQ(player.HasDreamed, 0);
    EXPECT_EQ(player.NoRoomToDream, 0);
    EXPECT_EQ(player.DreamSlotCount, 0);
    EXPECT_EQ(player.Class, 3);
    EXPECT_STREQ(player.ClassName, "Druid");
}

TEST(PieceReset, DreamerResetLeavesNoOldDreamInAnySlot)
{
    PLAYER player;
    for (int kind = 1; kind <= 19; kind++)
        ASSERT_TRUE(player.AddDreamSlot(kind));

    player.Reset();

    for (const DREAMSLOT& slot : player.DreamSlots) {
        EXPECT_EQ(slot.Kind, 0);
        EXPECT_EQ(slot.Chance, 0);
    }
}

TEST(PieceReset, NewDreamerHasNothingInPlay)
{
    auto player = std::make_unique<PLAYER>();
    EXPECT_EQ(player->Kind, PieceFree);
    EXPECT_EQ(player->Index, -1);
    EXPECT_EQ(player->Class, 0);
    EXPECT_EQ(player->DreamChoice, 1);
    EXPECT_EQ(player->GlowAlpha, 255);
    EXPECT_EQ(player->GlowBound, 0);
    EXPECT_EQ(player->LastAttackerTeam, -1);
    EXPECT_EQ(player->Spells.Count, 0);
}

// ---- kinds and views -------------------------------------------------------

TEST(PieceKinds, OnlyDreamerKindsGiveTheDreamersOwnFields)
{
    PLAYER player;
    PIECE creature;
    EXPECT_EQ(player.ToPlayer(), nullptr);  // a free slot is no dreamer yet
    player.Kind = PieceHumanDreamer;
    EXPECT_EQ(player.ToPlayer(), &player);
    player.Kind = PieceComputerDreamer;
    EXPECT_EQ(player.ToPlayer(), &player);
    EXPECT_EQ(player.ToCreature(), nullptr);

    EXPECT_EQ(creature.ToCreature(), nullptr);
    creature.Kind = PieceCreature;
    PIECEBASE* base = &creature;
    EXPECT_EQ(base->ToCreature(), &creature);
    EXPECT_EQ(base->ToPlayer(), nullptr);
}

// ---- set-up ----------------------------------------------------------------

TEST(PieceSetUp, SpellReachIsASinglePrecisionProduct)
{
    PIECE piece;
    piece.SetStats(1, 48, 28, 48, 34, 0.75f);
    EXPECT_EQ(piece.SpellReach, 0.6f);
    EXPECT_EQ(static_cast<double>(piece.SpellReach), static_cast<double>(0.6f));
    EXPECT_NE(static_cast<double>(piece.SpellReach), 0.6);
    piece.SetStats(1, 43, 38, 36, 40, 0.6f);
    EXPECT_EQ(piece.SpellReach, 0.6f * 0.8f);
}

TEST(PieceSetUp, StatsGiveFullHealthAndBringADeadPieceBack)
{
    PIECE piece;
    piece.Kill();
    piece.SetStats(1, 50, 42, 32, 40, 0.9f);
    EXPECT_EQ(piece.IsDead, 0);
    EXPECT_EQ(piece.Level, 1);
    EXPECT_EQ(piece.Health, 50);
    EXPECT_EQ(piece.MaxHealth, 50);
    EXPECT_EQ(piece.Defence, 32);
    EXPECT_EQ(piece.FourthStat, 40);
}

TEST(PieceSetUp, InitStoresIdentityAndTheBodysPlayRange)
{
    PIECE piece;
    piece.Sprite.BuildFrames(12, 4, 16, 16, 4);
    piece.IsGrowing = 1;
    piece.Init(3, 1, "A name far longer than the thirty-one characters a name holds", PieceCreature, 1, 2, 10,
               0x123456, 200);
    EXPECT_EQ(piece.Index, 3);
    EXPECT_EQ(piece.Team, 1);
    EXPECT_EQ(piece.Kind, PieceCreature);
    EXPECT_EQ(piece.IsGrowing, 0);
    EXPECT_EQ(std::strlen(piece.Name), static_cast<size_t>(PieceNameSize - 1));
    EXPECT_EQ(piece.Sprite.FirstFrame, 1);
    EXPECT_EQ(piece.Sprite.CurrentFrame, 1);
    EXPECT_EQ(piece.Sprite.RangeLength, 2);
    EXPECT_EQ(piece.Sprite.TicksPerFrame, 10);
    EXPECT_EQ(piece.Sprite.Colour, 0x123456u);
    EXPECT_EQ(piece.Sprite.Alpha, 200);
}

TEST(PieceSetUp, PositionStopsAnyMoveAndSetsTheCentre)
{
    PIECE piece;
    SetUpCreature(piece);
    EXPECT_EQ(piece.MoveTargetX, 100.0f);
    EXPECT_EQ(piece.MoveTargetY, 50.0f);
    EXPECT_EQ(piece.CentreX, 115);
    EXPECT_EQ(piece.CentreY, 60);
    EXPECT_EQ(piece.Bounds[2], 608);
    EXPECT_EQ(piece.Bounds[3], 448);
}

TEST(PieceSetUp, ClassNamesAndAnUnknownClassKeepsTheOldName)
{
    PLAYER player;
    const char* names[] = {"Shaman", "Bee Shaman", "Dreamer", "Druid", "Witch"};
    for (int c = 0; c < 5; c++) {
        player.SetClass(c);
        EXPECT_STREQ(player.ClassName, names[c]);
    }
    player.SetClass(7);
    EXPECT_EQ(player.Class, 7);
    EXPECT_STREQ(player.ClassName, "Witch");
}

// ---- centre and moves ------------------------------------------------------

TEST(PieceCentre, UsesTheCutFrameHalvedAndTheTruncatedCorner)
{
    PIECE piece;
    piece.Sprite.BuildFrames(0, 1, 21, 61, 1);
    piece.SetPosition(10.9f, 20.2f, 21, 61);
    EXPECT_EQ(piece.CentreX, 20);  // 10 + (21 >> 1)
    EXPECT_EQ(piece.CentreY, 50);  // 20 + (61 >> 1)
    piece.X = -0.5f;
    piece.UpdateCentre();
    EXPECT_EQ(piece.CentreX, 10);  // -0.5 truncates toward zero
}

TEST(PieceCentre, FollowsTheCurrentFrameNotTheFirst)
{
    PIECE piece;
    piece.Sprite.BuildFrames(0, 2, 20, 20, 2);
    piece.SetPosition(0.0f, 0.0f, 20, 20);
    EXPECT_EQ(piece.CentreX, 10);
    piece.Sprite.Frames[1].Right = piece.Sprite.Frames[1].Left + 40;
    piece.Sprite.CurrentFrame = 1;
    piece.UpdateCentre();
    EXPECT_EQ(piece.CentreX, 20);
}

TEST(PieceCentre, NoFrameTableLeavesTheCentreAlone)
{
    PIECE piece;
    piece.CentreX = 77;
    piece.CentreY = 88;
    piece.SetPosition(5.0f, 5.0f, 30, 30);
    EXPECT_EQ(piece.CentreX, 77);
    EXPECT_EQ(piece.CentreY, 88);
}

TEST(PieceMove, MoveToItsOwnCentreStillMoves)
{
    PIECE piece;
    piece.Sprite.BuildFrames(0, 1, 30, 20, 1);
    piece.SetPosition(100.0f, 50.0f, 30, 20);
    piece.MoveTo(static_cast<float>(piece.CentreX), static_cast<float>(piece.CentreY), 0.01f);
    EXPECT_EQ(piece.StepX, 0.0f);
    EXPECT_EQ(piece.StepY, 0.0f);
    EXPECT_EQ(piece.IsMoving, 1);
}

TEST(PieceMove, TargetUsesHalfTheWidthAsAFloatUnlikeTheCentre)
{
    PIECE piece;
    piece.Sprite.BuildFrames(0, 1, 21, 61, 1);
    piece.SetPosition(0.0f, 0.0f, 21, 61);
    ASSERT_EQ(piece.CentreX, 10);
    piece.MoveTo(10.0f, 30.0f, 0.01f);
    EXPECT_EQ(piece.MoveTargetX, -0.5f);
    EXPECT_EQ(piece.MoveTargetY, -0.5f);
    EXPECT_EQ(piece.StepX, -0.5f * 0.01f);
}

TEST(PieceMove, StepIsAFixedFractionOfTheWay)
{
    PIECE piece;
    piece.SetPosition(48.0f, 200.0f, 30, 64);
    piece.MoveTo(315.0f, 132.0f, 0.01f);
    EXPECT_EQ(piece.MoveTargetX, 300.0f);
    EXPECT_EQ(piece.MoveTargetY, 100.0f);
    EXPECT_EQ(piece.StepX, (300.0f - 48.0f) * 0.01f);
    EXPECT_EQ(piece.StepY, (100.0f - 200.0f) * 0.01f);
}

// ---- death and turn flags --------------------------------------------------

TEST(PieceKill, ADyingPieceLosesItsMarksAndFadesOut)
{
    PIECE piece;
    SetUpCreature(piece);
    piece.HoverMark = 1;
    piece.TargetMark = 1;
    piece.Alpha = 90;
    piece.FadeMode = 1;
    piece.Kill();
    EXPECT_EQ(piece.HoverMark, 0);
    EXPECT_EQ(piece.TargetMark, 0);
    EXPECT_EQ(piece.IsDead, 1);
    EXPECT_EQ(piece.DeathPending, 1);
    EXPECT_EQ(piece.FadeMode, 2);
    EXPECT_EQ(piece.FadeStep, 2);
    EXPECT_EQ(piece.Alpha, 255);
    EXPECT_EQ(piece.Kind, PieceCreature);  // the slot is freed only when the fade ends
}

TEST(PieceTurn, ClearingTurnFlags)
{
    PIECE creature;
    creature.HasMoved = creature.HasCast = 1;
    creature.ClearTurnFlags();
    EXPECT_EQ(creature.HasMoved, 0);
    EXPECT_EQ(creature.HasCast, 0);

    PLAYER player;
    player.HasMoved = player.HasCast = player.HasDreamed = 1;
    player.ClearTurnFlags();
    EXPECT_EQ(player.HasMoved, 0);
    EXPECT_EQ(player.HasCast, 0);
    EXPECT_EQ(player.HasDreamed, 0);
}

// ---- dream slots -----------------------------------------------------------

TEST(DreamSlots, ASlotTakesItsKindsNameAndChance)
{
    PLAYER player;
    ASSERT_TRUE(player.AddDreamSlot(18));
    ASSERT_TRUE(player.AddDreamSlot(2));
    ASSERT_TRUE(player.AddDreamSlot(20));
    EXPECT_EQ(player.DreamSlotCount, 3);
    EXPECT_EQ(player.DreamSlots[0].Kind, 18);
    EXPECT_STREQ(player.DreamSlots[0].Name, "Deer");
    EXPECT_EQ(player.DreamSlots[0].Chance, 90);
    EXPECT_STREQ(player.DreamSlots[1].Name, "Bear");
    EXPECT_EQ(player.DreamSlots[1].Chance, 30);
    EXPECT_STREQ(player.DreamSlots[2].Name, "Dragon");
    EXPECT_EQ(player.DreamSlots[2].Chance, 100);
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

TEST(DreamSlots, ClearKeepsTheName)
{
    DREAMSLOT slot;
    slot.Set(11, "Owl", 70);
    slot.Clear();
    EXPECT_EQ(slot.Kind, 0);
    EXPECT_EQ(slot.Chance, 0);
    EXPECT_STREQ(slot.Name, "Owl");
}

TEST(CreatureKinds, NamesAndChancesOfTheTwentyKinds)
{
    const char* names[CreatureKindCount] = {"Badger", "Bear",  "Blackbird", "Wildcat", "Crane",
                                            "Crow",   "Eagle", "Snake",     "Horse",   "Otter",
                                            "Owl",    "Boar",  "Salmon",    "Swan",    "Wolf",
                                            "Squirrel", "Frog", "Deer",     "Bee",     "Dragon"};
    const int chances[CreatureKindCount] = {70, 30, 60, 40, 70, 40, 30, 80, 40, 90,
                                            70, 80, 70, 40, 40, 50, 80, 90, 70, 100};
    for (int kind = 1; kind <= CreatureKindCount; kind++) {
        const CREATUREKIND* row = FindCreatureKind(kind);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->Kind, kind);
        EXPECT_STREQ(row->Name, names[kind - 1]);
        EXPECT_EQ(row->DreamChance, chances[kind - 1]);
    }
    EXPECT_EQ(FindCreatureKind(0), nullptr);
    EXPECT_EQ(FindCreatureKind(21), nullptr);
}

// ---- spells of a dreamer ---------------------------------------------------

TEST(DreamerSpells, DruidsAndWitchesHoldCloudCoverOthersAreDealtByClass)
{
    SPELLTABLE table;
    for (int c = 0; c < 5; c++) {
        PLAYER player;
        player.SetClass(c);
        player.DealSpells(table);
        const SPELLHAND& hand = player.Spells;
        bool extra = (c == 3 || c == 4);
        ASSERT_GE(hand.Count, 5 + (extra ? 1 : 0));
        ASSERT_LE(hand.Count, 6 + (extra ? 1 : 0));
        if (extra) {
            EXPECT_STREQ(hand.Slots[hand.Count - 1].Name, "Cloud Cover");
        }
    }
}
