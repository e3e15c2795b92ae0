// A computer turn: the aims it refreshes, its banner, and the move, cast and dream phases in their order.
#include <gtest/gtest.h>

#include <string>

#include "opponent/opponent.h"
#include "tests/support/board.h"
#include "world/frame_update.h"
#include "world/reach.h"

namespace {

// Sage of side 1 on (200, 200) facing Rook of side 2 on (rookX, 200); 20 x 20 pieces reach 128.
PLAYER& Duel(int rookX = 500)
{
    StartEmptyBoard();
    PlaceDreamer(2, "Rook", rookX, 200);
    return PlaceDreamer(1, "Sage", 200, 200);
}

// What the world does with a posted action: carries it out and lets the banner run out.
void CarryOut()
{
    Game.PendingAction.Kind = ActionNone;
    Game.MessageFramesLeft = 0;
}

}  // namespace

TEST(PlayerTurn, RefreshesTheNearestFriendAndTheBestScoredEnemyElseTheNearest)
{
    StartEmptyBoard();
    PLAYER& dreamer = PlaceDreamer(1, "Sage", 200, 200);
    PlaceCreature(3, 1, "Owl", 260, 200);
    PlaceCreature(5, 1, "Owl", 230, 200);
    PlaceCreature(7, 2, "Imp", 400, 200);                  // nearest enemy: distance 200
    PlaceCreature(8, 2, "Imp", 370, 270).MaxHealth = 100;  // distance 205, but the best score
    dreamer.pTarget = &dreamer;
    EXPECT_TRUE(PlayerTurn(Game, 1, ReachCircle));
    EXPECT_EQ(dreamer.pFriend, &Game.Creatures[5]);
    EXPECT_EQ(dreamer.pTarget, &Game.Creatures[8]);
    Game.BoardWidth = -1000;  // every score at 0 or below: the nearest enemy instead
    PlayerTurn(Game, 1, ReachCircle);
    EXPECT_EQ(dreamer.pTarget, &Game.Creatures[7]);
    for (int slot : {3, 5, 7, 8})
        Game.Creatures[slot].IsDead = 1;
    PlayerTurn(Game, 1, ReachCircle);
    EXPECT_EQ(dreamer.pTarget, nullptr);
    EXPECT_EQ(dreamer.pFriend, nullptr);
}

TEST(PlayerTurn, MovesThenCastsThenDreamsOnePhasePerCallAndRetriesAFailedDream)
{
    PLAYER& dreamer = Duel();
    ASSERT_TRUE(dreamer.AddDreamSlot(1));
    dreamer.Spells.AddSpell(CloudCoverRow);
    dreamer.DreamChoice = 2;  // no wish to dream, for now
    EXPECT_TRUE(PlayerTurn(Game, 1, ReachCircle));
    EXPECT_EQ(dreamer.HasMoved, 1);
    EXPECT_EQ(dreamer.HasCast, 0);
    EXPECT_EQ(Game.PendingAction.Kind, ActionNone) << "held back: it still has a dream";
    EXPECT_TRUE(PlayerTurn(Game, 1, ReachCircle));
    EXPECT_EQ(dreamer.HasCast, 1);
    EXPECT_EQ(Game.PendingAction.Kind, ActionCast);
    CarryOut();

    for (int call = 0; call < 2; call++) {  // each failed try ends the dreamer's part and shows its turn
        Game.ClearMessage();
        EXPECT_FALSE(PlayerTurn(Game, 1, ReachCircle));
        EXPECT_EQ(dreamer.HasDreamed, 0);
        EXPECT_EQ(BannerText(), "Sage|'s |turn.") << call;
        Game.MessageFramesLeft = 0;
    }
    dreamer.DreamChoice = 1;
    EXPECT_TRUE(PlayerTurn(Game, 1, ReachCircle));
    EXPECT_EQ(dreamer.HasDreamed, 1);
    EXPECT_EQ(Game.PendingAction.Kind, ActionDream);
    CarryOut();
    EXPECT_FALSE(PlayerTurn(Game, 1, ReachCircle));
    EXPECT_EQ(Game.PendingAction.Kind, ActionNone);
    EXPECT_EQ(ReadEventLog().rfind("ShouldPieceMove"), 0u) << "the move phase ran once";
}

TEST(PlayerTurn, WalksOnlyWithNoDreamsLeftAndNoCreatureSlotOfItsSide)
{
    enum { Nothing, ADream, ACreature, ADyingCreature, AnotherSidesCreature };
    for (int holding = Nothing; holding <= AnotherSidesCreature; holding++) {
        SCOPED_TRACE(holding);
        PLAYER& dreamer = Duel(400);
        if (holding == ADream)
            dreamer.AddDreamSlot(1);
        if (holding != Nothing && holding != ADream) {
            PIECE& owl = PlaceCreature(9, holding == AnotherSidesCreature ? 2 : 1, "Owl", 100, 400);
            owl.IsDead = holding == ADyingCreature;
        }
        EXPECT_TRUE(PlayerTurn(Game, 1, ReachCircle));
        const bool walks = holding == Nothing || holding == AnotherSidesCreature;
        EXPECT_EQ(Game.PendingAction.Kind, walks ? ActionMove : ActionNone);
    }
}

TEST(CreatureTurn, TakesItsDreamersAimAndItsDreamerAsFriendInsteadOfItself)
{
    PLAYER& dreamer = Duel();
    PIECE& first = PlaceCreature(3, 1, "Owl", 200, 250);
    PIECE& second = PlaceCreature(4, 1, "Owl", 200, 300);
    dreamer.pTarget = &Game.Players[2];
    dreamer.pFriend = &second;
    EXPECT_TRUE(CreatureTurn(Game, 3, ReachCircle));
    EXPECT_EQ(first.pTarget, &Game.Players[2]);
    EXPECT_EQ(first.pFriend, &second);
    EXPECT_TRUE(CreatureTurn(Game, 4, ReachCircle));
    EXPECT_EQ(second.pTarget, &Game.Players[2]);
    EXPECT_EQ(second.pFriend, &dreamer);
}
