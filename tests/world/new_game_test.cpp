// A new game: what it clears and keeps, who sits down where with what, and the piece a reference names.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>
#include <vector>

#include "world/game.h"
#include "world/random.h"
#include "world/roster.h"

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

TEST(NewGame, TwoToEightDistinctDreamersSitNeverTheLastCharacterAndTheHumanAsChosen)
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
        for (const PLAYER& player : game->Players)
            if (player.Kind != PieceFree)
                seen.insert(player.Name);
        EXPECT_EQ(seen.size(), static_cast<std::size_t>(counts[seed % 7][1])) << seed;
        EXPECT_EQ(seen.count(game->Roster[10].Name), 0u);
        EXPECT_STREQ(game->Players[0].Name, game->Roster[7].Name);
    }
}

TEST(NewGame, DreamersTakeTheirClassPictureStartAndColoursAndOnlyAFreeGameDealsTheDecksAnew)
{
    auto game = std::make_unique<GAME>();
    game->BuildRoster();
    game->StartNewGame(6, 9, 2);  // Quorvin the Druid against Tirevane the Witch
    const PLAYER& human = game->Players[0];
    const PLAYER& witch = game->Players[1];
    EXPECT_EQ((std::vector<int>{human.Kind, human.Width, human.Height, human.Sprite.Frames[0].Texture,
                                int(human.TeamColour), int(human.PaleColour), human.Bounds[2]}),
              (std::vector<int>{PieceHumanDreamer, 21, 62, 69, 0xff0000, 0xffdddd, 608}));
    EXPECT_EQ((std::vector<float>{human.X, human.Y, human.SpellReach, witch.X}),
              (std::vector<float>{48.0f, 200.0f, 0.6f, 528.0f}));
    EXPECT_EQ(human.Spells.Slots[human.Spells.Count - 1].Id, CloudCoverRow);  // a Druid holds Cloud Cover
    EXPECT_EQ((std::vector<int>{witch.Kind, witch.IsComputer, int(witch.TeamColour), game->BoardWidth,
                                game->BoardHeight}),
              (std::vector<int>{PieceComputerDreamer, 1, 0x00ff00, 608, 448}));
    EXPECT_EQ(std::string(game->MessageText[0]) + game->MessageText[2], "Quorvinturn.");
    int deck[DeckSize];
    std::memcpy(deck, game->Roster[3].Deck, sizeof deck);
    game->StartNewGame(3, 5, 2);  // a challenge keeps the decks, a free game deals them anew
    EXPECT_EQ(std::memcmp(deck, game->Roster[3].Deck, sizeof deck), 0);
    game->StartNewGame(3, -1, 2);
    EXPECT_NE(std::memcmp(deck, game->Roster[3].Deck, sizeof deck), 0);
}

TEST(PieceReferences, PairsNameDreamersAndCreaturesWithinTheirArraysOnly)
{
    auto game = std::make_unique<GAME>();
    const struct { PIECEREF Ref; int Index; const PIECEBASE* Piece; } cases[] = {
        {PieceRefDreamer, 0, &game->Players[0]},    {PieceRefDreamer, 7, &game->Players[7]},
        {PieceRefCreature, 0, &game->Creatures[0]}, {PieceRefCreature, 127, &game->Creatures[127]},
        {PieceRefDreamer, -1, nullptr},             {PieceRefCreature, -1, nullptr},
        {PieceRefDreamer, 8, nullptr},              {PieceRefCreature, 128, nullptr},
        {PieceRefNone, 0, nullptr},                 {static_cast<PIECEREF>(3), 0, nullptr}};
    for (const auto& c : cases)
        EXPECT_EQ(game->GetPiece(c.Ref, c.Index), c.Piece) << c.Ref << " " << c.Index;
}
