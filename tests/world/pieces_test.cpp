// Pieces and creatures: figures in single precision, a death, a slot's reset, the dream slots, reach, points on a
// piece, a creature's making, colours and dream bonuses, its growth and glow, its slot, and a dream landing or failing.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "world/creatures.h"
#include "world/effects.h"
#include "world/game.h"
#include "world/random.h"
#include "world/reach.h"

namespace {

// A game whose dreamer `index` (centre x 120) is seated with the given dream slots.
std::unique_ptr<GAME> GameWithDreamer(int index, std::initializer_list<int> kinds)
{
    auto game = std::make_unique<GAME>();
    PLAYER& dreamer = game->Players[index];
    dreamer.Sprite.BuildFrames(1, 1, 40, 40, 1);
    dreamer.Init(index, index, "Tessaly", PieceComputerDreamer, 0, 1, 10, 0xffffff, 255);
    dreamer.SetPosition(100.0f, 100.0f, 40, 40);
    for (int kind : kinds)
        dreamer.AddDreamSlot(kind);
    return game;
}

}  // namespace

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

TEST(CreatureCreation, TheCellIsCentredOnThePointAndTheRestComesFromTheKindAndTheDreamer)
{
    auto game = GameWithDreamer(3, {});
    EXPECT_EQ(std::make_pair(game->GetTeamColour(8), game->GetTeamPaleColour(-1)),
              std::make_pair(0xffffffu, 0xffffffu));
    const int bonuses[][2] = {{20, 6}, {21, 5}, {40, 5}, {41, 4}, {60, 4}, {61, 3}, {80, 3}, {81, 2}, {101, 2}};
    for (const auto& b : bonuses)
        EXPECT_EQ(GetDreamBonus(b[0]), b[1]) << b[0];
    PLAYER& dreamer = game->Players[3];
    dreamer.IsComputer = 1;
    const PIECE* salmon = game->CreateCreature("Salmon", 13, 3, 300, 200);
    EXPECT_EQ((std::vector<float>{salmon->X, salmon->Y, float(salmon->Width), float(salmon->Height)}),
              (std::vector<float>{273.0f, 191.0f, 55.0f, 19.0f}));
    const PIECE* badger = game->CreateCreature("Badger", 1, 3, 300, 200);  // its two spells, reach 0.65 and pulse
    EXPECT_EQ((std::vector<int>{badger->Index, badger->Team, badger->IsGrowing, badger->IsComputer,
                                badger->Spells.Count}),
              (std::vector<int>{1, 3, 1, 1, 2}));
    EXPECT_EQ(std::make_pair(badger->SpellReach, badger->Sprite.Scale), std::make_pair(0.65f * 0.8f, 0.1f));
    EXPECT_TRUE(badger->pOwner == &dreamer && badger->TeamColour == 0xffff00u && badger->PaleColour == 0xffffddu);
    EXPECT_EQ(game->CreateCreature("Frog", 17, 3, 50, 50)->Spells.Count, 1);
    EXPECT_EQ(game->CreateCreature("Dragon", 20, 3, 50, 50)->Spells.Count, 0);
}

// The glow shows bound - 1 and 1 for two frames at each end, turning on the second.
TEST(CreatureFrames, ANewCreatureGrowsFromATenthInEighteenFramesThenBreathesAndItsGlowSwingsWithinItsBound)
{
    auto game = GameWithDreamer(1, {});
    struct CASE { const char* Name; int SizeClass; std::vector<int> Turns; int Lowest, Highest; };
    const CASE cases[] = {
        {"a creature's, by 2 from 128: odd, it never meets 0", 1, {1, 65, 129, 193}, 1, 127},
        {"by 1 from 32, landing on 0", 0, {1, 32, 63, 94, 125, 156, 187}, 1, 31},
    };
    for (const CASE& c : cases) {
        SCOPED_TRACE(c.Name);
        PIECE* owl = game->CreateCreature("Owl", 11, 1, 300, 200);  // its body breathes from 1 to 0.98 by 0.0003
        if (c.SizeClass != 1)
            owl->SetSizeClass(c.SizeClass);
        std::vector<int> turns;
        int lowest = 255, highest = 0, growing = 0;
        float breathed = 0.0f;
        for (int frame = 1; frame <= 200; frame++) {
            const int step = owl->GlowStep;
            growing += owl->IsGrowing;
            owl->Update();
            if (owl->GlowStep != step)
                turns.push_back(frame);
            lowest = std::min(lowest, owl->GlowAlpha);
            highest = std::max(highest, owl->GlowAlpha);
            if (frame == 28)  // ten frames after it has grown to 1
                breathed = owl->Sprite.Scale;
        }
        EXPECT_EQ(growing, 18);
        EXPECT_NEAR(breathed, 1.0f - 10 * 0.0003f, 1e-5f);
        EXPECT_EQ(turns, c.Turns);
        EXPECT_EQ(std::vector<int>({lowest, highest}), std::vector<int>({c.Lowest, c.Highest}));
    }
}

TEST(CreatureSlots, ASlotIsUsedOnceAGameAndThe129thCreatureTakesSlotZeroAsItFindsIt)
{
    auto game = GameWithDreamer(1, {});
    game->Creatures[0].CreatureKind = 4;  // dead and faded out: Kind 0, yet not free
    for (int i = 1; i < CreatureSlots; i++)
        EXPECT_EQ(game->CreateCreature("Owl", 11, 1, 80, 80), &game->Creatures[i]);
    PIECE& first = game->Creatures[0];
    first.HasMoved = first.HasCast = 1;
    first.pTarget = &game->Players[1];
    first.pFriend = &game->Creatures[5];
    first.LastAttackerTeam = 6;
    EXPECT_EQ(game->CreateCreature("Bear", 2, 1, 80, 80), &first);
    EXPECT_EQ((std::vector<int>{first.CreatureKind, first.HasMoved, first.HasCast, first.LastAttackerTeam}),
              (std::vector<int>{2, 1, 1, 6}));
    EXPECT_TRUE(first.pTarget == &game->Players[1] && first.pFriend == &game->Creatures[5]);
}

TEST(DreamLanding, TheRollSucceedsAtOrBelowTheChanceAndAlwaysAtAHundred)
{
    const struct { int Chance, Draw; bool Success; } rolls[] = {
        {100, 99, true}, {0, 100, true}, {0, 101, false}, {35, 235, true}, {35, 236, false}};
    for (const auto& roll : rolls) {
        auto game = GameWithDreamer(2, {1});
        game->Players[2].DreamSlots[0].Chance = roll.Chance;
        ScriptRand({roll.Draw});
        game->ResolveDream(EffectDreamLine, &game->Players[2], 0, 300, 200);
        EXPECT_EQ(game->Creatures[0].Kind == PieceCreature, roll.Success) << roll.Chance << " " << roll.Draw;
        EXPECT_EQ(std::string(game->MessageText[2]) == "Dreaming Failed.", !roll.Success);
        EXPECT_EQ(game->Players[2].DreamSlotCount, 0);
        EXPECT_EQ(game->Effects.Slots[0].Kind, EffectSparkle);
    }
}

TEST(DreamLanding, ASuccessFadesTheCreatureInAndRaisesTheRemainingChancesAndEverySpell)
{
    for (int x : {120, 121}) {
        auto game = GameWithDreamer(2, {1, 2, 11, 20});  // chances 70, 30, 70, 100
        PLAYER& dreamer = game->Players[2];
        dreamer.DreamSlots[1].Chance = 35;  // bonus 5
        dreamer.DreamSlots[4].Chance = 50;  // out of use: it must not rise
        dreamer.Spells.Slots[0].Chance = 97;
        dreamer.Spells.Slots[31].Chance = 10;
        game->MessageIsEvent = 1;
        ScriptRand({0});
        game->ResolveDream(EffectDreamLine, &dreamer, 1, x, 200);
        const PIECE& bear = game->Creatures[0];
        EXPECT_STREQ(bear.Name, "Bear");
        EXPECT_EQ((std::vector<int>{bear.FadeMode, bear.Alpha, bear.FadeStep, bear.Sprite.Mirror}),
                  (std::vector<int>{1, 0, 8, x == 120}));  // mirrored when landing left of or on the centre
        ASSERT_EQ(dreamer.DreamSlotCount, 3);
        EXPECT_EQ((std::vector<int>{dreamer.DreamSlots[2].Chance, dreamer.DreamSlots[4].Chance,
                                    dreamer.Spells.Slots[0].Chance, dreamer.Spells.Slots[31].Chance}),
                  (std::vector<int>{100, 50, 100, 15}));  // capped at 100; an empty spell row rises too
        EXPECT_EQ((std::vector<int>{game->MessageFramesLeft, game->MessageFrames, game->MessageIsEvent}),
                  (std::vector<int>{50, 50, 0}));
    }
}

TEST(DreamLanding, ATransferSparklesInTheSendersColourAndADeadDreamersDreamBringsNoCreature)
{
    auto game = GameWithDreamer(3, {1});
    PIECE* crane = game->CreateCreature("Crane", 5, 3, 200, 200);
    ScriptRand({7, 7, 7});
    game->ResolveDream(EffectDreamLine, nullptr, 0, 50, 60);
    game->ResolveDream(5, &game->Players[3], 0, 50, 60);
    EXPECT_EQ(ScriptedRandLeft(), 1);  // every landing draws, even one that does nothing
    EXPECT_EQ(game->Effects.Slots[0].IsActive, 0);
    game->ResolveDream(EffectTransferLine, crane, 4, 50, 60);
    EXPECT_EQ(ScriptedRandLeft(), 0);
    EXPECT_EQ(game->Effects.Slots[0].Sprite.Colour, 0xffff00u);
    EXPECT_EQ(std::make_pair(game->MessageFramesLeft, game->MessageFrames), std::make_pair(50, 50));
    game->Players[3].Kill();
    ScriptRand({0});
    game->ResolveDream(EffectDreamLine, &game->Players[3], 0, 300, 200);
    EXPECT_EQ((std::vector<int>{game->FindFreeCreature(), game->Players[3].DreamSlotCount,
                                game->Effects.Slots[1].Kind}),
              (std::vector<int>{1, 0, EffectSparkle}));
}
