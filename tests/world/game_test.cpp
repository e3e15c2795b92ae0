// Who is still playing: the human's life, the last live computer side and the piece a reference names.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "world/game.h"

TEST(GameSides, TheHumanIsDeadFromTheFrameHeDiesAndTheLastComputerSideIsTheHighestLiveOne)
{
    auto game = std::make_unique<GAME>();
    EXPECT_FALSE(game->IsHumanAlive());
    EXPECT_EQ(game->GetLastComputerPlayer(), 0);
    for (int index : {0, 6, 1, 2, 3}) {  // 0 and 6 human: a human dreamer never counts
        const PIECEKIND kind = index == 0 || index == 6 ? PieceHumanDreamer : PieceComputerDreamer;
        game->Players[index].Init(index, index, "Seated", kind, 0, 1, 10, 0xffffff, 255);
        game->Players[index].IsComputer = kind == PieceComputerDreamer;
        game->Players[index].SetStats(1, 48, 32, 38, 30, 0.7f);
    }
    EXPECT_TRUE(game->IsHumanAlive());
    EXPECT_EQ(game->GetLastComputerPlayer(), 3);
    game->Players[0].Kill();  // still fading, already dead
    game->Players[6].Kill();
    EXPECT_FALSE(game->IsHumanAlive());
    game->Players[3].Kill();
    EXPECT_EQ(game->GetLastComputerPlayer(), 2);
    game->Players[1].Kill();
    game->Players[2].Kill();
    EXPECT_EQ(game->GetLastComputerPlayer(), 0);
}

TEST(GameState, ANewGameClearsTheTurnTheBannerAndEverySlotButKeepsRosterBoardAndTheActionsOtherFields)
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
    game->Reset();
    EXPECT_EQ((std::vector<int>{game->CurrentPlayer, game->CurrentCreature, game->HitHappened,
                                game->ComputerTurnsRunning, game->HumanTurnEnded, game->MessageIsEvent,
                                game->MessageFramesLeft, game->MessageFrames, game->MessageText[0][0],
                                game->PendingAction.Kind, game->PendingAction.DreamSlot, game->Players[1].Kind,
                                game->Players[1].Score, game->Creatures[9].Kind}),
              (std::vector<int>{0, -1, 0, 0, 0, 0, 0, 0, 0, ActionNone, 0, PieceFree, 0, PieceFree}));
    EXPECT_EQ((std::vector<int>{game->BoardBounds[2], game->DebugFlag, game->PendingAction.X,
                                game->PendingAction.SpellSlot}),
              (std::vector<int>{608, 1, 120, 2}));
    EXPECT_STREQ(game->Roster[4].Name, "Pellamor");
    EXPECT_EQ(game->PendingAction.pActor, &game->Players[1]);
}

TEST(PieceReferences, PairsNameDreamersAndCreaturesWithinTheirArraysOnly)
{
    auto game = std::make_unique<GAME>();
    const struct { PIECEREF Ref; int Index; const PIECEBASE* Piece; } cases[] = {
        {PieceRefDreamer, 0, &game->Players[0]},        {PieceRefDreamer, 7, &game->Players[7]},
        {PieceRefCreature, 0, &game->Creatures[0]},     {PieceRefCreature, 127, &game->Creatures[127]},
        {PieceRefDreamer, -1, nullptr},                 {PieceRefCreature, -1, nullptr},
        {PieceRefDreamer, 8, nullptr},                  {PieceRefCreature, 128, nullptr},
        {PieceRefNone, 0, nullptr},                     {static_cast<PIECEREF>(3), 0, nullptr}};
    for (const auto& c : cases)
        EXPECT_EQ(game->GetPiece(c.Ref, c.Index), c.Piece) << c.Ref << " " << c.Index;
}
