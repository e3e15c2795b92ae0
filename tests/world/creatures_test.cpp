#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "world/creatures.h"
#include "world/effects.h"
#include "world/game.h"
#include "world/random.h"

namespace {

// A game whose dreamer `index` (centre x 120) is seated with the given dream slots.
std::unique_ptr<GAME> GameWithDreamer(int index, std::initializer_list<int> kinds)
{
    auto game = std::make_unique<GAME>();
    game->SetBoardBounds(0, 0, 608, 448);
    PLAYER& dreamer = game->Players[index];
    dreamer.Sprite.BuildFrames(1, 1, 40, 40, 1);
    dreamer.Init(index, index, "Tessaly", PieceComputerDreamer, 0, 1, 10, 0xffffff, 255);
    dreamer.SetPosition(100.0f, 100.0f, 40, 40);
    for (int kind : kinds)
        dreamer.AddDreamSlot(kind);
    return game;
}

}  // namespace

// ---- the tables ------------------------------------------------------------

TEST(CreatureTable, RowsFollowTheKindsAndTeamsGlowAndBonusesFallBackOutsideTheirRange)
{
    for (int kind = 1; kind <= CreatureKindCount; kind++)
        EXPECT_EQ(FindCreatureStats(kind)->Kind, CreatureKinds[kind - 1].Kind);
    int w = -5, h = -5;
    Game.GetCreatureSize(21, &w, &h);
    EXPECT_EQ(w, -5);
    Game.GetCreatureSize(5, &w, &h);  // one pixel lower than its 32 x 58 cell
    EXPECT_EQ(h, 57);

    const struct { int team; std::uint32_t colour, pale; } colours[] = {
        {0, 0xff0000, 0xffdddd}, {3, 0xffff00, 0xffffdd}, {6, 0xffffff, 0xffffff},
        {7, 0x000000, 0xeeeeee}, {8, 0xffffff, 0xffffff}, {-1, 0xffffff, 0xffffff}};
    for (const auto& c : colours) {
        EXPECT_EQ(Game.GetTeamColour(c.team), c.colour) << c.team;
        EXPECT_EQ(Game.GetTeamPaleColour(c.team), c.pale) << c.team;
    }
    const int glows[][3] = {{0, 1, 32}, {2, 4, 160}, {3, 5, 224}, {-1, 5, 224}, {9, 5, 224}};
    for (const auto& g : glows) {
        PIECE piece;
        piece.SetSizeClass(g[0]);
        EXPECT_EQ(piece.GlowStep, g[1]) << g[0];
        EXPECT_EQ(piece.GlowAlpha, g[2]) << g[0];
        EXPECT_EQ(piece.GlowBound, g[2]) << g[0];
    }
    const int bonuses[][2] = {{0, 6}, {20, 6}, {21, 5}, {40, 5}, {41, 4}, {60, 4}, {61, 3}, {80, 3}, {81, 2}, {100, 2}};
    for (const auto& b : bonuses)
        EXPECT_EQ(GetDreamBonus(b[0]), b[1]) << b[0];
}

// ---- creation --------------------------------------------------------------

TEST(CreatureCreation, TheCellIsCentredOnThePointAndTheBoxIsTheKindsSize)
{
    auto game = GameWithDreamer(3, {});
    PIECE* salmon = game->CreateCreature("Salmon", 13, 3, 300, 200);
    EXPECT_EQ(salmon->X, 273.0f);
    EXPECT_EQ(salmon->Y, 191.0f);
    EXPECT_EQ(salmon->Width, 55);
    EXPECT_EQ(salmon->Height, 19);
    PIECE* otter = game->CreateCreature("Otter", 10, 3, -3, 7);  // cell 53 x 44, box 52 x 43
    EXPECT_EQ(otter->X, -29.0f);
    EXPECT_EQ(otter->Y, -15.0f);
    EXPECT_EQ(otter->Width, 52);
    EXPECT_EQ(otter->Sprite.Frames[1].Left, 53);  // the glow cell beside the body
}

TEST(CreatureCreation, StatsBodyGlowAndOwnerComeFromTheKindAndTheDreamer)
{
    auto game = GameWithDreamer(3, {});
    PLAYER& dreamer = game->Players[3];
    dreamer.IsComputer = 1;
    dreamer.SpellChoice = 2;
    dreamer.FriendCastEagerness = 30;
    dreamer.HoldBack = 1;
    PIECE* badger = game->CreateCreature("Badger", 1, 3, 300, 200);

    EXPECT_EQ(badger->Index, 0);
    EXPECT_EQ(badger->Team, 3);
    EXPECT_EQ(badger->Kind, PieceCreature);
    EXPECT_STREQ(badger->Name, "Badger");
    EXPECT_EQ(badger->Health, 32);
    EXPECT_EQ(badger->Attack, 20);
    EXPECT_EQ(badger->Defence, 33);
    EXPECT_EQ(badger->Reach, 0.65f);
    EXPECT_EQ(badger->SpellReach, 0.65f * 0.8f);
    EXPECT_EQ(badger->ScoreValue, 50);
    EXPECT_EQ(badger->Sprite.Frames[0].Texture, 12);
    EXPECT_EQ(badger->Sprite.PulseMin, 0.96f);
    EXPECT_EQ(badger->Sprite.PulseStep, 0.0003f);
    EXPECT_EQ(badger->Sprite.Scale, 0.1f);
    EXPECT_EQ(badger->IsGrowing, 1);
    EXPECT_EQ(badger->GlowBound, 128);
    EXPECT_EQ(badger->pOwner, &dreamer);
    EXPECT_EQ(badger->TeamColour, 0xffff00u);
    EXPECT_EQ(badger->PaleColour, 0xffffddu);
    EXPECT_EQ(badger->IsComputer, 1);
    EXPECT_EQ(badger->SpellChoice, 2);
    EXPECT_EQ(badger->FriendCastEagerness, 30);
    EXPECT_EQ(badger->HoldBack, 0);  // the opponent reads the dreamer's
    ASSERT_EQ(badger->Spells.Count, 2);
    EXPECT_EQ(badger->Spells.Slots[0].Id, 9);
    EXPECT_EQ(badger->Spells.Slots[1].Id, 17);

    PIECE* frog = game->CreateCreature("Frog", 17, 3, 50, 50);
    EXPECT_EQ(frog->Spells.Count, 1);
    EXPECT_EQ(frog->Spells.Slots[0].Id, 23);
    EXPECT_EQ(game->CreateCreature("Dragon", 20, 3, 50, 50)->Spells.Count, 0);
    EXPECT_EQ(game->CreateCreature("Wolf", 15, -1, 50, 50)->pOwner, nullptr);
}

TEST(CreatureSlots, ASlotIsUsedOnceAGameAndThe129thCreatureTakesSlotZeroAsItFindsIt)
{
    auto game = GameWithDreamer(1, {});
    game->Creatures[0].CreatureKind = 4;  // dead and faded out: Kind 0, yet not free
    EXPECT_EQ(game->FindFreeCreature(), 1);
    for (int i = 1; i < CreatureSlots; i++)
        EXPECT_EQ(game->CreateCreature("Owl", 11, 1, 80, 80), &game->Creatures[i]);

    PIECE& first = game->Creatures[0];
    first.HasMoved = first.HasCast = 1;
    first.pTarget = &game->Players[1];
    first.pFriend = &game->Creatures[5];
    first.LastAttackerTeam = 6;
    EXPECT_EQ(game->CreateCreature("Bear", 2, 1, 80, 80), &first);
    EXPECT_EQ(first.CreatureKind, 2);
    EXPECT_EQ(first.HasMoved, 1);
    EXPECT_EQ(first.HasCast, 1);
    EXPECT_EQ(first.pTarget, &game->Players[1]);
    EXPECT_EQ(first.pFriend, &game->Creatures[5]);
    EXPECT_EQ(first.LastAttackerTeam, 6);
}

// ---- dream slots and chances -----------------------------------------------

TEST(DreamChances, RemovingASlotClosesTheListInOrderAndRaisesCapAtAHundred)
{
    auto game = GameWithDreamer(0, {1, 2, 10, 20});  // chances 70, 30, 90, 100
    PLAYER& dreamer = game->Players[0];
    dreamer.RemoveDreamSlot(1);
    ASSERT_EQ(dreamer.DreamSlotCount, 3);
    EXPECT_EQ(dreamer.DreamSlots[1].Kind, 10);
    EXPECT_STREQ(dreamer.DreamSlots[2].Name, "Dragon");
    EXPECT_EQ(dreamer.DreamSlots[3].Kind, 0);
    dreamer.DreamSlots[3].Chance = 50;  // out of use: it must not rise
    dreamer.RaiseDreamChances(15);
    const int chances[] = {85, 100, 100, 50};
    for (int i = 0; i < 4; i++)
        EXPECT_EQ(dreamer.DreamSlots[i].Chance, chances[i]) << i;
}

// ---- dream landings --------------------------------------------------------

TEST(DreamLanding, TheRollSucceedsAtOrBelowTheChanceAndAlwaysAtAHundred)
{
    const struct { int chance, draw; bool success; } rolls[] = {
        {100, 99, true}, {0, 100, true}, {0, 101, false}, {35, 235, true}, {35, 236, false}};
    for (const auto& roll : rolls) {
        auto game = GameWithDreamer(2, {1});
        game->Players[2].DreamSlots[0].Chance = roll.chance;
        ScriptRand({roll.draw});
        game->ResolveDream(EffectDreamLine, &game->Players[2], 0, 300, 200);
        EXPECT_EQ(game->Creatures[0].Kind == PieceCreature, roll.success) << roll.chance << " " << roll.draw;
        EXPECT_EQ(std::strcmp(game->MessageText[2], "Dreaming Failed.") == 0, !roll.success);
        EXPECT_EQ(game->Players[2].DreamSlotCount, 0);
        EXPECT_EQ(game->Effects.Slots[0].Kind, EffectSparkle);
        EXPECT_EQ(game->Effects.Slots[0].Sprite.Colour, 0xffffffu);
    }
}

TEST(DreamLanding, ASuccessFadesTheCreatureInAndRaisesTheRemainingChancesAndEverySpell)
{
    for (int x : {120, 121}) {
        auto game = GameWithDreamer(2, {1, 2, 11, 20});
        PLAYER& dreamer = game->Players[2];
        dreamer.DreamSlots[1].Chance = 35;  // bonus 5
        dreamer.Spells.Slots[0].Chance = 97;
        dreamer.Spells.Slots[31].Chance = 10;
        game->MessageIsEvent = 1;
        ScriptRand({0});
        game->ResolveDream(EffectDreamLine, &dreamer, 1, x, 200);

        const PIECE& bear = game->Creatures[0];
        EXPECT_STREQ(bear.Name, "Bear");
        EXPECT_EQ(bear.FadeMode, 1);
        EXPECT_EQ(bear.Alpha, 0);
        EXPECT_EQ(bear.FadeStep, 8);
        EXPECT_EQ(bear.Sprite.Mirror, x == 120 ? 1 : 0);  // mirrored when landing left of or on the centre
        ASSERT_EQ(dreamer.DreamSlotCount, 3);
        const int chances[] = {75, 75, 100};
        for (int i = 0; i < 3; i++)
            EXPECT_EQ(dreamer.DreamSlots[i].Chance, chances[i]) << i;
        EXPECT_EQ(dreamer.Spells.Slots[0].Chance, 100);
        EXPECT_EQ(dreamer.Spells.Slots[31].Chance, 15);  // an empty row rises too
        EXPECT_EQ(game->MessageFramesLeft, 50);
        EXPECT_EQ(game->MessageFrames, 50);
        EXPECT_EQ(game->MessageIsEvent, 0);
    }
}

TEST(DreamLanding, ADeadDreamersDreamIsUsedUpAndSparklesButBringsNoCreature)
{
    auto game = GameWithDreamer(1, {20, 5});
    game->Players[1].Kill();
    game->ResolveDream(EffectDreamLine, &game->Players[1], 0, 300, 200);
    EXPECT_EQ(game->FindFreeCreature(), 0);
    EXPECT_EQ(game->Players[1].DreamSlotCount, 1);
    EXPECT_EQ(game->Players[1].DreamSlots[0].Kind, 5);
    EXPECT_EQ(game->Effects.Slots[0].Kind, EffectSparkle);
}

TEST(DreamLanding, ATransferLandsWithTheSendersColourAndOtherLandingsOnlyDraw)
{
    auto game = GameWithDreamer(3, {1});
    PIECE* crane = game->CreateCreature("Crane", 5, 3, 200, 200);
    ScriptRand({7, 7, 7, 7, 7, 7});
    game->ResolveDream(EffectDreamLine, crane, 0, 50, 60);
    game->ResolveDream(EffectDreamLine, nullptr, 0, 50, 60);
    game->ResolveDream(EffectDreamLine, &game->Players[3], -1, 50, 60);
    game->ResolveDream(EffectDreamLine, &game->Players[3], 1, 50, 60);
    game->ResolveDream(5, &game->Players[3], 0, 50, 60);
    EXPECT_EQ(ScriptedRandLeft(), 1);
    EXPECT_EQ(game->Effects.Slots[0].IsActive, 0);
    EXPECT_EQ(game->Players[3].DreamSlotCount, 1);
    EXPECT_EQ(game->MessageFramesLeft, 0);

    game->ResolveDream(EffectTransferLine, crane, 4, 50, 60);
    EXPECT_EQ(ScriptedRandLeft(), 0);
    EXPECT_EQ(game->Effects.Slots[0].Sprite.Colour, 0xffff00u);
    EXPECT_EQ(game->MessageFramesLeft, 50);
    EXPECT_EQ(game->MessageFrames, 50);
}
