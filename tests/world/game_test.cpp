#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "world/game.h"

namespace {

std::unique_ptr<GAME> NewGame()
{
    return std::make_unique<GAME>();
}

// Puts a dreamer of the given kind in a slot, the way a new game would.
void Seat(GAME& game, int index, PIECEKIND kind)
{
    PLAYER& player = game.Players[index];
    player.Init(index, index, "Seated", kind, 0, 1, 10, 0xffffff, 255);
    player.IsComputer = kind == PieceComputerDreamer;
    player.SetStats(1, 48, 32, 38, 30, 0.7f);
}

}  // namespace

TEST(GameState, ABuiltGameHasNothingInPlayAndTheGlobalOneIsBuiltAlike)
{
    auto game = NewGame();
    for (const GAME* built : {game.get(), &Game}) {
        EXPECT_EQ(built->BoardWidth, 512);
        EXPECT_EQ(built->BoardHeight, 320);
        EXPECT_EQ(built->BoardBounds[2], 0);
        EXPECT_EQ(built->CurrentCreature, -1);
        EXPECT_EQ(built->Players[0].Kind, PieceFree);
        EXPECT_EQ(built->Creatures[127].Kind, PieceFree);
        EXPECT_STREQ(built->Roster[0].Name, "");
        EXPECT_STREQ(built->SpellTable.Rows[55].Name, "Shadow Bolt");
        EXPECT_EQ(built->MessageColour[2], 0x0fffffffu);
    }
}

TEST(GameState, ResetAfterAGameFreesEverySlotAndKeepsRosterSpellsAndBoard)
{
    auto game = NewGame();
    game->BoardWidth = 608;
    game->SetBoardBounds(0, 0, 608, 448);
    std::strcpy(game->Roster[4].Name, "Pellamor");
    game->Roster[4].Deck[0] = 12;
    Seat(*game, 0, PieceHumanDreamer);
    Seat(*game, 1, PieceComputerDreamer);
    game->Players[1].Score = 700;
    game->Creatures[9].Kind = PieceCreature;
    game->Creatures[9].CreatureKind = 4;
    game->CurrentPlayer = 1;
    game->CurrentCreature = 9;
    game->HitHappened = 1;
    game->ComputerTurnsRunning = 1;
    game->HumanTurnEnded = 1;
    game->MessageFramesLeft = 30;
    game->MessageFrames = 50;
    game->MessageIsEvent = 1;
    std::strcpy(game->MessageText[0], "Seated");
    game->DebugFlag = 1;
    PIECEBASE* actor = &game->Players[1];
    game->PendingAction = {ActionCast, actor, &game->Players[0], 120, 80, 3, 2};

    game->Reset();

    EXPECT_EQ(game->CurrentPlayer, 0);
    EXPECT_EQ(game->CurrentCreature, -1);
    EXPECT_EQ(game->HitHappened, 0);
    EXPECT_EQ(game->ComputerTurnsRunning, 0);
    EXPECT_EQ(game->HumanTurnEnded, 0);
    EXPECT_EQ(game->MessageFramesLeft, 0);
    EXPECT_STREQ(game->MessageText[0], "");
    EXPECT_EQ(game->PendingAction.Kind, ActionNone);
    EXPECT_EQ(game->PendingAction.DreamSlot, 0);
    for (const PLAYER& player : game->Players) {
        EXPECT_EQ(player.Kind, PieceFree);
        EXPECT_EQ(player.Score, 0);
    }
    for (const PIECE& creature : game->Creatures) {
        EXPECT_EQ(creature.Kind, PieceFree);
        EXPECT_EQ(creature.CreatureKind, 0);
    }

    EXPECT_STREQ(game->Roster[4].Name, "Pellamor");
    EXPECT_EQ(game->Roster[4].Deck[0], 12);
    EXPECT_STREQ(game->SpellTable.Rows[40].Name, "Cloud Cover");
    EXPECT_EQ(game->BoardWidth, 608);
    EXPECT_EQ(game->BoardBounds[2], 608);
    EXPECT_EQ(game->DebugFlag, 1);
    EXPECT_EQ(game->PendingAction.pActor, actor);
    EXPECT_EQ(game->PendingAction.X, 120);
    EXPECT_EQ(game->PendingAction.SpellSlot, 2);
}

TEST(GameSides, TheHumanIsDeadFromTheFrameHeDiesEvenWhileFading)
{
    auto game = NewGame();
    EXPECT_FALSE(game->IsHumanAlive());
    Seat(*game, 0, PieceHumanDreamer);
    EXPECT_TRUE(game->IsHumanAlive());
    game->Players[0].Kill();
    EXPECT_EQ(game->Players[0].Kind, PieceHumanDreamer);
    EXPECT_FALSE(game->IsHumanAlive());
}

TEST(GameSides, LastComputerPlayerIsTheHighestLiveComputerDreamer)
{
    auto game = NewGame();
    EXPECT_EQ(game->GetLastComputerPlayer(), 0);
    Seat(*game, 0, PieceHumanDreamer);
    Seat(*game, 6, PieceHumanDreamer);  // a human dreamer never counts
    Seat(*game, 1, PieceComputerDreamer);
    Seat(*game, 2, PieceComputerDreamer);
    Seat(*game, 3, PieceComputerDreamer);
    EXPECT_EQ(game->GetLastComputerPlayer(), 3);
    game->Players[3].Kill();
    EXPECT_EQ(game->GetLastComputerPlayer(), 2);
    game->Players[1].Kill();
    game->Players[2].Kill();
    EXPECT_EQ(game->GetLastComputerPlayer(), 0);
}

TEST(PieceReferences, PairsNameDreamersAndCreaturesWithinTheirArrays)
{
    auto game = NewGame();
    EXPECT_EQ(game->GetPiece(PieceRefDreamer, 0), &game->Players[0]);
    EXPECT_EQ(game->GetPiece(PieceRefDreamer, 7), &game->Players[7]);
    EXPECT_EQ(game->GetPiece(PieceRefCreature, 0), &game->Creatures[0]);
    EXPECT_EQ(game->GetPiece(PieceRefCreature, 127), &game->Creatures[127]);

    EXPECT_EQ(game->GetPiece(PieceRefDreamer, -1), nullptr);
    EXPECT_EQ(game->GetPiece(PieceRefCreature, -1), nullptr);
    EXPECT_EQ(game->GetPiece(PieceRefDreamer, 8), nullptr);
    EXPECT_EQ(game->GetPiece(PieceRefCreature, 128), nullptr);
    EXPECT_EQ(game->GetPiece(PieceRefNone, 0), nullptr);
    EXPECT_EQ(game->GetPiece(static_cast<PIECEREF>(3), 0), nullptr);
}

TEST(Banner, ClearingEmptiesTheTextsButLeavesTheCount)
{
    auto game = NewGame();
    std::strcpy(game->MessageText[0], "Corvessa");
    std::strcpy(game->MessageText[1], "'s ");
    std::strcpy(game->MessageText[2], "turn.");
    game->MessageColour[0] = 0x123456;
    game->MessageIsEvent = 1;
    game->MessageFramesLeft = 31;
    game->MessageFrames = 50;

    game->ClearMessage();

    for (const auto& text : game->MessageText)
        EXPECT_STREQ(text, "");
    EXPECT_EQ(game->MessageColour[0], 0xffffffu);
    EXPECT_EQ(game->MessageColour[1], 0xffffffu);
    EXPECT_EQ(game->MessageColour[2], 0x0fffffffu);
    EXPECT_EQ(game->MessageIsEvent, 0);
    EXPECT_EQ(game->MessageFramesLeft, 31);
    EXPECT_EQ(game->MessageFrames, 50);
}
