// A new game and one frame: what a game clears and keeps, who sits down with which spells, which decks are dealt, a
// piece's health and move, a dreamer's death and its side's hazards, a death nobody scores, and an action dropped.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>
#include <vector>

#include "tests/support/board.h"
#include "world/frame_update.h"
#include "world/game.h"
#include "world/random.h"
#include "world/roster.h"
#include "world/spells.h"

namespace {

// A challenge against roster entry 8 on a game of the test's own, its opening banner run out.
std::unique_ptr<GAME> StartGame()
{
    auto game = std::make_unique<GAME>();
    game->BuildRoster();
    game->StartNewGame(4, 8, 2);
    game->MessageFramesLeft = 0;
    return game;
}

}  // namespace

TEST(NewGame, ResetClearsTheTurnTheBannerTheNumbersAndEverySlotButKeepsRosterBoardSceneryAndTheActionsOtherFields)
{
    auto game = std::make_unique<GAME>();
    game->SetBoardBounds(0, 0, 608, 448);
    std::strcpy(game->Roster[4].Name, "Pellamor");
    game->Players[1].Init(1, 1, "Seated", PieceComputerDreamer, 0, 1, 10, 0xffffff, 255);
    game->Players[1].Score = 700;
    game->Creatures[9].Kind = PieceCreature;
    game->CurrentPlayer = 1;
    game->CurrentCreature = 9;
    game->HitHappened = game->ComputerTurnsRunning = game->HumanTurnEnded = game->MessageIsEvent = game->DebugFlag = 1;
    game->MessageFramesLeft = game->MessageFrames = 30;
    std::strcpy(game->MessageText[0], "Seated");
    game->PendingAction = {ActionCast, &game->Players[1], &game->Players[0], 120, 80, 3, 2};
    game->ScoreTexts.Add(10, 10, 500);
    game->Scenery.Spawn(2, 10, 10, 100);
    game->Reset();
    EXPECT_EQ((std::vector<int>{game->CurrentPlayer, game->CurrentCreature, game->HitHappened,
                                game->ComputerTurnsRunning, game->HumanTurnEnded, game->MessageIsEvent,
                                game->MessageFramesLeft, game->MessageFrames, game->MessageText[0][0],
                                game->PendingAction.Kind, game->PendingAction.DreamSlot, game->Players[1].Kind,
                                game->Players[1].Score, game->Creatures[9].Kind, game->ScoreTexts.Texts[0].IsActive,
                                game->ScoreTexts.Texts[0].Text[0], game->ScoreTexts.Texts[0].FramesLeft}),
              (std::vector<int>{0, -1, 0, 0, 0, 0, 0, 0, 0, ActionNone, 0, PieceFree, 0, PieceFree, 0, 0, 0}));
    EXPECT_EQ((std::vector<int>{game->BoardBounds[2], game->DebugFlag, game->PendingAction.X,
                                game->PendingAction.SpellSlot, game->Scenery.CountActive()}),
              (std::vector<int>{608, 1, 120, 2, 1}));
    EXPECT_STREQ(game->Roster[4].Name, "Pellamor");
    EXPECT_EQ(game->PendingAction.pActor, &game->Players[1]);
}

TEST(NewGame, TwoToEightDistinctDreamersSitNeverTheLastCharacterTheHumanAsChosenAndOnlyDruidsAndWitchesGetCloudCover)
{
    const int slots[][2] = {{0, 1}, {4, 9}, {8, 0}, {9, 2}, {-1, 2}, {10, 2}};  // any other choice slot: Waxlight
    for (const auto& s : slots)
        EXPECT_EQ(SlotToRosterIndex(s[0]), s[1]) << s[0];
    auto game = std::make_unique<GAME>();
    const int counts[][2] = {{-3, 2}, {1, 2}, {2, 2}, {5, 5}, {8, 8}, {9, 8}, {40, 8}};  // asked, seated
    for (unsigned seed = 1; seed <= 50; seed++) {
        SeedRand(seed);
        game->StartNewGame(7, -1, counts[seed % 7][0]);
        std::set<std::string> seen;
        for (const PLAYER& player : game->Players) {
            if (player.Kind == PieceFree)
                continue;
            seen.insert(player.Name);
            const SPELLHAND& hand = player.Spells;  // five or six dealt, then Cloud Cover for Druids and Witches
            const int cover = player.Class == 3 || player.Class == 4;
            EXPECT_TRUE(hand.Count - cover == 5 || hand.Count - cover == 6) << player.Name << " " << hand.Count;
            EXPECT_TRUE(!cover || hand.Slots[hand.Count - 1].Id == CloudCoverSpellId) << player.Name;
        }
        EXPECT_EQ(seen.size(), static_cast<std::size_t>(counts[seed % 7][1])) << seed;
        EXPECT_EQ(seen.count(game->Roster[10].Name), 0u);
        EXPECT_STREQ(game->Players[0].Name, game->Roster[7].Name);
        const SPELLHAND& druids = game->Players[0].Spells;  // Brenthal's, a Druid's
        EXPECT_EQ(druids.Slots[druids.Count - 1].Id, CloudCoverSpellId);
    }
}

TEST(NewGame, AChallengeKeepsTheDecksAndAFreeGameDealsThemAnew)
{
    auto game = std::make_unique<GAME>();
    game->BuildRoster();
    int deck[DeckSize];
    std::memcpy(deck, game->Roster[3].Deck, sizeof deck);
    game->StartNewGame(3, 5, 2);  // a challenge keeps the decks, a free game deals them anew
    EXPECT_EQ(std::memcmp(deck, game->Roster[3].Deck, sizeof deck), 0);
    game->StartNewGame(3, -1, 2);
    EXPECT_NE(std::memcmp(deck, game->Roster[3].Deck, sizeof deck), 0);
}

TEST(PieceStep, HealthMovesOnePointAFrameWithinItsBoundsAndADeadPieceTakesNoFurtherChange)
{
    const auto game = NewEmptyBoard();
    PLAYER& dreamer = PlaceDreamer(*game, 1, "Sage", 300, 200);
    dreamer.Health = dreamer.MaxHealth - 2;
    dreamer.PendingHealth = 10;
    dreamer.UpdateHealth();
    dreamer.UpdateHealth();
    EXPECT_EQ(std::vector<int>({dreamer.Health, dreamer.PendingHealth}), std::vector<int>({dreamer.MaxHealth, 0}));
    dreamer.Health = 2;
    dreamer.PendingHealth = -3;
    for (bool dead : {false, true}) {
        dreamer.UpdateHealth();
        EXPECT_EQ(dreamer.IsDead != 0, dead);
    }
    dreamer.DeathPending = 0;
    dreamer.Alpha = 100;
    dreamer.PendingHealth = -10000;
    dreamer.UpdateHealth();  // never killed twice: no second burst, score or fade
    EXPECT_EQ(std::vector<int>({dreamer.PendingHealth, dreamer.DeathPending, dreamer.Alpha}),
              std::vector<int>({0, 0, 100}));
}

TEST(PieceStep, AMoveIsClampedInsideTheBoardSnapsWithinTwoPixelsAndAPiecePastAnEdgeComesBackInOneFrame)
{
    const auto game = NewEmptyBoard();
    PLAYER& dreamer = PlaceDreamer(*game, 0, "Ardent", 64, 216, 32);
    dreamer.MoveTo(700.0f, 216.0f, 0.01f);
    int frames = 0;
    for (; dreamer.IsMoving && frames < 200; frames++)
        dreamer.Move();
    EXPECT_EQ(dreamer.X, 575.0f);
    EXPECT_LE(frames, 100);
    dreamer.MoveTo(static_cast<float>(dreamer.CentreX) + 1.5f, static_cast<float>(dreamer.CentreY), 0.01f);
    dreamer.Move();
    EXPECT_EQ(dreamer.IsMoving, 0);
    for (const float x : {600.0f, -5.0f}) {
        dreamer.X = x;
        dreamer.MoveTo(300.0f, 216.0f, 0.01f);
        dreamer.Move();
        EXPECT_EQ(dreamer.X, x > 0.0f ? 575.0f : 1.0f);
    }
}

// A dead side's fires, tornadoes and storms fade with it, but its cover clouds still run out by their rounds, counted
// on the step of the last computer side left.
TEST(Deaths, ADreamersDeathBurstsAndEndsItsSidesHazardsSparingItsCloudsAndAnotherSidesHazards)
{
    const auto game = NewEmptyBoard();
    for (int i = 0; i < 3; i++)
        PlaceDreamer(*game, i, "Sage", 100 + 200 * i, 100);
    PLAYER& dying = game->Players[2];
    dying.Health = 1;
    dying.PendingHealth = -1;
    const auto hazard = [&](int kind, int team, int x) -> EFFECT& {
        return game->Effects.Slots[game->Effects.SpawnEffect(kind, team, 0, x, 400, PieceRefDreamer, team,
                                                             PieceRefNone, -1, x, 400, 0.0f, 0, 255, 0)];
    };
    const EFFECT& fire = hazard(2, 2, 100);
    EFFECT& cloud = hazard(21, 2, 300);
    const EFFECT& otherFire = hazard(2, 0, 500);
    cloud.RoundsLeft = 9;
    UpdateGameFrame(*game);
    ASSERT_TRUE(dying.IsDead);
    EXPECT_EQ((std::vector<int>{fire.FramesLeft, cloud.FramesLeft, otherFire.FramesLeft}),
              (std::vector<int>{255 - 1, -1, -1}));  // the frame's own step already taken
    EXPECT_EQ(CountActiveEffects(*game, EffectGhost), 64);
    const EFFECT& ghost = game->Effects.Slots[3];  // the burst's first sets off from the dreamer's centre
    EXPECT_EQ((std::vector<float>{ghost.HeadX + ghost.Width / 2, ghost.HeadY + ghost.Height / 2}),
              (std::vector<float>{static_cast<float>(dying.CentreX), static_cast<float>(dying.CentreY)}));
    EndTurnHazards(*game, &game->Players[1]);
    EXPECT_EQ(cloud.RoundsLeft, 8);
}

TEST(Deaths, NobodyScoresForAPieceNeverHit)
{
    const auto game = StartGame();
    PIECE& imp = *game->CreateCreature("Imp", 1, 1, 400, 300);
    imp.Health = 1;
    imp.PendingHealth = -1;
    UpdateGameFrame(*game);
    EXPECT_TRUE(imp.IsDead);
    EXPECT_EQ(std::vector<int>({game->Players[0].Score, game->Players[1].Score, game->ScoreTexts.FindFree()}),
              std::vector<int>({0, 0, 0}));
}

// The hazards move on the last live computer side's step: a death passes it down, to the human when none lives.
TEST(TurnMachine, ADeadSideDropsTheActionsItsPartOfAndPassesTheHazardsStepDown)
{
    for (int dead : {1, 0}) {
        const auto game = StartGame();
        const int spells = game->Players[1].Spells.Count;
        game->Players[dead].Kill();
        EXPECT_EQ(game->GetLastComputerPlayer(), 1 - dead);
        game->PendingAction = {dead == 1 ? ActionDream : ActionCast, &game->Players[1], &game->Players[0], 0, 0, 0, 0};
        RunPendingAction(*game);
        EXPECT_EQ(game->PendingAction.Kind, ActionNone);
        EXPECT_EQ(game->Players[1].Spells.Count, spells);
    }
}
