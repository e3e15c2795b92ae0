#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "opponent/opponent.h"
#include "world/computer_turns.h"
#include "world/game.h"
#include "world/reach.h"

namespace {

void ResetBoard()
{
    Game.Reset();
    Game.BoardWidth = 608;
    Game.BoardHeight = 448;
    Game.SetBoardBounds(0, 0, 608, 448);
}

// A resting 20 x 20 piece centred on (cx, cy), reaching 128 pixels.
PIECEBASE& Place(PIECEBASE& piece, int index, int team, int kind, const char* name, int cx, int cy)
{
    piece.Init(index, team, name, kind, 0, 1, 10, 0xffffff, 255);
    piece.Sprite.BuildFrames(1, 1, 20, 20, 1);
    piece.SetStats(1, 10, 1, 1, 0, 1.0f);
    piece.SetPosition(static_cast<float>(cx - 10), static_cast<float>(cy - 10), 20, 20);
    piece.IsComputer = 1;
    return piece;
}

PLAYER& Dreamer(int index, const char* name, int cx, int cy)
{
    PLAYER& dreamer = Game.Players[index];
    Place(dreamer, index, index, PieceComputerDreamer, name, cx, cy);
    return dreamer;
}

PIECE& Creature(int slot, int team, int cx, int cy)
{
    PIECE& creature = Game.Creatures[slot];
    Place(creature, slot, team, PieceCreature, "Owl", cx, cy);
    creature.pOwner = &Game.Players[team];
    return creature;
}

void GiveCloudCover(PIECEBASE& piece)
{
    piece.Spells.AddSpellCopy(Game.SpellTable[CloudCoverRow]);
}

int CountLogLines(const std::string& start)
{
    std::ifstream log("_Errors.txt", std::ios::binary);
    std::stringstream text;
    text << log.rdbuf();
    const std::string all = "\n" + text.str();
    int count = 0;
    for (size_t at = all.find("\n" + start); at != std::string::npos; at = all.find("\n" + start, at + 1))
        count++;
    return count;
}

// What the world does with a posted action: carries it out and lets the banner run out.
void CarryOut()
{
    Game.PendingAction.Kind = ActionNone;
    Game.MessageFramesLeft = 0;
}

}  // namespace

TEST(PlayerTurn, RefreshesTheNearestFriendAndTheBestScoredEnemy)
{
    ResetBoard();
    PLAYER& dreamer = Dreamer(1, "Sage", 200, 200);
    Creature(3, 1, 260, 200);
    Creature(5, 1, 230, 200);
    Creature(7, 2, 400, 200);                          // nearest enemy: distance 200
    Creature(8, 2, 370, 270).MaxHealth = 100;          // distance 205, but the best score
    dreamer.pTarget = &dreamer;
    EXPECT_TRUE(Game.PlayerTurn(1, ReachCircle));
    EXPECT_EQ(dreamer.pFriend, &Game.Creatures[5]);
    EXPECT_EQ(dreamer.pTarget, &Game.Creatures[8]);

    // With every score at 0 or below the nearest enemy is taken instead.
    Game.BoardWidth = -1000;
    Game.PlayerTurn(1, ReachCircle);
    EXPECT_EQ(dreamer.pTarget, &Game.Creatures[7]);
    Game.Creatures[7].IsDead = 1;
    Game.Creatures[8].IsDead = 1;
    Game.Creatures[3].IsDead = 1;
    Game.Creatures[5].IsDead = 1;
    Game.PlayerTurn(1, ReachCircle);
    EXPECT_EQ(dreamer.pTarget, nullptr);
    EXPECT_EQ(dreamer.pFriend, nullptr);
}

TEST(PlayerTurn, ShowsTheOneFrameTurnBannerOnlyWhenNoBannerRuns)
{
    ResetBoard();
    Dreamer(1, "Sage", 200, 200);
    Dreamer(2, "Rook", 500, 200);
    Game.ShowSelectTargetPrompt();
    const int running = Game.MessageFramesLeft;
    Game.PlayerTurn(1, ReachCircle);
    EXPECT_STREQ(Game.MessageText[0], "Select ");
    EXPECT_EQ(Game.MessageFramesLeft, running);

    Game.MessageFramesLeft = 0;
    Game.PlayerTurn(1, ReachCircle);
    EXPECT_STREQ(Game.MessageText[0], "Sage");
    EXPECT_STREQ(Game.MessageText[1], "'s ");
    EXPECT_STREQ(Game.MessageText[2], "turn.");
    EXPECT_EQ(Game.MessageFramesLeft, 1);
}

TEST(PlayerTurn, MovesThenCastsThenDreamsOnePhasePerCall)
{
    ResetBoard();
    PLAYER& dreamer = Dreamer(1, "Sage", 200, 200);
    Dreamer(2, "Rook", 500, 200);
    dreamer.DreamChoice = 1;
    ASSERT_TRUE(dreamer.AddDreamSlot(1));
    GiveCloudCover(dreamer);

    EXPECT_TRUE(Game.PlayerTurn(1, ReachCircle));
    EXPECT_EQ(CountLogLines("ShouldPieceMove: Sage, 0, 0"), 1);
    EXPECT_EQ(dreamer.HasMoved, 1);
    EXPECT_EQ(dreamer.HasCast, 0);
    EXPECT_EQ(Game.PendingAction.Kind, ActionNone) << "held back: it still has a dream";

    EXPECT_TRUE(Game.PlayerTurn(1, ReachCircle));
    EXPECT_EQ(dreamer.HasCast, 1);
    EXPECT_EQ(dreamer.HasDreamed, 0);
    EXPECT_EQ(Game.PendingAction.Kind, ActionCast);
    EXPECT_EQ(Game.PendingAction.pTarget, &dreamer);
    CarryOut();

    EXPECT_TRUE(Game.PlayerTurn(1, ReachCircle));
    EXPECT_EQ(dreamer.HasDreamed, 1);
    EXPECT_EQ(Game.PendingAction.Kind, ActionDream);
    EXPECT_EQ(Game.PendingAction.pActor, &dreamer);
    CarryOut();

    EXPECT_FALSE(Game.PlayerTurn(1, ReachCircle));
    EXPECT_EQ(Game.PendingAction.Kind, ActionNone);
    EXPECT_EQ(CountLogLines("ShouldPieceMove: "), 1) << "the move phase ran once";
}

TEST(PlayerTurn, AFailedDreamLeavesTheFlagClearAndIsTriedAgainOnLaterCalls)
{
    ResetBoard();
    PLAYER& dreamer = Dreamer(1, "Sage", 200, 200);
    Dreamer(2, "Rook", 500, 200);
    ASSERT_TRUE(dreamer.AddDreamSlot(1));
    dreamer.DreamChoice = 2;    // never dreams
    dreamer.HasMoved = 1;
    dreamer.HasCast = 1;
    for (int call = 0; call < 2; call++) {
        Game.ClearMessage();
        EXPECT_FALSE(Game.PlayerTurn(1, ReachCircle));
        EXPECT_EQ(dreamer.HasDreamed, 0);
        EXPECT_EQ(Game.PendingAction.Kind, ActionNone);
        EXPECT_STREQ(Game.MessageText[0], "Sage") << "call " << call;
        Game.MessageFramesLeft = 0;
    }
    dreamer.DreamChoice = 1;
    EXPECT_TRUE(Game.PlayerTurn(1, ReachCircle));
    EXPECT_EQ(dreamer.HasDreamed, 1);
    EXPECT_EQ(Game.PendingAction.Kind, ActionDream);
    CarryOut();
    EXPECT_FALSE(Game.PlayerTurn(1, ReachCircle));
    EXPECT_EQ(Game.PendingAction.Kind, ActionNone);
}

TEST(PlayerTurn, WalksOnlyWithNoDreamsLeftAndNoCreatureSlotOfItsSide)
{
    enum Holding { Nothing, ADream, ACreature, ADyingCreature, AnotherSidesCreature };
    const struct {
        Holding What;
        bool Walks;
    } cases[] = {
        {Nothing, true}, {ADream, false}, {ACreature, false}, {ADyingCreature, false}, {AnotherSidesCreature, true},
    };
    for (const auto& c : cases) {
        ResetBoard();
        PLAYER& dreamer = Dreamer(1, "Sage", 200, 200);
        Dreamer(2, "Rook", 400, 200);
        if (c.What == ADream)
            dreamer.AddDreamSlot(1);
        if (c.What == ACreature || c.What == ADyingCreature)
            Creature(9, 1, 100, 400).IsDead = c.What == ADyingCreature;
        if (c.What == AnotherSidesCreature)
            Creature(9, 2, 100, 400);
        EXPECT_TRUE(Game.PlayerTurn(1, ReachCircle));
        EXPECT_EQ(Game.PendingAction.Kind, c.Walks ? ActionMove : ActionNone) << "case " << c.What;
    }
}

TEST(PieceTurns, MoversAndTheDeadDreamerWaitWhileNoPieceEndsItsPartAtOnce)
{
    for (int state = 0; state < 2; state++) {
        ResetBoard();
        PLAYER& dreamer = Dreamer(1, "Sage", 200, 200);
        Dreamer(2, "Rook", 400, 200);
        (state == 0 ? dreamer.IsMoving : dreamer.IsDead) = 1;
        EXPECT_TRUE(Game.PlayerTurn(1, ReachCircle));
        EXPECT_EQ(dreamer.HasMoved, 0);
        EXPECT_EQ(dreamer.pTarget, nullptr);
        EXPECT_EQ(Game.MessageFramesLeft, 0);
    }
    EXPECT_FALSE(Game.PlayerTurn(-1, ReachCircle));
    EXPECT_FALSE(Game.PlayerTurn(MaxPlayers, ReachCircle));

    Creature(4, 1, 250, 250).IsDead = 1;
    Creature(5, 1, 250, 300).Kind = PieceFree;
    for (int index : {-1, 4, 5, 6, CreatureSlots})
        EXPECT_FALSE(Game.CreatureTurn(index, ReachCircle)) << index;
    PIECE& mover = Creature(7, 1, 250, 350);
    mover.IsMoving = 1;
    EXPECT_TRUE(Game.CreatureTurn(7, ReachCircle));
    EXPECT_EQ(mover.HasMoved, 0);
    EXPECT_EQ(CountLogLines("ShouldPieceMove"), 0);
}

TEST(CreatureTurn, TakesItsDreamersAimAndItsDreamerAsFriendInsteadOfItself)
{
    ResetBoard();
    PLAYER& dreamer = Dreamer(1, "Sage", 200, 200);
    PLAYER& rival = Dreamer(2, "Rook", 500, 200);
    PIECE& first = Creature(3, 1, 200, 250);
    PIECE& second = Creature(4, 1, 200, 300);
    dreamer.pTarget = &rival;
    dreamer.pFriend = &second;
    Game.CreatureTurn(3, ReachCircle);
    EXPECT_EQ(first.pTarget, &rival);
    EXPECT_EQ(first.pFriend, &second);
    Game.PendingAction.Kind = ActionNone;
    Game.CreatureTurn(4, ReachCircle);
    EXPECT_EQ(second.pTarget, &rival);
    EXPECT_EQ(second.pFriend, &dreamer);

    PIECE& stray = Creature(6, 1, 300, 300);
    stray.pOwner = nullptr;
    stray.pTarget = &rival;
    stray.pFriend = &first;
    Game.CreatureTurn(6, ReachCircle);
    EXPECT_EQ(stray.pTarget, nullptr);
    EXPECT_EQ(stray.pFriend, nullptr);
}

TEST(CreatureTurn, MovesThenCastsThenIsDone)
{
    ResetBoard();
    PLAYER& dreamer = Dreamer(1, "Sage", 200, 200);
    PLAYER& rival = Dreamer(2, "Rook", 500, 200);
    PIECE& creature = Creature(3, 1, 200, 300);
    GiveCloudCover(creature);
    dreamer.pTarget = &rival;

    EXPECT_TRUE(Game.CreatureTurn(3, ReachCircle));
    EXPECT_EQ(Game.PendingAction.Kind, ActionMove) << "a creature is never held back by its caller";
    EXPECT_EQ(Game.PendingAction.pActor, &creature);
    EXPECT_EQ(creature.HasMoved, 1);
    EXPECT_EQ(creature.HasCast, 0);
    CarryOut();
    EXPECT_TRUE(Game.CreatureTurn(3, ReachCircle));
    EXPECT_EQ(Game.PendingAction.Kind, ActionCast);
    EXPECT_EQ(creature.HasCast, 1);
    CarryOut();
    EXPECT_FALSE(Game.CreatureTurn(3, ReachCircle));
    EXPECT_EQ(Game.PendingAction.Kind, ActionNone);
    EXPECT_EQ(CountLogLines("ShouldPieceMove: Owl"), 1);
}

TEST(ComputerOpponent, InstallingPointsTheTurnMachinesHooksAtTheGame)
{
    ComputerPlayerTurn = nullptr;
    ComputerCreatureTurn = nullptr;
    InstallComputerOpponent();
    ASSERT_NE(ComputerPlayerTurn, nullptr);
    ASSERT_NE(ComputerCreatureTurn, nullptr);

    ResetBoard();
    PLAYER& dreamer = Dreamer(1, "Sage", 200, 200);
    Dreamer(2, "Rook", 500, 200);
    PIECE& creature = Creature(3, 1, 200, 300);
    EXPECT_TRUE(ComputerPlayerTurn(1, ReachCircle));
    EXPECT_EQ(dreamer.HasMoved, 1);
    EXPECT_FALSE(ComputerCreatureTurn(-1, ReachCircle));
    EXPECT_TRUE(ComputerCreatureTurn(3, ReachCircle));
    EXPECT_EQ(creature.HasMoved, 1);
}
