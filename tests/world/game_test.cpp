// Who is still playing: the human's life, the last live computer side and the piece a reference names.
#include <gtest/gtest.h>

#include <memory>

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
